// The four plot routines: fitting, turning, placing, drawing order, letters, legend and twips.
#include "FiguraSintetica.h"

#include "plot/ErroreEsecuzione.h"
#include "plot/ElencoVisualizzazione.h"
#include "plot/StampaSviluppo.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

constexpr double k_Tolleranza = 1e-9;
constexpr double k_Sentinella = 12345.678; // slot 0 of every array must keep it

struct Esito {
    StatoSviluppo s;
    ElencoVisualizzazione disegno;
    int beep = 0;
};

void Stampa(Esito &e, const QString &routine, const FiguraSintetica &figura)
{
    PiattaformaFinta finta;
    Riempi(e.s, figura);
    for (ArrayPunti *a : {&e.s.XAB, &e.s.YAB, &e.s.XCD, &e.s.YCD})
        (*a)[0] = k_Sentinella;
    QVERIFY(EseguiRoutineStampa(routine, e.s, e.disegno));
    e.beep = finta.beep();
    VERIFICA_COPIONE(finta);
}

bool InPiedi(const QString &routine) { return routine.endsWith(QLatin1String("Verticale")); }

// Where the arrays handed over must be drawn: a standing figure a quarter turn round, then moved
// as a whole by (dx, dy).
struct Posa {
    bool inPiedi = false;
    double dx = 0, dy = 0;
    QPointF girato(double x, double y) const { return inPiedi ? QPointF(-y, x) : QPointF(x, y); }
    QPointF operator()(double x, double y) const { return girato(x, y) + QPointF(dx, dy); }
};

// The placement the page asks for: the AB edge's lowest point on the bottom line at 200 mm, the
// reference edge's right-most point at `destra`.
Posa PosaAttesa(const FiguraSintetica &f, const QString &routine, bool riferimentoAB, double destra)
{
    Posa posa{InPiedi(routine)};
    double bassoAB = -1e300, destraRif = -1e300;
    for (int k = 1; k <= 62; ++k) {
        bassoAB = std::max(bassoAB, posa.girato(f.XAB[k], f.YAB[k]).y());
        const QPointF rif = riferimentoAB ? posa.girato(f.XAB[k], f.YAB[k]) : posa.girato(f.XCD[k], f.YCD[k]);
        destraRif = std::max(destraRif, rif.x());
    }
    posa.dx = destra - destraRif;
    posa.dy = 200 - bassoAB;
    return posa;
}

const ElementoDisegno *TestoCheInizia(const ElencoVisualizzazione &disegno, const QString &inizio)
{
    for (const ElementoDisegno &e : disegno.elementi())
        if (e.tipo == ElementoDisegno::Tipo::Testo && e.testo.startsWith(inizio))
            return &e;
    return nullptr;
}

void VerificaLinea(const ElementoDisegno &linea, QPointF da, QPointF a)
{
    QCOMPARE(int(linea.tipo), int(ElementoDisegno::Tipo::Linea));
    QCOMPARE(linea.colore, k_BluScuro);
    QCOMPARE_VICINO(linea.x1, da.x(), k_Tolleranza);
    QCOMPARE_VICINO(linea.y1, da.y(), k_Tolleranza);
    QCOMPARE_VICINO(linea.x2, a.x(), k_Tolleranza);
    QCOMPARE_VICINO(linea.y2, a.y(), k_Tolleranza);
}

} // namespace

