// Damaged, missing, unreadable and odd Taratura.dat and Lavoro.dat files through the calibration procedures.
#include "FileOstili.h"

#include "calibration/ProcedureTara.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString k_NonLeggibile = QStringLiteral("Impossibile leggere il file Taratura.dat");

QByteArray fabbrica() { return ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()); }

RecordTara epson()
{
    RecordTara r = TaraLexmark();
    r.NomeTara = QStringLiteral("Epson");
    return r;
}
}

class TestTaraturaOstile : public QObject {
    Q_OBJECT
    QTemporaryDir m_cartella;
    QString m_file, m_lavoro;

private slots:
    void init()
    {
        m_file = m_cartella.filePath(QStringLiteral("Taratura.dat"));
        m_lavoro = m_cartella.filePath(QStringLiteral("Lavoro.dat"));
        for (const QString &f : {m_file, m_lavoro, m_file + QStringLiteral(".danneggiato")}) {
            QFile::setPermissions(f, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QFile::remove(f);
            QDir().rmdir(f);
        }
    }

    void primoAvvio_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<bool>("esiste");
        QTest::addColumn<QByteArray>("dopo");
        const QByteArray uno = ByteDiTara(TaraDefault());
        const QByteArray casuali = ByteCasuali(1700, 11);
        QTest::newRow("mancante") << QByteArray() << false << fabbrica();
        QTest::newRow("0 byte") << QByteArray() << true << fabbrica();
        // Less than one whole record holds no calibration: the factory ones take its place, the
        // partial record is kept aside.
        QTest::newRow("169 byte") << uno.left(169) << true << fabbrica();
        QTest::newRow("170 byte") << uno << true << uno;
        QTest::newRow("171 byte") << uno + "x" << true << uno + "x";
        QTest::newRow("byte casuali") << casuali << true << casuali;
    }

    // At first start the file gets the factory calibrations only when it holds no whole record;
    // a file with records is left byte for byte.
    void primoAvvio()
    {
        QFETCH(QByteArray, byte);
        QFETCH(bool, esiste);
        QFETCH(QByteArray, dopo);
        PiattaformaFinta finta;
        if (esiste)
            QVERIFY(ScriviTutto(m_file, byte));
        const bool danneggiato = !byte.isEmpty() && byte.size() < k_LunghezzaRecordTara;
        if (danneggiato)
            finta.attendiBox(QStringLiteral("Taratura.dat non contiene tarature complete: il suo contenuto è "
                                            "conservato in Taratura.dat.danneggiato e sono ripristinate le "
                                            "tarature predefinite."));
        QVERIFY(CreaTaratureIniziali(m_file));
        QCOMPARE(LeggiTutto(m_file), dopo);
        // Nothing the user had is lost: a partial record is kept aside.
        QCOMPARE(QFileInfo::exists(m_file + QStringLiteral(".danneggiato")), danneggiato);
        if (danneggiato)
            QCOMPARE(LeggiTutto(m_file + QStringLiteral(".danneggiato")), byte);
        QCOMPARE(NomiTarature(m_file).size(), dopo.size() / k_LunghezzaRecordTara);
        VERIFICA_COPIONE(finta);
    }

    // A stray byte after the last record never ends up inside a record.
    void byteInPiuAlSalvataggio()
    {
        PiattaformaFinta finta;
        const QByteArray uno = ByteDiTara(TaraDefault());
        QVERIFY(ScriviTutto(m_file, uno + "x"));
        const EsitoSalvaTara esito = SalvaTara(epson(), m_file);
        QCOMPARE(esito.esito, EsitoTara::Eseguito);
        QCOMPARE(esito.indice, 2);
        QCOMPARE(LeggiTutto(m_file), uno + ByteDiTara(epson()));
        VERIFICA_COPIONE(finta);
    }

