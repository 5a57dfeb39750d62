// Workshop figures against the solid built from them in space, without the program's projection.
#include "geometry/FigureOfficina.h"
#include "geometry/TestiOfficina.h"
#include "pieces/PezzoDelTronco.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QRandomGenerator>
#include <QTest>
#include <QtMath>

#include <cmath>

namespace {
// The cone (or cylinder) of the figures, axis z, O1 at the origin: where the generator at angle
// theta (0 on the B side) meets each cut, and its distance from the apex along the generator.
struct Solido {
    explicit Solido(const FigureOfficina &f)
        : a(f.D1 / 2),
          b((f.D2 - f.D1) / (2 * f.H)),
          h(f.H),
          t1(std::tan(qDegreesToRadians(f.Taglio1))),
          t2(std::tan(qDegreesToRadians(f.Taglio2)))
    {
    }
    double zBase(double theta) const { return a * std::cos(theta) * t1 / (1 - b * std::cos(theta) * t1); }
    double zCima(double theta) const { return (h + a * std::cos(theta) * t2) / (1 - b * std::cos(theta) * t2); }
    double dalVertice(double z) const { return std::fabs(z + a / b) * std::sqrt(1 + b * b); }
    double seno() const { return std::fabs(b) / std::sqrt(1 + b * b); } // of the half angle
    double a, b, h, t1, t2;
};

double tra(QRandomGenerator &caso, double da, double a) { return da + caso.generateDouble() * (a - da); }

FigureSviluppo FigureDa(const FigureOfficina &o, bool esatte)
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("Prova");
    f.ImpostaChiusura(QStringLiteral("T"));
    ImpostaOfficina(f, o);
    if (!esatte)
        f.Officina.reset();
    return f;
}

// The largest distance of the developed cone from the solid: each point's distance from the apex
// against the generator's, the generator found by the point's developed angle from the seam (on
// the AC side: theta = pi).
double ScartoCono(const FigureOfficina &o, const FigureSviluppo &f)
{
    const Solido s(o);
    StatoSviluppo stato;
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(f, 200, stato, profilo))
        return HUGE_VAL;
    double scarto = 0;
    const auto misura = [&](const std::vector<PuntoPiano> &bordo, bool base) {
        // Unwrapped: a sector can be wider than a half turn.
        double phi = 0, prima = std::atan2(bordo.front().y, bordo.front().x);
        for (const PuntoPiano &p : bordo) {
            const double adesso = std::atan2(p.y, p.x);
            phi += std::remainder(adesso - prima, 2 * M_PI);
            prima = adesso;
            const double theta = M_PI - std::fabs(phi) / s.seno();
            const double atteso = s.dalVertice(base ? s.zBase(theta) : s.zCima(theta));
            scarto = std::max(scarto, std::fabs(std::hypot(p.x, p.y) - atteso));
        }
    };
    misura(profilo.bordoAB, true);
    misura(profilo.bordoCD, false);
    return scarto;
}
// The same for a cylinder: along the developed width, r times the turn from the seam; along the
// generators, where each cut meets them (measured from the seam's base corner).
double ScartoCilindro(const FigureOfficina &o, const FigureSviluppo &f)
{
    const Solido s(o);
    StatoSviluppo stato;
    ProfiloSviluppo profilo;
    if (!SviluppaFigure(f, 200, stato, profilo))
        return HUGE_VAL;
    const PuntoPiano origine = profilo.bordoAB.front(), cima = profilo.bordoCD.front();
    const double lungo = std::hypot(cima.x - origine.x, cima.y - origine.y);
    const PuntoPiano g{(cima.x - origine.x) / lungo, (cima.y - origine.y) / lungo};
    double scarto = 0;
    for (bool base : {true, false})
        for (const PuntoPiano &p : base ? profilo.bordoAB : profilo.bordoCD) {
            const double lungoG = (p.x - origine.x) * g.x + (p.y - origine.y) * g.y;
            const double largo = std::fabs((p.x - origine.x) * g.y - (p.y - origine.y) * g.x);
            const double theta = M_PI - largo / s.a;
            const double atteso = (base ? s.zBase(theta) : s.zCima(theta)) - s.zBase(M_PI);
            scarto = std::max(scarto, std::fabs(lungoG - atteso));
        }
    return scarto;
}
} // namespace

