// The DXF text of a development: R12 structure, one closed outline, letters, legend, extents, locale.
#include "LettoreDxf.h"
#include "exports/EsportaDxf.h"
#include "geometry/Lamiera.h"
#include "pieces/PezzoDelTronco.h"

#include <QLocale>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {
constexpr double k_Giro = 314.159265;
constexpr double k_Altezza = 80;

// A square-cut cylinder's development by hand: a rectangle, two halves sharing their middle point.
ProfiloSviluppo rettangolo(int perMeta)
{
    ProfiloSviluppo p;
    const int punti = 2 * perMeta;
    for (int i = 0; i < punti; ++i) {
        const int passo = i < perMeta ? i : i - 1;
        const double x = k_Giro * passo / (punti - 2);
        p.bordoAB.push_back({x, 0});
        p.bordoCD.push_back({x, k_Altezza});
    }
    return p;
}

StatoSviluppo statoTubo(const QString &nome = QStringLiteral("Tubo"))
{
    StatoSviluppo s;
    s.Nome = nome;
    s.TestoAC = QStringLiteral("80.");
    s.TestoAB = QStringLiteral("100.");
    s.TestoBD = QStringLiteral("80.");
    s.TestoAlfa = QStringLiteral("90.");
    s.TestoBeta = QStringLiteral("90.");
    s.SommaAB = k_Giro;
    s.SommaCD = k_Giro;
    s.XC = 0;
    s.YC = 80;
    s.XD = 100;
    s.YD = 80;
    s.Diametro = 100;
    return s;
}

// The DXF of a state developed by hand, its edges sampled as `profilo`.
QByteArray dxfDi(const StatoSviluppo &s, const ProfiloSviluppo &profilo)
{
    return TestoDxf(PezzoDelloSviluppo(s, profilo), profilo);
}

PuntoPiano puntoDi(const EntitaDxf &e, int codiceX = 10)
{
    return {e.valore(codiceX).toDouble(), e.valore(codiceX + 10).toDouble()};
}

QList<EntitaDxf> diTipo(const QList<EntitaDxf> &entita, const QString &tipo)
{
    QList<EntitaDxf> scelte;
    for (const auto &e : entita)
        if (e.tipo == tipo)
            scelte.append(e);
    return scelte;
}

bool dentroRettangolo(PuntoPiano p) { return p.x >= 0 && p.x <= k_Giro && p.y >= 0 && p.y <= k_Altezza; }
} // namespace

class TestTestoDxf : public QObject {
    Q_OBJECT

private slots:
    void struttura()
    {
        const DocumentoDxf d = LeggiDxf(dxfDi(statoTubo(), rettangolo(31)));
        QVERIFY(d.valido);
        QCOMPARE(d.variabile(QStringLiteral("$ACADVER")).value(0).second, QStringLiteral("AC1009"));
        QCOMPARE(d.variabile(QStringLiteral("$INSUNITS")).value(0), qMakePair(70, QStringLiteral("4")));
        QCOMPARE(d.gruppi.last(), qMakePair(0, QStringLiteral("EOF")));
        QStringList layer;
        for (int i = 1; i < d.gruppi.size(); ++i)
            if (d.gruppi[i - 1] == qMakePair(0, QStringLiteral("LAYER")) && d.gruppi[i].first == 2)
                layer << d.gruppi[i].second;
        QVERIFY(layer.contains(QStringLiteral("TAGLIO")));
        QVERIFY(layer.contains(QStringLiteral("TESTI")));
        QVERIFY(d.gruppi.contains(qMakePair(2, QStringLiteral("CONTINUOUS"))));
        for (const auto &e : d.entita())
            QVERIFY2(QStringList({"POLYLINE", "VERTEX", "SEQEND", "TEXT"}).contains(e.tipo), qPrintable(e.tipo));
    }

