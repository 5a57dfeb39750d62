// The batch commands run as a process with no display: exit codes, messages, files written or not.
#include "tests/support/FileDiProva.h"
#include "tests/support/ProcessoVorna.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
QByteArray campo(const QByteArray &testo, int larghezza) { return testo.left(larghezza).leftJustified(larghezza, ' '); }

QByteArray record(const QByteArray &ac, const QByteArray &ab, const QByteArray &bd, const QByteArray &alfa,
                  const QByteArray &beta)
{
    return campo("Tubo", 40) + campo(ac, 10) + campo(ab, 10) + campo(bd, 10) + campo(alfa, 6) + campo(beta, 6) + "TF" +
           campo("", 8) + campo("", 30);
}
} // namespace

class TestRigaDiComando : public QObject {
    Q_OBJECT

private slots:
    void versioneEAiuto()
    {
        const Esito versione = vorna({QStringLiteral("--version")});
        QCOMPARE(versione.codice, 0);
        QCOMPARE(versione.uscita, QStringLiteral("Vorna 1.0.0\n"));
        QCOMPARE(versione.errori, QString());
        const Esito aiuto = vorna({QStringLiteral("--help")});
        QCOMPARE(aiuto.codice, 0);
        QVERIFY(aiuto.uscita.contains(QStringLiteral("--export-dxf FILE.tnt OUT.dxf")));
        QVERIFY(aiuto.uscita.contains(QStringLiteral("--export-csv FILE.tnt OUT.csv")));
        QVERIFY(aiuto.uscita.contains(QStringLiteral("--export-dxf [--arcs] [--generators] FILE.tnt OUT.dxf")));
    }

