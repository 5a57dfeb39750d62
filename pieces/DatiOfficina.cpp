// The rows of the workshop data, from the solid's closed forms and the developed outline.
#include "pieces/DatiOfficina.h"

#include "geometry/FacceConoObliquo.h"
#include "geometry/Lamiera.h"
#include "pieces/ContornoSviluppo.h"
#include "pieces/PiegheTronco.h"
#include "pieces/RettangoloMinimo.h"
#include "pieces/SolidoTroncato.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace {
constexpr int k_Millimetri = 2, k_Gradi = 3;

NumeroDati mm(double valore, const QString &nome = {}) { return {nome, valore, k_Millimetri}; }
NumeroDati gradi(double valore, const QString &nome = {}) { return {nome, valore, k_Gradi}; }
RigaDati numero(const QString &chiave, NumeroDati n) { return {chiave, QStringLiteral("%1"), {n}}; }

QString superficie(QuoteLamiera quote)
{
    switch (quote) {
    case QuoteLamiera::Interne:
        return QStringLiteral(" interno");
    case QuoteLamiera::Medie:
        return QStringLiteral(" medio");
    case QuoteLamiera::Esterne:
        break;
    }
    return QStringLiteral(" esterno");
}

RigaDati estremo(const QString &lato, const SolidoTroncato::Sezione &s)
{
    if (s.circolare)
        return {QStringLiteral("Estremo %1 (mm)").arg(lato),
                QStringLiteral("circolare Ø %1"),
                {mm(s.asseNelPiano, QStringLiteral("diametro"))}};
    return {QStringLiteral("Estremo %1 (mm)").arg(lato),
            QStringLiteral("ellittica %1 x %2"),
            {mm(std::max(s.asseNelPiano, s.asseTrasversale), QStringLiteral("asse maggiore")),
             mm(std::min(s.asseNelPiano, s.asseTrasversale), QStringLiteral("asse minore"))}};
}

RigaDati intervallo(const QString &chiave, double a, double b)
{
    return {chiave,
            QStringLiteral("%1 - %2"),
            {mm(std::min(a, b), QStringLiteral("minimo")), mm(std::max(a, b), QStringLiteral("massimo"))}};
}

// The chord joining the outer edge's two seam ends, and how far the edge rises from it.
void cordaEFreccia(const SolidoTroncato &solido, int taglio, double cSeam, std::vector<RigaDati> &righe)
{
    const double seno = solido.SenoSemiApertura();
    const double apertura = 2 * M_PI * seno;
    const double thetaSeam = cSeam < 0 ? M_PI : 0;
    const double rSeam = solido.DalVertice(taglio, cSeam);
    const auto altezza = [&](double psi) {
        return solido.DalVertice(taglio, std::cos(thetaSeam + psi / seno)) * std::cos(psi - apertura / 2);
    };
    // A fine scan, then the best step refined by halving: the edge is smooth.
    constexpr int k_Passi = 4096;
    double migliore = 0, psiMigliore = 0;
    for (int i = 0; i <= k_Passi; ++i) {
        const double psi = apertura * i / k_Passi;
        if (const double h = altezza(psi); i == 0 || h > migliore) {
            migliore = h;
            psiMigliore = psi;
        }
    }
    for (double passo = apertura / k_Passi; passo > 1e-15 * apertura; passo /= 2) {
        for (double psi : {psiMigliore - passo, psiMigliore + passo})
            if (psi >= 0 && psi <= apertura && altezza(psi) > migliore) {
                migliore = altezza(psi);
                psiMigliore = psi;
            }
    }
    righe.push_back(numero(QStringLiteral("Corda del settore (mm)"), mm(2 * rSeam * std::sin(apertura / 2))));
    righe.push_back(numero(QStringLiteral("Freccia del settore (mm)"), mm(migliore - rSeam * std::cos(apertura / 2))));
}

void lamiera(const Pezzo &pezzo, std::vector<RigaDati> &righe)
{
    const auto campionato = CampionaPerTaglio(pezzo);
    if (!campionato)
        return;
    const RettangoloMinimo r = RettangoloMinimoDi(ContornoChiuso(campionato->profilo));
    righe.push_back({QStringLiteral("Lamiera minima (mm)"),
                     QStringLiteral("%1 x %2"),
                     {mm(r.larghezza, QStringLiteral("larghezza")), mm(r.altezza, QStringLiteral("altezza"))}});
    righe.push_back(
        numero(QStringLiteral("Lamiera minima, inclinazione del lato lungo (°)"), gradi(r.angolo * 180 / M_PI)));
}

