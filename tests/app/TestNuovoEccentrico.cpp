// vorna --new-eccentric run as a real process, its blank exported and read back by ezdxf.
#include "tests/support/ProcessoVorna.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

class TestNuovoEccentrico : public QObject {
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_cartella.isValid()); }

    // Ø600 / Ø300 / H 400 with its side vertical (offset 150), the diameters those of the 3 mm
    // plate's mean surface: the cutter's outline is one closed counter-clockwise polyline whose cut
    // edges are as long as the circles, pi x 600 and pi x 300, and whose seam is the vertical
    // side, H long.
    void bordiLunghiQuantoICerchi()
    {
        const QString lavoro = m_cartella.filePath(QStringLiteral("riduzione.vorna"));
        const QString dxf = m_cartella.filePath(QStringLiteral("riduzione.dxf"));
        const Esito nuovo =
            vorna({QStringLiteral("--new-eccentric"), lavoro, QStringLiteral("--d1"), QStringLiteral("600"),
                   QStringLiteral("--d2"), QStringLiteral("300"), QStringLiteral("--height"), QStringLiteral("400"),
                   QStringLiteral("--offset"), QStringLiteral("150"), QStringLiteral("--thickness"),
                   QStringLiteral("3"), QStringLiteral("--surface"), QStringLiteral("mean"), QStringLiteral("--seam"),
                   QStringLiteral("short"), QStringLiteral("--material"), QStringLiteral("inox")});
        QCOMPARE(nuovo.errori, QString());
        QCOMPARE(nuovo.codice, 0);
        const Esito esportato = vorna({QStringLiteral("--export-dxf"), lavoro, dxf});
        QCOMPARE(esportato.codice, 0);

        const Esito letto = esegui(QStringLiteral(VORNA_PYTHON3), {QFINDTESTDATA("contorno_dxf.py"), dxf});
        QVERIFY2(letto.codice == 0, qPrintable(letto.errori));
        const QJsonObject contorno = QJsonDocument::fromJson(letto.uscita.toUtf8()).object();
        QCOMPARE(contorno[QStringLiteral("entita")].toInt(), 1);
        QCOMPARE(contorno[QStringLiteral("chiuse")].toInt(), 1);
        QVERIFY(contorno[QStringLiteral("area")].toDouble() > 0);
        QVERIFY(!contorno[QStringLiteral("bulge")].toBool());
        std::vector<double> tratti;
        for (const QJsonValue &t : contorno[QStringLiteral("tratti")].toArray())
            tratti.push_back(t.toDouble());
        QCOMPARE(tratti.size(), std::size_t(4));
        std::sort(tratti.begin(), tratti.end());
        QVERIFY2(std::abs(tratti[0] - 400) < 1e-3 && std::abs(tratti[1] - 400) < 1e-3, qPrintable(letto.uscita));
        QVERIFY2(std::abs(tratti[2] - M_PI * 300) < 0.01, qPrintable(letto.uscita));
        QVERIFY2(std::abs(tratti[3] - M_PI * 600) < 0.01, qPrintable(letto.uscita));
    }

    // An offset past folding (a generator parallel to the ends) and a plate thicker than the small
    // end: refused in the worksheet's words, naming the field, and no file left behind.
    void rifiutiSenzaFile()
    {
        const QString lavoro = m_cartella.filePath(QStringLiteral("piegata.vorna"));
        const QStringList misure{QStringLiteral("--d1"), QStringLiteral("600"),      QStringLiteral("--d2"),
                                 QStringLiteral("300"),  QStringLiteral("--height"), QStringLiteral("400")};
        const QList<QStringList> casi{{QStringLiteral("--offset"), QStringLiteral("1e9")},
                                      {QStringLiteral("--offset"), QStringLiteral("0"), QStringLiteral("--thickness"),
                                       QStringLiteral("400"), QStringLiteral("--surface"), QStringLiteral("outside")}};
        for (const QStringList &caso : casi) {
            const Esito e = vorna(QStringList{QStringLiteral("--new-eccentric"), lavoro} + misure + caso);
            QCOMPARE(e.codice, 1);
            QVERIFY2(!e.errori.trimmed().isEmpty(), qPrintable(caso.join(QLatin1Char(' '))));
            QVERIFY(!QFile::exists(lavoro));
        }
        // A seam nobody knows is a wrong argument, told with the usage.
        const Esito e = vorna(QStringList{QStringLiteral("--new-eccentric"), lavoro} + misure +
                              QStringList{QStringLiteral("--offset"), QStringLiteral("0"), QStringLiteral("--seam"),
                                          QStringLiteral("dritta")});
        QCOMPARE(e.codice, 2);
        QVERIFY(e.errori.contains(QStringLiteral("--seam")));
        QVERIFY(!QFile::exists(lavoro));
    }

private:
    QTemporaryDir m_cartella;
};

QTEST_GUILESS_MAIN(TestNuovoEccentrico)
#include "TestNuovoEccentrico.moc"
