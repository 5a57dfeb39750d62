// Developments checked against the solid built in space, without the development's formulas.
#include "geometry/CalcolaSviluppo.h"
#include "geometry/SviluppoDenso.h"
#include "tests/geometry/Figure.h"
#include "tests/geometry/Solido3D.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>
#include <vector>

namespace {
constexpr double k_TolleranzaMm = 1e-6;
constexpr double k_TolleranzaAngolo = 1e-9;

// A development's edges, point k (1 to 2n) at index k - 1.
struct Bordi {
    std::vector<PuntoPiano> AB, CD;
};

Bordi BordiDegliArray(const StatoSviluppo &s)
{
    Bordi b;
    for (int k = 1; k <= 62; ++k) {
        b.AB.push_back({s.XAB[k], s.YAB[k]});
        b.CD.push_back({s.XCD[k], s.YCD[k]});
    }
    return b;
}

double LatoDiChiusura(const Figure &f)
{
    return f.ChiudiAC == QLatin1String("T") ? f.AC.toDouble() : f.BD.toDouble();
}

void VerificaCono(const Solido3D &solido, const Bordi &b, const Figure &f)
{
    const int n = int(b.AB.size()) / 2;
    for (int k = 1; k <= 2 * n; ++k) {
        const PuntoPiano &pAB = b.AB[std::size_t(k - 1)];
        const PuntoPiano &pCD = b.CD[std::size_t(k - 1)];
        const double phi = Solido3D::PhiDelPunto(k, n);
        const double rAB = std::hypot(pAB.x, pAB.y), rCD = std::hypot(pCD.x, pCD.y);
        QCOMPARE_VICINO(rAB, solido.TaglioAB(phi), k_TolleranzaMm);
        QCOMPARE_VICINO(rCD, solido.TaglioCD(phi), k_TolleranzaMm);
        QCOMPARE_VICINO(rAB - rCD, solido.TaglioAB(phi) - solido.TaglioCD(phi), k_TolleranzaMm);
        // Unrolled, a turn of phi around the axis becomes phi sin(half-angle) around the apex.
        const double atteso = phi * std::sin(solido.semiApertura());
        QCOMPARE_VICINO(std::atan2(pAB.y, pAB.x), atteso, k_TolleranzaAngolo);
        QCOMPARE_VICINO(std::atan2(pCD.y, pCD.x), atteso, k_TolleranzaAngolo);
    }
    for (std::size_t k : {std::size_t(0), b.AB.size() - 1}) {
        const double lunghezza = std::hypot(b.AB[k].x, b.AB[k].y) - std::hypot(b.CD[k].x, b.CD[k].y);
        QCOMPARE_VICINO(lunghezza, LatoDiChiusura(f), k_TolleranzaMm);
    }
}

void VerificaCilindro(const Solido3D &solido, const Bordi &b, const Figure &f)
{
    const int n = int(b.AB.size()) / 2;
    for (int k = 1; k <= 2 * n; ++k) {
        const PuntoPiano &pAB = b.AB[std::size_t(k - 1)];
        const PuntoPiano &pCD = b.CD[std::size_t(k - 1)];
        const double phi = Solido3D::PhiDelPunto(k, n);
        QCOMPARE_VICINO(pAB.x, solido.raggio() * phi, k_TolleranzaMm);
        QCOMPARE_VICINO(pCD.x, solido.raggio() * phi, k_TolleranzaMm);
        QCOMPARE_VICINO(pAB.y, solido.TaglioAB(phi), k_TolleranzaMm);
        QCOMPARE_VICINO(pCD.y, solido.TaglioCD(phi), k_TolleranzaMm);
        QCOMPARE_VICINO(pAB.y - pCD.y, solido.TaglioAB(phi) - solido.TaglioCD(phi), k_TolleranzaMm);
    }
    for (std::size_t k : {std::size_t(0), b.AB.size() - 1})
        QCOMPARE_VICINO(b.AB[k].y - b.CD[k].y, LatoDiChiusura(f), k_TolleranzaMm);
}

void Verifica(const Figure &f, const Bordi &b)
{
    const Solido3D solido(f);
    if (solido.cono())
        VerificaCono(solido, b, f);
    else
        VerificaCilindro(solido, b, f);
}

void Righe(const char *nome, const Figure &f, bool cono)
{
    for (const char *chiudi : {"T", "F"}) {
        Figure g = f;
        g.ChiudiAC = QLatin1String(chiudi);
        QTest::newRow(qPrintable(QStringLiteral("%1 close %2").arg(QLatin1String(nome), QLatin1String(*chiudi == 'T' ? "AC" : "BD"))))
            << g << cono;
    }
}
} // namespace

class TestSviluppo3D : public QObject {
    Q_OBJECT
private slots:
    void sviluppo_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<bool>("cono");
        Righe("cone both cuts oblique", {"80", "100", "60", "50", "70"}, true);
        Righe("cone mirrored", {"60", "100", "80", "70", "50"}, true);
        Righe("cone square cuts", {"60", "100", "60", "80", "80"}, true);
        Righe("cone obtuse Beta", {"90", "120", "70", "75", "95"}, true);
        Righe("cone obtuse Beta wide", {"50", "100", "50", "50", "100"}, true);
        Righe("cone nearly a cylinder", {"50", "100", "80", "60", "119.9"}, true);
        Righe("cylinder square", {"50", "100", "50", "90", "90"}, false);
        Righe("cylinder Alfa 60", {"50", "100", "80", "60", "120"}, false);
        Righe("cylinder Alfa 120", {"80", "100", "50", "120", "60"}, false);
        Righe("cylinder Alfa 110", {"40", "80", "90", "110", "70"}, false);
        Righe("cylinder Alfa 135", {"30", "60", "100", "135", "45"}, false);
    }
    void sviluppo()
    {
        QFETCH(Figure, figure);
        QFETCH(bool, cono);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, figure);
        ContestoCalcolo c{s};
        QVERIFY(CalcolaSviluppo(c));
        QCOMPARE(Solido3D(figure).cono(), cono);
        QCOMPARE(FormaCilindro(s), !cono);
        Verifica(figure, BordiDegliArray(s));
        VERIFICA_COPIONE(finta);
    }

    void denso_data() { sviluppo_data(); }
    void denso()
    {
        QFETCH(Figure, figure);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, figure);
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(s, 97, profilo));
        QCOMPARE(profilo.bordoAB.size(), std::size_t(194));
        Verifica(figure, {profilo.bordoAB, profilo.bordoCD});
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestSviluppo3D)
#include "TestSviluppo3D.moc"
