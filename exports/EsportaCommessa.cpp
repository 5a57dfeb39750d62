// A job's pieces laid out in one DXF and listed in one CSV.
#include "exports/EsportaCommessa.h"

#include "exports/ContornoSviluppoAdattivo.h"
#include "exports/DimeDellaCommessa.h"
#include "exports/EsportaCsv.h"
#include "exports/PezzoDellaCommessa.h"
#include "exports/ScrittoreDxf.h"
#include "pieces/MisurePezzoGomito.h"

#include <algorithm>
#include <cmath>

namespace {
const QString k_LayerTaglio = QStringLiteral("TAGLIO");
const QString k_LayerTesti = QStringLiteral("TESTI");
const QString k_LayerGeneratrici = QStringLiteral("GENERATRICI");
constexpr double k_Altezza = 10;       // mm: legible on a whole elbow laid out
constexpr double k_Distanza = 30;      // mm between two blanks, for the torch and the text
constexpr double k_FinezzaDensa = 20;  // as for a single piece: chords nearly the longest allowed
constexpr double k_MargineStima = 1.5; // the sagitta estimate is close, not a bound

PuntoPiano sposta(PuntoPiano p, PuntoPiano di) { return {p.x + di.x, p.y + di.y}; }

// Towards the blank's middle by `quota` of the way: a label inside the material, off the cut.
PuntoPiano dentro(PuntoPiano p, PuntoPiano centro, double quota)
{
    return {p.x + (centro.x - p.x) * quota, p.y + (centro.y - p.y) * quota};
}
} // namespace

std::optional<std::vector<Pezzo>> PezziDellaCommessa(const Commessa &commessa)
{
    std::vector<Pezzo> pezzi;
    for (const SorgentePezzo &sorgente : commessa.pezzi) {
        auto pezzo = PezzoDellaSorgente(sorgente);
        if (!pezzo)
            return std::nullopt;
        pezzi.push_back(std::move(*pezzo));
    }
    return pezzi;
}

std::optional<QByteArray> DxfDeiPezzi(const std::vector<Pezzo> &pezzi, const OpzioniDxf &opzioni)
{
    ScrittoreDxf dxf;
    dxf.Layer(k_LayerTaglio, 1);
    dxf.Layer(k_LayerTesti, 5);
    if (opzioni.generatrici)
        dxf.Layer(k_LayerGeneratrici, 3);
    double x = 0;
    for (std::size_t i = 0; i < pezzi.size(); ++i) {
        const Pezzo &pezzo = pezzi[i];
        const auto campionato = CampionaPerTaglio(pezzo, k_TolleranzaDxf / k_FinezzaDensa);
        if (!campionato)
            return std::nullopt;
        const ContornoTaglio c =
            ContornoAdattivo(campionato->profilo, k_TolleranzaDxf, k_MargineStima * campionato->saetta, opzioni.archi);
        double minX = INFINITY, maxX = -INFINITY, minY = INFINITY, maxY = -INFINITY;
        for (const VerticeTaglio &v : c.vertici) {
            minX = std::min(minX, v.p.x);
            maxX = std::max(maxX, v.p.x);
            minY = std::min(minY, v.p.y);
            maxY = std::max(maxY, v.p.y);
        }
        // Arcs bulge past their vertices by at most their sagitta: the gap covers it.
        const PuntoPiano scarto{x - minX, -minY};
        std::vector<PuntoPiano> vertici;
        std::vector<double> bulge;
        for (const VerticeTaglio &v : c.vertici) {
            vertici.push_back(sposta(v.p, scarto));
            bulge.push_back(v.bulge);
        }
        dxf.PolilineaChiusa(vertici, k_LayerTaglio, bulge);
        if (opzioni.generatrici)
            for (const Generatrice &g : pezzo.generatrici)
                if (std::hypot(g.cd.x - g.ab.x, g.cd.y - g.ab.y) > 0)
                    dxf.Linea(sposta(g.ab, scarto), sposta(g.cd, scarto), k_LayerGeneratrici);
        const PuntoPiano centro = sposta({(minX + maxX) / 2, (minY + maxY) / 2}, scarto);
        dxf.Testo(TrimBlank(pezzo.valori.figure.Nome), centro, k_Altezza, true, k_LayerTesti);
        if (pezzo.valori.figure.Officina)
            if (const auto misure = MisureDelPezzoGomito(pezzo)) {
                dxf.Testo(QStringLiteral("gola"), dentro(sposta(misure->puntoGola, scarto), centro, 0.2), k_Altezza,
                          true, k_LayerTesti);
                dxf.Testo(QStringLiteral("dorso"), dentro(sposta(misure->puntoDorso, scarto), centro, 0.2), k_Altezza,
                          true, k_LayerTesti);
            }
        x += maxX - minX + k_Distanza;
    }
    return dxf.Documento();
}

std::optional<StrisciaGomito> StrisciaDellaCommessa(const Commessa &commessa, const std::vector<Pezzo> &pezzi)
{
    if (!commessa.gomito || pezzi.empty() || pezzi.front().diametro <= 0)
        return std::nullopt;
    const FigureGomito &g = commessa.gomito->figure;
    const double diametro = pezzi.front().diametro;
    // Chords of the cosine wave within the tolerance: its sagitta is about a k² h² / 8.
    const double k = 2 / diametro, ampiezza = diametro / 2 * std::tan(g.Angolo * M_PI / 180 / (2 * (g.Pezzi - 1)));
    const double passo = std::sqrt(8 * k_TolleranzaDxf / std::max(ampiezza * k * k, 1e-12));
    const int punti = std::clamp(int(std::ceil(M_PI * diametro / passo)) + 1, 2, 100000);
    return StrisciaDelGomito(g, diametro, punti);
}