    void contornoChiusoUnico()
    {
        const auto entita = LeggiDxf(dxfDi(statoTubo(), rettangolo(31))).entita();
        const auto polilinee = diTipo(entita, QStringLiteral("POLYLINE"));
        QCOMPARE(polilinee.size(), 1);
        QCOMPARE(polilinee[0].valore(8), QStringLiteral("TAGLIO"));
        QCOMPARE(polilinee[0].valore(70), QStringLiteral("1"));
        const auto vertici = diTipo(entita, QStringLiteral("VERTEX"));
        // A rectangle has four corners and straight edges, however densely it was sampled; it
        // runs counter-clockwise from A.
        QCOMPARE(vertici.size(), 4);
        auto vicino = [](PuntoPiano p, double x, double y) { return std::hypot(p.x - x, p.y - y) < 1e-6; };
        QVERIFY(vicino(puntoDi(vertici[0]), 0, 0));              // A
        QVERIFY(vicino(puntoDi(vertici[1]), k_Giro, 0));         // B
        QVERIFY(vicino(puntoDi(vertici[2]), k_Giro, k_Altezza)); // D, across the seam
        QVERIFY(vicino(puntoDi(vertici[3]), 0, k_Altezza));      // C, closing back to A
        for (const auto &v : vertici)
            QCOMPARE(v.valore(8), QStringLiteral("TAGLIO"));
        QCOMPARE(diTipo(entita, QStringLiteral("SEQEND")).size(), 1);
    }

    void lettereELegenda()
    {
        const auto testi = diTipo(LeggiDxf(dxfDi(statoTubo(), rettangolo(31))).entita(), QStringLiteral("TEXT"));
        QStringList contenuti;
        for (const auto &t : testi) {
            QCOMPARE(t.valore(8), QStringLiteral("TESTI"));
            QVERIFY2(!dentroRettangolo(puntoDi(t)), qPrintable(t.valore(1)));
            contenuti << t.valore(1);
        }
        QCOMPARE(contenuti.mid(0, 4), QStringList({"A", "B", "C", "D"}));
        // The legend, then the workshop data in columns beside it.
        QCOMPARE(contenuti.value(15), QStringLiteral("Dati di officina"));
        QCOMPARE(contenuti.mid(4, 11), QStringList({
                                           QStringLiteral("Cilindro: Tubo"),
                                           QStringLiteral("CA (mm): 80.00; AB: 100.00; BD: 80.00"),
                                           QStringLiteral("Alfa (°): 90.00; Beta: 90.00"),
                                           QStringLiteral("Scala 1:1, unità di misura: mm"),
                                           QStringLiteral("Somma AB, 62 corde (mm): 314.16"),
                                           QStringLiteral("Somma CD, 62 corde (mm): 314.16"),
                                           QStringLiteral("CD (mm): 100.00"),
                                           QStringLiteral("Bordo AB tracciato (mm): 314.16"),
                                           QStringLiteral("Bordo CD tracciato (mm): 314.16"),
                                           QStringLiteral("Diametro (mm): 100.00"),
                                           QStringLiteral("Tolleranza del contorno (mm): 0.005"),
                                       }));
        // Each letter sits beside its own corner.
        const PuntoPiano angoli[] = {{0, 0}, {k_Giro, 0}, {0, k_Altezza}, {k_Giro, k_Altezza}};
        for (int i = 0; i < 4; ++i) {
            const PuntoPiano p = puntoDi(testi[i], 11);
            QVERIFY(std::hypot(p.x - angoli[i].x, p.y - angoli[i].y) < 10);
        }
        // The legend reads top to bottom beside the outline.
        for (int i = 5; i < 15; ++i)
            QVERIFY(puntoDi(testi[i]).y < puntoDi(testi[i - 1]).y);
        for (int i = 4; i < testi.size(); ++i)
            QVERIFY(puntoDi(testi[i]).x > k_Giro);
    }

    void estensioniContengonoTutto()
    {
        const DocumentoDxf d = LeggiDxf(dxfDi(statoTubo(), rettangolo(31)));
        const auto min = d.variabile(QStringLiteral("$EXTMIN"));
        const auto max = d.variabile(QStringLiteral("$EXTMAX"));
        QCOMPARE(min.size(), 3);
        QCOMPARE(max.size(), 3);
        const double x0 = min[0].second.toDouble(), y0 = min[1].second.toDouble();
        const double x1 = max[0].second.toDouble(), y1 = max[1].second.toDouble();
        for (const auto &e : d.entita()) {
            if (e.tipo != QLatin1String("VERTEX") && e.tipo != QLatin1String("TEXT"))
                continue;
            const PuntoPiano p = puntoDi(e);
            QVERIFY(p.x >= x0 && p.x <= x1 && p.y >= y0 && p.y <= y1);
        }
        // Tight round the outline, its letters and the legend beside it.
        QVERIFY(x0 > -10);
        QVERIFY(y0 > -10);
        QVERIFY(y1 < k_Altezza + 10);
    }

