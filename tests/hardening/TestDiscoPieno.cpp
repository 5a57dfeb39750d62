// Every writer on a real full disk: it says so, with the reason, and the old file stays exactly
// as it was, with no temporary file left beside it.
#include "FigureCiclo.h"

#include "calibration/ProcedureTara.h"
#include "documents/ArchivioCommessa.h"
#include "exports/EsportaCsv.h"
#include "exports/EsportaDxf.h"
#include "tests/support/DiscoPieno.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QTest>

namespace {
const QString k_Pieno = QStringLiteral(": disco pieno");

QByteArray fabbrica() { return ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()); }
} // namespace

class TestDiscoPieno : public QObject {
    Q_OBJECT
private slots:
    void scrittore_data()
    {
        QTest::addColumn<QString>("scrittore");
        for (const char *scrittore : {"tnt", "tnt con spessore", "vorna", "dxf", "csv", "tarature iniziali",
                                      "aggiungi taratura", "rimuovi taratura"})
            QTest::newRow(scrittore) << scrittore;
    }

    void scrittore()
    {
        QFETCH(QString, scrittore);
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const bool tara =
            scrittore.contains(QLatin1String("tarature")) || scrittore.endsWith(QLatin1String("taratura"));
        const QString nome = tara                                  ? QStringLiteral("Taratura.dat")
                             : scrittore == QLatin1String("vorna") ? QStringLiteral("pezzo.vorna")
                                                                   : QStringLiteral("pezzo.") + scrittore.left(3);
        const QString file = disco.percorso(nome);
        QByteArray vecchio = tara ? fabbrica() : ByteCasuali(300, 5);
        if (scrittore == QLatin1String("tarature iniziali"))
            vecchio.clear();
        QVERIFY(ScriviTutto(file, vecchio));
        QVERIFY(disco.riempi());

        PiattaformaFinta finta;
        bool riuscito = true;
        QString motivo;
        if (scrittore.startsWith(QLatin1String("tnt"))) {
            RecordSviluppo record = RecordCiclo(2);
            // With a plate the trailer follows the record: both, or neither, reach the disk.
            if (scrittore != QLatin1String("tnt"))
                record.TestoSpessore = QStringLiteral("10");
            riuscito = ScriviRecordSviluppo(file, record, &motivo) == EsitoFileSviluppo::Ok;
        } else if (scrittore == QLatin1String("vorna")) {
            Commessa commessa;
            commessa.nome = QStringLiteral("Ciclo");
            commessa.pezzi.resize(2);
            commessa.pezzi[0].tronco = RecordCiclo(1);
            commessa.pezzi[1].tronco = RecordCiclo(2);
            const EsitoFile esito = SalvaCommessa(file, commessa);
            riuscito = bool(esito);
            motivo = esito.motivo;
        } else if (scrittore == QLatin1String("dxf")) {
            riuscito = EsportaDxf(FiguraCiclo(1), file, {}, &motivo) == EsitoEsportazione::Ok;
        } else if (scrittore == QLatin1String("csv")) {
            riuscito = EsportaCsv(FiguraCiclo(1), file, {}, &motivo) == EsitoEsportazione::Ok;
        } else {
            const bool rimuovi = scrittore.startsWith(QLatin1String("rimuovi"));
            if (rimuovi)
                finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
            // Even the lock file finds no room.
            finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat") + k_Pieno);
            if (scrittore.startsWith(QLatin1String("tarature")))
                riuscito = CreaTaratureIniziali(file);
            else
                riuscito = rimuovi ? RimuoviTara(0, 2, file) == EsitoTara::Eseguito
                                   : SalvaTara(TaraCiclo(), file).esito == EsitoTara::Eseguito;
        }
        VERIFICA_COPIONE(finta);
        QVERIFY(!riuscito);
        if (!tara)
            QCOMPARE(motivo, QStringLiteral("disco pieno"));
        QCOMPARE(LeggiTutto(file), vecchio);
        QStringList presenti =
            QDir(disco.percorso(QString())).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        presenti.sort();
        QCOMPARE(presenti, (QStringList{nome, QStringLiteral("riempitivo")}));
        // The calibrations kept are the user's: the next start does not put the factory ones in their place.
        if (!vecchio.isEmpty() && tara) {
            QVERIFY(CreaTaratureIniziali(file));
            QCOMPARE(LeggiTutto(file), vecchio);
        }
    }
};

QTEST_GUILESS_MAIN(TestDiscoPieno)
#include "TestDiscoPieno.moc"
