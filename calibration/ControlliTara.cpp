// Checks on a calibration's texts, with the exact messages the manager shows.
#include "calibration/ControlliTara.h"

#include "calibration/PlausibilitaTara.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <functional>
#include <vector>

namespace {
struct Zona {
    CampoTara campo;
    const char *tipo; // "nominale" or "reale"
    int numero;
    char asse;
};

// The twelve zone boxes in checking order: nominal X, measured X, nominal Y, measured Y.
const Zona k_zone[] = {
    {CampoTara::XNom1, "nominale", 1, 'X'}, {CampoTara::XNom2, "nominale", 2, 'X'},
    {CampoTara::XNom3, "nominale", 3, 'X'}, {CampoTara::XRea1, "reale", 1, 'X'},
    {CampoTara::XRea2, "reale", 2, 'X'},    {CampoTara::XRea3, "reale", 3, 'X'},
    {CampoTara::YNom1, "nominale", 1, 'Y'}, {CampoTara::YNom2, "nominale", 2, 'Y'},
    {CampoTara::YNom3, "nominale", 3, 'Y'}, {CampoTara::YRea1, "reale", 1, 'Y'},
    {CampoTara::YRea2, "reale", 2, 'Y'},    {CampoTara::YRea3, "reale", 3, 'Y'},
};

// "valore nominale nella zona 1 nella direzione X"
QString descrizione(const Zona &z)
{
    return QStringLiteral("valore %1 nella zona %2 nella direzione %3")
        .arg(QLatin1String(z.tipo))
        .arg(z.numero)
        .arg(QLatin1Char(z.asse));
}

QString soggetto(const Zona &z) { return QStringLiteral("Il ") + descrizione(z); }

const Zona &zona(CampoTara campo)
{
    for (const Zona &z : k_zone)
        if (z.campo == campo)
            return z;
    return k_zone[0];
}

// One check: the message to show when it fails, or an empty text.
using Controllo = std::function<QString(const RecordTara &)>;

double valore(const RecordTara &t, CampoTara c) { return ValoreNumerico(Campo(t, c)); }

void aggiungiPresenza(std::vector<Controllo> &controlli)
{
    controlli.push_back([](const RecordTara &t) {
        return t.NomeTara.isEmpty() ? QStringLiteral("Indicare il tipo di stampante") : QString();
    });
    for (const Zona &z : k_zone)
        controlli.push_back([&z](const RecordTara &t) {
            return Campo(t, z.campo).isEmpty() ? QStringLiteral("Manca il ") + descrizione(z) : QString();
        });
}

void aggiungiNumeri(std::vector<Controllo> &controlli)
{
    for (const Zona &z : k_zone)
        controlli.push_back([&z](const RecordTara &t) {
            return ENumerico(Campo(t, z.campo)) ? QString() : soggetto(z) + QStringLiteral(" deve essere un numero");
        });
    for (const auto &[campo, nome] : {std::pair{CampoTara::ShiftX, "ShiftX"}, std::pair{CampoTara::ShiftY, "ShiftY"}})
        controlli.push_back([campo = campo, nome = nome](const RecordTara &t) {
            return ENumerico(Campo(t, campo)) ? QString()
                                              : QLatin1String(nome) + QStringLiteral(" deve essere un numero");
        });
}

void aggiungiIntervalli(std::vector<Controllo> &controlli)
{
    for (const Zona &z : k_zone)
        controlli.push_back([&z](const RecordTara &t) {
            return valore(t, z.campo) < 0 ? soggetto(z) + QStringLiteral(" deve essere positivo") : QString();
        });
    for (const auto &[campo, limite] : {std::pair{CampoTara::XNom3, 280}, std::pair{CampoTara::XRea3, 280},
                                        std::pair{CampoTara::YNom3, 200}, std::pair{CampoTara::YRea3, 200}})
        controlli.push_back([campo = campo, limite = limite](const RecordTara &t) {
            return valore(t, campo) > limite
                       ? soggetto(zona(campo)) + QStringLiteral(" deve essere <= %1 mm").arg(limite)
                       : QString();
        });
}

void aggiungiOrdine(std::vector<Controllo> &controlli)
{
    // Each zone box after the first of its row must not lie below the one before it.
    for (std::size_t i = 0; i < std::size(k_zone); ++i) {
        if (k_zone[i].numero == 1)
            continue;
        const Zona &dopo = k_zone[i];
        const Zona &prima = k_zone[i - 1];
        controlli.push_back([&dopo, &prima](const RecordTara &t) {
            return valore(t, dopo.campo) - valore(t, prima.campo) < 0
                       ? soggetto(dopo) +
                             QStringLiteral(" deve essere maggiore di quello nella zona %1").arg(prima.numero)
                       : QString();
        });
    }
}

void aggiungiShift(std::vector<Controllo> &controlli)
{
    struct Limite {
        CampoTara campo;
        char asse;
        bool minimo;
    };
    for (const Limite &l : {Limite{CampoTara::ShiftX, 'X', true}, Limite{CampoTara::ShiftY, 'Y', true},
                            Limite{CampoTara::ShiftX, 'X', false}, Limite{CampoTara::ShiftY, 'Y', false}})
        controlli.push_back([l](const RecordTara &t) {
            const double v = valore(t, l.campo);
            if (l.minimo ? v >= -20 : v <= 20)
                return QString();
            return QStringLiteral("Il valore di Shift %1 non può essere %2")
                .arg(QString(QLatin1Char(l.asse)),
                     l.minimo ? QStringLiteral("minore di - 20 mm") : QStringLiteral("maggiore di 20 mm"));
        });
}

// An empty shift box is set to zero, with a notice when `avvisa`; not a failure.
void impostaShiftVuoti(RecordTara &t, bool avvisa)
{
    for (const auto &[shift, avviso] : {std::pair{&t.ShiftX, "ShiftX è posto a zero per default"},
                                        std::pair{&t.ShiftY, "ShiftY è posto a zero per default"}}) {
        if (!shift->isEmpty())
            continue;
        if (avvisa)
            MsgBox(QString::fromUtf8(avviso));
        *shift = QStringLiteral("0.0");
    }
}

bool primoGuasto(const std::vector<Controllo> &controlli, const RecordTara &t)
{
    for (const Controllo &c : controlli) {
        const QString messaggio = c(t);
        if (!messaggio.isEmpty()) {
            MsgBox(messaggio);
            return true;
        }
    }
    return false;
}

// Every check in order on `t`, empty shifts set to zero after the presence checks; 1 at the
// first failure, whose message has been shown.
std::int16_t controlla(RecordTara &t, bool avvisaShift)
{
    std::vector<Controllo> presenza, resto;
    aggiungiPresenza(presenza);
    aggiungiNumeri(resto);
    aggiungiIntervalli(resto);
    aggiungiOrdine(resto);
    aggiungiShift(resto);
    if (primoGuasto(presenza, t))
        return 1;
    impostaShiftVuoti(t, avvisaShift);
    return primoGuasto(resto, t) ? 1 : 0;
}

struct Etichetta {
    CampoTara campo;
    const char *nome;
    const char *sintassi; // tail of its syntax message, as the users have always seen it
};

const Etichetta k_etichette[] = {
    {CampoTara::ShiftX, "Shift X", "in Shift X!"},
    {CampoTara::ShiftY, "Shift Y", "in Shift Y!"},
    {CampoTara::XNom1, "Zona 1X Nominale", "Zona 1X Nominale!"},
    {CampoTara::XNom2, "Zona 2X Nominale", "Zona 2X Nominale!"},
    {CampoTara::XNom3, "Zona 3X Nominale", "Zona 3X Nominale !"},
    {CampoTara::YNom1, "Zona 1Y Nominale", "Zona 1Y Nominale!"},
    {CampoTara::YNom2, "Zona 2Y Nominale", "Zona 2Y Nominale!"},
    {CampoTara::YNom3, "Zona 3Y Nominale", "Zona 3Y Nominale!"},
    {CampoTara::XRea1, "Zona 1X Misurata", "Zona 1X Misurata!"},
    {CampoTara::XRea2, "Zona 2X Misurata", "Zona 2X Misurata!"},
    {CampoTara::XRea3, "Zona 3X Misurata", "Zona 3X Misurata!"},
    {CampoTara::YRea1, "Zona 1Y Misurata", "Zona 1Y Misurata!"},
    {CampoTara::YRea2, "Zona 2Y Misurata", "Zona 2Y Misurata!"},
    {CampoTara::YRea3, "Zona 3Y Misurata", "Zona 3Y Misurata!"},
};

const Etichetta *etichetta(CampoTara campo)
{
    for (const Etichetta &e : k_etichette)
        if (e.campo == campo)
            return &e;
    return nullptr;
}
} // namespace

