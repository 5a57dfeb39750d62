// Splitting and nesting checked against facts of their own: the frustum's lateral area, the seams'
// true lengths, plain point-to-segment distances on the placed outlines.
#include "plates/SceltaDivisione.h"

#include "geometry/TestiOfficina.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

namespace {
FigureSviluppo tronco(double d1, double d2, double h, double taglio1 = 0)
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("Prova");
    f.ImpostaChiusura(QStringLiteral("F"));
    ImpostaOfficina(f, {d1, d2, h, taglio1, 0});
    return f;
}

double puntoSegmento(PuntoPiano p, PuntoPiano a, PuntoPiano b)
{
    const double abx = b.x - a.x, aby = b.y - a.y, l2 = abx * abx + aby * aby;
    const double t = l2 > 0 ? std::clamp(((p.x - a.x) * abx + (p.y - a.y) * aby) / l2, 0.0, 1.0) : 0.0;
    return std::hypot(p.x - a.x - t * abx, p.y - a.y - t * aby);
}

double dalContorno(PuntoPiano p, const Poligono &c)
{
    double d = 1e300;
    for (size_t i = 0; i < c.size(); ++i)
        d = std::min(d, puntoSegmento(p, c[i], c[(i + 1) % c.size()]));
    return d;
}

// Vertex-to-side distances both ways: the least distance of two outlines that do not cross.
double distanza(const Poligono &a, const Poligono &b)
{
    double d = 1e300;
    for (const PuntoPiano &p : a)
        d = std::min(d, dalContorno(p, b));
    for (const PuntoPiano &p : b)
        d = std::min(d, dalContorno(p, a));
    return d;
}

// Whether any side of one crosses a side of the other.
bool siIncrociano(const Poligono &a, const Poligono &b)
{
    const auto giro = [](PuntoPiano o, PuntoPiano p, PuntoPiano q) {
        return (p.x - o.x) * (q.y - o.y) - (p.y - o.y) * (q.x - o.x) > 0;
    };
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < b.size(); ++j) {
            const PuntoPiano p = a[i], q = a[(i + 1) % a.size()], r = b[j], s = b[(j + 1) % b.size()];
            if (giro(p, q, r) != giro(p, q, s) && giro(r, s, p) != giro(r, s, q))
                return true;
        }
    return false;
}
} // namespace

class TestDivisione : public QObject {
    Q_OBJECT

private slots:
    void ricomposti_data()
    {
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<double>("h");
        QTest::addColumn<double>("taglio");
        QTest::newRow("tramoggia") << 2000.0 << 600.0 << 1500.0 << 0.0;
        QTest::newRow("cilindro") << 1200.0 << 1200.0 << 800.0 << 0.0;
        QTest::newRow("cono tagliato obliquo") << 1800.0 << 900.0 << 1200.0 << 15.0;
    }
    // Without gaps the pieces tile the blank: every vertex on its outline, every vertex of it kept,
    // the areas adding up to the frustum's lateral area.
    void ricomposti()
    {
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(double, h);
        QFETCH(double, taglio);
        const auto blank = BlankDelTronco(tronco(d1, d2, h, taglio));
        QVERIFY(blank);
        const auto pezzi = DividiLungoGeneratrici(blank->contorno, blank->settore, blank->generatrice, 3, 0, 1);
        QCOMPARE(pezzi.size(), size_t(3));
        double area = 0;
        for (const PezzoLamiera &p : pezzi) {
            QVERIFY(AreaConSegno(p.contorno) > 0);
            area += AreaConSegno(p.contorno);
            for (const PuntoPiano &q : p.contorno)
                QVERIFY(dalContorno(q, blank->contorno) < 1e-6);
        }
        for (const PuntoPiano &q : blank->contorno) {
            double vicino = 1e300;
            for (const PezzoLamiera &p : pezzi)
                for (const PuntoPiano &r : p.contorno)
                    vicino = std::min(vicino, std::hypot(q.x - r.x, q.y - r.y));
            QVERIFY(vicino < 1e-6);
        }
        QVERIFY(std::abs(area - AreaConSegno(blank->contorno)) < 1e-6 * area);
        if (taglio == 0) {
            const double laterale = M_PI * (d1 + d2) / 2 * std::hypot(h, (d1 - d2) / 2);
            QVERIFY2(std::abs(area - laterale) < 1e-5 * laterale, qPrintable(QString::number(area - laterale)));
        }
    }

