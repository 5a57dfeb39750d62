// An eccentric reducer's generator table as the CSV writes it, read back and checked against the
// solid's own geometry: true lengths from its two circles, a concentric one's developed angles.
#include "exports/EsportaCsv.h"
#include "exports/PezzoDellaCommessa.h"
#include "exports/TabellaOrdinate.h"

#include <QList>
#include <QTest>

#include <cmath>

namespace {
constexpr double k_Pi = 3.14159265358979323846;

SorgentePezzo riduzione(double d1, double d2, double h, double e, int generatori)
{
    SorgentePezzo s;
    s.solido = TipoSolido::Eccentrico;
    s.eccentrico.nome = QStringLiteral("Tramoggia 7");
    s.eccentrico.cono = {d1, d2, h, e};
    s.eccentrico.generatori = generatori;
    return s;
}

// The CSV's rows of numbers (k and the three figures), its titles apart.
QList<QList<double>> righeLette(const QByteArray &csv, QStringList &titoli)
{
    QList<QList<double>> righe;
    const QList<QByteArray> linee = csv.split('\n');
    titoli = QString::fromLatin1(linee.front()).trimmed().split(QLatin1Char(','));
    for (qsizetype i = 1; i < linee.size(); ++i) {
        const QList<QByteArray> celle = linee[i].trimmed().split(',');
        bool numero = false;
        celle.front().toInt(&numero);
        if (!numero)
            break; // the sums
        QList<double> riga;
        for (const QByteArray &c : celle)
            riga << c.toDouble();
        righe << riga;
    }
    return righe;
}
} // namespace

class TestTabellaGeneratori : public QObject {
    Q_OBJECT
private slots:
    // N rows at equal steps of the base angle from the seam, each generator as long as the
    // distance between its two circles' points; the title names the solid.
    void lunghezzeVere()
    {
        const double d1 = 1000, d2 = 500, h = 600, e = 250;
        const auto pezzo = PezzoDellaSorgente(riduzione(d1, d2, h, e, 24));
        QVERIFY(pezzo);
        QStringList titoli;
        const auto righe = righeLette(TestoCsv(*pezzo), titoli);
        QCOMPARE(titoli.size(), 4);
        QVERIFY(titoli[1].startsWith(QStringLiteral("Angolo base")));
        QCOMPARE(righe.size(), 24);
        double precedente = -1;
        for (const auto &r : righe) {
            const double teta = r[1] * k_Pi / 180;
            QVERIFY(std::fabs(r[1] - 15.0 * (r[0] - 1)) < 1e-9);
            const double vera = std::hypot(e + (d2 - d1) / 2 * std::cos(teta), (d2 - d1) / 2 * std::sin(teta), h);
            QVERIFY(std::fabs(r[2] - vera) < 1e-6);
            QVERIFY(r[3] > precedente);
            precedente = r[3];
        }
        QVERIFY(TabellaDelPezzo(*pezzo).figure.startsWith(QStringLiteral("Riduzione eccentrica - Tramoggia 7")));
    }

    // No offset: a right cone, whose developed angle is the base angle times sin of the half angle.
    void concentrico()
    {
        const auto pezzo = PezzoDellaSorgente(riduzione(800, 300, 500, 0, 36));
        QVERIFY(pezzo);
        QStringList titoli;
        const auto righe = righeLette(TestoCsv(*pezzo), titoli);
        QCOMPARE(righe.size(), 36);
        const double seno = 250 / std::hypot(250.0, 500.0);
        for (const auto &r : righe)
            QVERIFY2(std::fabs(r[3] - r[1] * seno) < 1e-6, qPrintable(QString::number(r[3] - r[1] * seno)));
    }

    // A cylinder: mm along its section, here the base circle.
    void cilindro()
    {
        const auto pezzo = PezzoDellaSorgente(riduzione(400, 400, 500, 0, 8));
        QVERIFY(pezzo);
        QStringList titoli;
        const auto righe = righeLette(TestoCsv(*pezzo), titoli);
        QCOMPARE(titoli[3], QStringLiteral("Sviluppo sulla sezione (mm)"));
        for (const auto &r : righe)
            QVERIFY(std::fabs(r[3] - 200 * r[1] * k_Pi / 180) < 1e-6);
    }
};

QTEST_GUILESS_MAIN(TestTabellaGeneratori)
#include "TestTabellaGeneratori.moc"
