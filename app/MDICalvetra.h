// The multi-document frame that holds every development window.
#pragma once

#include "development/Guscio.h"
#include "calibration/TaraturaInUso.h"
#include "geometry/StatoSviluppo.h"

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QMenu;
class frmAbout;
class frmCalvetra;
class frmHelp;

class MDICalvetra final : public QMainWindow, public Guscio {
    Q_OBJECT
public:
    // Loading the frame creates development window number 1.
    explicit MDICalvetra(QWidget *parent = nullptr);
    ~MDICalvetra() override;

    QMdiArea *area() const noexcept { return m_area; }

    // The frame's own "&File" menu, on view while no development window is active.
    frmGrafico *mnuNuovoFoglioDiLavoro_Click();
    void mnuApriSviluppoEsistente_Click();
    void mnuEsci_Click();

    // The .tnt developments and .vorna jobs named on the command line: the first in window 1, each
    // other in a new one.
    void ApriSviluppi(const QStringList &file);

    // Guscio.
    StatoSviluppo &Stato() override { return m_stato; }
    frmGrafico *FigliaAttiva() override;
    QList<frmGrafico *> Finestre() override;
    void Attiva(frmGrafico &finestra) override;
    frmGrafico *NuovaFinestra() override;
    void Cascata() override;
    void ChiudiFrame() override;
    VistaFoglio &Foglio() override;
    VistaFoglio *FoglioCaricato() override;
    void ModificaFigure(const Commessa &commessa) override;
    void Avviso(const QString &testo) override;
    void MostraHelp(bool modale) override;
    void MostraAbout() override;
    TaraturaInUso &Taratura() override { return m_taratura; }
    void StampaSviluppo(frmGrafico &finestra) override;
    void StampaGrandezzaNaturale(frmGrafico &finestra) override;
    void ManagerTarature() override;
    void ManagerTaraturaStampante() override;

    frmCalvetra *foglio() const;
    frmHelp *help() const;
    frmAbout *about() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    void aggiornaMenu();
    void colloca(QMdiSubWindow *sottofinestra);
    bool chiudiFinestre();

    QMdiArea *const m_area;
    QMenu *const m_menuFile;
    StatoSviluppo m_stato;
    TaraturaInUso m_taratura;
    QPointer<frmCalvetra> m_foglio;
    QPointer<frmHelp> m_help;
    QPointer<frmAbout> m_about;
    bool m_esciSubito = false;
};
