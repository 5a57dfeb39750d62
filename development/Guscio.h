// What a development window and the worksheet need of the frame that holds them.
#pragma once

#include "calcolo/ContestoCalcolo.h"
#include "documents/Commessa.h"

#include <QList>

class TaraturaInUso;
struct FigureSviluppo;

class frmGrafico;

class Guscio {
public:
    virtual ~Guscio() = default;

    // The one development state of the run.
    virtual StatoSviluppo &Stato() = 0;
    // The frame's active child window; nullptr when none is open.
    virtual frmGrafico *FigliaAttiva() = 0;
    virtual QList<frmGrafico *> Finestre() = 0;
    virtual void Attiva(frmGrafico &finestra) = 0;
    // Counts a new window (ContaFinestre), shows it and makes it the active child.
    // nullptr when the window counter is exhausted.
    virtual frmGrafico *NuovaFinestra() = 0;
    virtual void Cascata() = 0;
    // Closes the frame through every window's unsaved check.
    virtual void ChiudiFrame() = 0;

    // The worksheet, loaded on first use; the second form does not load it.
    virtual VistaFoglio &Foglio() = 0;
    virtual VistaFoglio *FoglioCaricato() = 0;
    // The worksheet shown with the job's solid and figures, to change them.
    virtual void ModificaFigure(const Commessa &commessa) = 0;

    virtual void MostraHelp(bool modale) = 0;
    virtual void MostraAbout() = 0;
    // Tells, without a box to click away, what a command did (where a file went).
    virtual void Avviso(const QString &testo) = 0;

    // The calibration in use, shared by the worksheet's list, the manager and the printouts.
    virtual TaraturaInUso &Taratura() = 0;

    // Printing and the calibration manager: filled in where those windows live.
    virtual void StampaSviluppo(frmGrafico &finestra) = 0;
    // The tiled true-size printout and PDF of the window's blank.
    virtual void StampaGrandezzaNaturale(frmGrafico &finestra) = 0;
    virtual void ManagerTarature() = 0;
    virtual void ManagerTaraturaStampante() = 0;
};
