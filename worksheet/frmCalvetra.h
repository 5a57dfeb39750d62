// The input worksheet: the figures of a development, its closing side and the calibration in use.
#pragma once

#include "calcolo/ContestoCalcolo.h"

#include <QWidget>

class Guscio;
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

protected:
    // Enter presses "Calcola", wherever the cursor stands.
    void keyPressEvent(QKeyEvent *evento) override;

private:
    Guscio &m_guscio;
    bool m_collocato = false;
};
