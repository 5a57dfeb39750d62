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
    // `nome` names the PDF offered; `taratura` is followed while the dialog is open.
    frmStampaFogli(SagomaFogli sagoma, QString nome, TaraturaInUso &taratura, QWidget *parent = nullptr);

    // The dialog for a development window's document, shown over `parent`; nullptr after the
    // message when there is nothing to print.
    static frmStampaFogli *Apri(const Commessa &commessa, TaraturaInUso &taratura, QWidget *parent);

    SceltaFogli Scelta() const;
    // The layout the preview shows: the PDF's, landscape when the calibration applies to it, as it
    // always does on a printer.
    const ImpaginazioneFogli &Impaginazione() const noexcept { return m_impaginazione; }

    QComboBox *const cboCarta;
    QComboBox *const cboOrientamento;
    QDoubleSpinBox *const spnSovrapposizione;
    QLabel *const lblTaratura;
    QCheckBox *const chkTaraturaPdf;
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

    const SagomaFogli m_sagoma;
    const QString m_nome;
    TaraturaInUso &m_taratura;
    std::vector<QPageSize> m_carte;
    ImpaginazioneFogli m_impaginazione;
};