    void nonUtilizzabile_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("cartella") << "cartella";
        QTest::newRow("senza permesso di lettura") << "illeggibile";
    }

    // Every procedure reports the file it cannot read, once, and changes nothing.
    void nonUtilizzabile()
    {
        QFETCH(QString, tipo);
        if (tipo == QLatin1String("illeggibile")) {
            if (Superutente())
                QSKIP("the superuser reads any file");
            QVERIFY(ScriviTutto(m_file, fabbrica()));
            QVERIFY(QFile::setPermissions(m_file, QFileDevice::WriteOwner));
        } else {
            QVERIFY(QDir().mkpath(m_file));
        }
        PiattaformaFinta finta;
        for (int i = 0; i < 4; ++i)
            finta.attendiBox(k_NonLeggibile);
        QVERIFY(!CreaTaratureIniziali(m_file));
        QVERIFY(NomiTarature(m_file).isEmpty());
        QCOMPARE(SalvaTara(epson(), m_file).esito, EsitoTara::Errore);
        QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Errore);
        if (tipo == QLatin1String("cartella")) {
            QVERIFY(QFileInfo(m_file).isDir());
        } else {
            QVERIFY(QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            QCOMPARE(LeggiTutto(m_file), fabbrica());
        }
        QVERIFY(!QFileInfo::exists(m_lavoro));
        VERIFICA_COPIONE(finta);
    }

    // A read-only calibration file is not replaced behind the user's back.
    void solaLettura()
    {
        if (Superutente())
            QSKIP("the superuser writes any file");
        PiattaformaFinta finta;
        QVERIFY(ScriviTutto(m_file, fabbrica()));
        QVERIFY(QFile::setPermissions(m_file, QFileDevice::ReadOwner));
        finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat"));
        QCOMPARE(SalvaTara(epson(), m_file).esito, EsitoTara::Errore);
        QCOMPARE(LeggiTutto(m_file), fabbrica());
        VERIFICA_COPIONE(finta);
    }

    // A work file left by an earlier run is simply replaced; one that is a folder stops the removal.
    void lavoroAvanzato_data()
    {
        QTest::addColumn<bool>("cartella");
        QTest::newRow("file avanzato") << false;
        QTest::newRow("cartella") << true;
    }

    void lavoroAvanzato()
    {
        QFETCH(bool, cartella);
        PiattaformaFinta finta;
        QVERIFY(ScriviTutto(m_file, fabbrica()));
        if (cartella)
            QVERIFY(QDir().mkpath(m_lavoro));
        else
            QVERIFY(ScriviTutto(m_lavoro, ByteCasuali(500, 3)));
        finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
        if (cartella)
            finta.attendiBox(QStringLiteral("Impossibile scrivere il file Lavoro.dat"));
        QCOMPARE(RimuoviTara(0, 2, m_file), cartella ? EsitoTara::Errore : EsitoTara::Eseguito);
        QCOMPARE(LeggiTutto(m_file), cartella ? fabbrica() : ByteDiTara(TaraLexmark()));
        QCOMPARE(QFileInfo(m_lavoro).isDir(), cartella);
        QCOMPARE(QFileInfo::exists(m_lavoro), cartella);
        VERIFICA_COPIONE(finta);
    }

    // Characters outside Windows-1252 are stored as '?'; two such names that meet in the same
    // stored text bring the overwrite question rather than a silent replacement.
    void nomiFuoriCodePage()
    {
        PiattaformaFinta finta;
        QVERIFY(ScriviTutto(m_file, fabbrica()));
        RecordTara r = epson();
        r.NomeTara = QStringLiteral("Epson Σ 日本");
        QCOMPARE(SalvaTara(r, m_file).esito, EsitoTara::Eseguito);
        QCOMPARE(NomiTarature(m_file).last(), QStringLiteral("Epson ? ??"));
        r.NomeTara = QStringLiteral("Epson Ж 中文");
        finta.attendiBox(QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?"), Pulsanti::SiNo,
                         RispostaNo);
        QCOMPARE(SalvaTara(r, m_file).esito, EsitoTara::Rinunciato);
        QCOMPARE(NomiTarature(m_file).size(), 3);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestTaraturaOstile)
#include "TestTaraturaOstile.moc"
