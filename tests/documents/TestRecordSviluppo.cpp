// The .tnt record: byte layout, record number rule, reading and writing files, label mapping.
#include "tests/support/FileDiProva.h"
#include "documents/RecordSviluppo.h"
#include "platform/Cp1252.h"
#include "platform/FileSicuro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
// One field of the layout, written out independently of the code: offset, width, content.
struct Campo {
    int offset;
    int larghezza;
    QByteArray byte;
};

QByteArray fixture(const QList<Campo> &campi)
{
    QByteArray record(122, ' ');
    for (const Campo &c : campi)
        record.replace(c.offset, c.byte.size(), c.byte);
    return record;
}

// A cone closing on BD, with accented and euro characters in Windows-1252.
QByteArray fixtureCono()
{
    return fixture({{0, 40, "Tramoggia \xe8 \x80"},
                    {40, 10, "60.5"},
                    {50, 10, "120,25"},
                    {60, 10, "80."},
                    {70, 6, "60."},
                    {76, 6, "70."},
                    {82, 1, "F"},
                    {83, 1, "T"},
                    {84, 8, "Cono"},
                    {92, 30, "Stampa_Cono_Lato_Orizzontale"}});
}

EtichetteSviluppo etichetteCono()
{
    EtichetteSviluppo e;
    e.lblNome = QStringLiteral("Tramoggia è €");
    e.lblAC = QStringLiteral("60.5");
    e.lblAB = QStringLiteral("120,25");
    e.lblBD = QStringLiteral("80.");
    e.lblALFA = QStringLiteral("60.");
    e.lblBeta = QStringLiteral("70.");
    e.lblChiudi = QStringLiteral("F");
    e.lblConoCilindro = QStringLiteral("ConoCilindro");
    e.lblStampa = QStringLiteral("Stampa_Cono_Lato_Orizzontale");
    return e;
}

} // namespace

class TestRecordSviluppo : public QObject {
    Q_OBJECT

private slots:
    void layoutDaEtichette()
    {
        RecordSviluppo r;
        EtichetteSviluppo e = etichetteCono();
        RiempiRecordDaEtichette(r, e);
        QCOMPARE(ByteDelRecord(r), fixtureCono());
        QCOMPARE(e.lblConoCilindro, QStringLiteral("Cono"));
    }

    void letturaByteEsatta()
    {
        const QByteArray byte = fixtureCono();
        const RecordSviluppo r = RecordDaByte(byte);
        QCOMPARE(r.Nome.testo(), Fissa(QStringLiteral("Tramoggia è €"), 40));
        QCOMPARE(r.TestoAB.testo(), QStringLiteral("120,25    "));
        QCOMPARE(r.ConoCilindro.testo(), QStringLiteral("Cono    "));
        QCOMPARE(ByteDelRecord(r), byte);
        // An open puts the padded fields into the labels.
        const EtichetteSviluppo e = EtichetteDaRecord(r);
        QCOMPARE(e.lblChiudi, QStringLiteral("F"));
        QCOMPARE(e.lblStampa, Fissa(QStringLiteral("Stampa_Cono_Lato_Orizzontale"), 30));
    }

    void tagliEFuoriCodifica()
    {
        EtichetteSviluppo e = etichetteCono();
        e.lblNome = QString(45, QLatin1Char('n')) + QStringLiteral("Ω");
        e.lblStampa = QStringLiteral("Stampa_Cilindro_Lato_Orizzontale");
        e.lblChiudi = QStringLiteral("T");
        RecordSviluppo r;
        RiempiRecordDaEtichette(r, e);
        const QByteArray byte = ByteDelRecord(r);
        QCOMPARE(byte.size(), 122);
        QCOMPARE(byte.mid(0, 40), QByteArray(40, 'n'));
        QCOMPARE(byte.mid(82, 2), QByteArray("TF"));
        QCOMPARE(byte.mid(84, 8), QByteArray("Cilindro"));
        QCOMPARE(byte.mid(92, 30), QByteArray("Stampa_Cilindro_Lato_Orizzonta"));
        QCOMPARE(ACp1252(QStringLiteral("Ω")), QByteArray("?"));
    }