class TestFigureOfficina : public QObject {
    Q_OBJECT
private slots:
    void riduzioneConcentrica()
    {
        const ProiezioneEsatta p = ProiezioneDaOfficina({600, 300, 400, 0, 0});
        QCOMPARE_VICINO(p.AC, 427.200187, 1e-6);
        QCOMPARE_VICINO(p.BD, 427.200187, 1e-6);
        QCOMPARE_VICINO(p.AB, 600, 1e-9);
        QCOMPARE_VICINO(qRadiansToDegrees(p.Alfa), 69.443955, 1e-6);
        QCOMPARE_VICINO(qRadiansToDegrees(p.Beta), 69.443955, 1e-6);
        FigureSviluppo f;
        ImpostaOfficina(f, {600, 300, 400, 0, 0});
        QCOMPARE(f.TestoAC.testo(), QStringLiteral("427.200187"));
        QCOMPARE(f.TestoAlfa.testo(), QStringLiteral("69.444"));
    }

    // Figures -> projection -> figures over real solids: cones both ways, cylinders, oblique cuts,
    // and the projections with a vertical side.
    void andataERitorno()
    {
        QRandomGenerator caso(2112);
        double peggiore = 0;
        int solidi = 0;
        for (int prova = 0; prova < 2000; ++prova) {
            FigureOfficina f;
            f.D1 = tra(caso, 50.0, 5000.0);
            f.D2 = prova % 4 == 0 ? f.D1 : tra(caso, 10.0, f.D1);
            f.H = tra(caso, 50.0, 10000.0);
            const double limite = 90 - std::fabs(SemiAperturaGradi(f));
            f.Taglio1 = prova % 3 == 0 ? 0 : tra(caso, -0.8, 0.8) * limite;
            f.Taglio2 = prova % 5 == 0 ? 0 : tra(caso, -0.8, 0.8) * limite;
            if (prova % 7 == 0) // the B side vertical: Beta = 90
                f.Taglio1 = -SemiAperturaGradi(f);
            // Cuts that would cross inside the solid make no solid.
            const double salita =
                f.D1 / 2 *
                (std::fabs(std::tan(qDegreesToRadians(f.Taglio1))) + std::fabs(std::tan(qDegreesToRadians(f.Taglio2))));
            if (2 * salita > f.H)
                continue;
            ++solidi;
            const ProiezioneEsatta p = ProiezioneDaOfficina(f);
            const std::optional<FigureOfficina> r = OfficinaDaProiezione(p);
            if (!r || !(ProiezioneDaOfficina(f).AC > 0))
                QFAIL(qPrintable(QStringLiteral("no way back at trial %1: %2 %3 %4 %5 %6")
                                     .arg(prova)
                                     .arg(f.D1)
                                     .arg(f.D2)
                                     .arg(f.H)
                                     .arg(f.Taglio1)
                                     .arg(f.Taglio2)));
            for (auto [x, y] :
                 {std::pair{f.D1, r->D1}, {f.D2, r->D2}, {f.H, r->H}, {f.Taglio1, r->Taglio1}, {f.Taglio2, r->Taglio2}})
                peggiore = std::max(peggiore, std::fabs(x - y));
        }
        qInfo("largest round-trip error over %d solids: %.3g (mm or degrees)", solidi, peggiore);
        QVERIFY(solidi > 500);
        QVERIFY(peggiore < 1e-9);
        // A projection with a vertical side has its workshop figures too.
        const std::optional<FigureOfficina> verticale =
            OfficinaDaProiezione({500, 800, 500, qDegreesToRadians(60.0), M_PI / 2});
        QVERIFY(verticale);
        const ProiezioneEsatta ritorno = ProiezioneDaOfficina(*verticale);
        QCOMPARE_VICINO(qRadiansToDegrees(ritorno.Beta), 90, 1e-9);
        QCOMPARE_VICINO(ritorno.AC, 500, 1e-9);
    }

