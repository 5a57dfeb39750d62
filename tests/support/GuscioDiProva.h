// A frame for the window tests: real development windows and worksheet, top-level, without the
// multi-document frame; what the windows ask of the frame beyond that is counted, not done.
#pragma once

#include "calibration/TaraturaInUso.h"
#include "development/Guscio.h"
#include "geometry/StatoSviluppo.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>

class frmCalvetra;

class GuscioDiProva final : public Guscio {
public:
    // Opens development window number 1, as the frame does.
    GuscioDiProva();
    ~GuscioDiProva() override;
    GuscioDiProva(const GuscioDiProva &) = delete;
    GuscioDiProva &operator=(const GuscioDiProva &) = delete;

    // The windows are shown as they open.
    void show() {}

    StatoSviluppo &Stato() override { return m_stato; }
    // The most recently activated window still open.
    frmGrafico *FigliaAttiva() override;
    QList<frmGrafico *> Finestre() override;
    void Attiva(frmGrafico &finestra) override;
    frmGrafico *NuovaFinestra() override;
    void Cascata() override { ++cascate; }
    void ChiudiFrame() override { ++chiusureFrame; }
    VistaFoglio &Foglio() override;
    VistaFoglio *FoglioCaricato() override;
    void ModificaFigure(const Commessa &commessa) override;
    void MostraHelp(bool modale) override;
    void MostraAbout() override { m_about.show(); }
    TaraturaInUso &Taratura() override { return m_taratura; }
    void Avviso(const QString &testo) override { avvisi << testo; }
    void StampaSviluppo(frmGrafico &finestra) override { stampe << &finestra; }
    void StampaGrandezzaNaturale(frmGrafico &finestra) override { stampeGrandezzaNaturale << &finestra; }
    void ManagerTarature() override { ++managerTarature; }
    void ManagerTaraturaStampante() override { ++managerTarature; }

    frmCalvetra *foglio() const;
    // Stand-ins for the frame's help and about windows: shown when the windows ask for them.
    QWidget *help() { return &m_help; }
    QWidget *about() { return &m_about; }

    int cascate = 0, chiusureFrame = 0, managerTarature = 0;
    QList<frmGrafico *> stampe, stampeGrandezzaNaturale;
    QStringList avvisi; // the status line's messages, oldest first

private:
    StatoSviluppo m_stato;
    TaraturaInUso m_taratura;
    QList<QPointer<frmGrafico>> m_attivazioni; // oldest first
    QPointer<frmCalvetra> m_foglio;
    QWidget m_help, m_about;
};
