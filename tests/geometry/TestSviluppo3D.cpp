// Developments checked against the solid built in space, without the development's formulas.
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/GeneratoriFacce.h"
#include "geometry/SviluppoDenso.h"
#include "tests/geometry/Figure.h"
#include "tests/geometry/Solido3D.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <vector>

namespace {
constexpr double k_TolleranzaMm = 1e-6;
constexpr double k_TolleranzaAngolo = 1e-9;
constexpr double k_Pi = 3.14159265358979323846;

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

double LatoDiChiusura(const Figure &f) { return f.ChiudiAC == QLatin1String("T") ? f.AC.toDouble() : f.BD.toDouble(); }

// Sectors wider than a half turn pass atan2's cut: angles compared round the circle.
double ScartoAngolo(double a, double b) { return std::remainder(a - b, 2 * k_Pi); }

// The closing side's generator is the typed side only on the typed surface.
void VerificaCono(const Solido3D &solido, const Bordi &b, const Figure *f)
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
        QCOMPARE_VICINO(ScartoAngolo(std::atan2(pAB.y, pAB.x), atteso), 0.0, k_TolleranzaAngolo);
        QCOMPARE_VICINO(ScartoAngolo(std::atan2(pCD.y, pCD.x), atteso), 0.0, k_TolleranzaAngolo);
    }
    for (std::size_t k : {std::size_t(0), b.AB.size() - 1}) {
        const double lunghezza = std::hypot(b.AB[k].x, b.AB[k].y) - std::hypot(b.CD[k].x, b.CD[k].y);
        if (f)
            QCOMPARE_VICINO(lunghezza, LatoDiChiusura(*f), k_TolleranzaMm);
    }
}

void VerificaCilindro(const Solido3D &solido, const Bordi &b, const Figure *f)
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
        if (f)
            QCOMPARE_VICINO(b.AB[k].y - b.CD[k].y, LatoDiChiusura(*f), k_TolleranzaMm);
}

// `scostamento`: the developed surface lies that deep inside the typed one.
void Verifica(const Figure &f, const Bordi &b, double scostamento = 0)
{
    const Solido3D solido(f, scostamento);
    const Figure *tipiche = scostamento == 0 ? &f : nullptr;
    if (solido.cono())
        VerificaCono(solido, b, tipiche);
    else
        VerificaCilindro(solido, b, tipiche);
}