EsitoControlliTara Controlli_Tara(const RecordTara &testi)
{
    EsitoControlliTara esito{0, testi};
    esito.ErroreTara = controlla(esito.testi, true);
    return esito;
}

std::int16_t ControlliTaraMemorizzata(const RecordTara &memorizzato)
{
    // The stored texts are the typed ones trimmed and padded: trimmed again, they are checked as
    // they were typed. The name stays padded, so a name of blanks passes as it did when saved.
    RecordTara testi;
    for (const DescrizioneCampoTara &d : CampiTara())
        testi.*d.membro = d.campo == CampoTara::NomeTara ? memorizzato.*d.membro : TrimBlank(memorizzato.*d.membro);
    if (controlla(testi, false) == 1 || !TaraPlausibile(testi))
        return 1;
    return 0;
}

EsitoSintassi ControlloSintassi(CampoTara casella, const QString &testo)
{
    const Etichetta *e = etichetta(casella);
    if (!e)
        return {QString(), testo};
    const QString prefisso = QStringLiteral(" correggere il testo introdotto in ");
    if (testo.count(QLatin1Char(',')) > 1)
        return {QStringLiteral("Doppia virgola,") + prefisso + QLatin1String(e->nome) + QLatin1Char('!'), testo};
    if (testo.count(QLatin1Char('.')) > 1)
        return {QStringLiteral("Doppio punto,") + prefisso + QLatin1String(e->nome) + QLatin1Char('!'), testo};
    const bool virgola = testo.contains(QLatin1Char(','));
    if (virgola && testo.contains(QLatin1Char('.')))
        return {QStringLiteral("Errore di sintassi,") + prefisso + QLatin1String(e->sintassi), testo};
    QString nuovo = testo;
    if (virgola)
        nuovo.replace(QLatin1Char(','), QLatin1Char('.'));
    return {QString(), nuovo};
}