    void numeriConPuntoInLocaleItaliano()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        const QByteArray testo = dxfDi(statoTubo(), rettangolo(31));
        QLocale::setDefault(QLocale::c());
        const QRegularExpression numero(QStringLiteral("^-?[0-9]+\\.[0-9]{6}$"));
        int contati = 0;
        for (const auto &g : LeggiDxf(testo).gruppi) {
            if (g.first < 10 || g.first > 59 || g.first == 9)
                continue;
            QVERIFY2(numero.match(g.second).hasMatch(), qPrintable(g.second));
            ++contati;
        }
        QVERIFY(contati > 3 * 4 + 4 * 15);
        QVERIFY(testo.contains("Somma AB, 62 corde (mm): 314.16"));
    }

    // The plate's line follows the true-size legend, with a point whatever the locale; the screen's
    // uses the locale's.
    void notaSpessore()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        StatoSviluppo s = statoTubo();
        s.TestoSpessore = QStringLiteral("2,50");
        s.Quote = QuoteLamiera::Medie;
        const auto testi = diTipo(LeggiDxf(dxfDi(s, rettangolo(31))).entita(), QStringLiteral("TEXT"));
        const QString schermo = NotaSpessore(s);
        QLocale::setDefault(QLocale::c());
        QStringList righe;
        for (const auto &t : testi)
            righe << t.valore(1);
        QVERIFY2(righe.contains(QStringLiteral("Spessore 2.5 mm, quote medie: sviluppo sulla fibra media")),
                 qPrintable(righe.join(QLatin1Char('|'))));
        QCOMPARE(schermo, QStringLiteral("Spessore 2,5 mm, quote medie: sviluppo sulla fibra media"));
    }

    void nomeConCaratteriDiControllo()
    {
        const DocumentoDxf d = LeggiDxf(dxfDi(statoTubo(QStringLiteral("a\nb\r0\tc")), rettangolo(31)));
        QVERIFY(d.valido);
        QVERIFY(d.gruppi.contains(qMakePair(1, QStringLiteral("Cilindro: a?b?0?c"))));
        QCOMPARE(d.gruppi.last(), qMakePair(0, QStringLiteral("EOF")));
    }

    // What a CAD reader would show differently: control codes after "%%", control characters after "^".
    void nomeConCodiciDiControllo_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("scritto");
        QTest::newRow("diameter and degree") << "Tubo %%c200 %%d"
                                             << "Tubo %%%%c200 %%%%d";
        QTest::newRow("lone percent kept") << "100% 50%c"
                                           << "100% 50%c";
        QTest::newRow("underline") << "%%u"
                                   << "%%%%u";
        QTest::newRow("three percent") << "a%%%b"
                                       << "a%%%%%%%b";
        QTest::newRow("four percent") << "%%%%"
                                      << "%%%%%%%%%%";
        QTest::newRow("character code") << "%%200"
                                        << "%%%%200";
        QTest::newRow("caret") << "^J a^ b^"
                               << "^ J a^  b^ ";
    }
    void nomeConCodiciDiControllo()
    {
        QFETCH(QString, nome);
        QFETCH(QString, scritto);
        const auto testi = diTipo(LeggiDxf(dxfDi(statoTubo(nome), rettangolo(31))).entita(), QStringLiteral("TEXT"));
        QCOMPARE(testi.value(4).valore(1), QStringLiteral("Cilindro: ") + scritto);
    }

    // The extents take in the name as shown, not as long as its escapes.
    void estensioniDelNomeMostrato()
    {
        ProfiloSviluppo piccolo; // so that the legend, not the outline, sets the right edge
        piccolo.bordoAB = {{0, 0}, {1, 0}};
        piccolo.bordoCD = {{0, 1}, {1, 1}};
        auto destra = [&piccolo](const QString &nome) {
            const DocumentoDxf d = LeggiDxf(dxfDi(statoTubo(nome), piccolo));
            return d.variabile(QStringLiteral("$EXTMAX")).value(0).second.toDouble();
        };
        QCOMPARE(destra(QString(40, QLatin1Char('%'))), destra(QString(40, QLatin1Char('x'))));
        QVERIFY(destra(QString(40, QLatin1Char('x'))) > destra(QStringLiteral("x")));
    }
};

QTEST_GUILESS_MAIN(TestTestoDxf)
#include "TestTestoDxf.moc"
