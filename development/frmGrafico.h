// The development window: one development's drawing, its hidden state labels and its menus.
#pragma once

#include "documents/RecordSviluppo.h"
#include "documents/Commessa.h"
#include "calcolo/ContestoCalcolo.h"

#include <QList>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <functional>

class Guscio;
class PaginaGrafico;
class QAction;
class frmLamiere;
class frmDivisione;
struct OpzioniDxf;
class QLabel;
class QMenu;

// Windows created so far in this run; each new window takes the incremented value as its number.
extern std::int16_t ContaFinestre;

class frmGrafico final : public QWidget, public FinestraAttiva {
    Q_OBJECT
public:
    explicit frmGrafico(Guscio &guscio, QWidget *parent = nullptr);

    // 0.96 of the screen, centred on it.
    static QRect GeometriaIniziale(const QSize &schermo) noexcept;

    // The window's menu bar, shown by the frame while this window is active.
    const QList<QMenu *> &Menu() const noexcept { return m_menu; }

    // The window number, as text.
    QString Tag;

    // The hidden state labels.
    QLabel *const lblNome;
    QLabel *const lblAC;
    QLabel *const lblAB;
    QLabel *const lblBD;
    QLabel *const lblALFA;
    QLabel *const lblBeta;
    QLabel *const lblChiudi;
    QLabel *const lblConoCilindro;
    QLabel *const lblStampa;
    QLabel *const lblSalvato;

    // The job the window shows: its first piece is the one drawn. The labels show it, written by
    // one function; Documento and Etichette are what they show.
    const Commessa &CommessaMostrata() const noexcept { return m_commessa; }
    EtichetteSviluppo Etichette() const;
    void ImpostaSalvataggio(Salvataggio stato);
    // The worksheet hands over the figures of a calculation: they become the piece shown, as stored.
    void ImpostaFigure(const FigureSviluppo &figure);
    // The worksheet hands over an eccentric reducer: developed and drawn, it becomes the job shown,
    // to be saved. False when it cannot be developed (nothing changed).
    bool MostraEccentrico(const FigureEccentrico &figure);
    // The same for an elbow named `nome`, its pieces rolled from the plate and material of `lamiera`.
    bool MostraGomito(const QString &nome, const GomitoCommessa &gomito, const FigureSviluppo &lamiera);
    // The piece shown, as the labels would hold it.
    void ScriviEtichette(const EtichetteSviluppo &etichette);

    // The file name held by the window's common dialog cdlGrafico.
    const QString &NomeFileDialogo() const noexcept { return m_nomeFileDialogo; }

    // FinestraAttiva.
    SuperficieDisegno &Superficie() override;
    void ImpostaSalvato(const QString &didascalia) override;
    void ImpostaStampa(const QString &didascalia) override;
    const PaginaGrafico &Pagina() const noexcept { return *m_pagina; }

    // Commands of the menus. The ones that return a flag tell whether they did their job.
    frmGrafico *mnuNuovoFoglioDiLavoro_Click();
    void mnuNuovoSviluppo_Click();
    void mnuModificaSviluppo_Click();
    // The development's name: the job's, or the projection's label.
    QString nomeMostrato() const;
    void mnuApri_Click();
    bool mnuSalvaNome_Click();
    void cmdChiudi_Click();
    void mnuStampa_Click();
    void mnuStampaNaturale_Click();
    void mnuEsporta_Click();
    void mnuEsportaArchi_Click();
    // The nested strip of a constant elbow, its shared cuts once.
    void mnuEsportaStriscia_Click();
    void mnuTabellaGeneratrici_Click();
    void mnuPieghe_Click();
    void mnuEsci_Click();
    void mnuManager_Tarature_Click();
    // The stock plates window, on its own.
    frmLamiere *mnuLamiere_Click();
    // The split of the blank on the stock plates; OK keeps the choice with the job. Null when the
    // job is no single cone or cylinder or the stock list cannot be read (said).
    frmDivisione *mnuDividiLamiere_Click();
    void mnuCascata_Click();
    void mnuGuidaInLinea_Click();
    void mnuInfo_Click();

    // Reads the file named in cdlGrafico, a .tnt or a .vorna, into the active child.
    void SelezionaFile();
    // Reads `nome` into the active child as "Apri" does, with its messages.
    void ApriFile(const QString &nome);
    // Runs a calculation that draws here. When it returns false (figures refused, already told)
    // or meets a figure too large to draw (told here), the window's development, drawing, saved
    // state and caption are left as they were, and the result is false.
    bool CalcolaQui(const std::function<bool()> &calcolo);
    // Writes the active child's job into the file named in cdlGrafico, a .tnt or a .vorna; false
    // after its message.
    bool SalvaFile();

    // Asks about an unsaved development before the window goes; false keeps it open.
    bool Form_QueryUnload();
    // Closes the window through its unsaved check; false when it stayed open.
    bool Chiudi();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *etichetta(const char *nome);
    void MostraDocumento();
    SorgentePezzo &pezzoMostrato();
    void creaMenu();
    QAction *voce(QMenu *menu, const QString &didascalia, const char *nome);
    void elencaFinestre();
    bool chiediSalvataggio();
    // The active development window, or none after telling that there is no development.
    frmGrafico *sviluppoDaModificare();
    void esportaDxf(const OpzioniDxf &opzioni);
    // A job of another solid than the projection's, drawn from its piece; false when it cannot be.
    bool disegnaPezzo();
    bool altroSolido() const;
    // The job becomes `commessa`, drawn; false leaves the one before (when it cannot be developed).
    bool mostraCommessa(const Commessa &commessa);

    Guscio &m_guscio;
    PaginaGrafico *const m_pagina;
    QList<QMenu *> m_menu;
    QMenu *m_menuFinestre = nullptr;
    QString m_nomeFileDialogo;
    Commessa m_commessa;
};
