// "Dividi su lamiere": the splits of the blank ranked, the chosen one's plates drawn, its DXF files
// and plate list written or printed, the choice kept with the job.
#pragma once

#include "plates/SceltaLamiere.h"

#include <QDialog>

class DisegnoLamiere;
class QLineEdit;
class QListWidget;
class QSpinBox;

class frmDivisione final : public QDialog {
    Q_OBJECT
public:
    // `salvata`: the choice the job keeps, selected again when it is still among the options.
    frmDivisione(const FigureSviluppo &figure, std::vector<Lamiera> stock,
                 const std::optional<DivisioneCommessa> &salvata = std::nullopt, QWidget *parent = nullptr);

    SceltaLamiere &scelta() noexcept { return m_scelta; }
    QListWidget *classifica() const noexcept { return m_classifica; }
    QLineEdit *campoLuce() const noexcept { return m_luce; }
    QLineEdit *campoKerf() const noexcept { return m_kerf; }
    QLineEdit *campoMargine() const noexcept { return m_margine; }
    QLineEdit *campoSfrido() const noexcept { return m_sfrido; }
    QSpinBox *campoParti() const noexcept { return m_parti; }
    QSpinBox *campoCorsi() const noexcept { return m_corsi; }

    // The fields read (a refused one is said) and the options ranked again. True when some fits.
    bool cmdRicalcola_Click();
    // The folder asked through a save dialog for lamiere.csv; the files written there.
    bool cmdEsporta_Click();
    // The plate list printed as a table.
    bool cmdStampa_Click();

private:
    void mostraClassifica();
    void mostraCampi(const RichiestaDivisione &richiesta);

    SceltaLamiere m_scelta;
    QListWidget *const m_classifica;
    QLineEdit *const m_luce, *const m_kerf, *const m_margine, *const m_sfrido;
    QSpinBox *const m_parti, *const m_corsi;
    DisegnoLamiere *const m_disegno;
};
