// The table holds the texts as typed: they are read strictly only when saved, so a half-typed
// size is never taken for a plate.
#include "plates/ui/frmLamiere.h"

#include "platform/Piattaforma.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
enum Colonna { Misura, Spessore, Materiale };

const QString k_Titolo = QStringLiteral("Lamiere");

QTableWidgetItem *cella(const QString &testo) { return new QTableWidgetItem(testo); }
} // namespace

frmLamiere::frmLamiere(const QString &percorso, QWidget *parent)
    : QDialog(parent),
      m_percorso(percorso),
      m_tabella(new QTableWidget(0, 3, this))
{
    setObjectName(QStringLiteral("frmLamiere"));
    setWindowTitle(QStringLiteral("Lamiere a magazzino"));
    m_tabella->setObjectName(QStringLiteral("tabLamiere"));
    m_tabella->setHorizontalHeaderLabels(
        {QStringLiteral("Misura (mm)"), QStringLiteral("Spessore (mm)"), QStringLiteral("Materiale")});
    m_tabella->horizontalHeader()->setStretchLastSection(true);
    m_tabella->setSelectionBehavior(QAbstractItemView::SelectRows);

    auto *pulsanti = new QDialogButtonBox(this);
    const auto pulsante = [&](const QString &testo, const char *nome, QDialogButtonBox::ButtonRole ruolo) {
        QPushButton *p = pulsanti->addButton(testo, ruolo);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(false);
        return p;
    };
    connect(pulsante(QStringLiteral("&Aggiungi"), "cmdAggiungi", QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, &frmLamiere::cmdAggiungi_Click);
    connect(pulsante(QStringLiteral("&Rimuovi"), "cmdRimuovi", QDialogButtonBox::ActionRole), &QPushButton::clicked,
            this, &frmLamiere::cmdRimuovi_Click);
    connect(pulsante(QStringLiteral("&Salva"), "cmdSalva", QDialogButtonBox::AcceptRole), &QPushButton::clicked, this,
            [this] {
                if (cmdSalva_Click())
                    accept();
            });
    connect(pulsante(QStringLiteral("&Chiudi"), "cmdChiudi", QDialogButtonBox::RejectRole), &QPushButton::clicked, this,
            &QDialog::reject);

    auto *impaginazione = new QVBoxLayout(this);
    impaginazione->addWidget(m_tabella);
    impaginazione->addWidget(pulsanti);
    resize(520, 360);

    QString motivo;
    const auto lamiere = LeggiLamiere(m_percorso, &motivo);
    if (!lamiere)
        MsgBox(motivo, Pulsanti::OK, k_Titolo);
    mostra(lamiere.value_or(std::vector<Lamiera>{}));
}

void frmLamiere::mostra(const std::vector<Lamiera> &lamiere)
{
    m_tabella->setRowCount(0);
    for (const Lamiera &l : lamiere) {
        const int riga = m_tabella->rowCount();
        m_tabella->insertRow(riga);
        m_tabella->setItem(riga, Misura, cella(TestoMisura(l)));
        m_tabella->setItem(riga, Spessore, cella(l.spessore > 0 ? QLocale::c().toString(l.spessore) : QString()));
        m_tabella->setItem(riga, Materiale, cella(l.materiale));
    }
}

void frmLamiere::cmdAggiungi_Click()
{
    const int riga = m_tabella->rowCount();
    m_tabella->insertRow(riga);
    for (const int c : {Misura, Spessore, Materiale})
        m_tabella->setItem(riga, c, cella({}));
    m_tabella->setCurrentCell(riga, Misura);
    m_tabella->editItem(m_tabella->item(riga, Misura));
}

void frmLamiere::cmdRimuovi_Click()
{
    QList<int> righe;
    for (const QModelIndex &i : m_tabella->selectionModel()->selectedRows())
        righe.append(i.row());
    std::sort(righe.begin(), righe.end(), std::greater<int>());
    for (const int riga : righe)
        m_tabella->removeRow(riga);
}

std::optional<std::vector<Lamiera>> frmLamiere::lamiereDellaTabella()
{
    const auto testo = [&](int riga, int colonna) {
        const QTableWidgetItem *i = m_tabella->item(riga, colonna);
        return i ? i->text().trimmed() : QString();
    };
    std::vector<Lamiera> lamiere;
    for (int riga = 0; riga < m_tabella->rowCount(); ++riga) {
        // A row left wholly blank is no plate.
        if (testo(riga, Misura).isEmpty() && testo(riga, Spessore).isEmpty() && testo(riga, Materiale).isEmpty())
            continue;
        QString motivo;
        auto lamiera = LeggiMisuraLamiera(testo(riga, Misura), &motivo);
        const auto spessore = LeggiSpessoreLamiera(testo(riga, Spessore));
        if (lamiera && !spessore)
            motivo = QStringLiteral("Spessore non valido: \"%1\" (mm, da 0 a 500; vuoto per qualsiasi spessore)")
                         .arg(testo(riga, Spessore));
        if (!lamiera || !spessore) {
            MsgBox(QStringLiteral("Riga %1: %2").arg(riga + 1).arg(motivo), Pulsanti::OK, k_Titolo);
            m_tabella->setCurrentCell(riga, lamiera ? int(Spessore) : int(Misura));
            return std::nullopt;
        }
        lamiera->spessore = *spessore;
        lamiera->materiale = testo(riga, Materiale);
        lamiere.push_back(*lamiera);
    }
    if (lamiere.empty()) {
        MsgBox(QStringLiteral("Serve almeno una lamiera a magazzino."), Pulsanti::OK, k_Titolo);
        return std::nullopt;
    }
    if (int(lamiere.size()) > k_MassimoLamiere) {
        MsgBox(QStringLiteral("Al massimo %1 lamiere a magazzino.").arg(k_MassimoLamiere), Pulsanti::OK, k_Titolo);
        return std::nullopt;
    }
    return lamiere;
}

bool frmLamiere::cmdSalva_Click()
{
    const auto lamiere = lamiereDellaTabella();
    if (!lamiere)
        return false;
    if (const EsitoFile esito = ScriviLamiere(*lamiere, m_percorso); !esito) {
        MsgBox(QStringLiteral("Impossibile salvare il file %1: %2").arg(m_percorso, esito.motivo), Pulsanti::OK,
               k_Titolo);
        return false;
    }
    mostra(*lamiere);
    return true;
}