QByteArray DxfDellaStriscia(const StrisciaGomito &striscia)
{
    ScrittoreDxf dxf;
    dxf.Layer(k_LayerTaglio, 1);
    dxf.Layer(k_LayerTesti, 5);
    const double w = striscia.larghezza, l = striscia.lunghezza;
    dxf.PolilineaChiusa({{0, 0}, {w, 0}, {w, l}, {0, l}}, k_LayerTaglio);
    for (const std::vector<PuntoPiano> &taglio : striscia.tagli)
        dxf.PolilineaAperta(taglio, k_LayerTaglio);
    double inizio = 0;
    for (std::size_t i = 0; i <= striscia.tagli.size(); ++i) {
        const double fine = i < striscia.tagli.size() ? striscia.tagli[i][striscia.tagli[i].size() / 2].y : l;
        dxf.Testo(QStringLiteral("Pezzo %1").arg(i + 1), {w / 2, (inizio + fine) / 2}, k_Altezza, true, k_LayerTesti);
        inizio = fine;
    }
    return dxf.Documento();
}

QByteArray CsvDeiPezzi(const std::vector<Pezzo> &pezzi)
{
    QByteArray testo;
    for (std::size_t i = 0; i < pezzi.size(); ++i) {
        const QList<QByteArray> righe = TestoCsv(pezzi[i]).split('\n');
        for (qsizetype r = 0; r < righe.size(); ++r) {
            if (righe[r].isEmpty() || (r == 0 && i > 0))
                continue;
            testo += (r == 0 ? QByteArray("pezzo,") : QByteArray::number(qulonglong(i + 1)) + ',') + righe[r] + '\n';
        }
    }
    return testo;
}

EsitoScrittura ScriviPezziDellaCommessa(const FormatoEsportazione &formato, const Commessa &commessa,
                                        const OpzioniEsportazione &opzioni, const QString &percorso,
                                        const QString &origine, bool striscia)
{
    EsitoScrittura esito;
    esito.percorso = percorso;
    if (striscia) {
        const auto pezzi = formato.estensione == QLatin1String(".dxf") ? PezziDellaCommessa(commessa) : std::nullopt;
        const auto s = pezzi ? StrisciaDellaCommessa(commessa, *pezzi) : std::nullopt;
        if (!s) {
            esito.esito = EsitoEsportazione::Vietata;
            esito.motivo = QStringLiteral("perché la striscia annidata si esporta in DXF e solo per un gomito a "
                                          "diametro costante");
            return esito;
        }
        esito.esito = ScriviEsportazione(percorso, DxfDellaStriscia(*s), origine, &esito.motivo);
        return esito;
    }
    if (formato.estensione == QLatin1String(".pdf"))
        return ScriviPdfDellaCommessa(commessa, opzioni.pdf, percorso, origine);
    const bool dxf = formato.estensione == QLatin1String(".dxf"), csv = formato.estensione == QLatin1String(".csv");
    if (!dxf && !csv) {
        esito.esito = EsitoEsportazione::Vietata;
        esito.motivo = QStringLiteral("perché la commessa ha %1 pezzi e questo formato ne contiene uno solo")
                           .arg(commessa.pezzi.size());
        return esito;
    }
    const auto pezzi = PezziDellaCommessa(commessa);
    std::optional<QByteArray> testo;
    if (pezzi)
        testo = dxf ? DxfDeiPezzi(*pezzi, opzioni.dxf) : std::optional(CsvDeiPezzi(*pezzi));
    esito.esito = ScriviEsportazione(percorso, testo, origine, &esito.motivo);
    if (pezzi)
        esito.riepilogo = QStringLiteral("%1 pezzi").arg(pezzi->size());
    return esito;
}

EsitoScrittura ScriviPdfDellaCommessa(const Commessa &commessa, const OpzioniPdf &opzioni, const QString &percorso,
                                      const QString &origine, bool dime, std::optional<int> solo)
{
    EsitoScrittura esito;
    esito.percorso = percorso;
    esito.esito = EsitoEsportazione::DatiRifiutati;
    const auto pezzi = PezziDellaCommessa(commessa);
    if (!pezzi)
        return esito;
    auto elenco = dime ? DimeDaStampare(commessa) : PezziDaStampare(*pezzi);
    if (dime && !elenco) {
        esito.esito = EsitoEsportazione::Vietata;
        esito.motivo = QStringLiteral("perché le dime da avvolgere si fanno dei tagli di un gomito");
        return esito;
    }
    if (!elenco)
        return esito;
    if (solo)
        elenco = SoloIlPezzo(*elenco, *solo);
    const EsitoPdf scritto = EsportaPdf(*elenco, opzioni, percorso, origine, &esito.motivo);
    esito.esito = scritto.esito;
    esito.fogli = scritto.errore;
    if (scritto.esito == EsitoEsportazione::Ok)
        esito.riepilogo = QStringLiteral("%1 %2, %3 fogli")
                              .arg(elenco->size())
                              .arg(dime ? (elenco->size() == 1 ? QStringLiteral("dima") : QStringLiteral("dime"))
                                        : (elenco->size() == 1 ? QStringLiteral("pezzo") : QStringLiteral("pezzi")))
                              .arg(scritto.fogli);
    return esito;
}
