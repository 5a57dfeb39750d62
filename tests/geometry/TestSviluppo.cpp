// The cylinder's strip and the cone's sector on worked figures: measures, seam, chosen routine.
#include "calcolo/CalcolaSviluppo.h"
#include "tests/geometry/Figure.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>

namespace {
constexpr double k_Gradi = 3.14159265359 / 180;

void Sviluppa(StatoSviluppo &s, const Figure &f)
{
    ImpostaFigure(s, f);
    ContestoCalcolo c{s};
    QVERIFY(CalcolaSviluppo(c));
}

double Raggio(const ArrayPunti &x, const ArrayPunti &y, int k) { return std::hypot(x[k], y[k]); }
} // namespace

class TestSviluppo : public QObject {
    Q_OBJECT
private slots:
    void cilindro_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QString>("routine");
        QTest::addColumn<double>("gamma"); // degrees
        QTest::addColumn<double>("diametro");
        QTest::addColumn<double>("sommaAB");
        QTest::addColumn<double>("sommaCD");
        QTest::addColumn<double>("larghezza");
        QTest::addColumn<double>("altezza");
        QTest::newRow("square, lying") << Figure{"50", "100", "50", "90", "90"} << "Stampa_Cilindro_Lato_Orizzontale"
                                       << 0.0 << 100.0 << 314.159 << 314.159 << 314.159 << 50.0;
        QTest::newRow("square, standing") << Figure{"200", "10", "200", "90", "90"} << "Stampa_Cilindro_Lato_Verticale"
                                          << 0.0 << 10.0 << 31.416 << 31.416 << 31.416 << 200.0;
        QTest::newRow("Alfa 60") << Figure{"50", "100", "80", "60", "120"} << "Stampa_Cilindro_Lato_Orizzontale" << 30.0
                                 << 86.603 << 293.474 << 323.071 << 272.070 << 130.0;
        // The mirror image: the same strip hanging from the other generator.
        QTest::newRow("Alfa 120") << Figure{"80", "100", "50", "120", "60"} << "Stampa_Cilindro_Lato_Orizzontale"
                                  << -30.0 << 86.603 << 293.474 << 323.071 << 272.070 << 130.0;
    }
    void cilindro()
    {
        QFETCH(Figure, figure);
        QFETCH(QString, routine);
        QFETCH(double, gamma);
        QFETCH(double, diametro);
        QFETCH(double, sommaAB);
        QFETCH(double, sommaCD);
        QFETCH(double, larghezza);
        QFETCH(double, altezza);
        PiattaformaFinta finta;
        StatoSviluppo s;
        Sviluppa(s, figure);
        QCOMPARE(s.RoutineStampa, routine);
        QCOMPARE_VICINO(s.Gamma, gamma * k_Gradi, 1e-12);
        QCOMPARE_VICINO(s.Diametro, diametro, 5e-4);
        QCOMPARE_VICINO(s.Raggio, s.Diametro / 2, 1e-12);
        QCOMPARE_VICINO(s.SommaAB, sommaAB, 5e-4);
        QCOMPARE_VICINO(s.SommaCD, sommaCD, 5e-4);
        QCOMPARE_VICINO(s.Larghezza, larghezza, 5e-4);
        QCOMPARE_VICINO(s.Altezza, altezza, 1e-9);
        // Abscissae: 60 equal steps of the half circumference over 61 gaps, 31 and 32 together.
        for (int k = 1; k <= 62; ++k) {
            const double atteso = (k <= 31 ? k - 1 : k - 2) * s.PiGreco * s.Raggio / 30;
            QCOMPARE_VICINO(s.XAB[k], atteso, 1e-9);
            QCOMPARE(s.XCD[k], s.XAB[k]);
        }
        QCOMPARE_VICINO(s.XAB[62], s.PiGreco * s.Diametro, 1e-9);
        VERIFICA_COPIONE(finta);
    }

    // AC's generator (XPiede 0) closes the strip when chosen, and sits in the middle otherwise.
    void cilindroCucitura_data()
    {
        QTest::addColumn<QString>("chiudi");
        QTest::addColumn<int>("kAC");
        QTest::addColumn<int>("kBD");
        QTest::newRow("close on AC") << "T" << 1 << 31;
        QTest::newRow("close on BD") << "F" << 31 << 1;
    }
    void cilindroCucitura()
    {
        QFETCH(QString, chiudi);
        QFETCH(int, kAC);
        QFETCH(int, kBD);
        PiattaformaFinta finta;
        StatoSviluppo s, altro;
        Sviluppa(s, {"50", "100", "80", "60", "120", chiudi});
        Sviluppa(altro, {"50", "100", "80", "60", "120", chiudi == QLatin1String("T") ? "F" : "T"});
        QCOMPARE(s.XAB, altro.XAB);
        QCOMPARE_VICINO(s.YAB[kAC], 50, 1e-9);
        QCOMPARE_VICINO(s.YCD[kAC], 0, 1e-9);
        QCOMPARE_VICINO(s.YAB[kBD], 0, 1e-9);
        QCOMPARE_VICINO(s.YCD[kBD], -80, 1e-9);
        QCOMPARE(s.YAB[63 - kAC], s.YAB[kAC]);
        QCOMPARE(s.YAB[63 - kBD], s.YAB[kBD]);
        VERIFICA_COPIONE(finta);
    }

    void cono_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QString>("routine");
        QTest::addColumn<double>("apotema");
        QTest::addColumn<double>("diametro");
        QTest::addColumn<double>("apertura"); // the sector's span, radians
        QTest::addColumn<double>("lungAB1");  // distances from the apex at the seam, k = 1
        QTest::addColumn<double>("lungCD1");
        QTest::addColumn<double>("sommaAB"); // negative: not checked
        QTest::addColumn<double>("larghezza");
        QTest::addColumn<double>("altezza");
        QTest::newRow("square cuts, standing")
            << Figure{"60", "100", "60", "80", "80"} << "Stampa_Cono_Lato_Verticale" << 287.939 << 100.0 << 1.0911
            << 287.939 << 227.939 << -1.0 << 182.735 << 255.436;
        QTest::newRow("half ring") << Figure{"80", "100", "80", "60", "60"} << "Stampa_Cono_Lato_Orizzontale" << 100.0
                                   << 100.0 << 3.14159 << 100.0 << 20.0 << 314.123 << 200.0 << 100.0;
        QTest::newRow("oblique, seam on B")
            << Figure{"80", "100", "60", "50", "70", "F"} << "Stampa_Cono_Lato_Orizzontale" << 108.506 << 108.506
            << 3.14159 << 88.455 << 28.455 << 310.937 << 176.910 << 108.506;
        QTest::newRow("mirrored, seam on AC")
            << Figure{"60", "100", "80", "70", "50", "T"} << "Stampa_Cono_Lato_Orizzontale" << 108.506 << 108.506
            << 3.14159 << 88.455 << 28.455 << 310.937 << 176.910 << 108.506;
    }
    void cono()
    {
        QFETCH(Figure, figure);
        QFETCH(QString, routine);
        QFETCH(double, apotema);
        QFETCH(double, diametro);
        QFETCH(double, apertura);
        QFETCH(double, lungAB1);
        QFETCH(double, lungCD1);
        QFETCH(double, sommaAB);
        QFETCH(double, larghezza);
        QFETCH(double, altezza);
        PiattaformaFinta finta;
        StatoSviluppo s;
        Sviluppa(s, figure);
        QCOMPARE(s.RoutineStampa, routine);
        QCOMPARE_VICINO(s.Apotema, apotema, 5e-4);
        QCOMPARE_VICINO(s.Diametro, diametro, 5e-4);
        QCOMPARE_VICINO(2 * s.PiGreco * s.Raggio / s.Apotema, apertura, 5e-5);
        QCOMPARE_VICINO(std::atan2(s.YAB[62], s.XAB[62]), apertura, 5e-5);
        QCOMPARE_VICINO(std::atan2(s.YAB[1], s.XAB[1]), 0, 1e-12);
        QCOMPARE_VICINO(Raggio(s.XAB, s.YAB, 1), lungAB1, 5e-4);
        QCOMPARE_VICINO(Raggio(s.XCD, s.YCD, 1), lungCD1, 5e-4);
        QCOMPARE_VICINO(Raggio(s.XAB, s.YAB, 62), lungAB1, 5e-4);
        if (sommaAB > 0)
            QCOMPARE_VICINO(s.SommaAB, sommaAB, 5e-4);
        QCOMPARE_VICINO(s.Larghezza, larghezza, 5e-4);
        QCOMPARE_VICINO(s.Altezza, altezza, 5e-4);
        // 31 and 32 come from one generator by two angles, equal but for rounding.
        QCOMPARE_VICINO(s.XAB[31], s.XAB[32], 1e-9);
        QCOMPARE_VICINO(s.YAB[31], s.YAB[32], 1e-9);
        QCOMPARE_VICINO(s.XCD[31], s.XCD[32], 1e-9);
        QCOMPARE_VICINO(s.YCD[31], s.YCD[32], 1e-9);
        VERIFICA_COPIONE(finta);
    }

    void conoSpecchiato_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<bool>("specchiato");
        QTest::newRow("apex nearer B") << Figure{"80", "100", "60", "50", "70"} << false;
        QTest::newRow("apex nearer A") << Figure{"60", "100", "80", "70", "50"} << true;
    }
    void conoSpecchiato()
    {
        QFETCH(Figure, figure);
        QFETCH(bool, specchiato);
        PiattaformaFinta finta;
        StatoSviluppo s;
        Sviluppa(s, figure);
        QCOMPARE(s.Specchiato, specchiato);
        // A mirrored development leaves Alfa and Beta exchanged until the next validation.
        QCOMPARE_VICINO(s.Alfa, (specchiato ? figure.Beta : figure.Alfa).toDouble() * k_Gradi, 1e-12);
        QCOMPARE_VICINO(s.Beta, (specchiato ? figure.Alfa : figure.Beta).toDouble() * k_Gradi, 1e-12);
        // The turned frame: A at the origin, the axis upright through the apex above the circle's centre.
        QCOMPARE_VICINO(s.XA, 0, 1e-9);
        QCOMPARE_VICINO(s.YA, 0, 1e-9);
        QCOMPARE_VICINO(s.XVertice, s.Raggio, 1e-9);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestSviluppo)
#include "TestSviluppo.moc"
