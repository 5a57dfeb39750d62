// The split a user chooses for one blank: the ranking recomputed from the typed figures, one
// option chosen, its files written, and the choice as the job keeps it.
#pragma once

#include "documents/Commessa.h"
#include "plates/SceltaDivisione.h"

#include <QString>

#include <optional>

class SceltaLamiere {
public:
    SceltaLamiere(FigureSviluppo figure, std::vector<Lamiera> stock);

    // Ranks the options again; the best is chosen. False, with the reason in `Motivo`, when no
    // plate holds even the smallest piece tried.
    bool Ricalcola(const RichiestaDivisione &richiesta);

    const std::vector<OpzioneDivisione> &Opzioni() const noexcept { return m_opzioni; }
    // -1 when there is none.
    int Scelta() const noexcept { return m_scelta; }
    void Scegli(int indice);
    const OpzioneDivisione *OpzioneScelta() const;
    const QString &Motivo() const noexcept { return m_motivo; }

    // Empty when lamiera-N.dxf and lamiere.csv are written into `cartella`; else the reason.
    std::optional<QString> Esporta(const QString &cartella) const;

    // The choice as the job keeps it; empty when nothing is chosen.
    std::optional<DivisioneCommessa> PerLaCommessa() const;
    // The request a kept choice was made with, its counts fixed.
    static RichiestaDivisione RichiestaDi(const DivisioneCommessa &d);
    // Ranks with the kept choice's gap, kerf and margin (the counts free) and chooses the option
    // it names; false when it is no longer among them (the best is chosen then, if any).
    bool Riprendi(const DivisioneCommessa &d);

private:
    FigureSviluppo m_figure;
    std::vector<Lamiera> m_stock;
    RichiestaDivisione m_richiesta;
    std::vector<OpzioneDivisione> m_opzioni;
    int m_scelta = -1;
    QString m_motivo;
};
