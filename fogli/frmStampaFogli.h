// The dialog of "Stampa a grandezza naturale...": paper, orientation, overlap, the calibration in
// use and a live preview; printing and the PDF export are decided in ComandoStampaFogli.
#pragma once

#include "fogli/ComandoStampaFogli.h"

#include <QDialog>

class AnteprimaFogli;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class TaraturaInUso;

class frmStampaFogli final : public QDialog {
    Q_OBJECT
public:
    // `nome` names the PDF offered; `taratura` is followed while the dialog is open. `dime`, when
    // the job has them, may be printed instead of the pieces.
    frmStampaFogli(std::vector<PezzoDaStampare> pezzi, QString nome, TaraturaInUso &taratura,
                   std::vector<PezzoDaStampare> dime = {}, QWidget *parent = nullptr);

    // The dialog for a development window's document, shown over `parent`; nullptr after the
    // message when there is nothing to print.
    static frmStampaFogli *Apri(const Commessa &commessa, TaraturaInUso &taratura, QWidget *parent);

    SceltaFogli Scelta() const;
    // The layout the preview shows, the first piece's: the PDF's, landscape when the calibration
    // applies to it, as it always does on a printer.
    const ImpaginazioneFogli &Impaginazione() const noexcept;
    // Every piece's layout; its sheets counted together.
    const ImpaginazioneDeiPezzi &Impaginazioni() const noexcept { return m_impaginazione; }

    QComboBox *const cboCarta;
    QComboBox *const cboOrientamento;
    QDoubleSpinBox *const spnSovrapposizione;
    QLabel *const lblTaratura;
    QCheckBox *const chkTaraturaPdf;
    QCheckBox *const chkDime;  // shown only for a job with wrap-around templates
    QComboBox *const cboPezzi; // "Tutti i pezzi" or one piece; shown only for a job of several
    AnteprimaFogli *const anteprima;
    QLabel *const lblFogli;
    QLabel *const lblArea;
    QPushButton *const cmdStampa;
    QPushButton *const cmdEsportaPdf;
    QPushButton *const cmdAnnulla;

    void cmdStampa_Click();
    void cmdEsportaPdf_Click();

signals:
    // What the printout or the PDF did, for the frame's status line.
    void Avviso(const QString &testo);

private:
    void aggiorna();
    void mostraTaratura();

    std::vector<PezzoDaStampare> daStampare() const;

    const std::vector<PezzoDaStampare> m_pezzi, m_dime;
    const QString m_nome;
    TaraturaInUso &m_taratura;
    std::vector<QPageSize> m_carte;
    ImpaginazioneDeiPezzi m_impaginazione;
};
