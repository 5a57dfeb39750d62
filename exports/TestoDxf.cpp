// The DXF drawing of a development: the cutting outline, corner letters and legend, in mm.
#include "exports/EsportaDxf.h"

#include "pieces/ContornoSviluppo.h"
#include "pieces/DatiOfficina.h"
#include "pieces/PiegheTronco.h"
#include "exports/ContornoSviluppoAdattivo.h"
#include "exports/ScrittoreDxf.h"
#include "exports/TestoDxfPosti.h"
#include "platform/TestoNumerico.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
const QString k_LayerTaglio = QStringLiteral("TAGLIO");
const QString k_LayerTesti = QStringLiteral("TESTI");
const QString k_LayerGeneratrici = QStringLiteral("GENERATRICI");
const QString k_LayerPieghe = QStringLiteral("PIEGHE");
// The standard heights of technical lettering (mm): the largest one within a hundredth of the
// blank, so that a small blank keeps legible letters and a large one no huge ones.
constexpr double k_Altezze[] = {2.5, 3.5, 5, 7, 10};
constexpr double k_Interlinea = 1.6;
// A character's width over the height, generously: CAD fonts run wider than the writer's estimate
// of the extents, and the columns must not touch in any of them.
constexpr double k_LarghezzaCarattere = 1.0;

QString due(double valore) { return QString::number(valore, 'f', 2); }

// The smallest and largest distance of an edge from the apex: one figure for an exact arc.
QString raggi(const std::vector<PuntoPiano> &bordo)
{
    double minimo = INFINITY, massimo = 0;
    for (const PuntoPiano &p : bordo) {
        minimo = std::min(minimo, std::hypot(p.x, p.y));
        massimo = std::max(massimo, std::hypot(p.x, p.y));
    }
    if (bordo.empty())
        minimo = 0;
    return due(minimo) == due(massimo) ? due(minimo) : due(minimo) + QStringLiteral("-") + due(massimo);
}

// The true-size legend, then what the drawn outline itself measures.
QStringList legenda(const Pezzo &pezzo, const ProfiloSviluppo &p, const ContornoTaglio &c)
{
    QStringList righe = RigheLegenda(pezzo.valori);
    righe << QStringLiteral("Bordo AB tracciato (mm): ") + due(c.lunghezzaAB)
          << QStringLiteral("Bordo CD tracciato (mm): ") + due(c.lunghezzaCD);
    if (p.cono) {
        righe << QStringLiteral("Raggi dal vertice (mm): AB ") + raggi(p.bordoAB) + QStringLiteral("; CD ") +
                     raggi(p.bordoCD);
        righe << QStringLiteral("Angolo del settore (°): ") + due(pezzo.angoloSettore);
    } else {
        righe << QStringLiteral("Diametro (mm): ") + due(pezzo.diametro);
    }
    righe << QStringLiteral("Tolleranza del contorno (mm): ") + QString::number(c.tolleranza, 'f', 3) +
                 (c.archi > 0 ? QStringLiteral(", archi esatti") : QString());
    return righe;
}

double altezzaTesti(const RiquadroTesto &r)
{
    const double centesimo = 0.01 * std::max(r.maxX - r.minX, r.maxY - r.minY);
    double altezza = k_Altezze[0];
    for (double a : k_Altezze)
        if (a <= centesimo)
            altezza = a;
    return altezza;
}

void contorno(ScrittoreDxf &dxf, const ContornoTaglio &c)
{
    std::vector<PuntoPiano> vertici;
    std::vector<double> bulge;
    for (const VerticeTaglio &v : c.vertici) {
        vertici.push_back(v.p);
        bulge.push_back(v.bulge);
    }
    dxf.PolilineaChiusa(vertici, k_LayerTaglio, bulge);
}

// The generators, each once (the two halves share their middle one) and none of no length (a cut
// through the apex): a marking head would stop on it.
void generatrici(ScrittoreDxf &dxf, const Pezzo &pezzo)
{
    PuntoPiano primaA, primaB;
    bool prima = true;
    for (const Generatrice &g : pezzo.generatrici) {
        const PuntoPiano a = g.ab, b = g.cd;
        const bool ripetuta = !prima && Coincidono(a, primaA) && Coincidono(b, primaB);
        prima = false;
        if (Coincidono(a, b) || ripetuta)
            continue;
        dxf.Linea(a, b, k_LayerGeneratrici);
        primaA = a;
        primaB = b;
    }
}

