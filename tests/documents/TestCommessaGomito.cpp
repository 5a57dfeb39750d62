// An elbow as a job: its pieces meet along the same curves, and the job comes back from its file.
#include "documents/ArchivioCommessa.h"
#include "documents/FileCommessa.h"
#include "documents/PezziGomito.h"
#include "pieces/PezzoDelTronco.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {
double lunghezza(const BordoPezzo &bordo, int punti)
{
    const std::vector<PuntoPiano> p = bordo.Campioni(punti);
    double l = 0;
    for (std::size_t i = 1; i < p.size(); ++i)
        l += std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y);
    return l;
}

// A chord sum converges as 1/n² on a smooth curve: two densities extrapolate to its true length.
double lunghezzaVera(const BordoPezzo &bordo)
{
    const double grossa = lunghezza(bordo, 20001), fine = lunghezza(bordo, 40001);
    return (4 * fine - grossa) / 3;
}

// Where a generator at `phi` from the throat meets a cut, along the piece's axis: the elbow built
// in space, each cut a plane with its normal in the bend plane.
struct Taglio3D {
    double nx = 0, ny = 0, d = 0; // the plane n.p = d
};
struct Spicchio3D {
    double cx = 0, cy = 0, ax = 0, ay = 0; // a point of the axis, and its direction
    Taglio3D inizio, fine;
};

double lungoAsse(const Spicchio3D &s, const Taglio3D &t, double r, double phi)
{
    // The throat faces the bend's centre: minus the axis point's radial direction.
    const double nr = std::hypot(s.cx, s.cy);
    const double px = s.cx - r * std::cos(phi) * s.cx / nr, py = s.cy - r * std::cos(phi) * s.cy / nr;
    return (t.d - (px * t.nx + py * t.ny)) / (s.ax * t.nx + s.ay * t.ny);
}

// The pieces of a constant elbow laid out from its figures alone: joints on radial planes, each
// gore's axis tangent to the centre line at its middle, the end pieces square at their free ends.
std::vector<Spicchio3D> spicchi3D(const FigureGomito &g)
{
    const double rad = M_PI / 180, meta = g.Angolo * rad / (2 * (g.Pezzi - 1));
    auto radiale = [](double psi) { return Taglio3D{-std::sin(psi), std::cos(psi), 0}; };
    std::vector<Spicchio3D> spicchi;
    for (int i = 0; i < g.Pezzi; ++i) {
        const double psi = i == 0 ? 0 : i == g.Pezzi - 1 ? g.Angolo * rad : 2 * i * meta;
        Spicchio3D s{g.R * std::cos(psi), g.R * std::sin(psi), -std::sin(psi), std::cos(psi), {}, {}};
        s.inizio = i == 0 ? Taglio3D{s.ax, s.ay, (s.cx - g.Tratto * s.ax) * s.ax + (s.cy - g.Tratto * s.ay) * s.ay}
                          : radiale((2 * i - 1) * meta);
        s.fine = i == g.Pezzi - 1
                     ? Taglio3D{s.ax, s.ay, (s.cx + g.Tratto * s.ax) * s.ax + (s.cy + g.Tratto * s.ay) * s.ay}
                     : radiale((2 * i + 1) * meta);
        spicchi.push_back(s);
    }
    return spicchi;
}

GomitoCommessa riduzione()
{
    GomitoCommessa g;
    g.figure = {400, 250, 600, 90, 5, 100};
    g.cucitura = CucituraGomito::Dorso;
    g.sfalsata = true;
    return g;
}
} // namespace

class TestCommessaGomito : public QObject {
    Q_OBJECT

private slots:
    // Each piece is developed on its own; neighbours must still share the cut between them, or
    // the elbow would not close: the developed joint edges are the same space curve.
    void giuntiDellaRiduzione()
    {
        const auto commessa = CommessaDelGomito(QStringLiteral("Riduzione"), riduzione(), FigureSviluppo{});
        QVERIFY(commessa);
        const std::vector<PezzoGomito> gomito = PezziDelGomito(riduzione().figure);
        QCOMPARE(commessa->pezzi.size(), std::size_t(5));
        std::vector<Pezzo> pezzi;
        for (const SorgentePezzo &s : commessa->pezzi) {
            auto pezzo = PezzoDelTronco(s.tronco);
            QVERIFY(pezzo);
            pezzi.push_back(*pezzo);
        }
        for (std::size_t i = 0; i + 1 < pezzi.size(); ++i) {
            const BordoPezzo &verso = gomito[i].rovesciato ? pezzi[i].bordoAB : pezzi[i].bordoCD;
            const BordoPezzo &da = gomito[i + 1].rovesciato ? pezzi[i + 1].bordoCD : pezzi[i + 1].bordoAB;
            const double a = lunghezzaVera(verso), b = lunghezzaVera(da);
            QVERIFY2(
                std::fabs(a - b) < 1e-6,
                qPrintable(QStringLiteral("giunto %1: %2 contro %3").arg(i + 1).arg(a, 0, 'f', 9).arg(b, 0, 'f', 9)));
        }
        // Staggered seams from the back: the first on BD, the next on AC.
        QVERIFY(!ChiudeSuAC(commessa->pezzi[0].tronco));
        QVERIFY(ChiudeSuAC(commessa->pezzi[1].tronco));
    }

