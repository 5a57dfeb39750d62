// Plain stand-ins for the active development window and the worksheet of a calculation.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "plot/ElencoVisualizzazione.h"

#include <QString>
#include <QStringList>

// A development window that records its drawing and the captions of its hidden labels.
class FinestraFinta final : public FinestraAttiva {
public:
    SuperficieDisegno &Superficie() override { return superficie; }
    void ImpostaSalvato(const QString &didascalia) override;
    void ImpostaStampa(const QString &didascalia) override;

    ElencoVisualizzazione superficie;
    QString lblSalvato, lblStampa;
    QStringList didascalie; // every caption set, as "lblSalvato=..." or "lblStampa=..."
};

// A worksheet that records each show and hide, in order ("Mostra", "Nascondi").
class FoglioFinto final : public VistaFoglio {
public:
    void Mostra() override { eventi << QStringLiteral("Mostra"); }
    void Nascondi() override { eventi << QStringLiteral("Nascondi"); }

    QStringList eventi;
};
