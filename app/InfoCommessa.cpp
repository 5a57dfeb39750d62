// The workshop data for scripts and the shop's ERP.
#include "app/InfoCommessa.h"

#include "exports/PezzoDellaCommessa.h"
#include "pieces/DatiOfficina.h"

#include <QJsonDocument>

#include <cstdio>

int StampaDatiOfficina(const SorgentePezzo &sorgente, bool json)
{
    const auto pezzo = PezzoDellaSorgente(sorgente);
    if (!pezzo)
        return 1;
    const DatiOfficina dati = DatiOfficinaDelPezzo(*pezzo);
    if (dati.righe.empty())
        return 1;
    // JSON is UTF-8 whatever the terminal; the lines are for the terminal's reader.
    const QByteArray testo =
        json ? QJsonDocument(JsonDati(dati)).toJson(QJsonDocument::Indented)
             : (RigheDati(dati.righe) + RigheDati(dati.pieghe)).join(QLatin1Char('\n')).toLocal8Bit() + '\n';
    std::fwrite(testo.constData(), 1, std::size_t(testo.size()), stdout);
    return std::fflush(stdout) == 0 ? 0 : 2;
}