    // Against the elbow built in space: on the plate's mean surface, every point of both cut edges
    // of every piece stands where its generator meets that cut, and the blank is as wide as the
    // mean surface is round.
    void spicchiNelloSpazio()
    {
        GomitoCommessa gomito;
        gomito.figure = {300, 300, 450, 90, 4, 100};
        FigureSviluppo lamiera;
        lamiera.TestoSpessore = QStringLiteral("3");
        lamiera.Quote = QuoteLamiera::Esterne;
        const auto commessa = CommessaDelGomito(QStringLiteral("Gomito"), gomito, lamiera);
        QVERIFY(commessa);
        const double r = (300 - 3) / 2.0;
        const std::vector<Spicchio3D> spicchi = spicchi3D(gomito.figure);
        for (std::size_t i = 0; i < spicchi.size(); ++i) {
            const auto pezzo = PezzoDelTronco(commessa->pezzi[i].tronco);
            QVERIFY(pezzo);
            const std::vector<PuntoPiano> ab = pezzo->bordoAB.Campioni(2001), cd = pezzo->bordoCD.Campioni(2001);
            // The seam runs from A to C; across it the arc round the pipe from the throat.
            const double lx = cd.front().x - ab.front().x, ly = cd.front().y - ab.front().y;
            const double l = std::hypot(lx, ly), ux = lx / l, uy = ly / l;
            auto errore = [&](const std::vector<PuntoPiano> &bordo, const Taglio3D &taglio, double segno) {
                const Spicchio3D &s = spicchi[i];
                const double zero = lungoAsse(s, taglio, r, 0);
                double peggiore = 0;
                for (const PuntoPiano &p : bordo) {
                    const double dx = p.x - bordo.front().x, dy = p.y - bordo.front().y;
                    const double arco = std::fabs(dx * uy - dy * ux), alto = dx * ux + dy * uy;
                    const double atteso = segno * (lungoAsse(s, taglio, r, arco / r) - zero);
                    peggiore = std::max(peggiore, std::fabs(alto - atteso));
                }
                return peggiore;
            };
            const double l0 =
                lungoAsse(spicchi[i], spicchi[i].fine, r, 0) - lungoAsse(spicchi[i], spicchi[i].inizio, r, 0);
            QVERIFY2(std::fabs(l - std::fabs(l0)) < 1e-6, qPrintable(QString::number(l - std::fabs(l0))));
            // Either cut may be the base: the one that fits is the one the piece was developed from.
            const double diritto = std::max(errore(ab, spicchi[i].inizio, 1), errore(cd, spicchi[i].fine, 1));
            const double rovescio = std::max(errore(ab, spicchi[i].fine, -1), errore(cd, spicchi[i].inizio, -1));
            QVERIFY2(std::min(diritto, rovescio) < 1e-6,
                     qPrintable(QStringLiteral("pezzo %1: %2 / %3").arg(i + 1).arg(diritto).arg(rovescio)));
            const double largo = std::fabs((ab.back().x - ab.front().x) * uy - (ab.back().y - ab.front().y) * ux);
            QVERIFY(std::fabs(largo - 2 * M_PI * r) < 1e-6);
        }
    }

    // Through a real file: the elbow's figures come back to be edited, its pieces unchanged; a
    // .tnt cannot hold several pieces and is not written; pieces that no longer match are refused.
    void giroSuDisco()
    {
        FigureSviluppo lamiera;
        lamiera.TestoSpessore = QStringLiteral("2");
        lamiera.Quote = QuoteLamiera::Interne;
        lamiera.MaterialeLamiera = {QStringLiteral("Inox"), 7.93};
        const auto commessa = CommessaDelGomito(QStringLiteral("Gomito"), riduzione(), lamiera);
        QVERIFY(commessa);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("gomito.vorna"));
        QVERIFY(SalvaCommessa(percorso, *commessa));
        Commessa letta;
        QVERIFY(ApriCommessa(percorso, letta));
        QVERIFY(letta.gomito);
        QVERIFY(StessoContenuto(letta, *commessa));
        QCOMPARE(letta.gomito->figure.D2, 250.0);
        QCOMPARE(letta.pezzi.back().tronco.MaterialeLamiera.nome, QStringLiteral("Inox"));

        const QString tnt = cartella.filePath(QStringLiteral("gomito.tnt"));
        QVERIFY(!SalvaCommessa(tnt, letta));
        QVERIFY(!QFile::exists(tnt));

        QJsonObject radice = QJsonDocument::fromJson(CommessaInJson(letta)).object();
        QJsonObject gomito = radice.value(QStringLiteral("gomito")).toObject();
        gomito.insert(QStringLiteral("raggio"), 700);
        radice.insert(QStringLiteral("gomito"), gomito);
        Commessa rifiutata;
        QCOMPARE(CommessaDaJson(QJsonDocument(radice).toJson(), rifiutata),
                 QStringLiteral("i pezzi non corrispondono alle misure del gomito"));
        QVERIFY(rifiutata.pezzi.empty());
    }
};

QTEST_GUILESS_MAIN(TestCommessaGomito)
#include "TestCommessaGomito.moc"
