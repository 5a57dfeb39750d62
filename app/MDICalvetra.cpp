// The frame: its development windows, the menu bar of the active one, and the closing of them all.
#include "app/MDICalvetra.h"

#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "calibration/frmTaraStampa.h"
#include "development/PaginaGrafico.h"
#include "printing/StampaSviluppoCarta.h"
#include "development/frmGrafico.h"
#include "fogli/frmStampaFogli.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "worksheet/frmCalvetra.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

#include <limits>

namespace {
// Where a window was put when it opened; it has not been moved while it is still there.
const char k_Collocata[] = "vornaGeometriaIniziale";

frmGrafico *finestraDi(QMdiSubWindow *sottofinestra)
{
    return sottofinestra ? qobject_cast<frmGrafico *>(sottofinestra->widget()) : nullptr;
}

// A modeless or application-modal window, shown without blocking the caller.
void mostraFinestra(QWidget *finestra, bool modale)
{
    // A new modality takes effect only on a hidden window: the help already open from a menu
    // would otherwise stay blocked behind the modal worksheet that asks for it again.
    const Qt::WindowModality modalita = modale ? Qt::ApplicationModal : Qt::NonModal;
    if (finestra->windowModality() != modalita) {
        finestra->hide();
        finestra->setWindowModality(modalita);
    }
    finestra->show();
    finestra->raise();
    finestra->activateWindow();
}
} // namespace

MDICalvetra::MDICalvetra(QWidget *parent)
    : QMainWindow(parent),
      m_area(new QMdiArea(this)),
      m_menuFile(new QMenu(QStringLiteral("&File"), this))
{
    setObjectName(QStringLiteral("MDICalvetra"));
    setWindowTitle(TitoloApplicazione());
    m_area->setObjectName(QStringLiteral("areaFinestre"));
    // Scroll bars reach a window moved or grown past the area.
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    // A window not moved since it opened follows the area as the frame takes the screen.
    m_area->viewport()->installEventFilter(this);
    statusBar()->setObjectName(QStringLiteral("barraStato"));

    m_menuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction *nuovo = m_menuFile->addAction(QStringLiteral("&Nuovo Foglio Di Lavoro"));
    nuovo->setObjectName(QStringLiteral("mnuNuovoFoglioDiLavoro"));
    connect(nuovo, &QAction::triggered, this, &MDICalvetra::mnuNuovoFoglioDiLavoro_Click);
    QAction *apri = m_menuFile->addAction(QStringLiteral("&Apri Sviluppo Esistente"));
    apri->setObjectName(QStringLiteral("mnuApriSviluppoEsistente"));
    connect(apri, &QAction::triggered, this, &MDICalvetra::mnuApriSviluppoEsistente_Click);
    QAction *esci = m_menuFile->addAction(QStringLiteral("&Esci"));
    esci->setObjectName(QStringLiteral("mnuEsci"));
    connect(esci, &QAction::triggered, this, &MDICalvetra::mnuEsci_Click);

    connect(m_area, &QMdiArea::subWindowActivated, this, &MDICalvetra::aggiornaMenu);
    NuovaFinestra();
    aggiornaMenu();
}

// The windows going down with the frame must not reach a frame half destroyed.
MDICalvetra::~MDICalvetra() { disconnect(m_area, nullptr, this, nullptr); }

frmGrafico *MDICalvetra::mnuNuovoFoglioDiLavoro_Click() { return NuovaFinestra(); }

void MDICalvetra::mnuApriSviluppoEsistente_Click()
{
    if (frmGrafico *finestra = NuovaFinestra())
        finestra->mnuApri_Click();
}

void MDICalvetra::mnuEsci_Click()
{
    // Ends at once, without the unsaved questions.
    m_esciSubito = true;
    close();
}

frmGrafico *MDICalvetra::FigliaAttiva() { return finestraDi(m_area->currentSubWindow()); }

QList<frmGrafico *> MDICalvetra::Finestre()
{
    QList<frmGrafico *> finestre;
    for (QMdiSubWindow *sottofinestra : m_area->subWindowList())
        if (frmGrafico *finestra = finestraDi(sottofinestra))
            finestre << finestra;
    return finestre;
}

void MDICalvetra::Attiva(frmGrafico &finestra)
{
    if (auto *sottofinestra = qobject_cast<QMdiSubWindow *>(finestra.parentWidget()))
        m_area->setActiveSubWindow(sottofinestra);
}

frmGrafico *MDICalvetra::NuovaFinestra()
{
    // Window numbers are 16-bit and never reused.
    if (ContaFinestre == std::numeric_limits<decltype(ContaFinestre)>::max())
        return nullptr;
    ++ContaFinestre;
    auto *finestra = new frmGrafico(*this);
    finestra->Tag = QString::number(ContaFinestre);
    QMdiSubWindow *sottofinestra = m_area->addSubWindow(finestra);
    colloca(sottofinestra);
    sottofinestra->show();
    m_area->setActiveSubWindow(sottofinestra);
    return finestra;
}

void MDICalvetra::ApriSviluppi(const QStringList &file)
{
    for (qsizetype i = 0; i < file.size(); ++i) {
        frmGrafico *finestra = i == 0 ? FigliaAttiva() : NuovaFinestra();
        if (!finestra)
            return;
        finestra->ApriFile(file.at(i));
    }
}

