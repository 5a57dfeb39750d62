#include "tests/support/GuscioDiProva.h"

#include "development/frmGrafico.h"
#include "worksheet/frmCalvetra.h"

#include <limits>

GuscioDiProva::GuscioDiProva() { NuovaFinestra(); }

GuscioDiProva::~GuscioDiProva()
{
    // Windows going down must not ask this half-destroyed frame anything.
    delete m_foglio.data();
    for (const QPointer<frmGrafico> &finestra : m_attivazioni)
        delete finestra.data();
}

QList<frmGrafico *> GuscioDiProva::Finestre()
{
    QList<frmGrafico *> aperte;
    for (const QPointer<frmGrafico> &finestra : m_attivazioni)
        if (finestra && finestra->isVisible() && !aperte.contains(finestra.data()))
            aperte << finestra.data();
    return aperte;
}

frmGrafico *GuscioDiProva::FigliaAttiva()
{
    for (auto i = m_attivazioni.crbegin(); i != m_attivazioni.crend(); ++i)
        if (*i && (*i)->isVisible())
            return i->data();
    return nullptr;
}

void GuscioDiProva::Attiva(frmGrafico &finestra) { m_attivazioni << QPointer<frmGrafico>(&finestra); }

frmGrafico *GuscioDiProva::NuovaFinestra()
{
    if (ContaFinestre == std::numeric_limits<decltype(ContaFinestre)>::max())
        return nullptr;
    ++ContaFinestre;
    auto *finestra = new frmGrafico(*this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->Tag = QString::number(ContaFinestre);
    finestra->setGeometry(frmGrafico::GeometriaIniziale(QSize(1000, 800)));
    finestra->show();
    Attiva(*finestra);
    return finestra;
}

frmCalvetra *GuscioDiProva::foglio() const { return m_foglio.data(); }

VistaFoglio &GuscioDiProva::Foglio()
{
    if (!foglio())
        m_foglio = new frmCalvetra(*this);
    return *m_foglio;
}

VistaFoglio *GuscioDiProva::FoglioCaricato() { return foglio(); }

void GuscioDiProva::ModificaFigure(const Commessa &commessa)
{
    Foglio();
    m_foglio->MostraCommessa(commessa);
}

void GuscioDiProva::MostraHelp(bool modale)
{
    m_help.setWindowModality(modale ? Qt::ApplicationModal : Qt::NonModal);
    m_help.show();
}
