// --calibration through the real program: the whole name, one record bearing it, and spans that a
// printer can have; anything else exits 2 and writes nothing.
#include "FileOstili.h"

#include "calibration/FileTaratura.h"
#include "tests/support/ProcessoVorna.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
RecordTara tara(const QString &nome, const QString &xRea1 = QStringLiteral("139.15"),
                const QString &xNom2 = QStringLiteral("180.00"))
{
    RecordTara r = TaraLexmark();
    r.NomeTara = nome;
    r.XRea1 = xRea1;
    r.XNom2 = xNom2;
    return r;
}
} // namespace

class TestTaraturaPerNome : public QObject {
    Q_OBJECT
    QTemporaryDir m_cartella;
    QString m_precedente;

private slots:
    void initTestCase()
    {
        m_precedente = QDir::currentPath();
        QVERIFY(QDir::setCurrent(m_cartella.path())); // Taratura.dat is read from the working folder
        QVERIFY(ScriviTutto(QStringLiteral("s.tnt"), RecordCono()));
        QVERIFY(ScriviTarature({TaraDefault(), tara(QString(40, QLatin1Char('A'))),
                                tara(QStringLiteral("Epson"), QStringLiteral("139.15"), QStringLiteral("abc")),
                                tara(QStringLiteral("Plotter")), tara(QStringLiteral(" EPSON ")),
                                tara(QStringLiteral("Refuso"), QStringLiteral("14"))}));
    }
    void cleanupTestCase() { QDir::setCurrent(m_precedente); }

    void nomi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QStringList>("errori"); // each a line of standard error
        QTest::newRow("40 caratteri") << QString(40, QLatin1Char('A')) << 0 << QStringList();
        QTest::newRow("maiuscole e spazi a parte") << QStringLiteral(" plotter ") << 0 << QStringList();
        // The defect: cut to 40 characters, it matched the stored one.
        QTest::newRow("45 caratteri") << QString(45, QLatin1Char('A')) << 2
                                      << QStringList{QStringLiteral("Taratura sconosciuta: ") +
                                                     QString(45, QLatin1Char('A')) +
                                                     QStringLiteral(" (Taratura.dat); un nome di taratura ha al "
                                                                    "massimo 40 caratteri")};
        // The defect: the first, damaged one was taken and the second never reached.
        QTest::newRow("nome ripetuto") << QStringLiteral("epson") << 2
                                       << QStringList{QStringLiteral(
                                              "Taratura ripetuta: epson è il nome di 2 tarature di Taratura.dat "
                                              "(posizioni 3, 5); eliminare quelle in più dal Manager Tarature")};
        // The defect: 14 for 140 passed every check and distorted the whole template.
        QTest::newRow("misura implausibile")
            << QStringLiteral("Refuso") << 2
            << QStringList{QStringLiteral("Nella zona 1 nella direzione X il tratto nominale da 0 a 140 mm (140 mm) "
                                          "misura 14 mm sulla stampa: differisce di oltre il 10%! Correggere la "
                                          "taratura nel Manager Tarature."),
                           QStringLiteral("Taratura non valida: Refuso")};
    }
    void nomi()
    {
        QFETCH(QString, nome);
        QFETCH(int, codice);
        QFETCH(QStringList, errori);
        QFile::remove(QStringLiteral("o.pdf"));
        const Esito esito = vorna({QStringLiteral("--export-pdf"), QStringLiteral("s.tnt"), QStringLiteral("o.pdf"),
                                   QStringLiteral("--calibration"), nome});
        QCOMPARE(esito.codice, codice);
        for (const QString &riga : errori)
            QVERIFY2(esito.errori.contains(riga), qPrintable(esito.errori));
        QCOMPARE(QFile::exists(QStringLiteral("o.pdf")), codice == 0);
    }
};

QTEST_GUILESS_MAIN(TestTaraturaPerNome)
#include "TestTaraturaPerNome.moc"