struct Lamiera {
    double spessore;
    QuoteLamiera quote;
    // Where the mean surface lies, by the definition of the three conventions.
    double scostamento() const
    {
        return quote == QuoteLamiera::Esterne ? spessore / 2 : quote == QuoteLamiera::Interne ? -spessore / 2 : 0;
    }
};

} // namespace
Q_DECLARE_METATYPE(Lamiera)
namespace {

void ImpostaLamiera(StatoSviluppo &s, const Figure &f, const Lamiera &l)
{
    ImpostaFigure(s, f);
    s.TestoSpessore = QString::number(l.spessore);
    s.Quote = l.quote;
}

void Righe(const char *nome, const Figure &f, bool cono)
{
    for (const char *chiudi : {"T", "F"}) {
        Figure g = f;
        g.ChiudiAC = QLatin1String(chiudi);
        QTest::newRow(qPrintable(
            QStringLiteral("%1 close %2").arg(QLatin1String(nome), QLatin1String(*chiudi == 'T' ? "AC" : "BD"))))
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
        Righe("cone obtuse Alfa wide", {"50", "100", "50", "100", "50"}, true);
        Righe("cone obtuse Alfa", {"70", "120", "90", "95", "75"}, true);
        // C and D cross over: the sides' shadows on the base overlap, the solid is real.
        Righe("cone steep top cut", {"10", "100", "190", "100", "50"}, true);
        Righe("cone steep top cut mirrored", {"190", "100", "10", "50", "100"}, true);
        Righe("cone nearly a cylinder", {"50", "100", "80", "60", "119.9"}, true);
        // Sides near parallel keep every digit: 0.1 degrees apart, and just past 0.001 rad at 10 m.
        Righe("cone Alfa 89.9 Beta 90", {"150", "200", "150", "89.9", "90"}, true);
        Righe("cone just past the cylinder threshold", {"8000", "10000", "9000", "60", "119.94"}, true);
        // One side upright (an eccentric reducer): the apex stands over a base corner.
        Righe("cone Beta 90", {"150", "200", "100", "60", "90"}, true);
        Righe("cone Alfa 90 mirrored", {"100", "200", "150", "90", "60"}, true);
        Righe("cone Beta 90 steep", {"400", "1000", "300", "80", "90"}, true);
        Righe("cone Alfa 90 steep mirrored", {"300", "1000", "400", "90", "80"}, true);
        Righe("cone Beta 90 large", {"3000", "5000", "2000", "60", "90"}, true);
        Righe("cone Alfa 90 large mirrored", {"2000", "5000", "3000", "90", "60"}, true);
        Righe("cylinder square", {"50", "100", "50", "90", "90"}, false);
        Righe("cylinder Alfa 60", {"50", "100", "80", "60", "120"}, false);
        Righe("cylinder Alfa 120", {"80", "100", "50", "120", "60"}, false);
        Righe("cylinder Alfa 110", {"40", "80", "90", "110", "70"}, false);
        Righe("cylinder Alfa 135", {"30", "60", "100", "135", "45"}, false);
        Righe("cylinder steep top cut", {"10", "100", "300", "120", "60"}, false);
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

    // Random projections: a truncated cone (C and D short of the apex on their sides, by the law
    // of sines in exact degrees) develops and matches the solid, whatever the shadows of its
    // sides on the base; sides that cross are refused as such, anything else as no cone.
    void coniCasuali()
    {
        QRandomGenerator caso(20261209);
        int sviluppati = 0, rifiutati = 0, ombreSviluppate = 0, ombreRifiutate = 0, ombreIncrociate = 0;
        for (int prova = 0; prova < 8000; ++prova) {
            const double scala = prova < 4000 ? 1 : 10; // the second half up to 10 m
            // Texts that fit their fields (angles six characters), so the solid sees what is typed.
            const auto testo = [](double v, int decimali = 3) { return QString::number(v, 'f', decimali); };
            const auto angolo = [&] { return testo(caso.bounded(8) == 0 ? 90.0 : 5 + caso.bounded(170.0), 2); };
            const double ab = (10 + caso.bounded(990.0)) * scala;
            const Figure f{testo(caso.bounded(1.5 * ab) + 1),
                           testo(ab),
                           testo(caso.bounded(1.5 * ab) + 1),
                           angolo(),
                           angolo(),
                           QLatin1String(caso.bounded(2) ? "T" : "F")};
            const double a = f.Alfa.toDouble() * k_Pi / 180, b = f.Beta.toDouble() * k_Pi / 180;
            const double daA = f.AB.toDouble() * std::sin(b) / std::sin(a + b);
            const double daB = f.AB.toDouble() * std::sin(a) / std::sin(a + b);
            const double quasiParallele = std::fabs(a + b - k_Pi);
            if (std::fabs(quasiParallele - 0.001) < 1e-6 || quasiParallele < 0.001)
                continue; // cylinders have their own rows
            const double rapportoC = f.AC.toDouble() / daA, rapportoD = f.BD.toDouble() / daB;
            if (std::fabs(rapportoC - 1) < 1e-6 || std::fabs(rapportoD - 1) < 1e-6)
                continue; // a cut through the apex is decided by rounding
            const bool tronco = a + b < k_Pi && rapportoC < 1 && rapportoD < 1;
            const bool incrociati = a + b < k_Pi && rapportoC > 1 && rapportoD > 1;
            // The old rule refused every projection whose sides' shadows on the base overlap.
            const bool ombre = f.AC.toDouble() * std::cos(a) + f.BD.toDouble() * std::cos(b) > f.AB.toDouble();
            PiattaformaFinta finta;
            if (incrociati)
                finta.attendiBox(QStringLiteral("Attenzione la proiezione non è congruente con un tronco di cono !"),
                                 Pulsanti::OK,
                                 QStringLiteral("Errore lunghezze relative proiezioni lati sulla base !"));
            else if (!tronco)
                finta.attendiBox(QStringLiteral("La proiezione non è un tronco di cono !"), Pulsanti::OK,
                                 QStringLiteral("Attenzione!"));
            StatoSviluppo s;
            ImpostaFigure(s, f);
            ContestoCalcolo c{s};
            const bool sviluppato = CalcolaSviluppo(c);
            QVERIFY2(sviluppato == tronco, qPrintable(f.AC + ' ' + f.AB + ' ' + f.BD + ' ' + f.Alfa + ' ' + f.Beta));
            VERIFICA_COPIONE(finta);
            if (!tronco) {
                ++rifiutati;
                ombreRifiutate += ombre;
                ombreIncrociate += ombre && incrociati;
                continue;
            }
            Verifica(f, BordiDegliArray(s));
            if (QTest::currentTestFailed())
                QFAIL(qPrintable(f.AC + ' ' + f.AB + ' ' + f.BD + ' ' + f.Alfa + ' ' + f.Beta));
            ++sviluppati;
            ombreSviluppate += ombre;
        }
        qInfo("developed %d (%d of them refused by the old shadows rule), refused %d (%d by that rule too, %d of "
              "these with crossing sides)",
              sviluppati, ombreSviluppate, rifiutati, ombreRifiutate, ombreIncrociate);
        QVERIFY(sviluppati > 2000 && rifiutati > 2000 && ombreSviluppate > 10);
    }

    // A plate: the blank is the mean surface, built in space as the surface square to the
    // mantle half a thickness in, and each face's generators are those of its own surface.
    void lamiera_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<Lamiera>("lamiera");
        const std::pair<const char *, Figure> solidi[] = {
            {"cone oblique", {"80", "100", "60", "50", "70"}},
            {"cone mirrored", {"60", "100", "80", "70", "50", "T"}},
            {"cone obtuse Alfa", {"70", "120", "90", "95", "75"}},
            {"cone Beta 90 large", {"3000", "5000", "2000", "60", "90", "T"}},
            {"cone nearly a cylinder", {"50", "100", "80", "60", "119.9"}},
            {"cylinder Alfa 60", {"50", "100", "80", "60", "120"}},
            {"cylinder Alfa 120", {"80", "100", "50", "120", "60", "T"}},
        };
        const std::pair<const char *, Lamiera> lamiere[] = {{"outside 3", {3, QuoteLamiera::Esterne}},
                                                            {"inside 10", {10, QuoteLamiera::Interne}},
                                                            {"mean 6", {6, QuoteLamiera::Medie}}};
        for (const auto &[nome, figure] : solidi)
            for (const auto &[piastra, lamiera] : lamiere)
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(QLatin1String(nome), QLatin1String(piastra))))
                    << figure << lamiera;
        // A slim cone (half angle 1.2 degrees) whose cuts nearly meet on the outer face: that face's
        // BD is a few micrometres long, and its direction was once taken from D - B.
        QTest::newRow("slim cone, outer face's cuts meeting, inside 97.9826")
            << Figure{"900", "380", "200", "83.039", "94.559"} << Lamiera{97.9826, QuoteLamiera::Interne};
    }
    void lamiera()
    {
        QFETCH(Figure, figure);
        QFETCH(Lamiera, lamiera);
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaLamiera(s, figure, lamiera);
        ContestoCalcolo c{s};
        QVERIFY(CalcolaSviluppo(c));
        Verifica(figure, BordiDegliArray(s), lamiera.scostamento());
        StatoSviluppo tipico;
        ImpostaLamiera(tipico, figure, lamiera);
        const auto facce = GeneratoriDelleFacce(tipico);
        QVERIFY(facce);
        for (const auto &[lunghezze, verso] : {std::pair{&facce->interna, 0.5}, std::pair{&facce->esterna, -0.5}}) {
            const Solido3D faccia(figure, lamiera.scostamento() + verso * lamiera.spessore);
            for (int k = 1; k <= 62; ++k) {
                const double phi = Solido3D::PhiDelPunto(k, 31);
                QCOMPARE_VICINO((*lunghezze)[std::size_t(k)], faccia.TaglioAB(phi) - faccia.TaglioCD(phi),
                                k_TolleranzaMm);
            }
        }
        VERIFICA_COPIONE(finta);
    }

    // A base of ten thousand kilometres with an upright BD: the apex is finite and exact, so the
    // blank develops (too large to draw, which the plot reports on its own).
    void conoEnormeConLatoDritto()
    {
        for (const char *chiudi : {"T", "F"}) {
            PiattaformaFinta finta;
            const Figure f{"50", "9999999999", "50", "60", "90", QLatin1String(chiudi)};
            StatoSviluppo s;
            ImpostaFigure(s, f);
            ProfiloSviluppo profilo;
            QVERIFY(SviluppoVero(s, 31, profilo));
            const Solido3D solido(f);
            const PuntoPiano &ab = profilo.bordoAB.front(), &cd = profilo.bordoCD.front();
            const double rAB = std::hypot(ab.x, ab.y);
            QCOMPARE_VICINO(rAB / solido.TaglioAB(Solido3D::PhiDelPunto(1, 31)), 1.0, 1e-12);
            QCOMPARE_VICINO(rAB - std::hypot(cd.x, cd.y), 50.0, 1e-4);
            VERIFICA_COPIONE(finta);
        }
    }
};

QTEST_GUILESS_MAIN(TestSviluppo3D)
#include "TestSviluppo3D.moc"