    // Developed from the figures, exactly; from the fields' rounded texts, by a measurable amount.
    void sviluppoEsatto()
    {
        PiattaformaFinta finta;
        for (const FigureOfficina &o :
             {FigureOfficina{600, 300, 400, 0, 0}, FigureOfficina{10000, 2700, 6000, 7.5, -11},
              FigureOfficina{3200, 1500, 2500, -20, 5}}) {
            const double esatto = ScartoCono(o, FigureDa(o, true));
            const double arrotondato = ScartoCono(o, FigureDa(o, false));
            qInfo("D1 %g D2 %g H %g: exact %.2g mm, from the texts %.4f mm", o.D1, o.D2, o.H, esatto, arrotondato);
            QVERIFY(esatto < 1e-6);
        }
        const FigureOfficina cilindro{4500, 4500, 9000, 12.25, -31.5};
        const double esatto = ScartoCilindro(cilindro, FigureDa(cilindro, true));
        qInfo("cylinder Ø4500: exact %.2g mm, from the texts %.4f mm", esatto,
              ScartoCilindro(cilindro, FigureDa(cilindro, false)));
        QVERIFY(esatto < 1e-6);
    }

    // Each refusal names its field and what it allows.
    void rifiuti()
    {
        PiattaformaFinta finta;
        const struct {
            TestiOfficina testi;
            double spessore;
            CampoOfficina campo;
            const char *titolo;
            const char *prompt;
        } casi[] = {
            {{"6oo", "300", "400", "", ""}, 0, CampoOfficina::D1, "Errore su D1", "D1 deve essere un numero >0 (mm)!"},
            {{"600", "-300", "400", "", ""}, 0, CampoOfficina::D2, "Errore su D2", "D2 deve essere un numero >0 (mm)!"},
            {{"600", "300", "0", "", ""}, 0, CampoOfficina::H, "Errore su H", "H deve essere un numero >0 (mm)!"},
            {{"300", "600", "400", "", ""},
             0,
             CampoOfficina::D2,
             "Errore su D2",
             "D2 deve essere un numero non maggiore di D1 (mm): la base è l'estremità più larga!"},
            {{"600", "10", "400", "", ""},
             6,
             CampoOfficina::D2,
             "Errore su D2",
             "D2 deve essere maggiore del doppio dello spessore (12 mm)!"},
            {{"600", "300", "400", "69.444", ""},
             0,
             CampoOfficina::Taglio1,
             "Errore su Taglio 1",
             "Taglio 1 deve essere un numero di gradi tra -69.444 e 69.444, esclusi!"},
            {{"600", "300", "400", "0", "-80"},
             0,
             CampoOfficina::Taglio2,
             "Errore su Taglio 2",
             "Taglio 2 deve essere un numero di gradi tra -69.444 e 69.444, esclusi!"},
            {{"600", "600", "100", "40", "-40"},
             0,
             CampoOfficina::H,
             "Errore su H",
             "I due tagli si incrociano dentro il solido: H deve essere maggiore o le inclinazioni minori!"},
        };
        for (const auto &caso : casi) {
            finta.attendiBox(QString::fromUtf8(caso.prompt), Pulsanti::OK, QLatin1String(caso.titolo));
            CampoOfficina campo = CampoOfficina::Nessuno;
            QVERIFY(!ValidaOfficina(caso.testi, caso.spessore, campo));
            QCOMPARE(campo, caso.campo);
        }
        CampoOfficina campo = CampoOfficina::Nessuno;
        QVERIFY(ValidaOfficina({"600", "300", "400", "30,5", "-12,5"}, 3, campo));
        QCOMPARE(campo, CampoOfficina::Nessuno);
        finta.verifica(__FILE__, __LINE__);
    }
};

QTEST_GUILESS_MAIN(TestFigureOfficina)
#include "TestFigureOfficina.moc"