    // Each seam edge moved by half the gap parallel to itself: the two sides of a seam stay the
    // gap apart along their whole length, and carry the same mark numbers.
    void luceCostante()
    {
        const double luce = 4;
        const auto blank = BlankDelTronco(tronco(2000, 600, 1500));
        QVERIFY(blank);
        const auto pezzi = DividiLungoGeneratrici(blank->contorno, true, {}, 3, luce, 1);
        for (size_t i = 0; i + 1 < pezzi.size(); ++i) {
            const Tacca *a = &pezzi[i].tacche.front(), *b = &pezzi[i + 1].tacche.front();
            // Piece i carries its upper seam's marks last, piece i + 1 its lower seam's first.
            a = &pezzi[i].tacche[pezzi[i].tacche.size() - 2];
            QCOMPARE(a[0].numero, b[0].numero);
            QCOMPARE(a[1].numero, b[1].numero);
            for (const Tacca *t : {&b[0], &b[1]})
                QVERIFY(std::abs(puntoSegmento(t->punto, a[0].punto, a[1].punto) - luce) < 1e-6);
            for (const Tacca *t : {&a[0], &a[1]})
                QVERIFY(std::abs(puntoSegmento(t->punto, b[0].punto, b[1].punto) - luce) < 1e-6);
        }
    }

    // A cylinder's trim: each piece grows by the allowance times its base and top edges (exact for
    // a cylinder), outward along the generators; its seams, their marks and its weld stay put.
    void sfridoSuBaseECima()
    {
        const double d = 1200, h = 800, sfrido = 7;
        const int parti = 3;
        Divisione senza{parti, 1, 4};
        const auto liscio = DividiTronco(tronco(d, d, h), senza);
        QVERIFY(liscio);
        const double bordo = M_PI * d / parti; // base and top edge of one piece, less its gaps
        for (const auto &[base, cima] : {std::pair{true, true}, std::pair{true, false}, std::pair{false, true}}) {
            Divisione con = senza;
            con.sfrido = sfrido;
            con.sfridoBase = base;
            con.sfridoCima = cima;
            const auto rifilato = DividiTronco(tronco(d, d, h), con);
            QVERIFY(rifilato);
            QCOMPARE(rifilato->saldaturaAggiunta, liscio->saldaturaAggiunta);
            for (size_t i = 0; i < rifilato->pezzi.size(); ++i) {
                const PezzoLamiera &a = liscio->pezzi[i], &b = rifilato->pezzi[i];
                const double lati = (base ? 1 : 0) + (cima ? 1 : 0);
                const double crescita = std::abs(AreaConSegno(b.contorno)) - std::abs(AreaConSegno(a.contorno));
                const double larghezza = bordo - (i == 0 || i + 1 == rifilato->pezzi.size() ? 2 : 4);
                QVERIFY2(std::abs(crescita - sfrido * lati * larghezza) < 1e-6 * larghezza,
                         qPrintable(QString::number(crescita - sfrido * lati * larghezza)));
                QCOMPARE(b.saldatura, a.saldatura);
                // The generators are square to the seams: the piece is `lati` allowances longer
                // along them and no wider across.
                const Riquadro ra = RiquadroDi(a.contorno), rb = RiquadroDi(b.contorno);
                QVERIFY(std::abs((rb.Altezza() + rb.Larghezza()) - (ra.Altezza() + ra.Larghezza()) - sfrido * lati) <
                        1e-6);
            }
        }
    }