    void esportaDxf()
    {
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("tubo.tnt")), dxf = dir.filePath(QStringLiteral("tubo.dxf"));
        QVERIFY(ScriviTutto(tnt, record("80.", "100.", "80.", "90.", "90.")));
        const Esito e = vorna({QStringLiteral("--export-dxf"), tnt, dxf});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.errori, QString());
        const QByteArray testo = LeggiTutto(dxf);
        QVERIFY(testo.startsWith("0\r\nSECTION\r\n2\r\nHEADER\r\n"));
        QVERIFY(testo.endsWith("0\r\nEOF\r\n"));
        QVERIFY(testo.contains("\r\n314.159265\r\n"));
        QVERIFY(!testo.contains("314,159"));
        QCOMPARE(LeggiTutto(tnt), record("80.", "100.", "80.", "90.", "90."));
    }

    // A .vorna job exports its first piece with its plate, byte for byte as the .tnt of the same
    // figures does with that plate given on the command line.
    void esportaDaCommessa()
    {
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("cono.tnt"));
        const QString commessa = dir.filePath(QStringLiteral("cono.Vorna"));
        QVERIFY(ScriviTutto(tnt, record("60", "120,5", "60", "60", "60")));
        QVERIFY(ScriviTutto(commessa, R"({"formato": "vorna-commessa", "versione": 1, "nome": "Tramoggia", "pezzi": [
            {"solido": "tronco", "nome": "Tubo", "AC": "60", "AB": "120,5", "BD": "60", "Alfa": "60", "Beta": "60",
             "chiusura": "AC", "lamiera": {"spessore": "3", "quote": "interne"}},
            {"solido": "tronco", "nome": "Altro", "AC": "10", "AB": "20", "BD": "10", "Alfa": "90", "Beta": "90",
             "chiusura": "BD"}]})"));
        const QStringList lamiera{QStringLiteral("--thickness"), QStringLiteral("3"), QStringLiteral("--surface"),
                                  QStringLiteral("inside")};
        for (const QString &comando : {QStringLiteral("--export-dxf"), QStringLiteral("--export-csv")}) {
            const QString estensione = comando.right(3);
            const QString daTnt = dir.filePath(QStringLiteral("tnt.") + estensione);
            const QString daVorna = dir.filePath(QStringLiteral("vorna.") + estensione);
            QCOMPARE(vorna(QStringList{comando, tnt, daTnt} + lamiera).codice, 0);
            const Esito e = vorna({comando, commessa, daVorna});
            QCOMPARE(e.codice, 0);
            QCOMPARE(e.errori, QString());
            QVERIFY(LeggiTutto(daVorna).size() > 1000);
            QCOMPARE(LeggiTutto(daVorna), LeggiTutto(daTnt));
        }

        const QString vuota = dir.filePath(QStringLiteral("vuota.vorna")), dxf = dir.filePath(QStringLiteral("v.dxf"));
        QVERIFY(ScriviTutto(vuota, R"({"formato": "vorna-commessa", "versione": 1, "nome": "x", "pezzi": []})"));
        const Esito e = vorna({QStringLiteral("--export-dxf"), vuota, dxf});
        QCOMPARE(e.codice, 2);
        QCOMPARE(e.errori, QStringLiteral("Impossibile leggere il file: ") + vuota +
                               QStringLiteral(": la commessa non contiene pezzi\n"));
        QVERIFY(!QFile::exists(dxf));
    }

    void esportaCsv()
    {
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("tubo.tnt")), csv = dir.filePath(QStringLiteral("tubo.csv"));
        QVERIFY(ScriviTutto(tnt, record("80.", "100.", "80.", "90.", "90.")));
        QCOMPARE(vorna({QStringLiteral("--export-csv"), tnt, csv}).codice, 0);
        const QStringList righe =
            QString::fromLatin1(LeggiTutto(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 1 + 62 + 2);
        QCOMPARE(righe.first(), QStringLiteral("k,XAB (mm),YAB (mm),XCD (mm),YCD (mm),Generatore (mm)"));
        const QRegularExpression numero(QStringLiteral("^-?[0-9]+\\.[0-9]{6}$"));
        for (int k = 1; k <= 62; ++k) {
            const QStringList celle = righe[k].split(QLatin1Char(','));
            QCOMPARE(celle.size(), 6);
            QCOMPARE(celle[0], QString::number(k));
            for (int i = 1; i < 6; ++i)
                QVERIFY2(numero.match(celle[i]).hasMatch(), qPrintable(celle[i]));
            // Every generator of a square-cut cylinder has the cylinder's length.
            QCOMPARE(celle[5], QStringLiteral("80.000000"));
        }
        // The 62-point polygon of a straight edge is the full circumference (PiGreco of 11 decimals).
        QCOMPARE(righe[63], QStringLiteral("SommaAB,314.159265"));
        QCOMPARE(righe[64], QStringLiteral("SommaCD,314.159265"));
    }

    // A plate given on the command line wins over the file's; the table then gives both faces.
    void esportaConSpessore()
    {
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("tubo.tnt")), csv = dir.filePath(QStringLiteral("tubo.csv"));
        // The file holds 2 mm inside (CRC-32 by Python's zlib); the command line asks for 10 mm
        // on the outside: 90 mean.
        const QByteArray figure = record("80.", "100.", "80.", "90.", "90.");
        QVERIFY(ScriviTutto(tnt, figure + "SPES12         I75F755FA"));
        const Esito e = vorna({QStringLiteral("--export-csv"), tnt, csv, QStringLiteral("--thickness"),
                               QStringLiteral("10"), QStringLiteral("--surface"), QStringLiteral("outside")});
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.errori, QString());
        const QStringList righe =
            QString::fromLatin1(LeggiTutto(csv)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), 1 + 62 + 3);
        QCOMPARE(righe.first(),
                 QStringLiteral("k,XAB (mm),YAB (mm),XCD (mm),YCD (mm),Generatore (mm),GeneratoreInterno (mm),"
                                "GeneratoreEsterno (mm)"));
        QCOMPARE(righe[62].section(QLatin1Char(','), 1, 1), QStringLiteral("282.743339")); // 90 x PiGreco
        QCOMPARE(righe[62].section(QLatin1Char(','), 5), QStringLiteral("80.000000,80.000000,80.000000"));
        QCOMPARE(righe.last(),
                 QStringLiteral("Spessore,\"Spessore 10 mm, quote esterne: sviluppo sulla fibra media\""));

        // Without options the file's own plate counts: 102 mean.
        QCOMPARE(vorna({QStringLiteral("--export-csv"), tnt, csv}).codice, 0);
        QVERIFY(LeggiTutto(csv).contains("\r\n62,320.442451,"));
        QVERIFY(LeggiTutto(csv).contains("Spessore 2 mm, quote interne"));
    }

    // No plate as thick as the solid's smallest radius rolls: this tube is 100 across, 50 in
    // radius, and once developed an inside thickness of 100 m into a blank of 628 m.
    void spessoreOltreIlRaggio_data()
    {
        QTest::addColumn<QByteArray>("coda");
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<int>("codice");
        const QByteArray tubo9999 = "SPES19999      IEEFAA6B6"; // 9999 mm inside, CRC-32 by Python's zlib
        QTest::newRow("option, inside 100000")
            << QByteArray() << QStringList{"--thickness", "100000", "--surface", "inside"} << 1;
        QTest::newRow("option, mean 50") << QByteArray() << QStringList{"--thickness", "50", "--surface", "mean"} << 1;
        QTest::newRow("option, inside 49.9")
            << QByteArray() << QStringList{"--thickness", "49.9", "--surface", "inside"} << 0;
        QTest::newRow("trailer, inside 9999") << tubo9999 << QStringList() << 1;
    }
    void spessoreOltreIlRaggio()
    {
        QFETCH(QByteArray, coda);
        QFETCH(QStringList, opzioni);
        QFETCH(int, codice);
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("tubo.tnt")), csv = dir.filePath(QStringLiteral("tubo.csv"));
        QVERIFY(ScriviTutto(tnt, record("80.", "100.", "80.", "90.", "90.") + coda));
        const Esito e = vorna(QStringList{QStringLiteral("--export-csv"), tnt, csv} + opzioni);
        QCOMPARE(e.codice, codice);
        if (codice == 0) {
            QCOMPARE(e.errori, QString());
            QVERIFY(LeggiTutto(csv).contains(" mm, quote interne: sviluppo sulla fibra media"));
            return;
        }
        QCOMPARE(e.errori, QStringLiteral("Lo spessore è troppo grande per le misure del tronco!\n"));
        QVERIFY(!QFileInfo::exists(csv));
    }

    // The trailer's checksum vouches for its plate: bytes added after it (an editor's line end, a
    // copy's end-of-file mark) once had the plate dropped as another development's.
    void codaConByteInPiu_data()
    {
        QTest::addColumn<QByteArray>("coda");
        QTest::addColumn<QString>("avviso");
        const QByteArray dueInterne = "SPES12         I75F755FA"; // 2 mm inside, CRC-32 by Python's zlib
        QTest::newRow("one byte more") << dueInterne + "\x1a" << QString();
        QTest::newRow("a line end more") << dueInterne + "\r\n" << QString();
        QTest::newRow("cut short") << dueInterne.left(23) << QStringLiteral("è incompleto");
        QTest::newRow("another record's") << QByteArray("SPES12         I75F755FB")
                                          << QStringLiteral("appartiene a uno sviluppo diverso da quello del file");
        QTest::newRow("unknown layout") << QByteArray("SPES92         I75F755FA")
                                        << QStringLiteral("è danneggiato o di una versione più recente");
    }
    void codaConByteInPiu()
    {
        QFETCH(QByteArray, coda);
        QFETCH(QString, avviso);
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("tubo.tnt")), csv = dir.filePath(QStringLiteral("tubo.csv"));
        QVERIFY(ScriviTutto(tnt, record("80.", "100.", "80.", "90.", "90.") + coda));
        const Esito e = vorna({QStringLiteral("--export-csv"), tnt, csv});
        QCOMPARE(e.codice, 0);
        if (avviso.isEmpty()) {
            QCOMPARE(e.errori, QString());
            QVERIFY(LeggiTutto(csv).contains("Spessore 2 mm, quote interne"));
        } else {
            QCOMPARE(e.errori, QStringLiteral("Lo spessore salvato in ") + tnt + QLatin1Char(' ') + avviso +
                                   QStringLiteral(" e non è stato letto: lo sviluppo è senza spessore.\n"));
            QVERIFY(!LeggiTutto(csv).contains("Spessore"));
        }
    }

    // Names from systems that care little for case: PEZZO.TNT is a development like pezzo.tnt.
    void estensioniInOgniCaso()
    {
        QTemporaryDir dir;
        const QString tnt = dir.filePath(QStringLiteral("PEZZO.TNT")), dxf = dir.filePath(QStringLiteral("PEZZO.Dxf"));
        QVERIFY(ScriviTutto(tnt, record("80.", "100.", "80.", "90.", "90.")));
        const Esito e = vorna({QStringLiteral("--export-dxf"), tnt, dxf});
        QCOMPARE(e.errori, QString());
        QCOMPARE(e.codice, 0);
        QVERIFY(LeggiTutto(dxf).endsWith("0\r\nEOF\r\n"));
    }

    void figureRifiutate_data()
    {
        QTest::addColumn<QByteArray>("contenuto");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("bad AC") << record("abc", "100.", "80.", "90.", "90.") << "AC deve essere un numero > 0!\n";
        QTest::newRow("empty file") << QByteArray() << "AC deve essere un numero > 0!\n";
        QTest::newRow("binary bytes") << QByteArray("\x00\xff\x01", 3) << "AC deve essere un numero > 0!\n";
        QTest::newRow("no truncated cone")
            << record("60.", "120.", "60.", "110.", "100.") << "La proiezione non è un tronco di cono !\n";
    }
    void figureRifiutate()
    {
        QFETCH(QByteArray, contenuto);
        QFETCH(QString, messaggio);
        for (const char *comando : {"--export-dxf", "--export-csv"}) {
            QTemporaryDir dir;
            const QString tnt = dir.filePath(QStringLiteral("s.tnt")),
                          uscita = dir.filePath(comando == QByteArray("--export-dxf") ? QStringLiteral("s.dxf")
                                                                                      : QStringLiteral("s.csv"));
            QVERIFY(ScriviTutto(tnt, contenuto));
            QVERIFY(ScriviTutto(uscita, "old"));
            const Esito e = vorna({QLatin1String(comando), tnt, uscita});
            QCOMPARE(e.codice, 1);
            QCOMPARE(e.errori, messaggio);
            QCOMPARE(LeggiTutto(uscita), QByteArray("old"));
            QCOMPARE(LeggiTutto(tnt), contenuto);
        }
    }

    void fileNonUsabili_data()
    {
        QTest::addColumn<QString>("origine"); // relative to a fresh folder holding a good s.tnt
        QTest::addColumn<QString>("destinazione");
        QTest::addColumn<QString>("nominato"); // the name the message must show
        QTest::newRow("missing input") << "manca.tnt"
                                       << "s.dxf"
                                       << "manca.tnt";
        QTest::newRow("input is a folder") << "cartella.tnt"
                                           << "s.dxf"
                                           << "cartella.tnt";
        QTest::newRow("output folder missing") << "s.tnt"
                                               << "no/s.dxf"
                                               << "no/s.dxf";
        QTest::newRow("output is a folder") << "s.tnt"
                                            << "cartella.dxf"
                                            << "cartella.dxf";
        QTest::newRow("input not .tnt") << "s.dxf"
                                        << "s.tnt"
                                        << "s.dxf";
        QTest::newRow("output not .dxf") << "s.tnt"
                                         << "s.txt"
                                         << "s.txt";
    }
    void fileNonUsabili()
    {
        QFETCH(QString, origine);
        QFETCH(QString, destinazione);
        QFETCH(QString, nominato);
        QTemporaryDir dir;
        const QDir cartella(dir.path());
        QVERIFY(ScriviTutto(cartella.filePath(QStringLiteral("s.tnt")), record("80.", "100.", "80.", "90.", "90.")));
        cartella.mkdir(QStringLiteral("cartella.tnt"));
        cartella.mkdir(QStringLiteral("cartella.dxf"));
        const QStringList prima = cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const Esito e =
            vorna({QStringLiteral("--export-dxf"), cartella.filePath(origine), cartella.filePath(destinazione)});
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.contains(cartella.filePath(nominato)), qPrintable(e.errori));
        QCOMPARE(cartella.entryList(QDir::AllEntries | QDir::NoDotAndDotDot), prima);
        QCOMPARE(LeggiTutto(cartella.filePath(QStringLiteral("s.tnt"))), record("80.", "100.", "80.", "90.", "90."));
    }

    // Without a display, a window would abort the process: exit 2 proves none was opened.
    void argomentiSbagliati_data()
    {
        QTest::addColumn<QStringList>("argomenti");
        QTest::addColumn<QString>("motivo");
        const QString conteggio = QStringLiteral("Numero di argomenti errato per ");
        const QString ignota = QStringLiteral("Opzione sconosciuta: ");
        QTest::newRow("export, one name") << QStringList{"--export-dxf", "solo.tnt"} << conteggio + "--export-dxf";
        QTest::newRow("export, no name") << QStringList{"--export-csv"} << conteggio + "--export-csv";
        QTest::newRow("export, three names") << QStringList{"--export-csv", "a.tnt", "b.csv", "c"} << ignota + "c";
        QTest::newRow("thickness without its value") << QStringList{"--export-csv", "a.tnt", "b.csv", "--thickness"}
                                                     << QStringLiteral("Manca il valore di --thickness");
        // A blank value once quietly meant "none": no plate, no calibration, whatever the file said.
        QTest::newRow("thickness empty") << QStringList{"--export-csv", "a.tnt", "b.csv", "--thickness", ""}
                                         << QStringLiteral("Manca il valore di --thickness");
        QTest::newRow("surface blank") << QStringList{"--export-dxf", "a.tnt", "b.dxf", "--surface", " "}
                                       << QStringLiteral("Manca il valore di --surface");
        QTest::newRow("calibration empty") << QStringList{"--export-pdf", "a.tnt", "b.pdf", "--calibration", ""}
                                           << QStringLiteral("Manca il valore di --calibration");
        QTest::newRow("paper empty") << QStringList{"--export-pdf", "a.tnt", "b.pdf", "--paper", ""}
                                     << QStringLiteral("Manca il valore di --paper");
        // Cut to the field's 10 characters these were a 1 mm plate and no plate at all.
        for (const char *spessore : {"00000000010", "000000000012.5", "0.000000001"})
            QTest::newRow(qPrintable(QStringLiteral("thickness %1").arg(QLatin1String(spessore))))
                << QStringList{"--export-csv", "a.tnt", "b.csv", "--thickness", spessore}
                << QStringLiteral("Il valore di --thickness ha più di 10 caratteri: ") + QLatin1String(spessore);
        QTest::newRow("unknown surface") << QStringList{"--export-dxf", "a.tnt", "b.dxf", "--surface", "sideways"}
                                         << QStringLiteral("Superficie sconosciuta (inside, outside o mean): sideways");
        QTest::newRow("help with a name") << QStringList{"--help", "x"} << conteggio + "--help";
        QTest::newRow("version twice") << QStringList{"--version", "--version"} << conteggio + "--version";
        QTest::newRow("unknown export") << QStringList{"--export-foo", "a", "b"} << ignota + "--export-foo";
        QTest::newRow("wrong case") << QStringList{"--EXPORT-DXF", "a.tnt", "b.dxf"} << ignota + "--EXPORT-DXF";
        QTest::newRow("short option") << QStringList{"-h"} << ignota + "-h";
        QTest::newRow("Qt's own option") << QStringList{"-platform", "offscreen"} << ignota + "-platform";
        QTest::newRow("lone dash") << QStringList{"-"} << ignota + "-";
        QTest::newRow("option after a name") << QStringList{"pezzo.tnt", "--bogus"} << ignota + "--bogus";
    }
    void argomentiSbagliati()
    {
        QFETCH(QStringList, argomenti);
        QFETCH(QString, motivo);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        const Esito e = vorna(argomenti);
        QVERIFY(QDir::setCurrent(QDir::tempPath()));
        QCOMPARE(e.codice, 2);
        QCOMPARE(e.uscita, QString());
        QVERIFY2(e.errori.startsWith(motivo + QStringLiteral("\nUso: vorna")), qPrintable(e.errori));
        QVERIFY(e.errori.contains(QStringLiteral("--export-csv FILE.tnt OUT.csv")));
        // Nothing written where it was started, not even Taratura.dat.
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }
    // The workshop data of a real job file, as lines and as JSON read back: a cylinder OD 650 in
    // 10 mm plate, 300 high, is 2010.62 mm round its mean surface and weighs 47.35 kg in steel.
    void datiDiOfficina()
    {
        QTemporaryDir dir;
        const QString commessa = dir.filePath(QStringLiteral("tubo.vorna"));
        QVERIFY(ScriviTutto(commessa, R"({"formato": "vorna-commessa", "versione": 1, "nome": "Tubo", "pezzi": [
            {"solido": "tronco", "nome": "Tubo", "AC": "300", "AB": "650", "BD": "300", "Alfa": "90", "Beta": "90",
             "chiusura": "AC", "lamiera": {"spessore": "10", "quote": "esterne"}}]})"));
        const Esito righe = vorna({QStringLiteral("--info"), commessa});
        QCOMPARE(righe.codice, 0);
        QCOMPARE(righe.errori, QString());
        QVERIFY2(righe.uscita.contains(QStringLiteral("\nLarghezza sviluppata (mm): 2010.62\n")),
                 qPrintable(righe.uscita));
        QVERIFY(righe.uscita.contains(QStringLiteral("\nPeso (kg): 47.35\n")));
        QVERIFY(righe.uscita.startsWith(QStringLiteral("D1 esterno (mm): 650.00\n")));

        const Esito json = vorna({QStringLiteral("--info"), commessa, QStringLiteral("--json")});
        QCOMPARE(json.codice, 0);
        QJsonParseError errore;
        const QJsonObject o = QJsonDocument::fromJson(json.uscita.toUtf8(), &errore).object();
        QCOMPARE(errore.error, QJsonParseError::NoError);
        QVERIFY(std::fabs(o.value(QStringLiteral("Larghezza sviluppata (mm)")).toDouble() - M_PI * 640) < 1e-9);
        QVERIFY(std::fabs(o.value(QStringLiteral("Area (m²)")).toDouble() - M_PI * 0.640 * 0.300) < 1e-12);
        QCOMPARE(o.value(QStringLiteral("Estremo AB (mm)")).toObject().value(QStringLiteral("diametro")).toDouble(),
                 640.0);
        QCOMPARE(o.value(QStringLiteral("Materiale")).toObject().value(QStringLiteral("densita")).toDouble(), 7.85);

        // Refused figures: exit 1 with the program's message; a missing file: exit 2.
        const QString storto = dir.filePath(QStringLiteral("storto.tnt"));
        QVERIFY(ScriviTutto(storto, record("0", "60", "60", "60", "60")));
        const Esito rifiutato = vorna({QStringLiteral("--info"), storto});
        QCOMPARE(rifiutato.codice, 1);
        QCOMPARE(rifiutato.uscita, QString());
        QCOMPARE(rifiutato.errori, QStringLiteral("AC deve essere un numero > 0!\n"));
        QCOMPARE(vorna({QStringLiteral("--info"), dir.filePath(QStringLiteral("manca.tnt"))}).codice, 2);
    }
};

QTEST_GUILESS_MAIN(TestRigaDiComando)
#include "TestRigaDiComando.moc"
