// Each sheet's display list: the outline pieces reassemble the blank, marks register, scales are true.
#include "SagomeDiProva.h"
#include "fogli/DisegnoFoglio.h"
#include "tests/geometry/Figure.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <algorithm>
#include <map>
#include <set>

namespace {
using Elementi = std::vector<ElementoDisegno>;

// A printed sheet's display list, drawn as the printout draws it.
Elementi elementi(const ImpaginazioneFogli &r, const Foglio &f) { return DisegnaFoglio(r, f).elementi(); }

double lunghezza(const ElementoDisegno &e) { return std::hypot(e.x2 - e.x1, e.y2 - e.y1); }

double distanzaDaSegmento(QPointF p, QPointF a, QPointF b)
{
    const QPointF d = b - a;
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - a, d) / l2, 0.0, 1.0) : 0;
    const QPointF q = a + t * d - p;
    return std::hypot(q.x(), q.y());
}

// The outline pieces of every printed sheet, moved back into template mm.
std::vector<QLineF> pezziNelModello(const ImpaginazioneFogli &r)
{
    std::vector<QLineF> pezzi;
    for (const Foglio &f : r.fogli)
        for (const ElementoDisegno &e : elementi(r, f))
            if (e.colore == k_BluScuro)
                pezzi.push_back(QLineF(e.x1, e.y1, e.x2, e.y2).translated(f.intervallo.topLeft()));
    return pezzi;
}

bool sulContorno(QPointF p, const std::vector<QPointF> &sagoma)
{
    for (std::size_t i = 0; i < sagoma.size(); ++i)
        if (distanzaDaSegmento(p, sagoma[i], sagoma[(i + 1) % sagoma.size()]) < 1e-6)
            return true;
    return false;
}

// Registration crosses inside `zona`, as their centres in template micrometres: the only 8 mm lines.
std::set<std::pair<long, long>> croci(const ImpaginazioneFogli &r, const Foglio &f, const QRectF &zona)
{
    std::set<std::pair<long, long>> centri;
    for (const ElementoDisegno &e : elementi(r, f)) {
        const QPointF c = QPointF((e.x1 + e.x2) / 2, e.y1) + f.intervallo.topLeft();
        if (e.tipo == ElementoDisegno::Tipo::Linea && e.colore == k_Nero && std::fabs(lunghezza(e) - 8) < 1e-9 &&
            e.y1 == e.y2 && zona.contains(c))
            centri.insert({std::lround(c.x() * 1000), std::lround(c.y() * 1000)});
    }
    return centri;
}

QStringList testi(const ImpaginazioneFogli &r, const Foglio &f)
{
    QStringList t;
    for (const ElementoDisegno &e : elementi(r, f))
        if (e.tipo == ElementoDisegno::Tipo::Testo)
            t << e.testo;
    return t;
}

// The half ring upside down on portrait sheets: 5 x 2, B1, C1 and E2 empty (see TestImpaginaFogli).
ImpaginazioneFogli semianello(double sovrapposizione = 10)
{
    return ImpaginaFogli(SagomaDelProfilo(sagome::settore(370, 400, 0, 180)),
                         {280, 200, OrientamentoFogli::Automatico, sovrapposizione});
}
} // namespace

class TestDisegnoFoglio : public QObject {
    Q_OBJECT

private slots:
    // Every point of the outline lies on some sheet's piece and every piece on the outline; dark blue
    // is the outline's alone, the rest grey or black, and nothing leaves the frame.
    void contornoRiassemblato_data()
    {
        QTest::addColumn<double>("sovrapposizione");
        QTest::newRow("10") << 10.0;
        QTest::newRow("nessuna") << 0.0;
        QTest::newRow("30") << 30.0;
    }
    void contornoRiassemblato()
    {
        QFETCH(double, sovrapposizione);
        const auto r = semianello(sovrapposizione);
        QCOMPARE(r.errore, ErroreFogli::Nessuno);
        for (const Foglio &f : r.fogli)
            for (const ElementoDisegno &e : elementi(r, f)) {
                QVERIFY(e.colore == k_Nero || e.colore == k_GrigioFogli ||
                        (e.colore == k_BluScuro && e.tipo == ElementoDisegno::Tipo::Linea));
                QVERIFY(QRectF(0, 0, r.larghezzaFoglio, r.altezzaFoglio).contains(QPointF(e.x1, e.y1)));
                QVERIFY(QRectF(0, 0, r.larghezzaFoglio, r.altezzaFoglio).contains(QPointF(e.x2, e.y2)));
            }
        const auto pezzi = pezziNelModello(r);
        for (const QLineF &pezzo : pezzi) {
            QVERIFY(sulContorno(pezzo.p1(), r.sagoma));
            QVERIFY(sulContorno(pezzo.p2(), r.sagoma));
        }
        for (std::size_t i = 0; i < r.sagoma.size(); ++i) {
            const QLineF lato(r.sagoma[i], r.sagoma[(i + 1) % r.sagoma.size()]);
            for (int k = 0; k <= 10; ++k) {
                const QPointF p = lato.pointAt(k / 10.0);
                QVERIFY2(std::any_of(pezzi.begin(), pezzi.end(),
                                     [p](const QLineF &q) { return distanzaDaSegmento(p, q.p1(), q.p2()) < 1e-6; }),
                         qPrintable(QStringLiteral("%1, %2 on no sheet").arg(p.x()).arg(p.y())));
            }
        }
    }

