// The Italian texts of the layout's refusals, shared by the dialog and the command line.
#include "fogli/MessaggiFogli.h"

#include "fogli/DisegnoFoglio.h"

#include <cmath>

namespace {
QString mm(double v) { return QString::number(std::ceil(v)); }
} // namespace

QString MessaggioErroreFogli(ErroreFogli errore, const CartaFogli &carta)
{
    switch (errore) {
    case ErroreFogli::Nessuno:
        break;
    case ErroreFogli::SagomaVuota:
        return QStringLiteral("Lo sviluppo non ha un contorno da stampare!");
    case ErroreFogli::SovrapposizioneNonValida:
        return QStringLiteral("La sovrapposizione deve essere compresa tra 0 e %1 mm!")
            .arg(mm(k_SovrapposizioneMassima));
    case ErroreFogli::AreaTroppoPiccola: {
        const QSizeF minimo = MinimoFoglio(carta.sovrapposizione);
        return QStringLiteral("Foglio troppo piccolo: con %1 mm di sovrapposizione l'area stampabile deve essere "
                              "almeno %2 x %3 mm per i segni, i testi e le scale!")
            .arg(mm(carta.sovrapposizione), mm(minimo.width()), mm(minimo.height()));
    }
    case ErroreFogli::TroppiFogli:
        return QStringLiteral("Sviluppo troppo grande: servirebbero più di %1 fogli!").arg(k_FogliMassimi);
    }
    return {};
}

QString DomandaFogli(int fogli) { return QStringLiteral("Servono %1 fogli. Continuare?").arg(fogli); }