// The blank's area (mm²) and, with a plate `spessore` mm thick, its material and weight.
void areaEPeso(double area, double spessore, const Materiale &m, std::vector<RigaDati> &righe)
{
    righe.push_back({QStringLiteral("Area (m²)"), QStringLiteral("%1"), {{QString(), area / 1e6, 4}}});
    if (!(spessore > 0))
        return;
    righe.push_back({QStringLiteral("Materiale"),
                     m.nome + QStringLiteral(", %1 kg/dm³"),
                     {{QStringLiteral("densita"), m.densita, 2}}});
    // mm² x mm = 1e-6 dm³.
    righe.push_back(numero(QStringLiteral("Peso (kg)"), mm(area * spessore * m.densita * 1e-6)));
}

// An eccentric reducer: its figures, the developed radii or generators, the plate, the rolling
// radii at the seam and how far the outer face's ends are from round.
DatiOfficina datiObliquo(const Pezzo &pezzo, const FigureLegendaObliquo &o)
{
    const ConoObliquo &c = o.cono;
    const bool lamieraVera = c.Spessore > 0;
    const QString quote = lamieraVera ? superficie(c.Quote) : QString();
    const ConoObliquo media = SuperficieMedia(c);
    DatiOfficina dati;
    auto &righe = dati.righe;
    righe.push_back(numero(QStringLiteral("D1%1 (mm)").arg(quote), mm(c.D1)));
    righe.push_back(numero(QStringLiteral("D2%1 (mm)").arg(quote), mm(c.D2)));
    righe.push_back(numero(QStringLiteral("H (mm)"), mm(c.H)));
    righe.push_back(numero(QStringLiteral("Scostamento (mm)"), mm(c.Scostamento)));
    righe.push_back(numero(QStringLiteral("Cucitura (°)"), gradi(o.gradiCucitura)));
    if (lamieraVera) {
        righe.push_back(numero(QStringLiteral("D1 fibra media (mm)"), mm(media.D1)));
        righe.push_back(numero(QStringLiteral("D2 fibra media (mm)"), mm(media.D2)));
    }
    // Lengths from the apex and along the generators are extreme in the drawing plane.
    const auto lunghezza = [&](double teta) { return Modulo(PuntoCima(media, teta) - PuntoBase(media, teta)); };
    if (pezzo.settore) {
        const Vettore3 V = Apice(media);
        const double k = media.D2 / media.D1;
        const double r0 = Modulo(PuntoBase(media, 0) - V), rPi = Modulo(PuntoBase(media, M_PI) - V);
        righe.push_back(intervallo(QStringLiteral("Raggi dal vertice AB (mm)"), r0, rPi));
        righe.push_back(intervallo(QStringLiteral("Raggi dal vertice CD (mm)"), k * r0, k * rPi));
        righe.push_back(numero(QStringLiteral("Angolo del settore (°)"), gradi(pezzo.angoloSettore)));
    } else if (!pezzo.valori.cono) {
        // The section square to the generators, unrolled.
        const double larghezza = SviluppaConoObliquo(media, 0, 2).generatori.back().sviluppo;
        righe.push_back(numero(QStringLiteral("Larghezza sviluppata (mm)"), mm(larghezza)));
    }
    righe.push_back(intervallo(QStringLiteral("Generatrici (mm)"), lunghezza(0), lunghezza(M_PI)));
    lamiera(pezzo, righe);
    areaEPeso(AreaConoObliquo(media), c.Spessore, pezzo.valori.figure.MaterialeLamiera, righe);
    const double cucitura = o.gradiCucitura * M_PI / 180;
    righe.push_back({QStringLiteral("Raggi di calandratura sulla giunzione (mm)"),
                     QStringLiteral("lato AB %1; lato CD %2"),
                     {mm(RaggioTrasversale(media, cucitura, false), QStringLiteral("lato AB")),
                      mm(RaggioTrasversale(media, cucitura, true), QStringLiteral("lato CD"))}});
    if (lamieraVera) {
        const OvalizzazioneFacce facce = OvalizzazioneFacciaEsterna(c);
        for (const auto &[lato, o] : {std::pair{QStringLiteral("AB"), facce.base}, {QStringLiteral("CD"), facce.cima}})
            righe.push_back({QStringLiteral("Faccia esterna, estremo %1 (mm)").arg(lato),
                             QStringLiteral("Ø %1 - %2, fuori tondo %3"),
                             {mm(o.diametroMinimo, QStringLiteral("minimo")),
                              mm(o.diametroMassimo, QStringLiteral("massimo")),
                              {QStringLiteral("fuori tondo"), o.Scarto(), 3}}});
        righe.push_back({QStringLiteral("Nota"),
                         QStringLiteral("le facce interna ed esterna di un cono obliquo non sono esattamente coni: "
                                        "sviluppato sulla fibra media"),
                         {}});
    }
    return dati;
}