    // D2, the last printed: its own label and number, its range, the names of its printed
    // neighbours C2 and D1 but not of the empty E2; glue lines only towards those two.
    void testiEVicini()
    {
        const auto r = semianello();
        const Foglio &d2 = *r.foglio(3, 1);
        const QStringList t = testi(r, d2);
        QVERIFY(t.contains(QStringLiteral("D2")));
        QVERIFY(t.contains(QStringLiteral("foglio 7 di 7")));
        QVERIFY(t.contains(QString::fromUtf8("X 570–770 mm · Y 270–550 mm")));
        QVERIFY(t.contains(QStringLiteral("C2")));
        QVERIFY(t.contains(QStringLiteral("D1")));
        QVERIFY(!t.contains(QStringLiteral("E2")));

        const Elementi disegnoD2 = elementi(r, d2);
        const auto trattiA = [&](bool verticale, double dove) {
            return std::count_if(disegnoD2.begin(), disegnoD2.end(), [&](const ElementoDisegno &e) {
                return e.colore == k_GrigioFogli && lunghezza(e) <= 3 + 1e-9 &&
                       (verticale ? e.x1 == dove && e.x2 == dove : e.y1 == dove && e.y2 == dove);
            });
        };
        QVERIFY(trattiA(true, 10) > 0);   // towards C2
        QVERIFY(trattiA(false, 10) > 0);  // towards D1
        QCOMPARE(trattiA(true, 190), 0);  // E2 is not printed
        QCOMPARE(trattiA(false, 270), 0); // no row below
    }

    void testoIntervallo()
    {
        QCOMPARE(TestoIntervallo(QRectF(190, 0, 270, 187)), QString::fromUtf8("X 190–460 mm · Y 0–187 mm"));
    }

    // Two printed neighbours draw the same crosses at the same template points in their shared strip.
    void crociCombaciano()
    {
        const auto r = semianello();
        int coppie = 0;
        for (const Foglio &f : r.fogli)
            for (const auto &[dc, dr] : {std::pair{1, 0}, std::pair{0, 1}}) {
                const Foglio *vicino = r.foglio(f.colonna + dc, f.riga + dr);
                if (!f.stampato || !vicino || !vicino->stampato)
                    continue;
                const QRectF comune = f.intervallo.intersected(vicino->intervallo);
                const auto mie = croci(r, f, comune);
                QCOMPARE(mie.size(), std::size_t(3)); // both corners and the middle
                QCOMPARE(mie, croci(r, *vicino, comune));
                ++coppie;
            }
        QCOMPARE(coppie, 6); // D1-E1, A2-B2, B2-C2, C2-D2 across, A1-A2, D1-D2 down
    }

    // One bar along each axis, 100 mm, with a tick every mm and a longer one every 10.
    void barreDiScala()
    {
        const auto r = semianello();
        const Elementi e = elementi(r, *r.foglio(0, 0));
        for (bool orizzontale : {true, false}) {
            const auto barra = std::find_if(e.begin(), e.end(), [&](const ElementoDisegno &x) {
                return x.colore == k_Nero && std::fabs(lunghezza(x) - 100) < 1e-9 &&
                       (orizzontale ? x.y1 == x.y2 : x.x1 == x.x2);
            });
            QVERIFY(barra != e.end());
            std::vector<double> corte, lunghe;
            for (const ElementoDisegno &t : e) {
                const bool nasce = orizzontale ? t.y1 == barra->y1 && t.x1 == t.x2 : t.x1 == barra->x1 && t.y1 == t.y2;
                if (t.tipo != ElementoDisegno::Tipo::Linea || t.colore != k_Nero || !nasce || lunghezza(t) > 5)
                    continue;
                const double dove = orizzontale ? t.x1 - barra->x1 : t.y1 - barra->y1;
                (lunghezza(t) > 2 ? lunghe : corte).push_back(dove);
            }
            QCOMPARE(corte.size() + lunghe.size(), std::size_t(101));
            QCOMPARE(lunghe.size(), std::size_t(11));
            std::sort(lunghe.begin(), lunghe.end());
            for (std::size_t i = 0; i < lunghe.size(); ++i)
                QCOMPARE_VICINO(lunghe[i], 10.0 * double(i), 1e-9);
        }
    }

