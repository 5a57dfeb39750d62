// Elbows against hand-worked figures and against the sphere each joint is built round.
#include "geometry/Gomito.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>
#include <QtMath>

#include <cmath>

namespace {
// The minor axis of a piece's end: the width, square to the bend plane, of the section at the
// middle M of the cut, sqrt(r(M)² - x(M)²) twice; r and x of M from the workshop figures with
// the axis on x = 0 and O1 at the origin.
double AsseMinore(const FigureOfficina &f, bool base)
{
    const double a = f.D1 / 2, b = (f.D2 - f.D1) / (2 * f.H);
    const double t = std::tan(qDegreesToRadians(base ? f.Taglio1 : f.Taglio2));
    const double z0 = base ? 0 : f.H;
    const auto quota = [&](double segno) { return (z0 + segno * a * t) / (1 - segno * b * t); };
    const double zA = quota(-1), zB = quota(1);
    const double xA = -(a + b * zA), xB = a + b * zB;
    const double xM = (xA + xB) / 2, zM = (zA + zB) / 2;
    const double r = a + b * zM;
    return 2 * std::sqrt(r * r - xM * xM);
}
} // namespace

class TestGomito : public QObject {
    Q_OBJECT
private slots:
    // A 90 degree lobster-back of four pieces, Ø300 on a 450 bend: the gore by hand.
    void gomitoCostante()
    {
        const std::vector<PezzoGomito> pezzi = PezziDelGomito({300, 300, 450, 90, 4, 0});
        QCOMPARE(pezzi.size(), std::size_t(4));
        const ProiezioneEsatta &spicchio = pezzi[1].proiezione;
        const double t = std::tan(qDegreesToRadians(15.0));
        QCOMPARE_VICINO(spicchio.AB, 300 / std::cos(qDegreesToRadians(15.0)), 1e-9);
        QCOMPARE_VICINO(spicchio.AC, 2 * 300 * t, 1e-9);
        QCOMPARE_VICINO(spicchio.BD, 2 * 600 * t, 1e-9);
        QCOMPARE_VICINO(qRadiansToDegrees(spicchio.Alfa), 105, 1e-9);
        QCOMPARE_VICINO(qRadiansToDegrees(spicchio.Beta), 75, 1e-9);
        QCOMPARE_VICINO(pezzi[1].officina.H, 2 * 450 * t, 1e-9);
        // The end pieces: R tan(15) on the axis, square at the free end.
        for (const PezzoGomito &estremo : {pezzi.front(), pezzi.back()}) {
            QCOMPARE_VICINO(estremo.officina.H, 450 * t, 1e-9);
            QCOMPARE_VICINO(estremo.gola, 300 * t, 1e-9);
            QCOMPARE_VICINO(estremo.dorso, 600 * t, 1e-9);
        }
        QCOMPARE_VICINO(pezzi.front().officina.Taglio1, 0, 1e-9);
    }

    // Reducing: neighbouring pieces share each joint's curve (the same cut, the same ellipse), and
    // the free ends keep their diameters.
    void gomitoRiduttore()
    {
        for (const FigureGomito &g : {FigureGomito{800, 400, 1000, 90, 5, 0}, FigureGomito{500, 900, 1200, 60, 4, 150},
                                      FigureGomito{1000, 600, 900, 180, 7, 0}}) {
            const std::vector<PezzoGomito> pezzi = PezziDelGomito(g);
            QCOMPARE(pezzi.size(), std::size_t(g.Pezzi));
            const double d1 = pezzi.front().rovesciato ? pezzi.front().officina.D2 : pezzi.front().officina.D1;
            const double d2 = pezzi.back().rovesciato ? pezzi.back().officina.D1 : pezzi.back().officina.D2;
            QCOMPARE_VICINO(d1, g.D1, 1e-9);
            QCOMPARE_VICINO(d2, g.D2, 1e-9);
            // The axes turn at the joints only, each by the two cuts that meet there.
            double giro = 0;
            for (const PezzoGomito &p : pezzi)
                giro += std::fabs(p.officina.Taglio1) + std::fabs(p.officina.Taglio2);
            QCOMPARE_VICINO(giro, g.Angolo, 1e-9);
            for (std::size_t k = 0; k + 1 < pezzi.size(); ++k) {
                const PezzoGomito &p = pezzi[k], &q = pezzi[k + 1];
                // Piece k's far cut is piece k+1's near cut.
                const bool baseP = p.rovesciato, baseQ = !q.rovesciato;
                QCOMPARE_VICINO(AsseMinore(p.officina, baseP), AsseMinore(q.officina, baseQ), 1e-9 * g.D1);
            }
        }
    }

    // Each refusal names its field; a reduction too steep for its gores is told, not built.
    void rifiuti()
    {
        PiattaformaFinta finta;
        const struct {
            TestiGomito testi;
            CampoGomito campo;
            const char *titolo, *prompt;
        } casi[] = {
            {{"300", "", "140", "90", "4", ""},
             CampoGomito::R,
             "Errore su Raggio",
             "Il raggio di curvatura deve essere un numero maggiore di metà del diametro (150 mm): la gola si "
             "incrocerebbe!"},
            {{"300", "", "450", "181", "4", ""},
             CampoGomito::Angolo,
             "Errore su Angolo",
             "L'angolo del gomito deve essere un numero di gradi oltre 0 e fino a 180!"},
            {{"300", "", "450", "90", "65", ""},
             CampoGomito::Pezzi,
             "Errore su Pezzi",
             "I pezzi devono essere un numero intero da 2 a 64!"},
            {{"300", "", "450", "90", "3,5", ""},
             CampoGomito::Pezzi,
             "Errore su Pezzi",
             "I pezzi devono essere un numero intero da 2 a 64!"},
            {{"300", "", "450", "90", "4", "-1"},
             CampoGomito::Tratto,
             "Errore su Tratto diritto",
             "Il tratto diritto deve essere vuoto o un numero >=0 (mm)!"},
            {{"1000", "100", "520", "30", "2", ""},
             CampoGomito::D2,
             "Errore su D2",
             "Con questo D2 gli spicchi si ripiegherebbero: ridurre la differenza tra D1 e D2 o aumentare il raggio!"},
        };
        for (const auto &caso : casi) {
            finta.attendiBox(QString::fromUtf8(caso.prompt), Pulsanti::OK, QLatin1String(caso.titolo));
            CampoGomito campo = CampoGomito::Nessuno;
            QVERIFY(!ValidaGomito(caso.testi, 0, campo));
            QCOMPARE(campo, caso.campo);
        }
        CampoGomito campo = CampoGomito::Nessuno;
        const std::optional<FigureGomito> g = ValidaGomito({"400", "250", "600", "90", "5", "50"}, 2, campo);
        QVERIFY(g && g->D2 == 250 && g->Pezzi == 5 && g->Tratto == 50);
        finta.verifica(__FILE__, __LINE__);
    }
};

QTEST_GUILESS_MAIN(TestGomito)
#include "TestGomito.moc"
