// The layout against sheet counts worked out by hand, its edge cases and its refusals.
#include "SagomeDiProva.h"
#include "pieces/PezzoDelTronco.h"
#include "fogli/DisegnoFoglio.h"
#include "fogli/ImpaginaFogli.h"
#include "fogli/MessaggiFogli.h"
#include "tests/geometry/Figure.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <algorithm>

Q_DECLARE_METATYPE(SagomaFogli)
Q_DECLARE_METATYPE(CartaFogli)
Q_DECLARE_METATYPE(ErroreFogli)

namespace {
CartaFogli carta(double larghezza, double altezza, OrientamentoFogli o = OrientamentoFogli::Automatico,
                 double sovrapposizione = 10)
{
    return {larghezza, altezza, o, sovrapposizione};
}

QStringList saltati(const ImpaginazioneFogli &r)
{
    QStringList etichette;
    for (const Foglio &f : r.fogli)
        if (!f.stampato)
            etichette << f.etichetta;
    return etichette;
}

QSizeF estensione(const ImpaginazioneFogli &r)
{
    double x = 0, y = 0;
    for (const QPointF &p : r.sagoma) {
        x = std::max(x, p.x());
        y = std::max(y, p.y());
    }
    return {x, y};
}
} // namespace

class TestImpaginaFogli : public QObject {
    Q_OBJECT

private slots:
    // A 1000 x 150 strip lying at 30 degrees, on A4's area 190 x 277, overlap 10.
    // Laid flat (turn -30): landscape 277 across, steps of 267: 277 + 3 * 267 >= 1000, 4 x 1.
    // Portrait 190 across: 190 + 5 * 180 >= 1000, 6 x 1. Standing (turn 60): portrait
    // 150 <= 190 across and 277 + 3 * 267 >= 1000 down, 1 x 4; landscape 190 + 5 * 180, 1 x 6.
    // Four sheets either way: one row wins.
    void strisciaLunga()
    {
        const auto r = ImpaginaFogli(SagomaDelProfilo(sagome::striscia(1000, 150, 30)), carta(190, 277));
        QCOMPARE(r.errore, ErroreFogli::Nessuno);
        QCOMPARE(r.orientamento, OrientamentoFogli::Orizzontale);
        QCOMPARE_VICINO(r.rotazione, -30, 1e-9);
        QCOMPARE(r.colonne, 4);
        QCOMPARE(r.righe, 1);
        QCOMPARE(r.stampati, 4);

        const auto verticale = ImpaginaFogli(SagomaDelProfilo(sagome::striscia(1000, 150, 30)),
                                             carta(190, 277, OrientamentoFogli::Verticale));
        QCOMPARE_VICINO(verticale.rotazione, 60, 1e-9);
        QCOMPARE(verticale.righe, 4);
    }

    // Half a ring, radii 370 and 400: 800 x 400, on 280 x 200, overlap 10. Upright (apex at the
    // bottom) in landscape, steps 270 and 190: 3 x 3, and the middle column (-130..150 from the apex)
    // holds the band only above y = sqrt(370^2 - 150^2) = 338, so its two lower sheets are empty: 7
    // in 3 rows. Upside down (turn 180, y measured down from the apex) in portrait, steps 190 and
    // 270: 5 x 2. The top row (y 0..280) meets the band only where |x| >= sqrt(370^2 - 280^2) = 242,
    // template x <= 158 or >= 642: B1 and C1 are empty. The bottom row (y 270..400) only where
    // |x| <= sqrt(400^2 - 270^2) = 295, template x 105..695: E2 is empty. 7 in 2 rows wins.
    void settoreAnulare()
    {
        const auto r = ImpaginaFogli(SagomaDelProfilo(sagome::settore(370, 400, 0, 180)), carta(280, 200));
        QCOMPARE_VICINO(r.rotazione, 180, 1e-9);
        QCOMPARE(r.orientamento, OrientamentoFogli::Verticale);
        QCOMPARE(r.colonne, 5);
        QCOMPARE(r.righe, 2);
        QCOMPARE(r.stampati, 7);
        QCOMPARE(saltati(r), QStringList({QStringLiteral("B1"), QStringLiteral("C1"), QStringLiteral("E2")}));
        QCOMPARE(r.foglio(1, 0)->numero, 0);
        QVERIFY(DisegnaFoglio(r, *r.foglio(1, 0)).elementi().empty());

        const auto orizzontale = ImpaginaFogli(SagomaDelProfilo(sagome::settore(370, 400, 0, 180)),
                                               carta(280, 200, OrientamentoFogli::Orizzontale));
        QCOMPARE(orizzontale.rotazione, 0.0);
        QCOMPARE(saltati(orizzontale), QStringList({QStringLiteral("B2"), QStringLiteral("B3")}));
    }

