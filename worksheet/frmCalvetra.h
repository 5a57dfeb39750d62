// The input worksheet: the figures of a development, its closing side and the calibration in use.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "documents/Commessa.h"

#include <QWidget>

#include <functional>
#include <optional>

class Guscio;
class frmGrafico;
class GruppoEccentrico;
class GruppoGomito;
class GruppoOfficina;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class frmCalvetra final : public QWidget, public VistaFoglio {
    Q_OBJECT
public:
    // Loads the worksheet: builds its controls and runs Form_Load.
    explicit frmCalvetra(Guscio &guscio, QWidget *parent = nullptr);

    // VistaFoglio: shown modally without blocking the caller; hidden, not unloaded.
    void Mostra() override;
    void Nascondi() override;

    // The figures and closing side of a development, to change them and press "Calcola" again.
    void MostraFigure(const FigureSviluppo &figure);
    // The figures of either solid, the choice of solid set to it.
    void MostraPezzo(const SorgentePezzo &pezzo);
    // The job's figures to change them: an elbow's own, or its first piece's.
    void MostraCommessa(const Commessa &commessa);
    // Shown again after a refused calculation, with the field at fault (if one) selected.
    void MostraRifiuto(CampoFigura campo);
    // The figures, closing side and plate as the fields hold them.
    void LeggiFigure(FigureSviluppo &figure) const;

    void Form_Load();
    void cmdCalcola_Click();
    void cmdTaraStampa_Click();
    void cmdHelp_Click();
    void cmdAbout_Click();
    void cmdEsci_Click();
    void txtSpessore_Change();
    void cmdOfficina_Click(bool mostra);
    void txtOfficina_Change();
    void txtProiezione_Change();
    void cboMateriale_Click();
    void cboSolido_Click();

    QLineEdit *const txtNome;
    QLineEdit *const txtAC;
    QLineEdit *const txtAB;
    QLineEdit *const txtBD;
    QLineEdit *const txtALPHA;
    QLineEdit *const txtBETA;
    QGroupBox *const fraChiusura;
    QRadioButton *const optChiudiAC;
    QRadioButton *const optChiudiBD;
    QPushButton *const cmdCalcola;
    QComboBox *const cboNomeTara;
    QPushButton *const cmdTaraStampa;
    QPushButton *const cmdHelp;
    QPushButton *const cmdAbout;
    QPushButton *const cmdEsci;
    // The plate, last in the tab order; the choice of convention waits for a thickness.
    QLineEdit *const txtSpessore;
    QComboBox *const cboQuote;
    // What the plate is made of, for its weight: a common material or "Altro..." by its density.
    QComboBox *const cboMateriale;
    QLineEdit *const txtDensita;
    // The workshop figures, shown on request below the others, after them in the tab order.
    QPushButton *const cmdOfficina;
    GruppoOfficina *const fraOfficina;
    // The solid typed: today's by its projection, or an eccentric reducer or an elbow by their own
    // fields. The elbow follows the kinds of TipoSolido in the list: it is a job of such pieces.
    QComboBox *const cboSolido;
    GruppoEccentrico *const fraEccentrico;
    static constexpr int k_SceltaGomito = 2;
    GruppoGomito *const fraGomito;

protected:
    // Enter presses "Calcola", wherever the cursor stands.
    void keyPressEvent(QKeyEvent *evento) override;

private:
    // The workshop figures of a job being edited, exactly, until a workshop field is typed in;
    // the fields may show them only to their last digit.
    std::optional<FigureOfficina> officinaDaSviluppare(const FigureSviluppo &figure);
    bool materialeLetto(FigureSviluppo &figure);
    void mostraMateriale(const Materiale &materiale);
    void mostraProiezione(const FigureSviluppo &figure);
    void seleziona(QLineEdit *campo);
    void calcolaEccentrico();
    void calcolaGomito();
    // The job `mostra` puts in the active window (a new one when none), the worksheet hidden meanwhile
    // and shown again when it could not.
    void mostraInFinestra(const std::function<bool(frmGrafico &)> &mostra);
    void mostraLamiera(const QString &nome, const QString &spessore, QuoteLamiera quote, const Materiale &materiale);
    void adattaAltezza();

    Guscio &m_guscio;
    bool m_collocato = false;
    // The job is typed by its workshop figures: set by typing one, cleared by typing a projection field.
    bool m_officinaInUso = false;
    std::optional<FigureOfficina> m_officinaMostrata;
    int m_pieghe = 0; // the edited job's, kept: the worksheet has no field for them
};
