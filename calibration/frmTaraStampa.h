// The calibration manager window: shows, selects, creates, modifies and removes printer calibrations.
#pragma once

#include "calibration/RecordTara.h"
#include "calibration/TaraturaInUso.h"

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class frmTaraStampa final : public QWidget {
    Q_OBJECT
public:
    // `taratura` is the calibration in use, which the worksheet's list shows.
    explicit frmTaraStampa(TaraturaInUso *taratura, QWidget *parent = nullptr);
    ~frmTaraStampa() override;

    // Opens the one manager on the calibration in use: modal from the
    // worksheet, not modal from a development window. If it is already open it is only brought
    // to the front. Never blocks: the window is shown and the call returns.
    static frmTaraStampa *Apri(TaraturaInUso *taratura, bool modale, QWidget *parent = nullptr);
    // The manager while it is loaded, or nullptr.
    static frmTaraStampa *Aperto();

    void SalvaRecordCorrenteTara();
    void Controlli_Tara();
    // Each field of `record`, trimmed of blanks, into the box of the same name.
    void MostraRecordCorrenteTara(const RecordTara &record);

signals:
    // A calibration written to its file, told as a line for the status bar.
    void Salvata(const QString &avviso);

public:
    std::int16_t ErroreTara = 0;
    int RecordCorrente = 0;
    int NumeroTarature = 0;

    void cmdCreaNuova_Click();
    void cmdStampaPaginaTaratura_Click();
    void cmdModificaTaratura_Click();
    void cmdEliminaTaratura_Click();
    void cmdSelezione_Click();
    void cmdApplica_Click();
    void cmdRimuovi_Click();
    void cmdEsci_Click();
    void cboNomeTaratura_Click(int indice);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void creaControlli();
    QLineEdit *creaCasella(CampoTara campo, QWidget *contenitore, const QRect &twips);
    void creaAsse(QGroupBox *fra, const QString &asse, CampoTara nom1, CampoTara rea1);
    void collega();

    // The lists of this window and of the worksheet, rebuilt from the file.
    void RicostruisciListe();
    // Sets the list index of cboNomeTaratura and runs the selection flow.
    void SelezionaTaratura(int indice);
    void SelezionaNelFoglio(int indice);
    void CaricaTaratura(int indice);
    void AbilitaCaselle(bool nome, bool valori);
    void MostraListaRimozione(const QString &didascalia, bool rimuovi);
    RecordTara RecordDalleCaselle() const;
    void casella_LostFocus(CampoTara campo);

    QPointer<TaraturaInUso> m_taratura;
    int m_ricaricheViste = 0;
    std::array<QLineEdit *, 15> m_caselle{};
    QPushButton *cmdApplica = nullptr;
    QPushButton *cmdRimuovi = nullptr;
    QGroupBox *fraRimuovi = nullptr;
    QComboBox *cboNomeTaratura = nullptr;
};
