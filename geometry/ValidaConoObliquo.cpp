// The eccentric reducer's figures: lengths, plate, and a solid that can be rolled.
#include "geometry/ValidaConoObliquo.h"

#include "geometry/FacceConoObliquo.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "platform/TestoNumerico.h"

#include <cmath>

namespace {
std::nullopt_t Rifiuta(CampoConoObliquo &campo, CampoConoObliquo quale, const QString &nome, const QString &prompt)
{
    campo = quale;
    MsgBox(prompt, Pulsanti::OK, QStringLiteral("Errore su ") + nome);
    return std::nullopt;
}

// A number, blank being 0, that `ammesso` accepts.
template <typename Condizione> bool Numero(const QString &testo, double &valore, bool vuotoZero, Condizione ammesso)
{
    if (vuotoZero && TrimBlank(testo).isEmpty()) {
        valore = 0;
        return true;
    }
    valore = ValoreNumerico(testo);
    return ENumerico(testo) && std::isfinite(valore) && ammesso(valore);
}

// How much of the typed diameter the plate takes before the inner face closes up.
double Ingombro(const ConoObliquo &c)
{
    return c.Quote == QuoteLamiera::Esterne ? 2 * c.Spessore : c.Quote == QuoteLamiera::Medie ? c.Spessore : 0;
}
} // namespace

std::optional<RifiutoConoObliquo> ControllaConoObliquo(const ConoObliquo &c)
{
    const auto positivo = [](double v) { return std::isfinite(v) && v > 0; };
    const struct {
        double valore;
        CampoConoObliquo campo;
        const char *nome;
    } lunghezze[] = {
        {c.D1, CampoConoObliquo::D1, "D1"}, {c.D2, CampoConoObliquo::D2, "D2"}, {c.H, CampoConoObliquo::H, "H"}};
    for (const auto &l : lunghezze)
        if (!positivo(l.valore))
            return RifiutoConoObliquo{l.campo, QLatin1String(l.nome),
                                      QStringLiteral("%1 deve essere un numero >0 (mm)!").arg(QLatin1String(l.nome))};
    if (!std::isfinite(c.Scostamento))
        return RifiutoConoObliquo{CampoConoObliquo::Scostamento, QStringLiteral("Scostamento"),
                                  QStringLiteral("Scostamento deve essere un numero (mm)!")};
    if (!(std::isfinite(c.Spessore) && c.Spessore >= 0))
        return RifiutoConoObliquo{CampoConoObliquo::Spessore, QStringLiteral("Spessore"),
                                  QStringLiteral("Spessore deve essere un numero >=0!")};
    const double ingombro = Ingombro(c);
    for (const auto &l : {lunghezze[0], lunghezze[1]})
        if (c.Spessore > 0 && !(l.valore > ingombro))
            return RifiutoConoObliquo{l.campo, QLatin1String(l.nome),
                                      QStringLiteral("%1 deve essere maggiore di %2 mm con questo spessore!")
                                          .arg(QLatin1String(l.nome), QString::number(ingombro, 'g', 10))};
    const ConoObliquo media = SuperficieMedia(c);
    // No finite offset tilts a generator parallel to the ends, but a huge one comes close enough
    // to leave floating point.
    if (SviluppaConoObliquo(media, 0, k_PuntiBordo).generatori.empty())
        return RifiutoConoObliquo{CampoConoObliquo::Scostamento, QStringLiteral("Scostamento"),
                                  QStringLiteral("Scostamento troppo grande per H: le generatrici sarebbero quasi "
                                                 "parallele alle basi!")};
    if (c.Spessore > 0 && !(RaggioCurvaturaMinimo(media) > c.Spessore / 2))
        return RifiutoConoObliquo{
            CampoConoObliquo::Scostamento, QStringLiteral("Scostamento"),
            QStringLiteral("Con questo scostamento la lamiera di %1 mm si ripiegherebbe su se stessa: "
                           "lo scostamento deve essere minore o H maggiore!")
                .arg(QString::number(c.Spessore, 'g', 10))};
    return std::nullopt;
}

std::optional<ConoObliquo> ValidaConoObliquo(const TestiConoObliquo &testi, CampoConoObliquo &campo)
{
    campo = CampoConoObliquo::Nessuno;
    ConoObliquo c;
    c.Quote = testi.Quote;
    const auto positivo = [](double v) { return v > 0; };
    const struct {
        const QString &testo;
        double &valore;
        CampoConoObliquo campo;
        const char *nome;
    } lunghezze[] = {{testi.D1, c.D1, CampoConoObliquo::D1, "D1"},
                     {testi.D2, c.D2, CampoConoObliquo::D2, "D2"},
                     {testi.H, c.H, CampoConoObliquo::H, "H"}};
    for (const auto &l : lunghezze)
        if (!Numero(l.testo, l.valore, false, positivo))
            return Rifiuta(campo, l.campo, QLatin1String(l.nome),
                           QStringLiteral("%1 deve essere un numero >0 (mm)!").arg(QLatin1String(l.nome)));
    if (!Numero(testi.Scostamento, c.Scostamento, true, [](double) { return true; }))
        return Rifiuta(campo, CampoConoObliquo::Scostamento, QStringLiteral("Scostamento"),
                       QStringLiteral("Scostamento deve essere un numero (mm)!"));
    if (!Numero(testi.Spessore, c.Spessore, true, [](double v) { return v >= 0; }))
        return Rifiuta(campo, CampoConoObliquo::Spessore, QStringLiteral("Spessore"),
                       QStringLiteral("Spessore deve essere un numero >=0!"));
    if (const auto rifiuto = ControllaConoObliquo(c))
        return Rifiuta(campo, rifiuto->campo, rifiuto->nome, rifiuto->messaggio);
    return c;
}
