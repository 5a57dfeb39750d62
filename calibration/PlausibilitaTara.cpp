// Each zone's measured span held against its nominal span.
#include "calibration/PlausibilitaTara.h"

#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"

#include <array>
#include <cmath>

namespace {
struct Asse {
    char nome;
    std::array<const QString RecordTara::*, 3> nominali, misurati;
};

const std::array<Asse, 2> k_assi = {{
    {'X',
     {&RecordTara::XNom1, &RecordTara::XNom2, &RecordTara::XNom3},
     {&RecordTara::XRea1, &RecordTara::XRea2, &RecordTara::XRea3}},
    {'Y',
     {&RecordTara::YNom1, &RecordTara::YNom2, &RecordTara::YNom3},
     {&RecordTara::YRea1, &RecordTara::YRea2, &RecordTara::YRea3}},
}};

// "139.15", "40", "0.001": as few decimals as the figure needs, up to three.
QString mm(double valore)
{
    QString testo = QString::number(valore, 'f', 3);
    while (testo.endsWith(QLatin1Char('0')))
        testo.chop(1);
    if (testo.endsWith(QLatin1Char('.')))
        testo.chop(1);
    return testo == QLatin1String("-0") ? QStringLiteral("0") : testo;
}

bool plausibile(double nominale, double misurato)
{
    const double ammesso = std::max(k_ScartoRelativoTara * std::abs(nominale), k_ScartoMinimoTaraMm);
    return std::abs(misurato - nominale) <= ammesso;
}
} // namespace

QString ScartoTara(const RecordTara &r)
{
    for (const Asse &asse : k_assi) {
        double inizioNominale = 0, inizioMisurato = 0;
        for (std::size_t zona = 0; zona < 3; ++zona) {
            const double fineNominale = ValoreNumerico(r.*asse.nominali[zona]);
            const double fineMisurato = ValoreNumerico(r.*asse.misurati[zona]);
            const double nominale = fineNominale - inizioNominale, misurato = fineMisurato - inizioMisurato;
            if (!plausibile(nominale, misurato))
                return QStringLiteral(
                           "Nella zona %1 nella direzione %2 il tratto nominale da %3 a %4 mm (%5 mm) misura "
                           "%6 mm sulla stampa: differisce di oltre il %7%!")
                    .arg(zona + 1)
                    .arg(QLatin1Char(asse.nome))
                    .arg(mm(inizioNominale), mm(fineNominale), mm(nominale), mm(misurato))
                    .arg(std::lround(k_ScartoRelativoTara * 100));
            inizioNominale = fineNominale;
            inizioMisurato = fineMisurato;
        }
    }
    return {};
}

bool SalvaTaraInsolita(const RecordTara &record)
{
    const QString scarto = ScartoTara(record);
    return scarto.isEmpty() || MsgBox(scarto + QStringLiteral(" Salvo comunque?"), Pulsanti::SiNo) == RispostaSi;
}

bool TaraPlausibile(const RecordTara &record)
{
    const QString scarto = ScartoTara(record);
    if (!scarto.isEmpty())
        MsgBox(scarto + QStringLiteral(" Correggere la taratura nel Manager Tarature."));
    return scarto.isEmpty();
}