    // A 120-degree sector, radii 200 and 400, lying from 0 to 120 degrees. Upright (turn 30) it
    // is 2 * 400 sin 60 = 692.8 x 400 - 200 cos 60 = 300: landscape 280 + 2 * 270 >= 692.8 and
    // 200 + 190 >= 300, 3 x 2, every sheet crossed by the band: 6. As it lies (600 x 400) landscape
    // needs 3 x 3 less one empty corner, 8; the narrow ways round need 8 cells. Upside down (turn
    // -150) it ties at 6 in 2 rows and is tried first, as the turn that lays the chord flat.
    void settoreRuotatoSullAsse()
    {
        const auto r = ImpaginaFogli(SagomaDelProfilo(sagome::settore(200, 400, 0, 120)), carta(280, 200));
        QCOMPARE_VICINO(r.rotazione, -150, 1e-9);
        QCOMPARE(r.orientamento, OrientamentoFogli::Orizzontale);
        QCOMPARE(r.colonne, 3);
        QCOMPARE(r.righe, 2);
        QCOMPARE(r.stampati, 6);
        QCOMPARE_VICINO(estensione(r).width(), 800 * std::sin(60 * sagome::k_Gradi), 1e-6);
        QCOMPARE_VICINO(estensione(r).height(), 300, 1e-6);
    }

    // 600 x 590 on 280 x 200. Portrait: 200 + 3 * 190 >= 600, 280 + 2 * 270 >= 590: 4 x 3.
    // Landscape: 280 + 2 * 270 >= 600, 200 + 3 * 190 >= 590: 3 x 4. Twelve either way, all printed:
    // the inner sheets touch no edge but lie in the material. Three rows win.
    void quasiQuadrato()
    {
        const auto r = ImpaginaFogli(sagome::rettangolo(600, 590), carta(280, 200));
        QCOMPARE(r.orientamento, OrientamentoFogli::Verticale);
        QCOMPARE(r.colonne, 4);
        QCOMPARE(r.righe, 3);
        QCOMPARE(r.stampati, 12);
        QCOMPARE(r.foglio(2, 1)->intervallo, QRectF(380, 270, 200, 280));
    }

    // A blank exactly two sheets wide less one overlap fills two columns; a hundredth more needs three.
    void sovrapposizioneAlLimite_data()
    {
        QTest::addColumn<double>("sovrapposizione");
        QTest::addColumn<double>("larghezza");
        QTest::addColumn<int>("colonne");
        QTest::newRow("10 esatti") << 10.0 << 550.0 << 2;
        QTest::newRow("10 oltre") << 10.0 << 550.01 << 3;
        QTest::newRow("nessuna esatti") << 0.0 << 560.0 << 2;
        QTest::newRow("un foglio") << 10.0 << 280.0 << 1;
    }
    void sovrapposizioneAlLimite()
    {
        QFETCH(double, sovrapposizione);
        QFETCH(double, larghezza);
        QFETCH(int, colonne);
        const auto r = ImpaginaFogli(sagome::rettangolo(larghezza, 200),
                                     carta(280, 200, OrientamentoFogli::Orizzontale, sovrapposizione));
        QCOMPARE(r.errore, ErroreFogli::Nessuno);
        QCOMPARE(r.colonne, colonne);
        QCOMPARE(r.righe, 1);
        QCOMPARE(r.foglio(1 % colonne, 0)->intervallo.left(), (1 % colonne) * (280 - sovrapposizione));
    }