class TestStampaSviluppo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_locale = QLocale(); }
    void cleanup() { QLocale::setDefault(m_locale); }

    void adatta_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<FiguraSintetica>("figura");
        QTest::addColumn<int>("scala");
        QTest::newRow("lying cone fits") << k_StampaConoOrizzontale << Settore(150, 100, std::acos(-2.0 / 3)) << 1;
        QTest::newRow("just under the page") << k_StampaCilindroOrizzontale << Striscia(279.99, 199.99) << 1;
        QTest::newRow("exactly 280 wide") << k_StampaCilindroOrizzontale << Striscia(280, 100) << 2;
        QTest::newRow("exactly 200 high") << k_StampaCilindroOrizzontale << Striscia(100, 200) << 2;
        QTest::newRow("1000 wide") << k_StampaCilindroOrizzontale << Striscia(1000, 100) << 4;
        QTest::newRow("half ring 600 wide") << k_StampaConoOrizzontale << Settore(300, 200, M_PI) << 4;
        QTest::newRow("standing, 250 high") << k_StampaCilindroVerticale << Striscia(150, 250) << 1;
        QTest::newRow("standing, 200 across") << k_StampaCilindroVerticale << Striscia(200, 250) << 2;
        QTest::newRow("standing, 287 high") << k_StampaConoVerticale << Settore(400, 300, 0.8) << 2;
        QTest::newRow("last scale") << k_StampaCilindroOrizzontale << Striscia(280.0 * 16384 - 16, 10) << 16384;
    }
    void adatta()
    {
        QFETCH(QString, routine);
        QFETCH(FiguraSintetica, figura);
        QFETCH(int, scala);
        Esito e;
        StatoSviluppo vero;
        Riempi(vero, figura);
        Stampa(e, routine, figura);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(int(e.s.Scala), scala);
        QCOMPARE(e.beep, scala > 1 ? 1 : 0);
        // Halving by two is exact, so the refit measures exactly the reduced figure.
        QCOMPARE(e.s.Larghezza, vero.Larghezza / scala);
        QCOMPARE(e.s.Altezza, vero.Altezza / scala);
        const ElementoDisegno *legenda = TestoCheInizia(e.disegno, QStringLiteral("Scala 1:"));
        QVERIFY(legenda);
        QCOMPARE(legenda->testo, QStringLiteral("Scala 1:%1").arg(scala));
    }

    void disegno_data()
    {
        QTest::addColumn<QString>("routine");
        QTest::addColumn<FiguraSintetica>("figura");
        QTest::addColumn<bool>("riferimentoAB"); // the edge put against the right margin
        QTest::addColumn<double>("destra");      // where its right-most point lands
        QTest::addColumn<QList<double>>("lettere");
        const QList<double> sopra{-6, -6, -6, -6}, giuAB{1, 1, -6, -6}, giuBD{-6, 1, -6, 1};
        QTest::newRow("cone lying 250 x 150")
            << k_StampaConoOrizzontale << Settore(150, 100, std::acos(-2.0 / 3)) << true << 280.0 << sopra;
        QTest::newRow("cone standing, below zero")
            << k_StampaConoVerticale << Settore(150, 100, 0.6, -0.3) << true << 280.0 << giuAB;
        QTest::newRow("cone standing, above zero")
            << k_StampaConoVerticale << Settore(150, 100, 0.6, 0.2) << true << 280.0 - 150 * std::sin(0.2) << giuAB;
        QTest::newRow("cylinder lying") << k_StampaCilindroOrizzontale << Striscia(250, 120, -20) << true << 280.0
                                        << giuAB;
        QTest::newRow("cylinder standing, below zero")
            << k_StampaCilindroVerticale << Striscia(150, 250, -40) << false << 280.0 << giuBD;
        QTest::newRow("cylinder standing, above zero")
            << k_StampaCilindroVerticale << Striscia(150, 250, 30) << false << 250.0 << giuBD;
    }
    // Placement, drawing order, corner letters and the twips left behind.
    void disegno()
    {
        QFETCH(QString, routine);
        QFETCH(FiguraSintetica, figura);
        QFETCH(bool, riferimentoAB);
        QFETCH(double, destra);
        QFETCH(QList<double>, lettere);
        Esito e;
        Stampa(e, routine, figura);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(int(e.s.Scala), 1);
        QCOMPARE(e.beep, 0);
        const auto &el = e.disegno.elementi();
        QCOMPARE(int(el.size()), 122 + 2 + 4 + 7);
        const FiguraSintetica &f = figura;
        const Posa posa = PosaAttesa(f, routine, riferimentoAB, destra);
        const auto ab = [&](int k) { return posa(f.XAB[k], f.YAB[k]); };
        const auto cd = [&](int k) { return posa(f.XCD[k], f.YCD[k]); };
        double bassoAB = -1e9, destraRif = -1e9;
        for (int k = 1; k <= 61; ++k) {
            VerificaLinea(el[2 * (k - 1)], ab(k), ab(k + 1));
            VerificaLinea(el[2 * (k - 1) + 1], cd(k), cd(k + 1));
        }
        for (int k = 1; k <= 62; ++k) {
            bassoAB = std::max(bassoAB, ab(k).y());
            destraRif = std::max(destraRif, (riferimentoAB ? ab(k) : cd(k)).x());
        }
        VerificaLinea(el[122], ab(1), cd(1));
        VerificaLinea(el[123], ab(62), cd(62));
        QCOMPARE_VICINO(bassoAB, 200.0, k_Tolleranza);
        QCOMPARE_VICINO(destraRif, destra, k_Tolleranza);

        const QPointF angoli[] = {ab(1), ab(62), cd(1), cd(62)};
        for (int k = 0; k < 4; ++k) {
            const ElementoDisegno &lettera = el[124 + k];
            QCOMPARE(lettera.testo, QString(QLatin1Char("ABCD"[k])));
            QCOMPARE_VICINO(lettera.x1, angoli[k].x() - 1.0, k_Tolleranza);
            QCOMPARE_VICINO(lettera.y1, angoli[k].y() + lettere[k], k_Tolleranza);
        }
        const QString parola = figura.cono ? QStringLiteral("Cono: ") : QStringLiteral("Cilindro: ");
        QCOMPARE(el[128].testo, parola + QString(40, QLatin1Char(' ')));

        // Twips: the drawn positions at 56.7 a millimetre; slot 0 untouched.
        const double twips = 56.7;
        QCOMPARE_VICINO(e.s.XAB[1], angoli[0].x() * twips, 1e-6);
        QCOMPARE_VICINO(e.s.YAB[62], angoli[1].y() * twips, 1e-6);
        QCOMPARE_VICINO(e.s.XCD[1], angoli[2].x() * twips, 1e-6);
        QCOMPARE_VICINO(e.s.YCD[62], angoli[3].y() * twips, 1e-6);
        for (const ArrayPunti *a : {&e.s.XAB, &e.s.YAB, &e.s.XCD, &e.s.YCD})
            QCOMPARE((*a)[0], k_Sentinella);
    }

    // The lying cylinder goes against the right margin by its seam, the farther right of B and
    // D, even where another point of the strip lies farther right.
    void cilindroStesoPerLaCucitura_data()
    {
        QTest::addColumn<double>("xB");
        QTest::addColumn<double>("xD");
        QTest::newRow("D farther right") << 200.0 << 210.0;
        QTest::newRow("B farther right") << 215.0 << 190.0;
    }
    void cilindroStesoPerLaCucitura()
    {
        QFETCH(double, xB);
        QFETCH(double, xD);
        FiguraSintetica figura = Striscia(240, 120);
        figura.XAB[62] = xB;
        figura.XCD[62] = xD;
        Esito e;
        Stampa(e, k_StampaCilindroOrizzontale, figura);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(e.s.OffsetX, 280 - std::max(xB, xD));
        const auto &el = e.disegno.elementi();
        double bassoAB = -1e300;
        for (int k = 1; k <= 62; ++k)
            bassoAB = std::max(bassoAB, figura.YAB[k]);
        const Posa posa{false, 280 - std::max(xB, xD), 200 - bassoAB};
        VerificaLinea(el[123], posa(xB, figura.YAB[62]), posa(xD, figura.YCD[62]));
        QCOMPARE_VICINO(std::max(el[123].x1, el[123].x2), 280.0, k_Tolleranza);
    }

    void legenda_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QStringList>("righe");
        const QString nome = QStringLiteral("Cono: Rame") + QString(36, QLatin1Char(' '));
        QTest::newRow("italian") << QLocale(QLocale::Italian, QLocale::Italy)
                                 << QStringList{nome,
                                                "CA (mm): 120,50; AB: 1.234,50; BD: 0,00",
                                                "Alfa (°): 60,00; Beta: 45,50",
                                                "Scala 1:2",
                                                "Somma AB (mm): 1.234,57",
                                                "Somma CD (mm): 0,00",
                                                "CD (mm): 50,00"};
        QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates)
                                 << QStringList{nome,
                                                "CA (mm): 120.50; AB: 1,234.50; BD: 0.00",
                                                "Alfa (°): 60.00; Beta: 45.50",
                                                "Scala 1:2",
                                                "Somma AB (mm): 1,234.57",
                                                "Somma CD (mm): 0.00",
                                                "CD (mm): 50.00"};
    }
    void legenda()
    {
        QFETCH(QLocale, locale);
        QFETCH(QStringList, righe);
        QLocale::setDefault(locale);
        PiattaformaFinta finta;
        StatoSviluppo s;
        Riempi(s, Settore(150, 100, M_PI)); // 300 wide: drawn at 1:2, measured at true size
        s.Nome = QStringLiteral("Rame");
        s.TestoAC = QStringLiteral("120.5");
        s.TestoAB = QStringLiteral("1234.5");
        s.TestoBD = QStringLiteral("abc"); // not a number: shows as nought
        s.TestoAlfa = QStringLiteral("60");
        s.TestoBeta = QStringLiteral("45.5");
        s.SommaAB = 1234.567;
        s.SommaCD = 0.004;
        s.XC = 10, s.YC = 20, s.XD = 40, s.YD = 60;
        ElencoVisualizzazione disegno;
        Stampa_Cono_Lato_Orizzontale(s, disegno);
        const auto &el = disegno.elementi();
        QCOMPARE(int(el.size()), 135);
        for (int r = 0; r < 7; ++r) {
            QCOMPARE(el[128 + r].testo, righe[r]);
            QCOMPARE(el[128 + r].x1, 5.0);
            QCOMPARE(el[128 + r].y1, 7.0 * r);
        }
        VERIFICA_COPIONE(finta);
    }

    void eseguiRoutine_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("quale"); // -1: not a plot routine
        QTest::newRow("cone lying") << k_StampaConoOrizzontale << 0;
        QTest::newRow("cone standing") << k_StampaConoVerticale << 1;
        QTest::newRow("cylinder lying") << k_StampaCilindroOrizzontale << 2;
        QTest::newRow("cylinder standing") << k_StampaCilindroVerticale << 3;
        QTest::newRow("other case") << QStringLiteral("stampa_cono_lato_orizzontale") << -1;
        QTest::newRow("padded") << QStringLiteral("Stampa_Cono_Lato_Verticale ") << -1;
        QTest::newRow("empty") << QString() << -1;
    }
    void eseguiRoutine()
    {
        QFETCH(QString, nome);
        QFETCH(int, quale);
        using Routine = void (*)(StatoSviluppo &, SuperficieDisegno &);
        const Routine routine[] = {Stampa_Cono_Lato_Orizzontale, Stampa_Cono_Lato_Verticale,
                                   Stampa_Cilindro_Lato_Orizzontale, Stampa_Cilindro_Lato_Verticale};
        PiattaformaFinta finta;
        StatoSviluppo s, diretto;
        Riempi(s, Striscia(150, 120));
        Riempi(diretto, Striscia(150, 120));
        ElencoVisualizzazione disegno, atteso;
        QCOMPARE(EseguiRoutineStampa(nome, s, disegno), quale >= 0);
        if (quale >= 0)
            routine[quale](diretto, atteso);
        QCOMPARE(int(disegno.elementi().size()), int(atteso.elementi().size()));
        for (std::size_t k = 0; k < atteso.elementi().size(); ++k) {
            QCOMPARE(disegno.elementi()[k].x1, atteso.elementi()[k].x1);
            QCOMPARE(disegno.elementi()[k].y2, atteso.elementi()[k].y2);
            QCOMPARE(disegno.elementi()[k].testo, atteso.elementi()[k].testo);
        }
        QCOMPARE(s.XAB, diretto.XAB);
        VERIFICA_COPIONE(finta);
    }

    void fuoriScala_data()
    {
        const double inf = std::numeric_limits<double>::infinity();
        QTest::addColumn<FiguraSintetica>("figura");
        QTest::addColumn<bool>("puntoGuasto");
        QTest::newRow("280 x 16384 across") << Striscia(280.0 * 16384, 10) << false;
        QTest::newRow("ten kilometres") << Striscia(1e7, 10) << false;
        QTest::newRow("infinite width") << Striscia(inf, 10) << false;
        QTest::newRow("infinite height") << Striscia(100, inf) << false;
        QTest::newRow("NaN width") << Striscia(std::nan(""), 10) << false;
        QTest::newRow("one NaN point") << Striscia(100, 10) << true;
    }
    void fuoriScala()
    {
        QFETCH(FiguraSintetica, figura);
        QFETCH(bool, puntoGuasto);
        PiattaformaFinta finta;
        StatoSviluppo s;
        Riempi(s, figura);
        if (puntoGuasto)
            s.YAB[40] = std::nan("");
        ElencoVisualizzazione disegno;
        QVERIFY_THROWS_EXCEPTION(ErroreEsecuzione, Stampa_Cilindro_Lato_Orizzontale(s, disegno));
        QVERIFY(disegno.elementi().empty());
        QCOMPARE(finta.beep(), 0);
        VERIFICA_COPIONE(finta);
    }

private:
    QLocale m_locale;
};

QTEST_GUILESS_MAIN(TestStampaSviluppo)
#include "TestStampaSviluppo.moc"