// The press-brake's bend lines, for marking.
void pieghe(ScrittoreDxf &dxf, const std::vector<Piega> &linee)
{
    for (const Piega &p : linee)
        dxf.Linea(p.ab, p.cd, k_LayerPieghe);
}

// The workshop data in columns to the right of the legend, none taller than it.
void datiOfficina(ScrittoreDxf &dxf, const Pezzo &pezzo, const QStringList &legenda, PuntoPiano inizio, double altezza)
{
    const QStringList dati = BloccoDatiOfficina(DatiOfficinaDelPezzo(pezzo));
    const auto larghezza = [altezza](const QStringList &righe) {
        qsizetype caratteri = 0;
        for (const QString &r : righe)
            caratteri = std::max(caratteri, r.size());
        return double(caratteri) * altezza * k_LarghezzaCarattere;
    };
    const qsizetype perColonna = std::max<qsizetype>(legenda.size(), 1);
    double x = inizio.x + larghezza(legenda) + 2 * altezza;
    for (qsizetype primo = 0; primo < dati.size(); primo += perColonna) {
        const QStringList colonna = dati.mid(primo, perColonna);
        for (qsizetype i = 0; i < colonna.size(); ++i)
            dxf.Testo(colonna[i], {x, inizio.y - double(i) * k_Interlinea * altezza}, altezza, false, k_LayerTesti);
        x += larghezza(colonna) + 2 * altezza;
    }
}

// The corner letters outside the material, each clear of the outline and of the others; returns
// their boxes.
std::vector<RiquadroTesto> lettere(ScrittoreDxf &dxf, const std::vector<PuntoPiano> &denso, const ContornoTaglio &c,
                                   double altezza)
{
    std::vector<RiquadroTesto> occupati;
    const std::pair<const char *, PuntoPiano> angoli[] = {{"A", c.A}, {"B", c.B}, {"C", c.C}, {"D", c.D}};
    for (const auto &[lettera, angolo] : angoli) {
        const PuntoPiano posto = PostoLettera(denso, angolo, altezza, occupati);
        occupati.push_back(RiquadroLettera(posto, altezza));
        dxf.Testo(QLatin1String(lettera), posto, altezza, true, k_LayerTesti);
    }
    return occupati;
}
} // namespace

QByteArray TestoDxf(const Pezzo &pezzo, const ProfiloSviluppo &profilo, const OpzioniDxf &opzioni, double scartoDenso,
                    RiepilogoDxf *riepilogo)
{
    ScrittoreDxf dxf;
    dxf.Layer(k_LayerTaglio, 1);
    dxf.Layer(k_LayerTesti, 5);
    if (opzioni.generatrici)
        dxf.Layer(k_LayerGeneratrici, 3);
    const ContornoTaglio c = ContornoAdattivo(profilo, k_TolleranzaDxf, scartoDenso, opzioni.archi);
    contorno(dxf, c);
    if (opzioni.generatrici)
        generatrici(dxf, pezzo);
    const FigureSviluppo &figure = pezzo.valori.figure;
    if (const std::vector<Piega> linee = PiegheDelTronco(figure, figure.Pieghe); !linee.empty()) {
        dxf.Layer(k_LayerPieghe, 6);
        pieghe(dxf, linee);
    }
    const std::vector<PuntoPiano> denso = ContornoChiuso(profilo);
    RiquadroTesto tutto = RiquadroDei(denso);
    const double altezza = altezzaTesti(tutto);
    for (const RiquadroTesto &r : lettere(dxf, denso, c, altezza))
        tutto = {std::min(tutto.minX, r.minX), std::min(tutto.minY, r.minY), std::max(tutto.maxX, r.maxX),
                 std::max(tutto.maxY, r.maxY)};
    // Beside the blank and its letters, top lines level with their top.
    const QStringList righe = legenda(pezzo, profilo, c);
    for (int i = 0; i < righe.size(); ++i)
        dxf.Testo(righe[i], {tutto.maxX + 2 * altezza, tutto.maxY - altezza - i * k_Interlinea * altezza}, altezza,
                  false, k_LayerTesti);
    datiOfficina(dxf, pezzo, righe, {tutto.maxX + 2 * altezza, tutto.maxY - altezza}, altezza);
    if (riepilogo)
        *riepilogo = {int(c.vertici.size()), c.archi, c.tolleranza};
    return dxf.Documento();
}