    // Refused before any sheet is made; a paper that holds the marks one way only is laid that way.
    void errori_data()
    {
        QTest::addColumn<SagomaFogli>("sagoma");
        QTest::addColumn<CartaFogli>("carta");
        QTest::addColumn<ErroreFogli>("errore");
        const SagomaFogli pezzo = sagome::rettangolo(500, 300);
        SagomaFogli nonNumero = pezzo;
        nonNumero.contorno[2].x = NAN;
        QTest::newRow("vuota") << SagomaFogli() << carta(280, 200) << ErroreFogli::SagomaVuota;
        QTest::newRow("non numero") << nonNumero << carta(280, 200) << ErroreFogli::SagomaVuota;
        QTest::newRow("sovrapposizione negativa")
            << pezzo << carta(280, 200, OrientamentoFogli::Automatico, -1) << ErroreFogli::SovrapposizioneNonValida;
        QTest::newRow("sovrapposizione oltre 30")
            << pezzo << carta(280, 200, OrientamentoFogli::Automatico, 30.5) << ErroreFogli::SovrapposizioneNonValida;
        QTest::newRow("sovrapposizione non numero")
            << pezzo << carta(280, 200, OrientamentoFogli::Automatico, NAN) << ErroreFogli::SovrapposizioneNonValida;
        // 30 on each side of 150 leaves 90 mm: less than a scale bar.
        QTest::newRow("sovrapposizione che copre")
            << pezzo << carta(150, 150, OrientamentoFogli::Automatico, 30) << ErroreFogli::AreaTroppoPiccola;
        QTest::newRow("area minuscola") << pezzo << carta(100, 80) << ErroreFogli::AreaTroppoPiccola;
        QTest::newRow("area infinita") << pezzo << carta(INFINITY, 200) << ErroreFogli::AreaTroppoPiccola;
        // 130 across holds a 100 mm bar and the texts above the other; 130 down does not.
        QTest::newRow("orizzontale troppo basso")
            << pezzo << carta(130, 150, OrientamentoFogli::Orizzontale) << ErroreFogli::AreaTroppoPiccola;
        QTest::newRow("verticale ci sta") << pezzo << carta(130, 150) << ErroreFogli::Nessuno;
        QTest::newRow("cento metri") << sagome::rettangolo(100000, 100000) << carta(280, 200)
                                     << ErroreFogli::TroppiFogli;
        QTest::newRow("smisurata") << sagome::rettangolo(1e300, 1e300) << carta(280, 200) << ErroreFogli::TroppiFogli;
    }
    void errori()
    {
        QFETCH(SagomaFogli, sagoma);
        QFETCH(CartaFogli, carta);
        QFETCH(ErroreFogli, errore);
        const auto r = ImpaginaFogli(sagoma, carta);
        QCOMPARE(r.errore, errore);
        QCOMPARE(r.fogli.empty(), errore != ErroreFogli::Nessuno);
    }

    // Each refusal has its text; the paper's names the least area for that overlap (166 across: two
    // strips of 30 + 3 and the bar; 182 down: the texts and the bar's corner too).
    void messaggi()
    {
        QCOMPARE(
            MessaggioErroreFogli(ErroreFogli::AreaTroppoPiccola, carta(150, 150, OrientamentoFogli::Automatico, 30)),
            QString::fromUtf8("Foglio troppo piccolo: con 30 mm di sovrapposizione l'area stampabile deve essere "
                              "almeno 166 x 182 mm per i segni, i testi e le scale!"));
        for (ErroreFogli e :
             {ErroreFogli::SagomaVuota, ErroreFogli::SovrapposizioneNonValida, ErroreFogli::TroppiFogli})
            QVERIFY(MessaggioErroreFogli(e, carta(280, 200)).endsWith(QLatin1Char('!')));
        QCOMPARE(MessaggioErroreFogli(ErroreFogli::Nessuno, carta(280, 200)), QString());
        QCOMPARE(DomandaFogli(120), QStringLiteral("Servono 120 fogli. Continuare?"));
    }

    void etichette()
    {
        QCOMPARE(EtichettaFoglio(25, 9), QStringLiteral("Z10"));
        QCOMPARE(EtichettaFoglio(26, 0), QStringLiteral("AA1"));
        QCOMPARE(EtichettaFoglio(27 * 26, 0), QStringLiteral("AAA1"));
    }

    // A real cone: the chord A-B stands square to the middle generator, and A mirrored across that
    // generator is B, so the direction found is the sector's axis of symmetry.
    void direzioniDiUnCono()
    {
        PiattaformaFinta piattaforma;
        StatoSviluppo figure, sviluppato;
        ImpostaFigure(figure, {QStringLiteral("80"), QStringLiteral("100"), QStringLiteral("60"), QStringLiteral("50"),
                               QStringLiteral("70")});
        ProfiloSviluppo profilo;
        QVERIFY(SviluppaFigure(figure, 200, sviluppato, profilo));
        const SagomaFogli sagoma = SagomaDelProfilo(profilo);
        QCOMPARE(sagoma.direzioni.size(), std::size_t(2));
        const double corda = sagoma.direzioni[0], asse = sagoma.direzioni[1];
        QCOMPARE_VICINO(std::fabs(std::cos((corda - asse) * sagome::k_Gradi)), 0, 1e-9);
        const PuntoPiano a = profilo.bordoAB.front(), b = profilo.bordoAB.back();
        const PuntoPiano specchio = sagome::ruota({a.x, a.y}, 2 * (asse - std::atan2(a.y, a.x) / sagome::k_Gradi));
        QCOMPARE_VICINO(specchio.x, b.x, 1e-6);
        QCOMPARE_VICINO(specchio.y, b.y, 1e-6);
    }
};

QTEST_GUILESS_MAIN(TestImpaginaFogli)
#include "TestImpaginaFogli.moc"
