// The pieces of a split as the shop marks and rolls them: marks across the joint between courses
// found again on the blanks developed on their own, each piece's generators against the solid's
// slant height, and the last plate of an option on a smaller size.
#include "plates/ScritturaLamiere.h"
#include "plates/UsciteLamiere.h"
#include "plates/UscitePezzi.h"

#include "geometry/TestiOfficina.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <map>

namespace {
FigureSviluppo tronco(double d1, double d2, double h)
{
    FigureSviluppo f;
    f.Nome = QStringLiteral("Prova");
    f.ImpostaChiusura(QStringLiteral("F"));
    ImpostaOfficina(f, {d1, d2, h, 0, 0});
    return f;
}

// The distance of `p` along the exact arc of `bordo` (about the apex) from its first point;
// negative when off the arc.
double lungoIlBordo(PuntoPiano p, const std::vector<PuntoPiano> &bordo)
{
    const PuntoPiano a = bordo.front();
    const double raggio = std::hypot(a.x, a.y);
    if (std::abs(std::hypot(p.x, p.y) - raggio) > 1e-6)
        return -1;
    return raggio * std::abs(std::atan2(a.x * p.y - a.y * p.x, a.x * p.x + a.y * p.y));
}

double dalContorno(PuntoPiano p, const Poligono &c)
{
    double d = 1e300;
    for (size_t i = 0; i < c.size(); ++i) {
        const PuntoPiano a = c[i], b = c[(i + 1) % c.size()];
        const double l2 = (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
        const double t = std::clamp(((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / l2, 0.0, 1.0);
        d = std::min(d, std::hypot(a.x + t * (b.x - a.x) - p.x, a.y + t * (b.y - a.y) - p.y));
    }
    return d;
}

// Where the line through `p` along the unit `u` crosses the outline: the distances from `p`.
std::vector<double> incontri(PuntoPiano p, PuntoPiano u, const Poligono &c)
{
    std::vector<double> t;
    for (size_t i = 0; i < c.size(); ++i) {
        const PuntoPiano a = c[i], b = c[(i + 1) % c.size()];
        const double dx = b.x - a.x, dy = b.y - a.y, det = u.x * -dy - u.y * -dx;
        if (std::abs(det) < 1e-12)
            continue;
        const double rx = a.x - p.x, ry = a.y - p.y;
        const double s = (u.x * ry - u.y * rx) / det;
        if (s >= -1e-12 && s <= 1 + 1e-12)
            t.push_back((rx * -dy - ry * -dx) / det);
    }
    return t;
}
} // namespace

class TestPezziDivisi : public QObject {
    Q_OBJECT

private slots:
    // 2 courses x 3 pieces of the hopper, 4 mm gaps: a number across the joint sits once on the
    // lower course's top edge and once on the upper course's base edge, as far along each from
    // the closing generator, along the true arc; a number along generators stays on the two pieces of its seam.
    void taccheTraICorsi()
    {
        const FigureSviluppo figure = tronco(2000, 600, 1500);
        const auto diviso = DividiTronco(figure, {3, 2, 4});
        const auto corsi = CorsiDelTronco(figure, 2);
        QVERIFY(diviso && corsi);
        const auto sotto = BlankDelTronco((*corsi)[0]), sopra = BlankDelTronco((*corsi)[1]);
        QVERIFY(sotto && sopra);
        std::map<int, std::vector<std::pair<const PezzoLamiera *, const Tacca *>>> perNumero;
        for (const PezzoLamiera &p : diviso->pezzi)
            for (const Tacca &t : p.tacche)
                perNumero[t.numero].push_back({&p, &t});
        int traICorsi = 0;
        for (const auto &[numero, tacche] : perNumero) {
            const int primoCorso = tacche[0].first->corso;
            const bool stessoCorso = std::all_of(tacche.begin(), tacche.end(),
                                                 [primoCorso](const auto &t) { return t.first->corso == primoCorso; });
            if (stessoCorso) {
                QCOMPARE(tacche.size(), size_t(4));
                QCOMPARE(std::abs(tacche.front().first->parte - tacche.back().first->parte), 1);
                continue;
            }
            ++traICorsi;
            QCOMPARE(tacche.size(), size_t(2));
            const auto &basso = tacche[0].first->corso == 1 ? tacche[0] : tacche[1];
            const auto &alto = tacche[0].first->corso == 1 ? tacche[1] : tacche[0];
            QCOMPARE(alto.first->corso, 2);
            QCOMPARE(basso.first->parte, alto.first->parte);
            // Each mark sits half the gap into its piece along the generator: taken back to the joint.
            const auto sulGiunto = [](const Tacca *t) {
                return PuntoPiano{t->punto.x - t->versoInterno.x * 2, t->punto.y - t->versoInterno.y * 2};
            };
            const double a = lungoIlBordo(sulGiunto(basso.second), sotto->latoCD);
            const double b = lungoIlBordo(sulGiunto(alto.second), sopra->latoAB);
            QVERIFY2(a >= 0 && b >= 0, qPrintable(QString::number(numero)));
            QVERIFY2(std::abs(a - b) < 1e-6,
                     qPrintable(QStringLiteral("%1: %2 %3").arg(numero).arg(a, 0, 'g', 17).arg(a - b)));
        }
        QCOMPARE(traICorsi, 2 * 3);
    }

    // 2 courses x 3 pieces, 4 mm gap: along every generator the lower course's top edge and the
    // upper course's base edge stand half the gap off the uncut joint, into their own pieces;
    // the marks across the joint too, each pair at the same place along it.
    void luceTraICorsi_data()
    {
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::newRow("tramoggia") << 2000.0 << 600.0;
        QTest::newRow("cilindro") << 1200.0 << 1200.0;
    }
    void luceTraICorsi()
    {
        QFETCH(double, d1);
        QFETCH(double, d2);
        const double luce = 4, h = 1500;
        const FigureSviluppo figure = tronco(d1, d2, h);
        const auto diviso = DividiTronco(figure, {3, 2, luce});
        const auto corsi = CorsiDelTronco(figure, 2);
        QVERIFY(diviso && corsi);
        const auto sotto = BlankDelTronco((*corsi)[0]), sopra = BlankDelTronco((*corsi)[1]);
        QVERIFY(sotto && sopra);
        const bool settore = d1 != d2;
        // Off the joint, measured along the generator into the piece; and where along the joint.
        const auto dalGiunto = [&](PuntoPiano p, const std::vector<PuntoPiano> &giunto, PuntoPiano dentro) {
            if (settore) {
                const double r = std::hypot(giunto.front().x, giunto.front().y);
                return (std::hypot(p.x, p.y) - r) * (std::hypot(dentro.x, dentro.y) > r ? 1 : -1);
            }
            const PuntoPiano a = giunto.front(), b = giunto.back();
            const double l = std::hypot(b.x - a.x, b.y - a.y);
            const double d = ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / l;
            const double verso = (b.x - a.x) * (dentro.y - a.y) - (b.y - a.y) * (dentro.x - a.x);
            return verso > 0 ? d : -d;
        };
        const auto lungo = [&](PuntoPiano p, const std::vector<PuntoPiano> &giunto) {
            const PuntoPiano a = giunto.front(), b = giunto.back();
            if (settore)
                return std::hypot(a.x, a.y) * std::abs(std::atan2(a.x * p.y - a.y * p.x, a.x * p.x + a.y * p.y));
            return ((p.x - a.x) * (b.x - a.x) + (p.y - a.y) * (b.y - a.y)) / std::hypot(b.x - a.x, b.y - a.y);
        };
        std::map<int, std::vector<double>> posti;
        for (const PezzoLamiera &p : diviso->pezzi) {
            const Blank &corso = p.corso == 1 ? *sotto : *sopra;
            const std::vector<PuntoPiano> &giunto = p.corso == 1 ? corso.latoCD : corso.latoAB;
            const std::vector<PuntoPiano> &libero = p.corso == 1 ? corso.latoAB : corso.latoCD;
            // The piece's span across the generators, as seen from the joint.
            double da = 1e300, a = -1e300;
            for (const PuntoPiano &q : p.contorno) {
                const double x = lungo(q, giunto);
                da = std::min(da, x);
                a = std::max(a, x);
            }
            int provate = 0;
            // The arc's own points; a straight joint between them too.
            const int passi = settore ? 1 : 16;
            for (size_t k = 0; k + 1 < giunto.size(); ++k)
                for (int i = 0; i < passi; ++i) {
                    const double f = double(i) / passi;
                    const auto su = [&](const std::vector<PuntoPiano> &e) {
                        return PuntoPiano{e[k].x + f * (e[k + 1].x - e[k].x), e[k].y + f * (e[k + 1].y - e[k].y)};
                    };
                    const PuntoPiano q = su(giunto), r = su(libero);
                    const double x = lungo(q, giunto);
                    if (x < da + 10 || x > a - 10)
                        continue; // the side seams' corners
                    const double l = std::hypot(r.x - q.x, r.y - q.y);
                    const auto t = incontri(q, {(r.x - q.x) / l, (r.y - q.y) / l}, p.contorno);
                    QVERIFY(!t.empty());
                    const double primo = *std::min_element(t.begin(), t.end());
                    QVERIFY2(std::abs(primo - luce / 2) < 1e-6,
                             qPrintable(QStringLiteral("%1 %2: %3").arg(p.nome).arg(k).arg(primo, 0, 'g', 17)));
                    ++provate;
                }
            QVERIFY(provate >= 3);
            for (const Tacca &t : p.tacche) {
                if (t.numero < 2 * 3)
                    continue; // along generators
                QVERIFY2(std::abs(dalGiunto(t.punto, giunto, libero.front()) - luce / 2) < 1e-6,
                         qPrintable(QStringLiteral("%1 %2").arg(p.nome).arg(t.numero)));
                posti[t.numero].push_back(lungo(t.punto, giunto));
            }
        }
        QCOMPARE(posti.size(), size_t(2 * 3));
        for (const auto &[numero, dove] : posti) {
            QCOMPARE(dove.size(), size_t(2));
            QVERIFY2(std::abs(dove[0] - dove[1]) < 1e-6, qPrintable(QString::number(numero)));
        }
    }

    // Each generator of a piece runs from edge to edge of it, as long as the solid's slant height
    // there; the table written for the shop reads back the same.
    void generatriciDeiPezzi_data()
    {
        QTest::addColumn<double>("d1");
        QTest::addColumn<double>("d2");
        QTest::addColumn<int>("corsi");
        QTest::newRow("tramoggia in 2 corsi") << 2000.0 << 600.0 << 2;
        QTest::newRow("cilindro") << 1200.0 << 1200.0 << 1;
    }
    void generatriciDeiPezzi()
    {
        QFETCH(double, d1);
        QFETCH(double, d2);
        QFETCH(int, corsi);
        const double h = 1500, luce = 4;
        // Cut as long as the course's slant height less half the gap at the joint between courses.
        const double obliqua = std::hypot(h / corsi, (d1 - d2) / 2 / corsi) - (corsi > 1 ? luce / 2 : 0);
        OpzioneDivisione opzione;
        opzione.divisione = {3, corsi, luce};
        const auto diviso = DividiTronco(tronco(d1, d2, h), opzione.divisione);
        QVERIFY(diviso);
        opzione.diviso = *diviso;
        for (const PezzoLamiera &p : diviso->pezzi) {
            QVERIFY(p.generatrici.size() >= 20);
            for (const Generatrice &g : p.generatrici) {
                QVERIFY(dalContorno(g.ab, p.contorno) < 1e-6 && dalContorno(g.cd, p.contorno) < 1e-6);
                QVERIFY2(std::abs(std::hypot(g.cd.x - g.ab.x, g.cd.y - g.ab.y) - obliqua) < 1e-6, qPrintable(p.nome));
            }
        }

        QTemporaryDir dir;
        QVERIFY(!ScriviUsciteLamiere(opzione, dir.path(), {true, false}));
        for (const PezzoLamiera &p : diviso->pezzi) {
            QFile file(dir.filePath(NomeFileGeneratrici(p)));
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QList<QByteArray> righe = file.readAll().trimmed().split('\n');
            QCOMPARE(righe.size(), qsizetype(p.generatrici.size() + 1));
            for (qsizetype r = 1; r < righe.size(); ++r) {
                const QList<QByteArray> c = righe[r].trimmed().split(',');
                QCOMPARE(c.size(), qsizetype(6));
                const Generatrice &g = p.generatrici[size_t(r - 1)];
                QVERIFY(std::abs(c[1].toDouble() - g.ab.x) < 6e-4 && std::abs(c[2].toDouble() - g.ab.y) < 6e-4);
                QVERIFY(std::abs(c[3].toDouble() - g.cd.x) < 6e-4 && std::abs(c[4].toDouble() - g.cd.y) < 6e-4);
                QVERIFY(std::abs(c[5].toDouble() - obliqua) < 6e-4);
            }
        }
    }

    // The hopper on 6000 x 2000 and 3000 x 1500: an option of the larger size ends on a smaller
    // plate, every piece still placed once and inside its own plate, the usage over the plates'
    // real areas higher than on the larger size alone; the plate list written says each size.
    void ultimaLamieraPiuPiccola()
    {
        const Lamiera grande{6000, 2000, 0, {}}, piccola{3000, 1500, 0, {}};
        RichiestaDivisione richiesta;
        richiesta.divisione.luce = 2;
        const auto opzioni = OpzioniDivisione(tronco(2000, 600, 1500), {grande, piccola}, richiesta);
        const auto mista = std::find_if(opzioni.begin(), opzioni.end(), [&](const OpzioneDivisione &o) {
            return o.lamiere.size() > 1 && o.lamiere.back().lamiera.larghezza == piccola.larghezza;
        });
        QVERIFY(mista != opzioni.end());
        const OpzioneDivisione &o = *mista;
        std::vector<int> posati(o.diviso.pezzi.size(), 0);
        double area = 0;
        for (size_t n = 0; n < o.lamiere.size(); ++n) {
            const LamieraPosata &l = o.lamiere[n];
            const Lamiera &attesa = n + 1 < o.lamiere.size() ? grande : piccola;
            QCOMPARE(l.lamiera.larghezza, attesa.larghezza);
            QCOMPARE(l.lamiera.altezza, attesa.altezza);
            for (const PezzoPosato &p : l.pezzi) {
                ++posati[size_t(p.pezzo)];
                const Poligono c = ContornoPosato(o.diviso.pezzi[size_t(p.pezzo)], p);
                area += std::abs(AreaConSegno(c));
                for (const PuntoPiano &q : c)
                    QVERIFY(q.x >= 10 - 1e-9 && q.y >= 10 - 1e-9 && q.x <= l.lamiera.larghezza - 10 + 1e-9 &&
                            q.y <= l.lamiera.altezza - 10 + 1e-9);
            }
        }
        QVERIFY(std::all_of(posati.begin(), posati.end(), [](int n) { return n == 1; }));
        const double soloGrandi = 100 * area / (grande.larghezza * grande.altezza * o.lamiere.size());
        QVERIFY2(o.usoPercento > soloGrandi + 1,
                 qPrintable(QStringLiteral("%1 %2").arg(o.usoPercento).arg(soloGrandi)));

        QTemporaryDir dir;
        QVERIFY(!ScriviUsciteLamiere(o, dir.path()));
        QFile csv(dir.filePath(k_CsvLamiere));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> righe = csv.readAll().trimmed().split('\n');
        QCOMPARE(righe.size(), qsizetype(o.lamiere.size() + 2));
        const QList<QByteArray> ultima = righe[righe.size() - 2].trimmed().split(',');
        QCOMPARE(ultima[1].toDouble(), piccola.larghezza);
        QCOMPARE(ultima[2].toDouble(), piccola.altezza);
        qInfo("%s", qPrintable(RigaClassifica(int(mista - opzioni.begin()) + 1, o)));
    }
};

QTEST_GUILESS_MAIN(TestPezziDivisi)
#include "TestPezziDivisi.moc"