    void conoCilindro_data()
    {
        QTest::addColumn<QString>("stampa");
        QTest::addColumn<QString>("atteso"); // empty: not one of the four
        QTest::newRow("cono orizzontale") << "Stampa_Cono_Lato_Orizzontale"
                                          << "Cono";
        QTest::newRow("cono verticale, padded") << "Stampa_Cono_Lato_Verticale    "
                                                << "Cono";
        QTest::newRow("cilindro orizzontale") << "Stampa_Cilindro_Lato_Orizzontale"
                                              << "Cilindro";
        QTest::newRow("cilindro verticale") << "Stampa_Cilindro_Lato_Verticale"
                                            << "Cilindro";
        QTest::newRow("cut name from a file") << "Stampa_Cilindro_Lato_Orizzonta"
                                              << "";
        QTest::newRow("new window") << "Stampa"
                                    << "";
        QTest::newRow("other case") << "stampa_cono_lato_orizzontale"
                                    << "";
    }
    void conoCilindro()
    {
        QFETCH(QString, stampa);
        QFETCH(QString, atteso);
        QCOMPARE(ConoCilindroDi(stampa).value_or(QString()), atteso);
    }

    void conoCilindroRestaNelBuffer()
    {
        // The buffer outlives one save: an unknown routine name keeps the previous kind.
        RecordSviluppo buffer;
        EtichetteSviluppo e = etichetteCono();
        RiempiRecordDaEtichette(buffer, e);
        e.lblStampa = QStringLiteral("Stampa");
        e.lblConoCilindro = QStringLiteral("ConoCilindro");
        RiempiRecordDaEtichette(buffer, e);
        QCOMPARE(buffer.ConoCilindro.testo(), QStringLiteral("Cono    "));
        QCOMPARE(e.lblConoCilindro, QStringLiteral("ConoCilindro"));
        QCOMPARE(buffer.RoutineStampa.testo(), Fissa(QStringLiteral("Stampa"), 30));
    }

    void chiusura_data()
    {
        QTest::addColumn<QString>("lblChiudi");
        QTest::addColumn<QByteArray>("campi"); // bytes 82 and 83
        QTest::newRow("AC") << "T" << QByteArray("TF");
        QTest::newRow("BD") << "F" << QByteArray("FT");
        QTest::newRow("empty") << "" << QByteArray(" T");
        QTest::newRow("lowercase") << "t" << QByteArray("tT");
    }
    void chiusura()
    {
        QFETCH(QString, lblChiudi);
        QFETCH(QByteArray, campi);
        EtichetteSviluppo e = etichetteCono();
        e.lblChiudi = lblChiudi;
        RecordSviluppo r;
        RiempiRecordDaEtichette(r, e);
        QCOMPARE(ByteDelRecord(r).mid(82, 2), campi);
    }

    void numeroRecord_data()
    {
        QTest::addColumn<qint64>("lunghezza");
        QTest::addColumn<int>("numero");
        QTest::newRow("empty") << qint64(0) << 1;
        QTest::newRow("1 byte") << qint64(1) << 1;
        QTest::newRow("61: half, even is 0, no record 0") << qint64(61) << 1;
        QTest::newRow("62") << qint64(62) << 1;
        QTest::newRow("122") << qint64(122) << 1;
        QTest::newRow("182") << qint64(182) << 1;
        QTest::newRow("183: 1.5 to even") << qint64(183) << 2;
        QTest::newRow("244") << qint64(244) << 2;
        QTest::newRow("305: 2.5 to even") << qint64(305) << 2;
        QTest::newRow("306") << qint64(306) << 3;
        QTest::newRow("427: 3.5 to even") << qint64(427) << 4;
        QTest::newRow("10 records") << qint64(1220) << 10;
    }
    void numeroRecord()
    {
        QFETCH(qint64, lunghezza);
        QFETCH(int, numero);
        QCOMPARE(NumeroRecord(lunghezza), numero);
    }