    // A real cone: its corner letters on the sheets they fall on, each generator's pieces numbered
    // where they leave a sheet, the title on every sheet; the cover tells the count and the legend
    // and shows nothing in the outline's colour.
    void segniETitoloDiUnCono()
    {
        PiattaformaFinta piattaforma;
        StatoSviluppo figure;
        ImpostaFigure(figure, {QStringLiteral("300"), QStringLiteral("500"), QStringLiteral("250"),
                               QStringLiteral("65"), QStringLiteral("75")});
        const auto sagoma = SagomaDelleFigure(figure);
        QVERIFY(sagoma);
        QCOMPARE(sagoma->generatori.size(), std::size_t(62));
        const IntestazioneFogli intestazione{QStringLiteral("Lexmark"), QStringLiteral("A4"), QDate(2026, 3, 9), {}};
        const auto r = ImpaginaFogli(*sagoma, {190, 277, OrientamentoFogli::Automatico, 10}, intestazione);
        QCOMPARE(r.errore, ErroreFogli::Nessuno);
        QCOMPARE(r.generatori.size(), std::size_t(62));
        const QString data = QString::fromUtf8("Taratura: Lexmark · carta A4 · 09/03/2026");

        std::map<QString, int> lettere;
        int titoli = 0;
        for (const Foglio &f : r.fogli) {
            if (!f.stampato)
                continue;
            const QStringList t = testi(r, f);
            // The title only where the sheet has room off the material; then whole.
            titoli += t.contains(QStringLiteral("Cono: Prova"));
            QCOMPARE(t.contains(data), t.contains(QStringLiteral("Cono: Prova")));
            for (const LetteraFoglio &a : r.angoli)
                if (t.contains(a.lettera))
                    QVERIFY2(f.intervallo.contains(a.punto),
                             qPrintable(a.lettera + QStringLiteral(" off ") + f.etichetta));
            for (const LetteraFoglio &a : r.angoli)
                lettere[a.lettera] += t.contains(a.lettera);
            // Each end of a grey piece cut at the frame carries its generator's number.
            for (const ElementoDisegno &e : elementi(r, f)) {
                if (e.colore != k_GrigioGeneratori)
                    continue;
                const auto g = std::find_if(r.generatori.begin(), r.generatori.end(), [&](const QLineF &l) {
                    const QLineF pezzo = QLineF(e.x1, e.y1, e.x2, e.y2).translated(f.intervallo.topLeft());
                    return distanzaDaSegmento(pezzo.p1(), l.p1(), l.p2()) < 1e-6 &&
                           distanzaDaSegmento(pezzo.p2(), l.p1(), l.p2()) < 1e-6;
                });
                QVERIFY(g != r.generatori.end());
                const bool taglio = e.x1 == 0 || e.y1 == 0 || e.x1 == r.larghezzaFoglio || e.y1 == r.altezzaFoglio;
                if (taglio)
                    QVERIFY(t.contains(QString::number(g - r.generatori.begin() + 1)));
            }
        }
        for (const char *lettera : {"A", "B", "C", "D"})
            QVERIFY2(lettere[QLatin1String(lettera)] >= 1, lettera);
        QVERIFY(titoli >= 1);

        QStringList copertina;
        for (const ElencoVisualizzazione &pagina : r.copertina)
            for (const ElementoDisegno &e : pagina.elementi()) {
                QVERIFY(e.colore != k_BluScuro);
                QVERIFY(QRectF(0, 0, r.larghezzaFoglio, r.altezzaFoglio).contains(QPointF(e.x1, e.y1)));
                if (e.tipo == ElementoDisegno::Tipo::Testo)
                    copertina << e.testo;
            }
        QVERIFY(copertina.contains(QStringLiteral("Sviluppo a grandezza naturale: %1 fogli da %2 x %3 mm")
                                       .arg(r.stampati)
                                       .arg(TestoMm(r.larghezzaFoglio), TestoMm(r.altezzaFoglio))));
        for (const QString &riga : sagoma->legenda)
            QVERIFY2(copertina.contains(riga), qPrintable(riga));
        QVERIFY(copertina.contains(data));
    }
};

QTEST_GUILESS_MAIN(TestDisegnoFoglio)
#include "TestDisegnoFoglio.moc"