    // Courses and generators: the weld added is the seams' true lengths, each generator seam the
    // slant height of its course, each joint between courses the circumference there.
    void saldatureVere()
    {
        const double d1 = 2000, d2 = 600, h = 1500;
        const auto diviso = DividiTronco(tronco(d1, d2, h), {3, 2, 0});
        QVERIFY(diviso);
        QCOMPARE(diviso->pezzi.size(), size_t(6));
        const double obliqua = std::hypot(h, (d1 - d2) / 2);
        const double attesa = 3 * obliqua + M_PI * (d1 + d2) / 2 - obliqua;
        QVERIFY2(std::abs(diviso->saldaturaAggiunta - attesa) < 0.01,
                 qPrintable(QString::number(diviso->saldaturaAggiunta - attesa)));
        double meta = 0;
        for (const PezzoLamiera &p : diviso->pezzi)
            meta += p.saldatura;
        QVERIFY(std::abs(meta - (attesa + obliqua - 2 * obliqua / 2)) < 0.01);
    }

    // Over a seeded set of cones and cylinders the best option's plates are checked by plain
    // distances, and compared with the bound total area / plate area.
    void lamiereControLimite()
    {
        QRandomGenerator caso(24);
        const RegoleAnnidamento regole{10, 10};
        double somma = 0, peggiore = 0;
        int provati = 0;
        for (int n = 0; n < 8; ++n) {
            const double d1 = 1000 + caso.bounded(19000);
            const double d2 = n % 2 ? d1 : d1 * (0.3 + 0.6 * caso.generateDouble());
            const double h = 500 + caso.bounded(2500);
            RichiestaDivisione richiesta;
            richiesta.divisione.luce = 2;
            richiesta.regole = regole;
            const auto opzioni = OpzioniDivisione(tronco(d1, d2, h), LamiereDiProva(), richiesta);
            if (opzioni.empty())
                continue;
            const OpzioneDivisione &o = opzioni.front();
            double area = 0;
            for (const LamieraPosata &l : o.lamiere) {
                std::vector<Poligono> posti;
                for (const PezzoPosato &p : l.pezzi)
                    posti.push_back(ContornoPosato(o.diviso.pezzi[size_t(p.pezzo)], p));
                for (size_t i = 0; i < posti.size(); ++i) {
                    area += AreaConSegno(posti[i]);
                    const Riquadro r = RiquadroDi(posti[i]);
                    QVERIFY(r.minX >= regole.margine - 1e-9 && r.minY >= regole.margine - 1e-9);
                    QVERIFY(r.maxX <= l.lamiera.larghezza - regole.margine + 1e-9);
                    QVERIFY(r.maxY <= l.lamiera.altezza - regole.margine + 1e-9);
                    for (size_t j = i + 1; j < posti.size(); ++j) {
                        QVERIFY(!siIncrociano(posti[i], posti[j]));
                        QVERIFY(distanza(posti[i], posti[j]) >= regole.kerf);
                    }
                }
            }
            const Lamiera &l = o.lamiere.front().lamiera;
            const double limite = std::ceil(area / (l.larghezza * l.altezza));
            const double rapporto = double(o.lamiere.size()) / limite;
            qInfo("D1 %.0f D2 %.0f H %.0f: %zu pezzi su %zu lamiere %s, limite %.0f, rapporto %.2f", d1, d2, h,
                  o.diviso.pezzi.size(), o.lamiere.size(), qPrintable(TestoMisura(l)), limite, rapporto);
            somma += rapporto;
            peggiore = std::max(peggiore, rapporto);
            ++provati;
        }
        QVERIFY(provati >= 4);
        qInfo("rapporto medio %.2f, peggiore %.2f su %d solidi", somma / provati, peggiore, provati);
    }

private:
    static std::vector<Lamiera> LamiereDiProva()
    {
        return {
            {2000, 1000, 0, {}}, {2500, 1250, 0, {}}, {3000, 1500, 0, {}}, {4000, 2000, 0, {}}, {6000, 2000, 0, {}}};
    }
};

QTEST_GUILESS_MAIN(TestDivisione)
#include "TestDivisione.moc"