    void fileMancanteNonCreato()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("manca.tnt"));
        RecordSviluppo r;
        r.Nome = QStringLiteral("prima");
        QCOMPARE(LeggiRecordSviluppo(percorso, r), EsitoFileSviluppo::Mancante);
        QVERIFY(!QFile::exists(percorso));
        QCOMPARE(r.Nome.testo(), Fissa(QStringLiteral("prima"), 40));
        QCOMPARE(LeggiRecordSviluppo(dir.path(), r), EsitoFileSviluppo::NonLeggibile);
    }

    // The reader the window and the command line share: a loop of links is no missing file.
    void cicloDiCollegamenti()
    {
        QTemporaryDir dir;
        const QString uno = dir.filePath(QStringLiteral("uno.tnt")), due = dir.filePath(QStringLiteral("due.tnt"));
        QVERIFY(QFile::link(due, uno));
        QVERIFY(QFile::link(uno, due));
        RecordSviluppo r;
        r.Nome = QStringLiteral("prima");
        QString motivo;
        QCOMPARE(LeggiRecordSviluppo(uno, r, &motivo), EsitoFileSviluppo::NonLeggibile);
        QCOMPARE(motivo, QStringLiteral("troppi collegamenti simbolici"));
        QCOMPARE(r.Nome.testo(), Fissa(QStringLiteral("prima"), 40));
    }

    void letturaDaFile_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QByteArray>("attesi"); // the record's bytes as read back
        const QByteArray uno = fixtureCono();
        const QByteArray due = fixture({{0, 40, "secondo"}, {40, 10, "1"}});
        QTest::newRow("one record") << uno << uno;
        QTest::newRow("last of two") << uno + due << due;
        QTest::newRow("empty file") << QByteArray() << QByteArray(122, ' ');
        QTest::newRow("61 bytes: record 1, partial") << uno.left(61) << uno.left(61) + QByteArray(61, ' ');
        QTest::newRow("183 bytes: record 2, partial") << uno + due.left(61) << due.left(61) + QByteArray(61, ' ');
        QTest::newRow("binary bytes") << QByteArray("\x00\xff\n\r\x81\x01", 6)
                                      << QByteArray("\x00\xff\n\r\x81\x01", 6) + QByteArray(116, ' ');
    }
    void letturaDaFile()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QByteArray, attesi);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("s.tnt"));
        QVERIFY(ScriviTutto(percorso, contenuto));
        RecordSviluppo r;
        QCOMPARE(LeggiRecordSviluppo(percorso, r), EsitoFileSviluppo::Ok);
        QCOMPARE(ByteDelRecord(r), attesi);
        QCOMPARE(LeggiTutto(percorso), contenuto); // reading never changes the file
    }

    void scritturaSuFile_data()
    {
        QTest::addColumn<QByteArray>("prima"); // "-": no file
        QTest::addColumn<int>("inizio");       // where the record lands
        QTest::addColumn<int>("lunghezza");    // file length afterwards
        QTest::newRow("new file") << QByteArray("-") << 0 << 122;
        QTest::newRow("empty file") << QByteArray() << 0 << 122;
        QTest::newRow("one record") << QByteArray(122, 'x') << 0 << 122;
        QTest::newRow("three records: the last") << QByteArray(366, 'x') << 244 << 366;
        QTest::newRow("61 bytes: record 1") << QByteArray(61, 'x') << 0 << 122;
        QTest::newRow("183 bytes: record 2, grows") << QByteArray(183, 'x') << 122 << 244;
        QTest::newRow("300 bytes: record 2, tail kept") << QByteArray(300, 'x') << 122 << 300;
    }
    void scritturaSuFile()
    {
        QFETCH(QByteArray, prima);
        QFETCH(int, inizio);
        QFETCH(int, lunghezza);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("s.tnt"));
        if (prima != "-")
            QVERIFY(ScriviTutto(percorso, prima));
        else
            prima.clear();
        QCOMPARE(ScriviRecordSviluppo(percorso, RecordDaByte(fixtureCono())), EsitoFileSviluppo::Ok);
        const QByteArray dopo = LeggiTutto(percorso);
        QCOMPARE(dopo.size(), lunghezza);
        QCOMPARE(dopo.mid(inizio, 122), fixtureCono());
        QCOMPARE(dopo.left(inizio), prima.left(inizio));
        QCOMPARE(dopo.mid(inizio + 122), prima.mid(inizio + 122));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("s.tnt")});
    }

    // The plate's trailer, written out from the layout: after the last record, read back with
    // the record, invisible to a reader of records, stale once an older program rewrote the record.
    void codaSpessore()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("s.tnt"));
        const QByteArray primo = fixture({{0, 40, "primo"}});
        QVERIFY(ScriviTutto(percorso, primo + primo)); // the save replaces the last
        RecordSviluppo r = RecordDaByte(fixtureCono());
        r.TestoSpessore = QStringLiteral("2,5");
        r.Quote = QuoteLamiera::Interne;
        QCOMPARE(ScriviRecordSviluppo(percorso, r), EsitoFileSviluppo::Ok);
        const QByteArray coda = "SPES12,5       I5D885ACA"; // CRC-32 by Python's zlib
        QCOMPARE(LeggiTutto(percorso), primo + fixtureCono() + coda);
        QCOMPARE(NumeroRecord(2 * 122 + coda.size()), qint64(2));

        RecordSviluppo letto;
        QCOMPARE(LeggiRecordSviluppo(percorso, letto), EsitoFileSviluppo::Ok);
        QCOMPARE(ByteDelRecord(letto), fixtureCono());
        QVERIFY(!letto.CodaScaduta);
        const FigureSviluppo figure = FigureDelleEtichette(EtichetteDaRecord(letto));
        QCOMPARE(figure.TestoSpessore.testo(), Fissa(QStringLiteral("2,5"), 10));
        QCOMPARE(figure.Quote, QuoteLamiera::Interne);
        // Saved again unchanged: the same bytes.
        QCOMPARE(ScriviRecordSviluppo(percorso, letto), EsitoFileSviluppo::Ok);
        QCOMPARE(LeggiTutto(percorso), primo + fixtureCono() + coda);

        // An older program rewrote the last record and kept the bytes after it.
        QVERIFY(ScriviTutto(percorso, primo + primo + coda));
        QCOMPARE(LeggiRecordSviluppo(percorso, letto), EsitoFileSviluppo::Ok);
        QVERIFY(letto.CodaScaduta);
        QVERIFY(TrimBlank(letto.TestoSpessore).isEmpty());
        // Saved without a plate, the stale trailer goes with the record it belonged to.
        QCOMPARE(ScriviRecordSviluppo(percorso, letto), EsitoFileSviluppo::Ok);
        QCOMPARE(LeggiTutto(percorso), primo + primo);
    }

    // No plate, blank or 0 typed: the file is today's, byte for byte.
    void senzaSpessoreComeOggi()
    {
        for (const char *spessore : {"", "0", " 0.0"}) {
            QTemporaryDir dir;
            const QString percorso = dir.filePath(QStringLiteral("s.tnt"));
            RecordSviluppo r = RecordDaByte(fixtureCono());
            r.TestoSpessore = QLatin1String(spessore);
            QCOMPARE(ScriviRecordSviluppo(percorso, r), EsitoFileSviluppo::Ok);
            QCOMPARE(LeggiTutto(percorso), fixtureCono());
        }
    }

    void scritturaFallitaLasciaIlFile_data()
    {
        QTest::addColumn<QByteArray>("passo");
        QTest::newRow("open") << QByteArray("apri");
        QTest::newRow("write") << QByteArray("scrivi");
        QTest::newRow("commit") << QByteArray("conferma");
    }
    void scritturaFallitaLasciaIlFile()
    {
        QFETCH(QByteArray, passo);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("s.tnt"));
        const QByteArray prima = fixture({{0, 40, "vecchio"}}) + fixture({{0, 40, "ultimo"}});
        QVERIFY(ScriviTutto(percorso, prima));
        ImpostaGuastoSimulato([passo](const char *p) { return passo == p; });
        const auto esito = ScriviRecordSviluppo(percorso, RecordDaByte(fixtureCono()));
        ImpostaGuastoSimulato({});
        QCOMPARE(esito, EsitoFileSviluppo::NonScrivibile);
        QCOMPARE(LeggiTutto(percorso), prima);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("s.tnt")});
    }

    void scritturaSuCartella()
    {
        QTemporaryDir dir;
        QCOMPARE(ScriviRecordSviluppo(dir.path(), RecordSviluppo{}), EsitoFileSviluppo::NonScrivibile);
        QCOMPARE(ScriviRecordSviluppo(dir.filePath(QStringLiteral("no/such/dir/s.tnt")), RecordSviluppo{}),
                 EsitoFileSviluppo::NonScrivibile);
    }

    void caricaNelloStato()
    {
        RecordSviluppo r = RecordDaByte(fixture({{0, 40, "Tubo"},
                                                 {40, 10, "60."},
                                                 {82, 1, "T"},
                                                 {83, 1, "F"},
                                                 {92, 30, "Stampa_Cilindro_Lato_Orizzonta"}}));
        StatoSviluppo s;
        CaricaNelloStato(r, s);
        QCOMPARE(s.Nome.testo(), Fissa(QStringLiteral("Tubo"), 40));
        QCOMPARE(s.TestoAC.testo(), QStringLiteral("60.       "));
        QCOMPARE(s.ChiudiAC.testo(), QStringLiteral("T"));
        QCOMPARE(s.ChiudiBD.testo(), QStringLiteral("F"));
        QCOMPARE(s.RoutineStampa, QStringLiteral("Stampa_Cilindro_Lato_Orizzonta"));
    }
};

QTEST_GUILESS_MAIN(TestRecordSviluppo)
#include "TestRecordSviluppo.moc"
