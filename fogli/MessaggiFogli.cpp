// The Italian texts of the layout's refusals.
#include "fogli/MessaggiFogli.h"

QString MessaggioFogli(ErroreFogli errore)
{
    switch (errore) {
    case ErroreFogli::Nessuno:
        return {};
    case ErroreFogli::SagomaVuota:
        return QStringLiteral("Lo sviluppo non ha un contorno da stampare.");
    case ErroreFogli::SovrapposizioneNonValida:
        return QStringLiteral("La sovrapposizione deve essere compresa tra 0 e %1 mm.").arg(k_SovrapposizioneMassima);
    case ErroreFogli::AreaTroppoPiccola:
        return QStringLiteral("L'area stampabile del foglio è troppo piccola per i riferimenti e le scale: "
                              "scegliere un foglio più grande o una sovrapposizione minore");
    case ErroreFogli::TroppiFogli:
        return QStringLiteral("Lo sviluppo è troppo grande: servirebbero più di %1 fogli.").arg(k_FogliMassimi);
    }
    return {};
}
