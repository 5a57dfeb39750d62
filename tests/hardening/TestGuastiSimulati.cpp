// A failure at each step of a safe write, for every writer: the result says so, the old file
// and the folder stay exactly as they were.
#include "FigureCiclo.h"

#include "calibration/ProcedureTara.h"
#include "exports/EsportaCsv.h"
#include "exports/EsportaDxf.h"
#include "platform/FileSicuro.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class TestGuastiSimulati : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ImpostaGuastoSimulato({}); }

    void guasto_data()
    {
        QTest::addColumn<QString>("scrittore");
        QTest::addColumn<QString>("passo");
        for (const char *scrittore : {"tnt", "dxf", "csv", "tarature iniziali", "salva taratura"})
            for (const char *passo : {"apri", "scrivi", "conferma"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(scrittore), QLatin1String(passo))))
                    << scrittore << passo;
    }

    void guasto()
    {
        QFETCH(QString, scrittore);
        QFETCH(QString, passo);
        PiattaformaFinta finta;
        QTemporaryDir cartella;
        const bool tara = scrittore.contains(QLatin1String("tara"));
        const QString file = cartella.filePath(tara ? QStringLiteral("Taratura.dat") : QStringLiteral("vecchio.tnt"));
        // The calibration file is empty at first start, so the defaults are due.
        const QByteArray vecchio = scrittore == QLatin1String("tarature iniziali")
                                       ? QByteArray()
                                       : (tara ? ByteDiTara(TaraDefault()) : ByteCasuali(300, 5));
        QVERIFY(ScriviTutto(file, vecchio));
        const QStringList prima = QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden);

        ImpostaGuastoSimulato([&](const char *p) { return passo == QLatin1String(p); });
        if (tara)
            finta.attendiBox(
                QStringLiteral("Impossibile scrivere il file Taratura.dat: errore di lettura o scrittura del disco"));
        bool riuscito = true;
        if (scrittore == QLatin1String("tnt"))
            riuscito = ScriviRecordSviluppo(file, RecordCiclo(2)) == EsitoFileSviluppo::Ok;
        else if (scrittore == QLatin1String("dxf"))
            riuscito = EsportaDxf(FiguraCiclo(1), file) == EsitoEsportazione::Ok;
        else if (scrittore == QLatin1String("csv"))
            riuscito = EsportaCsv(FiguraCiclo(1), file) == EsitoEsportazione::Ok;
        else if (scrittore == QLatin1String("tarature iniziali"))
            riuscito = CreaTaratureIniziali(file);
        else
            riuscito = SalvaTara(TaraCiclo(), file).esito == EsitoTara::Eseguito;
        ImpostaGuastoSimulato({});

        QVERIFY(!riuscito);
        QCOMPARE(LeggiTutto(file), vecchio);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::AllEntries | QDir::Hidden), prima);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestGuastiSimulati)
#include "TestGuastiSimulati.moc"