void MDICalvetra::colloca(QMdiSubWindow *sottofinestra)
{
    const QRect geometria =
        frmGrafico::GeometriaIniziale(m_area->viewport()->size()).intersected(m_area->viewport()->rect());
    sottofinestra->setGeometry(QRect(geometria.topLeft(), geometria.size().expandedTo(sottofinestra->minimumSize())));
    sottofinestra->setProperty(k_Collocata, sottofinestra->geometry());
}

bool MDICalvetra::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_area->viewport() && evento->type() == QEvent::Resize)
        for (QMdiSubWindow *sottofinestra : m_area->subWindowList())
            if (!sottofinestra->isMinimized() && !sottofinestra->isMaximized() &&
                sottofinestra->geometry() == sottofinestra->property(k_Collocata).toRect())
                colloca(sottofinestra);
    return QMainWindow::eventFilter(oggetto, evento);
}

void MDICalvetra::Cascata()
{
    m_area->cascadeSubWindows();
    // Qt cascades each window at its size hint, a thumbnail for a drawing: each one instead
    // reaches from its place in the cascade to the far corner of the area.
    const QSize area = m_area->viewport()->size();
    for (QMdiSubWindow *sottofinestra : m_area->subWindowList())
        if (!sottofinestra->isMinimized())
            sottofinestra->resize(QSize(area.width() - sottofinestra->x(), area.height() - sottofinestra->y())
                                      .expandedTo(sottofinestra->minimumSizeHint()));
}

void MDICalvetra::ChiudiFrame() { close(); }

frmCalvetra *MDICalvetra::foglio() const { return m_foglio.data(); }

frmHelp *MDICalvetra::help() const { return m_help; }

frmAbout *MDICalvetra::about() const { return m_about; }

VistaFoglio &MDICalvetra::Foglio()
{
    if (!foglio())
        m_foglio = new frmCalvetra(*this, this);
    return *m_foglio;
}

VistaFoglio *MDICalvetra::FoglioCaricato() { return foglio(); }

void MDICalvetra::ModificaFigure(const Commessa &commessa)
{
    Foglio();
    m_foglio->MostraCommessa(commessa);
}

void MDICalvetra::Avviso(const QString &testo) { statusBar()->showMessage(testo); }

void MDICalvetra::MostraHelp(bool modale)
{
    if (!m_help)
        m_help = new frmHelp(this);
    mostraFinestra(m_help, modale);
}

void MDICalvetra::MostraAbout()
{
    if (!m_about)
        m_about = new frmAbout(this);
    mostraFinestra(m_about, true);
}

// Printing and the calibration manager are wired here by the windows that do them.
// The calibration in use is the one selected on the worksheet, loaded unseen if need be.
void MDICalvetra::StampaSviluppo(frmGrafico &finestra)
{
    Foglio();
    switch (StampaSviluppoSuCarta(finestra.Pagina().Elenco().elementi(),
                                  DidascaliaSalvataggio(finestra.CommessaMostrata().salvataggio),
                                  m_taratura.Indice())) {
    case EsitoStampa::Stampato:
        Avviso(QStringLiteral("Stampato lo sviluppo ") + finestra.nomeMostrato());
        break;
    case EsitoStampa::ErroreStampante:
        MsgBox(QStringLiteral("Errore nella stampa dello sviluppo: la stampante non ha accettato la pagina!"));
        break;
    case EsitoStampa::NienteDaStampare:
    case EsitoStampa::TaraturaScartata:
    case EsitoStampa::Annullato:
        break; // told already, or the user's choice
    }
}

void MDICalvetra::StampaGrandezzaNaturale(frmGrafico &finestra)
{
    Foglio();
    if (frmStampaFogli *dialogo = frmStampaFogli::Apri(finestra.CommessaMostrata(), m_taratura, this))
        connect(dialogo, &frmStampaFogli::Avviso, this, &MDICalvetra::Avviso);
}

void MDICalvetra::ManagerTarature()
{
    Foglio();
    connect(frmTaraStampa::Apri(&m_taratura, false, this), &frmTaraStampa::Salvata, this, &MDICalvetra::Avviso,
            Qt::UniqueConnection);
}

void MDICalvetra::ManagerTaraturaStampante()
{
    Foglio();
    connect(frmTaraStampa::Apri(&m_taratura, true, foglio()), &frmTaraStampa::Salvata, this, &MDICalvetra::Avviso,
            Qt::UniqueConnection);
}

// The active development window's menu bar replaces the frame's own.
void MDICalvetra::aggiornaMenu()
{
    menuBar()->clear();
    if (frmGrafico *attiva = FigliaAttiva()) {
        for (QMenu *menu : attiva->Menu())
            menuBar()->addMenu(menu);
    } else {
        menuBar()->addMenu(m_menuFile);
    }
}

// Each window is made the active child before its question, so that its own save concerns it.
bool MDICalvetra::chiudiFinestre()
{
    for (QMdiSubWindow *sottofinestra : m_area->subWindowList()) {
        if (frmGrafico *finestra = finestraDi(sottofinestra))
            Attiva(*finestra);
        if (!sottofinestra->close())
            return false;
    }
    return true;
}

void MDICalvetra::closeEvent(QCloseEvent *event)
{
    if (!m_esciSubito && !chiudiFinestre()) {
        event->ignore();
        return;
    }
    for (QWidget *finestra : {static_cast<QWidget *>(m_help.data()), static_cast<QWidget *>(m_about.data()),
                              static_cast<QWidget *>(m_foglio.data())})
        if (finestra)
            finestra->close();
    event->accept();
}
