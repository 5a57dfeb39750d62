// The layout: each candidate turn and orientation gridded, the sheets that meet the blank counted.
#include "fogli/ImpaginaFogli.h"

#include "fogli/CopertinaFogli.h"
#include "fogli/DisegnoFoglio.h"
#include "fogli/GeometriaFogli.h"

#include <algorithm>
#include <cmath>

namespace {
// A blank that fills whole sheets exactly must not get one more for the rounding of its extents.
constexpr double k_Tolleranza = 1e-9;

struct Griglia {
    double larghezza = 0, altezza = 0, sovrapposizione = 0;
    int colonne = 0, righe = 0;

    QRectF area(int colonna, int riga) const
    {
        return {colonna * (larghezza - sovrapposizione), riga * (altezza - sovrapposizione), larghezza, altezza};
    }
};

struct Prova {
    double rotazione = 0;
    OrientamentoFogli orientamento = OrientamentoFogli::Verticale;
    Griglia griglia;
    std::vector<char> stampati;
    int numeroStampati = 0;
};

bool valida(const std::vector<PuntoPiano> &contorno)
{
    return contorno.size() >= 3 && std::all_of(contorno.begin(), contorno.end(),
                                               [](PuntoPiano p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

double normalizzata(double gradi)
{
    double a = std::fmod(gradi, 360.0);
    if (a <= -180)
        a += 360;
    else if (a > 180)
        a -= 360;
    return a;
}

std::vector<double> rotazioniDaProvare(const std::vector<double> &direzioni)
{
    std::vector<double> rotazioni{0, 90};
    for (double d : direzioni)
        for (double r : {-d, 90 - d}) {
            const double a = normalizzata(r);
            if (std::none_of(rotazioni.begin(), rotazioni.end(),
                             [a](double b) { return std::fabs(a - b) < k_Tolleranza; }))
                rotazioni.push_back(a);
        }
    return rotazioni;
}

// Turned in the development's frame (y up), then read from the top-left with y down, so the paper
// shows the blank as the DXF does, not mirrored.
class Giro {
public:
    Giro(const std::vector<PuntoPiano> &contorno, double gradi)
        : c(std::cos(gradi * M_PI / 180)),
          s(std::sin(gradi * M_PI / 180))
    {
        for (const PuntoPiano &p : contorno) {
            minX = std::min(minX, c * p.x - s * p.y);
            maxY = std::max(maxY, s * p.x + c * p.y);
        }
    }

    QPointF operator()(PuntoPiano p) const { return {c * p.x - s * p.y - minX, maxY - (s * p.x + c * p.y)}; }

private:
    double c, s, minX = INFINITY, maxY = -INFINITY;
};

std::vector<QPointF> ruotata(const std::vector<PuntoPiano> &contorno, double gradi)
{
    const Giro giro(contorno, gradi);
    std::vector<QPointF> punti;
    punti.reserve(contorno.size());
    for (const PuntoPiano &p : contorno)
        punti.push_back(giro(p));
    return punti;
}

// The corners and generators on the turned outline.
void segniRuotati(ImpaginazioneFogli &r, const SagomaFogli &sagoma)
{
    const Giro giro(sagoma.contorno, r.rotazione);
    for (const LetteraAngolo &a : sagoma.angoli)
        r.angoli.push_back({giro(a.punto), a.lettera});
    for (const auto &[ab, cd] : sagoma.generatori)
        r.generatori.emplace_back(giro(ab), giro(cd));
}

// Sheets along one side, as a double so an absurd blank is refused before any count overflows.
double fogliLungo(double estensione, double lato, double sovrapposizione)
{
    if (estensione <= lato + k_Tolleranza)
        return 1;
    return std::ceil((estensione - lato) / (lato - sovrapposizione) - k_Tolleranza) + 1;
}

// Cells crossed by the outline, found per segment among the cells its extent reaches; then the
// untouched cells lying wholly inside the material.
std::vector<char> fogliToccati(const std::vector<QPointF> &sagoma, const Griglia &g)
{
    std::vector<char> toccati(std::size_t(g.colonne) * std::size_t(g.righe), 0);
    const double passoX = g.larghezza - g.sovrapposizione, passoY = g.altezza - g.sovrapposizione;
    const auto primo = [](double minimo, double lato, double passo) {
        return std::max(0, int(std::ceil((minimo - lato) / passo)));
    };
    const auto ultimo = [](double massimo, double passo, int quanti) {
        return std::min(quanti - 1, int(std::floor(massimo / passo)));
    };
    for (std::size_t i = 0; i < sagoma.size(); ++i) {
        const QPointF a = sagoma[i], b = sagoma[(i + 1) % sagoma.size()];
        const int c0 = primo(std::min(a.x(), b.x()), g.larghezza, passoX);
        const int c1 = ultimo(std::max(a.x(), b.x()), passoX, g.colonne);
        const int r0 = primo(std::min(a.y(), b.y()), g.altezza, passoY);
        const int r1 = ultimo(std::max(a.y(), b.y()), passoY, g.righe);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c) {
                char &cella = toccati[std::size_t(r) * std::size_t(g.colonne) + std::size_t(c)];
                if (!cella && TagliaSegmento(a, b, g.area(c, r)))
                    cella = 1;
            }
    }
    for (int r = 0; r < g.righe; ++r)
        for (int c = 0; c < g.colonne; ++c) {
            char &cella = toccati[std::size_t(r) * std::size_t(g.colonne) + std::size_t(c)];
            if (!cella)
                cella = DentroContorno(sagoma, g.area(c, r).center());
        }
    return toccati;
}

// The drawing area as it runs on a sheet of that orientation: portrait puts the short side across.
QSizeF areaFoglio(const CartaFogli &carta, OrientamentoFogli o)
{
    const double corto = std::min(carta.larghezza, carta.altezza), lungo = std::max(carta.larghezza, carta.altezza);
    return o == OrientamentoFogli::Verticale ? QSizeF(corto, lungo) : QSizeF(lungo, corto);
}

std::vector<OrientamentoFogli> orientamentiAmmessi(const CartaFogli &carta)
{
    std::vector<OrientamentoFogli> ammessi;
    const QSizeF minimo = MinimoFoglio(carta.sovrapposizione);
    for (OrientamentoFogli o : {OrientamentoFogli::Verticale, OrientamentoFogli::Orizzontale}) {
        const QSizeF area = areaFoglio(carta, o);
        const bool scelto = carta.orientamento == OrientamentoFogli::Automatico || carta.orientamento == o;
        if (scelto && area.width() >= minimo.width() && area.height() >= minimo.height() &&
            std::isfinite(area.width() + area.height()))
            ammessi.push_back(o);
    }
    return ammessi;
}

bool migliore(const Prova &nuova, const Prova &finora)
{
    if (nuova.numeroStampati != finora.numeroStampati)
        return nuova.numeroStampati < finora.numeroStampati;
    return nuova.griglia.righe < finora.griglia.righe;
}

ImpaginazioneFogli conErrore(ErroreFogli errore)
{
    ImpaginazioneFogli risultato;
    risultato.errore = errore;
    return risultato;
}

void componiFogli(ImpaginazioneFogli &r, const Prova &p)
{
    r.fogli.resize(std::size_t(r.colonne) * std::size_t(r.righe));
    int numero = 0;
    for (int riga = 0; riga < r.righe; ++riga)
        for (int colonna = 0; colonna < r.colonne; ++colonna) {
            const std::size_t i = std::size_t(riga) * std::size_t(r.colonne) + std::size_t(colonna);
            Foglio &f = r.fogli[i];
            f.colonna = colonna;
            f.riga = riga;
            f.etichetta = EtichettaFoglio(colonna, riga);
            f.stampato = p.stampati[i];
            f.numero = f.stampato ? ++numero : 0;
            f.intervallo = p.griglia.area(colonna, riga);
        }
    r.scaleInCopertina =
        std::none_of(r.fogli.begin(), r.fogli.end(), [&r](const Foglio &f) { return PostoPerScale(r, f); });
    r.copertina = DisegnaCopertina(r);
}
} // namespace

const Foglio *ImpaginazioneFogli::foglio(int colonna, int riga) const noexcept
{
    if (colonna < 0 || riga < 0 || colonna >= colonne || riga >= righe)
        return nullptr;
    return &fogli[std::size_t(riga) * std::size_t(colonne) + std::size_t(colonna)];
}

QString EtichettaFoglio(int colonna, int riga)
{
    QString lettere;
    for (int n = colonna + 1; n > 0; n = (n - 1) / 26)
        lettere.prepend(QChar(u'A' + (n - 1) % 26));
    return lettere + QString::number(riga + 1);
}

ImpaginazioneFogli ImpaginaFogli(const SagomaFogli &sagoma, const CartaFogli &carta,
                                 const IntestazioneFogli &intestazione)
{
    if (!valida(sagoma.contorno))
        return conErrore(ErroreFogli::SagomaVuota);
    if (!(carta.sovrapposizione >= 0 && carta.sovrapposizione <= k_SovrapposizioneMassima))
        return conErrore(ErroreFogli::SovrapposizioneNonValida);
    const auto orientamenti = orientamentiAmmessi(carta);
    if (orientamenti.empty())
        return conErrore(ErroreFogli::AreaTroppoPiccola);

    Prova scelta;
    std::vector<QPointF> sagomaScelta;
    bool trovata = false;
    for (double rotazione : rotazioniDaProvare(sagoma.direzioni)) {
        std::vector<QPointF> punti = ruotata(sagoma.contorno, rotazione);
        double larghezza = 0, altezza = 0;
        for (const QPointF &p : punti) {
            larghezza = std::max(larghezza, p.x());
            altezza = std::max(altezza, p.y());
        }
        for (OrientamentoFogli o : orientamenti) {
            Prova prova;
            prova.rotazione = rotazione;
            prova.orientamento = o;
            Griglia &g = prova.griglia;
            g.larghezza = areaFoglio(carta, o).width();
            g.altezza = areaFoglio(carta, o).height();
            g.sovrapposizione = carta.sovrapposizione;
            const double colonne = fogliLungo(larghezza, g.larghezza, g.sovrapposizione);
            const double righe = fogliLungo(altezza, g.altezza, g.sovrapposizione);
            if (!(colonne * righe <= k_FogliMassimi))
                continue;
            g.colonne = int(colonne);
            g.righe = int(righe);
            prova.stampati = fogliToccati(punti, g);
            prova.numeroStampati = int(std::count(prova.stampati.begin(), prova.stampati.end(), 1));
            if (!trovata || migliore(prova, scelta)) {
                scelta = std::move(prova);
                sagomaScelta = punti;
                trovata = true;
            }
        }
    }
    if (!trovata)
        return conErrore(ErroreFogli::TroppiFogli);

    ImpaginazioneFogli risultato;
    risultato.rotazione = scelta.rotazione;
    risultato.orientamento = scelta.orientamento;
    risultato.larghezzaFoglio = scelta.griglia.larghezza;
    risultato.altezzaFoglio = scelta.griglia.altezza;
    risultato.sovrapposizione = carta.sovrapposizione;
    risultato.colonne = scelta.griglia.colonne;
    risultato.righe = scelta.griglia.righe;
    risultato.stampati = scelta.numeroStampati;
    risultato.sagoma = std::move(sagomaScelta);
    segniRuotati(risultato, sagoma);
    risultato.legenda = sagoma.legenda;
    risultato.dati = sagoma.dati;
    risultato.intestazione = intestazione;
    if (!risultato.intestazione.data.isValid())
        risultato.intestazione.data = QDate::currentDate();
    componiFogli(risultato, scelta);
    return risultato;
}
