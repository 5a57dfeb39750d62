// Whole-file writes: a failure at any step leaves the old file as it was.
#include "platform/FileSicuro.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestFileSicuro : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ImpostaGuastoSimulato({}); }

    void scriveELegge()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QVERIFY(!LeggiFile(percorso).has_value());
        QVERIFY(!QFile::exists(percorso)); // reading never creates
        QVERIFY(ScriviFileSicuro(percorso, "nuovo"));
        QCOMPARE(LeggiFile(percorso).value(), QByteArray("nuovo"));
    }

    void guastoLasciaIlVecchio_data()
    {
        QTest::addColumn<QString>("passo");
        QTest::newRow("apri") << "apri";
        QTest::newRow("scrivi") << "scrivi";
        QTest::newRow("conferma") << "conferma";
    }
    void guastoLasciaIlVecchio()
    {
        QFETCH(QString, passo);
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("a.dat"));
        QVERIFY(ScriviFileSicuro(percorso, "vecchio"));
        ImpostaGuastoSimulato([&](const char *p) { return passo == QLatin1String(p); });
        QVERIFY(!ScriviFileSicuro(percorso, "nuovo contenuto"));
        QCOMPARE(LeggiFile(percorso).value(), QByteArray("vecchio"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("a.dat")});
    }

    void cartellaNonEUnFile()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("x.tnt")));
        const QString percorso = dir.filePath(QStringLiteral("x.tnt"));
        QVERIFY(!LeggiFile(percorso).has_value());
        QVERIFY(!ScriviFileSicuro(percorso, "x"));
    }
};

QTEST_GUILESS_MAIN(TestFileSicuro)
#include "TestFileSicuro.moc"
