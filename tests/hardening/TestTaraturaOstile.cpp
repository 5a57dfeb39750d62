// Damaged, missing, unreadable and odd Taratura.dat and Lavoro.dat files through the calibration procedures.
#include "FileOstili.h"

#include "calibration/ProcedureTara.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString k_NonLeggibile = QStringLiteral("Impossibile leggere il file Taratura.dat");

QByteArray fabbrica() { return ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()); }

RecordTara epson()
{
    RecordTara r = TaraLexmark();
    r.NomeTara = QStringLiteral("Epson");
    return r;
}
} // namespace

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
            // Never through a link: it may lead to /dev/zero.
            if (!QFileInfo(f).isSymLink())
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
        QTest::addColumn<QString>("motivo");
        QTest::newRow("cartella") << "cartella"
                                  << "è una cartella";
        QTest::newRow("senza permesso di lettura") << "illeggibile"
                                                   << "permesso negato";
        // Reading this once blocked for ever.
        QTest::newRow("FIFO") << "fifo"
                              << "non è un file regolare";
        // Sparse: their size is refused before anything is read, so they cost nothing.
        QTest::newRow("100000 tarature") << "100000"
                                         << "contiene 100000 tarature, più delle 32767 che il programma può gestire";
        QTest::newRow("1 TB") << "1099511627776"
                              << "contiene 6467715457 tarature, più delle 32767 che il programma può gestire";
    }

    // Every procedure reports the file it cannot read, with the reason, once, and changes nothing.
    void nonUtilizzabile()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        qint64 lunghezza = 0;
        if (tipo == QLatin1String("illeggibile")) {
            if (Superutente())
                QSKIP("the superuser reads any file");
            QVERIFY(ScriviTutto(m_file, fabbrica()));
            QVERIFY(QFile::setPermissions(m_file, QFileDevice::WriteOwner));
        } else if (tipo == QLatin1String("cartella")) {
            QVERIFY(QDir().mkpath(m_file));
        } else if (tipo == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(m_file).constData(), 0644), 0);
        } else {
            lunghezza = tipo.toLongLong();
            if (lunghezza < 1000000)
                lunghezza *= k_LunghezzaRecordTara;
            QVERIFY(ScriviTutto(m_file, fabbrica()));
            QVERIFY(QFile::resize(m_file, lunghezza));
        }
        const QString messaggio = k_NonLeggibile + QStringLiteral(": ") + motivo;
        PiattaformaFinta finta;
        for (int i = 0; i < 4; ++i)
            finta.attendiBox(messaggio);
        QVERIFY(!CreaTaratureIniziali(m_file));
        QVERIFY(NomiTarature(m_file).isEmpty());
        QCOMPARE(SalvaTara(epson(), m_file).esito, EsitoTara::Errore);
        QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Errore);
        if (tipo == QLatin1String("cartella")) {
            QVERIFY(QFileInfo(m_file).isDir());
        } else if (tipo == QLatin1String("illeggibile")) {
            QVERIFY(QFile::setPermissions(m_file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
            QCOMPARE(LeggiTutto(m_file), fabbrica());
        } else if (lunghezza > 0) {
            QCOMPARE(QFileInfo(m_file).size(), lunghezza);
        } else {
            QVERIFY(!QFileInfo(m_file).isFile() || QFileInfo(m_file).isSymLink());
        }
        QVERIFY(!QFileInfo::exists(m_lavoro));
        QVERIFY(!QFileInfo::exists(m_file + QStringLiteral(".danneggiato")));
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
        finta.attendiBox(QStringLiteral("Impossibile scrivere il file Taratura.dat: permesso negato"));
        QCOMPARE(SalvaTara(epson(), m_file).esito, EsitoTara::Errore);
        QCOMPARE(LeggiTutto(m_file), fabbrica());
        VERIFICA_COPIONE(finta);
    }

    // The removal writes through a work file of its own: a Lavoro.dat left by an earlier version
    // is deleted, a link in its place is removed without touching what it leads to, and a folder
    // no longer stands in the way.
    void lavoroAvanzato_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::newRow("file avanzato") << "file";
        QTest::newRow("cartella") << "cartella";
        QTest::newRow("collegamento") << "collegamento";
    }

    void lavoroAvanzato()
    {
        QFETCH(QString, tipo);
        PiattaformaFinta finta;
        QVERIFY(ScriviTutto(m_file, fabbrica()));
        const QString vittima = m_cartella.filePath(QStringLiteral("vittima.tnt"));
        const QByteArray sviluppo = ByteCasuali(122, 8);
        QVERIFY(ScriviTutto(vittima, sviluppo));
        if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir().mkpath(m_lavoro));
        else if (tipo == QLatin1String("collegamento"))
            QVERIFY(QFile::link(vittima, m_lavoro));
        else
            QVERIFY(ScriviTutto(m_lavoro, ByteCasuali(500, 3)));
        finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
        QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Eseguito);
        QCOMPARE(LeggiTutto(m_file), ByteDiTara(TaraLexmark()));
        QCOMPARE(QFileInfo(m_lavoro).isDir(), tipo == QLatin1String("cartella"));
        QCOMPARE(QFileInfo::exists(m_lavoro), tipo == QLatin1String("cartella"));
        QVERIFY(!QFileInfo(m_lavoro).isSymLink());
        QCOMPARE(LeggiTutto(vittima), sviluppo);
        QVERIFY(QFile::remove(vittima));
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