std::vector<RigaDati> righePieghe(const FigureSviluppo &f, bool cono)
{
    std::vector<RigaDati> righe;
    int k = 0;
    for (const Piega &p : PiegheDelTronco(f, f.Pieghe)) {
        ++k;
        RigaDati r{QStringLiteral("Piega %1").arg(k), {}, {}};
        if (cono) {
            r.modello = QStringLiteral("a %1°; AB (%2; %3) R %4; CD (%5; %6) R %7; piega %8°");
            r.numeri = {gradi(p.posizione, QStringLiteral("angolo sviluppato")),
                        mm(p.ab.x, QStringLiteral("x AB")),
                        mm(p.ab.y, QStringLiteral("y AB")),
                        mm(p.raggioAB, QStringLiteral("raggio AB")),
                        mm(p.cd.x, QStringLiteral("x CD")),
                        mm(p.cd.y, QStringLiteral("y CD")),
                        mm(p.raggioCD, QStringLiteral("raggio CD")),
                        gradi(p.angolo, QStringLiteral("angolo di piega"))};
        } else {
            r.modello = QStringLiteral("a %1 mm; AB (%2; %3); CD (%4; %5); piega %6°");
            r.numeri = {mm(p.posizione, QStringLiteral("distanza sviluppata")),
                        mm(p.ab.x, QStringLiteral("x AB")),
                        mm(p.ab.y, QStringLiteral("y AB")),
                        mm(p.cd.x, QStringLiteral("x CD")),
                        mm(p.cd.y, QStringLiteral("y CD")),
                        gradi(p.angolo, QStringLiteral("angolo di piega"))};
        }
        righe.push_back(r);
    }
    return righe;
}

QString scritto(const RigaDati &r, const FormatoLegenda &formato)
{
    QString testo = r.modello;
    QLocale locale = formato.locale;
    if (formato.pagina)
        locale.setNumberOptions(QLocale::DefaultNumberOptions);
    for (const NumeroDati &n : r.numeri)
        testo = testo.arg(formato.pagina ? locale.toString(n.valore, 'f', n.decimali)
                                         : QString::number(n.valore, 'f', n.decimali));
    return testo;
}

QJsonValue jsonRiga(const RigaDati &r, const FormatoLegenda &formato)
{
    if (r.numeri.empty())
        return r.modello;
    if (r.numeri.size() == 1 && r.modello == QLatin1String("%1"))
        return r.numeri.front().valore;
    QJsonObject o{{QStringLiteral("testo"), scritto(r, formato)}};
    for (const NumeroDati &n : r.numeri)
        o.insert(n.nome, n.valore);
    return o;
}
} // namespace

