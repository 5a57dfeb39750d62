// The ordinate table: its CSV against the solid built in space, the window's model against the arrays.
#include "exports/EsportaCsv.h"
#include "exports/ModelloOrdinate.h"
#include "exports/TabellaOrdinate.h"
#include "geometry/Lamiera.h"
#include "tests/geometry/Figure.h"
#include "tests/geometry/Solido3D.h"
#include "tests/support/PiattaformaFinta.h"

#include <QLocale>
#include <QTest>

#include <cmath>

namespace {
// Six decimals in the file.
constexpr double k_TolleranzaCsv = 1e-6;

StatoSviluppo figureDi(const Figure &f)
{
    StatoSviluppo s;
    ImpostaFigure(s, f);
    return s;
}
} // namespace

class TestTabellaOrdinate : public QObject {
    Q_OBJECT

private slots:
    void csvControIlSolido_data()
    {
        QTest::addColumn<Figure>("figura");
        QTest::newRow("cone") << Figure{"100", "150", "80", "70", "80", "T"};
        QTest::newRow("mirrored cone") << Figure{"80", "150", "100", "80", "65", "F"};
        QTest::newRow("oblique cylinder") << Figure{"300", "200", "200", "60", "120", "F"};
    }
    // Each generator's length as the solid in space has it, under an Italian locale too.
    void csvControIlSolido()
    {
        QFETCH(Figure, figura);
        PiattaformaFinta finta;
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const auto csv = CsvDelleFigure(figureDi(figura));
        QLocale::setDefault(QLocale::c());
        QVERIFY(csv);
        const QList<QByteArray> righe = csv->split('\n');
        QCOMPARE(righe[0], QByteArray("k,XAB (mm),YAB (mm),XCD (mm),YCD (mm),Generatore (mm)\r"));
        Solido3D solido(figura);
        for (int k = 1; k <= 62; ++k) {
            const QList<QByteArray> celle = righe[k].trimmed().split(',');
            QCOMPARE(celle.size(), 6);
            QCOMPARE(celle[0].toInt(), k);
            const double phi = Solido3D::PhiDelPunto(k, 31);
            const double atteso = solido.TaglioAB(phi) - solido.TaglioCD(phi);
            QVERIFY2(std::fabs(celle[5].toDouble() - std::fabs(atteso)) <= k_TolleranzaCsv,
                     qPrintable(QString::number(k)));
        }
        VERIFICA_COPIONE(finta);
    }

    // The window's model shows the arrays' rows, and copies what is selected.
    void modelloControGliArray()
    {
        PiattaformaFinta finta;
        const StatoSviluppo figure = figureDi({"60", "120", "60", "60", "60", "T"});
        StatoSviluppo s = figure;
        ProfiloSviluppo profilo;
        QVERIFY(SviluppoVero(s, 31, profilo));
        const auto tabella = TabellaDelleFigure(figure);
        QVERIFY(tabella);
        const ModelloOrdinate modello(*tabella);
        QCOMPARE(modello.rowCount(), 62);
        QCOMPARE(modello.columnCount(), 6);
        QCOMPARE(modello.headerData(5, Qt::Horizontal).toString(), QStringLiteral("Generatore (mm)"));
        for (int k = 1; k <= 62; ++k) {
            QCOMPARE(modello.Cella(k - 1, 0), QString::number(k));
            QCOMPARE(modello.Cella(k - 1, 1), QString::number(s.XAB[k], 'f', 2));
            QCOMPARE(modello.Cella(k - 1, 4), QString::number(s.YCD[k], 'f', 2));
            QCOMPARE(modello.Cella(k - 1, 5), QStringLiteral("60.00")); // a square cut: every generator 60
        }
        QCOMPARE(TestoSomme(*tabella), QStringLiteral("Somma AB (mm): %1    Somma CD (mm): %2")
                                           .arg(s.SommaAB, 0, 'f', 2)
                                           .arg(s.SommaCD, 0, 'f', 2));
        QCOMPARE(tabella->nome, QStringLiteral("Prova"));
        QCOMPARE(tabella->figure,
                 QStringLiteral("Cono - CA (mm): 60.00; AB: 120.00; BD: 60.00; Alfa (°): 60.00; Beta: 60.00"));
        const QModelIndexList scelte{modello.index(2, 5), modello.index(0, 0), modello.index(2, 0)};
        QCOMPARE(modello.TestoCopiato(scelte), QStringLiteral("k\tGeneratore (mm)\n1\t\n3\t60.00\n"));
        QCOMPARE(modello.TestoCopiato({}), QString());
        VERIFICA_COPIONE(finta);
    }

    // With a plate the window's table, its printout and the CSV carry both faces' generators and say
    // what was developed; the values are the faces' own developments.
    void modelloConSpessore()
    {
        PiattaformaFinta finta;
        StatoSviluppo figure = figureDi({"150", "200", "100", "60", "80", "F"});
        figure.TestoSpessore = QStringLiteral("10");
        figure.Quote = QuoteLamiera::Esterne;
        const auto tabella = TabellaDelleFigure(figure);
        const auto facce = GeneratoriDelleFacce(figure);
        QVERIFY(tabella && facce && tabella->facce);
        const ModelloOrdinate modello(*tabella);
        QCOMPARE(modello.columnCount(), 8);
        QCOMPARE(modello.headerData(7, Qt::Horizontal).toString(), QStringLiteral("GeneratoreEsterno (mm)"));
        for (int k = 1; k <= 62; k += 61) {
            QCOMPARE(modello.Cella(k - 1, 6), QString::number(facce->interna[std::size_t(k)], 'f', 2));
            QCOMPARE(modello.Cella(k - 1, 7), QString::number(facce->esterna[std::size_t(k)], 'f', 2));
        }
        QVERIFY(TestoSomme(*tabella).endsWith(NotaSpessore(figure)));
        const auto csv = CsvDelleFigure(figure);
        QVERIFY(csv && csv->startsWith(IntestazioneOrdinate(true).join(QLatin1Char(',')).toLatin1() + "\r\n"));
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestTabellaOrdinate)
#include "TestTabellaOrdinate.moc"
