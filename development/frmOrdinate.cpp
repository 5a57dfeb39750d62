// A table view over the ordinate model and three buttons; the work is done by the libraries.
#include "development/frmOrdinate.h"

#include "exports/ModelloOrdinate.h"
#include "printing/StampaOrdinate.h"
#include "exports/TabellaOrdinate.h"
#include "exports/ComandoEsporta.h"
#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
QPushButton *pulsante(const QString &testo, const char *nome, QWidget *genitore)
{
    auto *p = new QPushButton(testo, genitore);
    p->setObjectName(QLatin1String(nome));
    return p;
}
} // namespace

frmOrdinate::frmOrdinate(const Pezzo &pezzo, QWidget *genitore)
    : QDialog(genitore),
      m_pezzo(pezzo),
      m_modello(new ModelloOrdinate(TabellaDelPezzo(pezzo), this)),
      m_tabella(new QTableView(this))
{
    setObjectName(QStringLiteral("frmOrdinate"));
    setWindowTitle(QStringLiteral("Tabella delle generatrici - ") + m_modello->Tabella().nome);
    m_tabella->setObjectName(QStringLiteral("grdOrdinate"));
    m_tabella->setModel(m_modello);
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_tabella->verticalHeader()->hide();
    m_tabella->verticalHeader()->setDefaultSectionSize(m_tabella->fontMetrics().height() + 6);
    m_tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    auto *copia = new QAction(m_tabella);
    copia->setShortcut(QKeySequence::Copy);
    copia->setShortcutContext(Qt::WidgetShortcut);
    m_tabella->addAction(copia);
    connect(copia, &QAction::triggered, this, &frmOrdinate::CopiaSelezione);

    auto *figura = new QLabel(m_modello->Tabella().figure, this);
    figura->setObjectName(QStringLiteral("lblFigure"));
    auto *somme = new QLabel(TestoSomme(m_modello->Tabella()), this);
    somme->setObjectName(QStringLiteral("lblSomme"));
    somme->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *stampa = pulsante(QStringLiteral("Stampa..."), "cmdStampa", this);
    auto *csv = pulsante(QStringLiteral("Esporta CSV..."), "cmdEsportaCsv", this);
    auto *chiudi = pulsante(QStringLiteral("Chiudi"), "cmdChiudi", this);
    connect(stampa, &QPushButton::clicked, this, &frmOrdinate::cmdStampa_Click);
    connect(csv, &QPushButton::clicked, this, &frmOrdinate::cmdEsportaCsv_Click);
    connect(chiudi, &QPushButton::clicked, this, &frmOrdinate::cmdChiudi_Click);

    auto *pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    for (QPushButton *p : {stampa, csv, chiudi})
        pulsanti->addWidget(p);
    auto *colonna = new QVBoxLayout(this);
    colonna->addWidget(figura);
    // The workshop data beside the table, selectable for copying.
    auto *dati = new QPlainTextEdit(m_modello->Tabella().dati.join(QLatin1Char('\n')), this);
    dati->setObjectName(QStringLiteral("txtDatiOfficina"));
    dati->setReadOnly(true);
    dati->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto *affiancati = new QHBoxLayout;
    affiancati->addWidget(m_tabella, 3);
    affiancati->addWidget(dati, 2);
    colonna->addLayout(affiancati);
    colonna->addWidget(somme);
    colonna->addLayout(pulsanti);
    resize(1180, 600);
}

frmOrdinate *frmOrdinate::Mostra(const Pezzo &pezzo, QWidget *genitore)
{
    // Not modal: the bench worker keeps it open beside the drawing.
    auto *finestra = new frmOrdinate(pezzo, genitore);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowFlag(Qt::Window);
    finestra->show();
    return finestra;
}

void frmOrdinate::cmdStampa_Click()
{
    const EsitoStampa esito = StampaOrdinateSuCarta(m_modello->Tabella());
    if (esito == EsitoStampa::ErroreStampante)
        MsgBox(QStringLiteral("Errore nella stampa della tabella delle generatrici"));
    if (esito == EsitoStampa::Stampato)
        emit Avviso(QStringLiteral("Stampata la tabella delle generatrici di ") + m_modello->Tabella().nome);
}

void frmOrdinate::cmdEsportaCsv_Click()
{
    const auto esito = ComandoEsporta(FormatoPerEstensione(QStringLiteral(".csv")), m_modello->Tabella().nome,
                                      [this] { return m_pezzo; });
    if (esito && esito->esito == EsitoEsportazione::Ok)
        emit Avviso(AvvisoEsportato(*esito));
}

void frmOrdinate::cmdChiudi_Click() { close(); }

void frmOrdinate::CopiaSelezione()
{
    const QString testo = m_modello->TestoCopiato(m_tabella->selectionModel()->selectedIndexes());
    if (!testo.isEmpty())
        QApplication::clipboard()->setText(testo);
}