DatiOfficina DatiOfficinaDelPezzo(const Pezzo &pezzo)
{
    if (pezzo.valori.obliquo)
        return datiObliquo(pezzo, *pezzo.valori.obliquo);
    const FigureSviluppo &f = pezzo.valori.figure;
    const auto digitate = FigureDelLavoro(f, pezzo.settore);
    if (!digitate)
        return {};
    const bool lamieraVera = ConSpessore(f);
    const QString quote = lamieraVera ? superficie(f.Quote) : QString();
    DatiOfficina dati;
    auto &righe = dati.righe;
    righe.push_back(numero(QStringLiteral("D1%1 (mm)").arg(quote), mm(digitate->D1)));
    righe.push_back(numero(QStringLiteral("D2%1 (mm)").arg(quote), mm(digitate->D2)));
    righe.push_back(numero(QStringLiteral("H (mm)"), mm(digitate->H)));
    righe.push_back(numero(QStringLiteral("Taglio 1 (°)"), gradi(digitate->Taglio1)));
    righe.push_back(numero(QStringLiteral("Taglio 2 (°)"), gradi(digitate->Taglio2)));
    righe.push_back(numero(QStringLiteral("Semiapertura (°)"), gradi(SemiAperturaGradi(*digitate))));
    const FigureOfficina medie = FigureMedie(f, *digitate);
    if (lamieraVera) {
        righe.push_back(numero(QStringLiteral("D1 fibra media (mm)"), mm(medie.D1)));
        righe.push_back(numero(QStringLiteral("D2 fibra media (mm)"), mm(medie.D2)));
    }
    const SolidoTroncato solido(medie);
    for (int taglio : {1, 2}) {
        const SolidoTroncato::Sezione s = solido.SezioneTaglio(taglio);
        const QString lato = taglio == 1 ? QStringLiteral("AB") : QStringLiteral("CD");
        righe.push_back(estremo(lato, s));
        righe.push_back(numero(QStringLiteral("Perimetro %1 (mm)").arg(lato), mm(s.perimetro)));
    }
    // The seam: AC at theta = pi, BD at 0.
    const bool suAC = f.ChiudiAC.testo() == QLatin1String("T");
    const double cSeam = suAC ? -1 : 1;
    if (solido.Cono()) {
        righe.push_back(
            intervallo(QStringLiteral("Raggi dal vertice AB (mm)"), solido.DalVertice(1, -1), solido.DalVertice(1, 1)));
        righe.push_back(
            intervallo(QStringLiteral("Raggi dal vertice CD (mm)"), solido.DalVertice(2, -1), solido.DalVertice(2, 1)));
        righe.push_back(numero(QStringLiteral("Angolo del settore (°)"), gradi(360 * solido.SenoSemiApertura())));
        const int esterno = std::max(solido.DalVertice(1, -1), solido.DalVertice(1, 1)) >=
                                    std::max(solido.DalVertice(2, -1), solido.DalVertice(2, 1))
                                ? 1
                                : 2;
        cordaEFreccia(solido, esterno, cSeam, righe);
    } else {
        righe.push_back(numero(QStringLiteral("Larghezza sviluppata (mm)"), mm(M_PI * medie.D1)));
        righe.push_back(intervallo(QStringLiteral("Generatrici (mm)"), solido.Generatrice(-1), solido.Generatrice(1)));
    }
    lamiera(pezzo, righe);
    areaEPeso(solido.Area(), lamieraVera ? ValoreSpessore(f) : 0, f.MaterialeLamiera, righe);
    righe.push_back({QStringLiteral("Raggi di calandratura sulla giunzione %1 (mm)")
                         .arg(suAC ? QStringLiteral("AC") : QStringLiteral("BD")),
                     QStringLiteral("lato AB %1; lato CD %2"),
                     {mm(solido.Raggio(solido.Quota(1, cSeam)), QStringLiteral("lato AB")),
                      mm(solido.Raggio(solido.Quota(2, cSeam)), QStringLiteral("lato CD"))}});
    dati.pieghe = righePieghe(f, solido.Cono());
    if (!dati.pieghe.empty())
        righe.push_back({QStringLiteral("Pieghe"),
                         QStringLiteral("%1 a %2°"),
                         {{QStringLiteral("numero"), double(f.Pieghe), 0}, dati.pieghe.front().numeri.back()}});
    return dati;
}

QStringList RigheDati(const std::vector<RigaDati> &righe, const FormatoLegenda &formato)
{
    QStringList testi;
    for (const RigaDati &r : righe)
        testi << r.chiave + QStringLiteral(": ") + scritto(r, formato);
    return testi;
}

QStringList BloccoDatiOfficina(const DatiOfficina &dati, const FormatoLegenda &formato)
{
    if (dati.righe.empty())
        return {};
    return QStringList{QStringLiteral("Dati di officina")} + RigheDati(dati.righe, formato) +
           RigheDati(dati.pieghe, formato);
}

QJsonObject JsonDati(const DatiOfficina &dati)
{
    QJsonObject o;
    for (const RigaDati &r : dati.righe)
        o.insert(r.chiave, jsonRiga(r, {}));
    if (!dati.pieghe.empty()) {
        QJsonArray pieghe;
        for (const RigaDati &r : dati.pieghe)
            pieghe.append(jsonRiga(r, {}));
        o.insert(QStringLiteral("Tabella delle pieghe"), pieghe);
    }
    return o;
}
