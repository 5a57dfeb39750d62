// The batch exports (DXF, CSV, PDF) facing a full disk, a forbidden folder, FIFOs, huge files and links that
// lead back to a development: exit 2 with the reason, and nothing lost.
#include "FileOstili.h"

#include "tests/support/ProcessoVorna.h"
#include "tests/support/DiscoPieno.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {
const QString k_DXF = QStringLiteral("--export-dxf");
const QString k_CSV = QStringLiteral("--export-csv");
const QString k_PDF = QStringLiteral("--export-pdf");

QString estensioneDi(const QString &comando) { return QLatin1Char('.') + comando.right(3); }
} // namespace

class TestRigaDiComandoOstile : public QObject {
    Q_OBJECT
    QTemporaryDir m_cartella;

    QString percorso(const QString &nome) const { return m_cartella.filePath(nome); }

private slots:
    void init()
    {
        QDir(m_cartella.path()).removeRecursively();
        QVERIFY(QDir().mkpath(m_cartella.path()));
        QVERIFY(ScriviTutto(percorso(QStringLiteral("pezzo.tnt")), RecordCono()));
    }

    // The defect this guards: the second export reported success and left an empty file.
    void discoPieno()
    {
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const QString csv = disco.percorso(QStringLiteral("pezzo.csv"));
        QCOMPARE(vorna({k_CSV, percorso(QStringLiteral("pezzo.tnt")), csv}).codice, 0);
        const QByteArray prima = LeggiTutto(csv);
        QVERIFY(prima.size() > 1000);
        QVERIFY(disco.riempi());
        const Esito e = vorna({k_CSV, percorso(QStringLiteral("pezzo.tnt")), csv});
        QCOMPARE(e.codice, 2);
        QCOMPARE(e.errori, QStringLiteral("Impossibile scrivere il file: ") + csv + QStringLiteral(": disco pieno\n"));
        QCOMPARE(LeggiTutto(csv), prima);
        QCOMPARE(QDir(disco.percorso(QString())).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("pezzo.csv"), QStringLiteral("riempitivo")}));
    }

    // Where /proc is missing (a chroot, a minimal container) the export is still written, through
    // a named temporary, and nothing is left beside it.
    void senzaProc()
    {
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
        QSKIP("AddressSanitizer's own runtime needs /proc");
#endif
#endif
        if (::geteuid() != 0)
            QSKIP("a mount namespace without /proc needs the superuser");
        const QString dxf = percorso(QStringLiteral("pezzo.dxf"));
        const Esito e = esegui(QStringLiteral("unshare"),
                               {QStringLiteral("--mount"), QStringLiteral("--fork"), QStringLiteral("/bin/sh"),
                                QStringLiteral("-c"), QStringLiteral("mount -t tmpfs vuoto /proc && exec \"$@\""),
                                QStringLiteral("sh"), QStringLiteral(VORNA_ESEGUIBILE), k_DXF,
                                percorso(QStringLiteral("pezzo.tnt")), dxf});
        QCOMPARE(e.errori, QString());
        QCOMPARE(e.codice, 0);
        QVERIFY(LeggiTutto(dxf).startsWith("  0\r\nSECTION") || LeggiTutto(dxf).contains("AC1009"));
        QCOMPARE(QDir(m_cartella.path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{QStringLiteral("pezzo.dxf"), QStringLiteral("pezzo.tnt")}));
    }

    void permessoNegato()
    {
        if (!Superutente())
            QSKIP("switching to the user nobody needs the superuser");
        const QString chiusa = percorso(QStringLiteral("chiusa"));
        QVERIFY(QDir().mkpath(chiusa));
        for (const QString &p : {m_cartella.path(), chiusa})
            QVERIFY(QFile::setPermissions(p, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                                 QFileDevice::ReadOther | QFileDevice::ExeOther));
        QVERIFY(QFile::setPermissions(percorso(QStringLiteral("pezzo.tnt")),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadOther));
        for (const QString &comando : {k_DXF, k_PDF}) {
            const QString uscita = QDir(chiusa).filePath(QStringLiteral("pezzo") + estensioneDi(comando));
            const Esito e = vorna({comando, percorso(QStringLiteral("pezzo.tnt")), uscita}, QStringLiteral("nobody"));
            QCOMPARE(e.codice, 2);
            QCOMPARE(e.errori,
                     QStringLiteral("Impossibile scrivere il file: ") + uscita + QStringLiteral(": permesso negato\n"));
            QVERIFY(QDir(chiusa).isEmpty());
        }
    }

    void origineNonFile_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("FIFO") << "fifo"
                              << "non è un file regolare";
        QTest::newRow("collegamento a /dev/zero") << "zero"
                                                  << "non è un file regolare";
        // Once "File inesistente", though the links are there.
        QTest::newRow("ciclo di collegamenti") << "ciclo"
                                               << "troppi collegamenti simbolici";
    }
    // Once these blocked for ever or died reading without end; now they are refused at once.
    void origineNonFile()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        const QString tnt = percorso(QStringLiteral("ostile.tnt"));
        if (tipo == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(tnt).constData(), 0644), 0);
        } else if (tipo == QLatin1String("ciclo")) {
            QVERIFY(QFile::link(percorso(QStringLiteral("altro.tnt")), tnt));
            QVERIFY(QFile::link(tnt, percorso(QStringLiteral("altro.tnt"))));
        } else {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), tnt));
        }
        for (const QString &comando : {k_DXF, k_CSV, k_PDF}) {
            const QString uscita = percorso(QStringLiteral("o") + estensioneDi(comando));
            const Esito e = vorna({comando, tnt, uscita});
            QCOMPARE(e.codice, 2);
            QCOMPARE(e.errori, QStringLiteral("Impossibile leggere il file: ") + tnt + QStringLiteral(": ") + motivo +
                                   QLatin1Char('\n'));
            QVERIFY(!QFileInfo::exists(uscita));
        }
    }

    // Only the last record is read: a sparse development of over a terabyte exports as any other.
    void sviluppoEnorme()
    {
        const QString tnt = percorso(QStringLiteral("enorme.tnt"));
        const qint64 record = 9000000000LL;
        QFile file(tnt);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.seek((record - 1) * k_LunghezzaRecordSviluppo));
        QCOMPARE(file.write(RecordCono()), qint64(k_LunghezzaRecordSviluppo));
        file.close();
        const QString dxf = percorso(QStringLiteral("enorme.dxf"));
        const Esito e = vorna({k_DXF, tnt, dxf});
        QCOMPARE(e.errori, QString());
        QCOMPARE(e.codice, 0);
        QVERIFY(LeggiTutto(dxf).endsWith("0\r\nEOF\r\n"));
        QVERIFY(QFile::remove(tnt));
    }

    void destinazioneVietata_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("bersaglio"); // what the link named as the output leads to
        QTest::newRow("DXF sullo sviluppo esportato") << k_DXF << "pezzo.tnt";
        QTest::newRow("CSV sulle tarature") << k_CSV << "Taratura.dat";
        QTest::newRow("sviluppo ancora da creare") << k_DXF << "nuovo.tnt";
        QTest::newRow("sull'origine sotto un altro nome") << k_CSV << "dati.bin";
        QTest::newRow("PDF sullo sviluppo esportato") << k_PDF << "pezzo.tnt";
        // Each file of ours: replaced, the lock no longer keeps two writers apart.
        QTest::newRow("PDF sul blocco delle tarature") << k_PDF << "Taratura.dat.lock";
        QTest::newRow("DXF sul file di lavoro") << k_DXF << "Lavoro.dat";
        QTest::newRow("CSV sulle lamiere") << k_CSV << "Lamiere.dat";
        QTest::newRow("PDF su un lavoro") << k_PDF << "lavoro.VORNA";
        QTest::newRow("DXF su uno sviluppo maiuscolo") << k_DXF << "ALTRO.TNT";
    }
    // The defect this guards: pezzo.dxf -> pezzo.tnt had the development overwritten with DXF text.
    void destinazioneVietata()
    {
        QFETCH(QString, comando);
        QFETCH(QString, bersaglio);
        QString origine = percorso(QStringLiteral("pezzo.tnt"));
        const QString vero = percorso(bersaglio);
        const QByteArray prima = bersaglio == QLatin1String("pezzo.tnt") ? RecordCono() : ByteCasuali(170, 4);
        if (bersaglio == QLatin1String("dati.bin")) {
            QVERIFY(ScriviTutto(vero, RecordCono()));
            origine = percorso(QStringLiteral("legato.tnt"));
            QVERIFY(QFile::link(vero, origine));
        } else if (bersaglio != QLatin1String("nuovo.tnt") && bersaglio != QLatin1String("pezzo.tnt")) {
            QVERIFY(ScriviTutto(vero, prima));
        }
        const QString uscita = percorso(QStringLiteral("uscita") + estensioneDi(comando));
        QVERIFY(QFile::link(vero, uscita));
        const Esito e = vorna({comando, origine, uscita});
        QCOMPARE(e.codice, 2);
        QCOMPARE(e.errori, QStringLiteral("Esportazione rifiutata: ") + uscita + QStringLiteral(" porta a ") + vero +
                               QStringLiteral(", che non si può sovrascrivere con un'esportazione\n"));
        if (bersaglio == QLatin1String("nuovo.tnt"))
            QVERIFY(!QFileInfo::exists(vero));
        else if (bersaglio == QLatin1String("dati.bin"))
            QCOMPARE(LeggiTutto(vero), RecordCono());
        else
            QCOMPARE(LeggiTutto(vero), prima);
    }

    // Names from old Windows shares, in Latin-1: once "File inesistente" in every locale. Read
    // through a folder or a file of such a name; a new file of such a name is refused, not made
    // under another.
    void nomiLatin1()
    {
        const QByteArray cartella = QFile::encodeName(m_cartella.path());
        const QByteArray nome = cartella + "/pezz\xe8.tnt";
        // Qt cannot name these to remove them.
        const auto pulisci = qScopeGuard([cartella, nome] {
            for (const char *file : {"/cart\xe8/p.tnt", "/cart\xe8/p.dxf"})
                ::unlink((cartella + file).constData());
            ::rmdir((cartella + "/cart\xe8").constData());
            ::unlink(nome.constData());
        });
        QVERIFY(ScriviTutto(percorso(QStringLiteral("pezzo.tnt")), RecordCono()));
        QCOMPARE(::link((cartella + "/pezzo.tnt").constData(), nome.constData()), 0);
        QCOMPARE(::mkdir((cartella + "/cart\xe8").constData(), 0755), 0);
        QCOMPARE(::link((cartella + "/pezzo.tnt").constData(), (cartella + "/cart\xe8/p.tnt").constData()), 0);
        const QString base = m_cartella.path();

        for (const QString &comando : {k_DXF, k_CSV, k_PDF}) {
            const QString uscita = percorso(QStringLiteral("latino") + estensioneDi(comando));
            const Esito e = vornaConByte({comando, base + QStringLiteral("/pezz\\350.tnt"), uscita});
            QCOMPARE(e.errori, QString());
            QCOMPARE(e.codice, 0);
            QVERIFY(QFileInfo(uscita).size() > 1000);
        }
        const QString dxf = base + QStringLiteral("/cart\\350/p.dxf");
        const Esito nellaCartella = vornaConByte({k_DXF, base + QStringLiteral("/cart\\350/p.tnt"), dxf});
        QCOMPARE(nellaCartella.errori, QString());
        QCOMPARE(nellaCartella.codice, 0);
        QVERIFY(LeggiTutto(QFile::decodeName(cartella) + QStringLiteral("/p.dxf")) == "<unreadable>");
        struct stat info {};
        QCOMPARE(::stat((cartella + "/cart\xe8/p.dxf").constData(), &info), 0);

        const QStringList prima = QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        const Esito nuovo =
            vornaConByte({k_DXF, base + QStringLiteral("/pezzo.tnt"), base + QStringLiteral("/usc\\350.dxf")});
        QCOMPARE(nuovo.codice, 2);
        QCOMPARE(nuovo.errori, QStringLiteral("Impossibile scrivere il file: ") + base +
                                   QStringLiteral("/uscè.dxf: il nome non è in UTF-8, la codifica del sistema\n"));
        const Esito mancante =
            vornaConByte({k_CSV, base + QStringLiteral("/manc\\350.tnt"), percorso(QStringLiteral("m.csv"))});
        QCOMPARE(mancante.codice, 2);
        QCOMPARE(mancante.errori, QStringLiteral("File inesistente: ") + base + QStringLiteral("/mancè.tnt\n"));
        QCOMPARE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), prima);
    }
};

QTEST_GUILESS_MAIN(TestRigaDiComandoOstile)
#include "TestRigaDiComandoOstile.moc"
