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
