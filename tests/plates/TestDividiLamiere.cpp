// vorna --split as a real process: the files of a good run, and refusals that write nothing.
#include "tests/support/ProcessoVorna.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class TestDividiLamiere : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        m_job = m_dir.filePath(QStringLiteral("tramoggia.vorna"));
        const Esito nuovo = vorna({QStringLiteral("--new-cone"), m_job, QStringLiteral("--d1"), QStringLiteral("2000"),
                                   QStringLiteral("--d2"), QStringLiteral("600"), QStringLiteral("--height"),
                                   QStringLiteral("1500"), QStringLiteral("--thickness"), QStringLiteral("5"),
                                   QStringLiteral("--surface"), QStringLiteral("outside")});
        QCOMPARE(nuovo.codice, 0);
    }

    void divisioneScelta()
    {
        const QString out = m_dir.filePath(QStringLiteral("scelta"));
        QDir().mkpath(out);
        // A plate of a longer earlier run must not stay to be cut.
        QFile vecchia(out + QStringLiteral("/lamiera-9.dxf"));
        QVERIFY(vecchia.open(QIODevice::WriteOnly));
        vecchia.close();
        const Esito e = vorna({QStringLiteral("--split"), m_job, out, QStringLiteral("--plates"),
                               QStringLiteral("3000x1500"), QStringLiteral("--pieces"), QStringLiteral("4")});
        QCOMPARE(e.codice, 0);
        QVERIFY(e.uscita.isEmpty()); // the split was given: no ranking
        const QStringList file = QDir(out).entryList({QStringLiteral("lamiera-*.dxf")});
        QVERIFY(!file.isEmpty());
        QVERIFY(!file.contains(QStringLiteral("lamiera-9.dxf")));
        const QStringList righe = QString::fromUtf8([&] {
                                      QFile f(out + QStringLiteral("/lamiere.csv"));
                                      return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
                                  }())
                                      .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(righe.size(), file.size() + 2); // header, one per plate, total
        QVERIFY(righe.last().startsWith(QStringLiteral("Totale,,,4,")));
    }

    void rifiuti_data()
    {
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("misura") << QStringList{QStringLiteral("--plates"), QStringLiteral("3000x")} << 2
                                << QStringLiteral("Misura di lamiera non valida");
        QTest::newRow("lettere") << QStringList{QStringLiteral("--plates"), QStringLiteral("3000x1500,axb")} << 2
                                 << QStringLiteral("axb");
        QTest::newRow("luce") << QStringList{QStringLiteral("--gap"), QStringLiteral("80")} << 2
                              << QStringLiteral("--gap");
        QTest::newRow("kerf") << QStringList{QStringLiteral("--kerf"), QStringLiteral("-1")} << 2
                              << QStringLiteral("--kerf");
        QTest::newRow("bordi dello sfrido") << QStringList{QStringLiteral("--trim"), QStringLiteral("5"),
                                                           QStringLiteral("--trim-edges"), QStringLiteral("fianco")}
                                            << 2 << QStringLiteral("--trim-edges");
        QTest::newRow("lamiera piccola") << QStringList{QStringLiteral("--plates"), QStringLiteral("500x300")} << 1
                                         << QStringLiteral("serve almeno una lamiera di");
    }
    void rifiuti()
    {
        QFETCH(QStringList, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, messaggio);
        const QString out = m_dir.filePath(QStringLiteral("rifiuto"));
        const Esito e = vorna(QStringList{QStringLiteral("--split"), m_job, out} + opzioni);
        QCOMPARE(e.codice, codice);
        QVERIFY2(e.errori.contains(messaggio), qPrintable(e.errori));
        QVERIFY(!QFileInfo::exists(out));
    }

private:
    QTemporaryDir m_dir;
    QString m_job;
};

QTEST_GUILESS_MAIN(TestDividiLamiere)
#include "TestDividiLamiere.moc"
