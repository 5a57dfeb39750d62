// The calibration manager: its controls, its five modes, and the handlers behind its buttons.
#include "calibration/frmTaraStampa.h"

#include "calibration/ControlliTara.h"
#include "calibration/FileTaratura.h"
#include "printing/GrigliaTaratura.h"
#include "calibration/PlausibilitaTara.h"
#include "calibration/ProcedureTara.h"
#include "calibration/SchizzoAssiTaratura.h"
#include "platform/Piattaforma.h"
#include "platform/TestoFisso.h"
#include "platform/DisposizioneTwip.h"
#include "platform/FinestraFissa.h"

#include <QComboBox>
#include <QFileInfo>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QPointer<frmTaraStampa> g_manager;

const int k_SinistraZona[3] = {840, 2280, 3720};
const int k_SinistraEtichettaZona[3] = {1200, 2640, 4095};

struct DatiCasella {
    CampoTara campo;
    const char *nome;
    const char *suggerimento;
};

// Names and tooltips of the 15 boxes, in record order.
const DatiCasella k_Caselle[15] = {
    {CampoTara::NomeTara, "txtNomeTara",
     "Mostra il nome della taratura in uso. Inserire qui il nome della taratura che si vuole creare."},
    {CampoTara::XNom1, "txtXNom1", "Zona Nominale 1X in mm"},
    {CampoTara::XNom2, "txtXNom2", "Zona Nominale 2X in mm"},
    {CampoTara::XNom3, "txtXNom3", "Zona Nominale 3X in mm"},
    {CampoTara::XRea1, "txtXRea1", "Zona Misurata 1X in mm"},
    {CampoTara::XRea2, "txtXRea2", "Zona Misurata 2X in mm"},
    {CampoTara::XRea3, "txtXRea3", "Zona Misurata 3X in mm"},
    {CampoTara::YNom1, "txtYNom1", "Zona Nominale 1Y in mm"},
    {CampoTara::YNom2, "txtYNom2", "Zona Nominale 2Y in mm"},
    {CampoTara::YNom3, "txtYNom3", "Zona Nominale 3Y in mm"},
    {CampoTara::YRea1, "txtYRea1", "Zona Misurata 1Y in mm"},
    {CampoTara::YRea2, "txtYRea2", "Zona Misurata 2Y in mm"},
    {CampoTara::YRea3, "txtYRea3", "Zona Misurata 3Y in mm"},
    {CampoTara::ShiftX, "txtShiftX", "Permette di spostare la stampa lungo l'asse X della quantità specificata in mm."},
    {CampoTara::ShiftY, "txtShiftY", "Permette di spostare la stampa lungo l'asse Y della quantità specificata in mm."},
};

QPushButton *Pulsante(QWidget *contenitore, const char *nome, const QString &didascalia, const QString &suggerimento,
                      const QRect &posizione)
{
    auto *pulsante = new QPushButton(didascalia, contenitore);
    pulsante->setObjectName(QLatin1String(nome));
    pulsante->setToolTip(suggerimento);
    pulsante->setGeometry(posizione);
    return pulsante;
}

QLabel *Etichetta(QWidget *contenitore, const QString &nome, const QString &didascalia, const QRect &posizione)
{
    auto *etichetta = new QLabel(didascalia, contenitore);
    etichetta->setObjectName(nome);
    etichetta->setGeometry(posizione);
    AllargaAlTesto(etichetta);
    return etichetta;
}

QGroupBox *Cornice(QWidget *contenitore, const char *nome, const QString &didascalia, const QRect &posizione)
{
    auto *cornice = new QGroupBox(didascalia, contenitore);
    cornice->setObjectName(QLatin1String(nome));
    cornice->setGeometry(posizione);
    return cornice;
}

} // namespace

frmTaraStampa::frmTaraStampa(TaraturaInUso *taratura, QWidget *parent)
    : QWidget(parent, k_FinestraFissa),
      m_taratura(taratura),
      m_ricaricheViste(taratura ? taratura->Ricariche() : 0)
{
    setObjectName(QStringLiteral("frmTaraStampa"));
    setWindowTitle(QStringLiteral("Drenvik - Taratura Stampante"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(DaTwips(0, 0, 6780, 7320).size());
    creaControlli();
    collega();
}

frmTaraStampa::~frmTaraStampa() = default;

void frmTaraStampa::creaControlli()
{
    Pulsante(this, "cmdCreaNuova", QStringLiteral("&Crea nuova taratura"), QStringLiteral("Crea una nuova taratura"),
             DaTwips(600, 360, 2655, 255));
    Pulsante(this, "cmdStampaPaginaTaratura", QStringLiteral("&Stampa pagina di taratura"),
             QStringLiteral("Stampa una griglia di prova per verificare se la stampante lavora correttamente"),
             DaTwips(600, 720, 2655, 255));
    Pulsante(this, "cmdModificaTaratura", QStringLiteral("&Modifica taratura"),
             QStringLiteral("Modifica la taratura mostrata."), DaTwips(600, 1080, 2655, 255));
    Pulsante(this, "cmdEliminaTaratura", QStringLiteral("&Elimina Taratura Esistente"),
             QStringLiteral("Permette di eliminare dal disco una taratura che non serve più."),
             DaTwips(600, 1440, 2655, 255));
    Pulsante(this, "cmdSelezione", QStringLiteral("Seleziona un'altra &taratura"),
             QStringLiteral("Permette di selezionare una diversa taratura tra quelle impostate. "
                            "La taratura scelta sarà ora quella di default."),
             DaTwips(600, 1800, 2655, 255));
    auto *schizzo = new SchizzoAssiTaratura(this);
    schizzo->setObjectName(QStringLiteral("schizzoAssi"));
    schizzo->setGeometry(DaTwips(3480, 240, 3120, 1920));

    Etichetta(this, QStringLiteral("lblNomeNuovaTaratura"), QStringLiteral("Informazioni sulla taratura in uso:"),
              DaTwips(120, 2280, 2415, 255));
    creaCasella(CampoTara::NomeTara, this, DaTwips(120, 2475, 6495, 315));

    creaAsse(Cornice(this, "fraAsseX", QStringLiteral("Asse X"), DaTwips(120, 2880, 5055, 1335)), QStringLiteral("X"),
             CampoTara::XNom1, CampoTara::XRea1);
    creaAsse(Cornice(this, "fraAsseY", QStringLiteral("Asse Y"), DaTwips(120, 4200, 5055, 1335)), QStringLiteral("Y"),
             CampoTara::YNom1, CampoTara::YRea1);

    QGroupBox *fraShift = Cornice(this, "fraShift", QString(), DaTwips(5280, 2880, 1335, 2655));
    Etichetta(fraShift, QStringLiteral("lblShiftX"), QStringLiteral("Shift X (mm):"), DaTwips(120, 360, 975, 255));
    creaCasella(CampoTara::ShiftX, fraShift, DaTwips(120, 600, 1095, 285));
    Etichetta(fraShift, QStringLiteral("lblShiftY"), QStringLiteral("Shift Y (mm):"), DaTwips(120, 1800, 975, 255));
    creaCasella(CampoTara::ShiftY, fraShift, DaTwips(120, 2040, 1095, 315));

    QGroupBox *fraApplica = Cornice(this, "fraApplica", QString(), DaTwips(120, 5520, 6495, 855));
    cmdApplica = Pulsante(fraApplica, "cmdApplica", QStringLiteral("&Applica"),
                          QStringLiteral("Salva su disco la nuova taratura o le modifiche fatte a quelle esistenti"),
                          DaTwips(960, 360, 2655, 255));
    Pulsante(fraApplica, "cmdEsci", QStringLiteral("Esc&i"),
             QStringLiteral("Esce da Tarature stampante ed accetta una nuova selezione tra le tarature esistenti."),
             DaTwips(3720, 360, 1815, 255));

    fraRimuovi =
        Cornice(this, "fraRimuovi", QStringLiteral("Seleziona Taratura Da Rimuovere:"), DaTwips(120, 6360, 6495, 735));
    cboNomeTaratura = new QComboBox(fraRimuovi);
    cboNomeTaratura->setObjectName(QStringLiteral("cboNomeTaratura"));
    cboNomeTaratura->setToolTip(QStringLiteral("Permette di selezionare e rendere attiva una taratura esistente."));
    cboNomeTaratura->setGeometry(DaTwips(240, 240, 4815, 330));
    cmdRimuovi = Pulsante(fraRimuovi, "cmdRimuovi", QStringLiteral("&Rimuovi"),
                          QStringLiteral("Rimuove dal disco la taratura selezionata."), DaTwips(5160, 240, 1215, 255));

    // Hidden from the start; the opening's selection disables the boxes, and they start disabled
    // for an opening that finds no calibration to select.
    cmdApplica->hide();
    cmdRimuovi->hide();
    fraRimuovi->hide();
    AbilitaCaselle(false, false);
}

QLineEdit *frmTaraStampa::creaCasella(CampoTara campo, QWidget *contenitore, const QRect &posizione)
{
    const DatiCasella &dati = k_Caselle[int(campo)];
    auto *casella = new QLineEdit(contenitore);
    casella->setObjectName(QLatin1String(dati.nome));
    casella->setToolTip(QString::fromUtf8(dati.suggerimento));
    casella->setGeometry(posizione);
    if (campo != CampoTara::NomeTara)
        casella->installEventFilter(this);
    m_caselle[std::size_t(campo)] = casella;
    return casella;
}

// The three zone labels, the two row labels and the six boxes of one axis.
void frmTaraStampa::creaAsse(QGroupBox *fra, const QString &asse, CampoTara nom1, CampoTara rea1)
{
    const QLabel *nominale =
        Etichetta(fra, QStringLiteral("lblNominale") + asse, QStringLiteral("Nominale:"), DaTwips(120, 600, 705, 255));
    const QLabel *misurata =
        Etichetta(fra, QStringLiteral("lblMisurata") + asse, QStringLiteral("Misurata:"), DaTwips(120, 960, 705, 255));
    // A row label wider than its place in the font at hand would run into the first box: the three
    // columns then share what is left up to their old right edge, keeping their gaps (in pixels).
    const int primaColonna = DaTwips(k_SinistraZona[0], 0, 0, 0).x();
    const int fine = DaTwips(k_SinistraZona[2] + 1215, 0, 0, 0).x();
    const int spazio = DaTwips(k_SinistraZona[1] - k_SinistraZona[0] - 1215, 0, 0, 0).x();
    const int inizio = std::max(primaColonna, std::max(nominale->geometry().right(), misurata->geometry().right()) + 5);
    const int larghezza = (fine - inizio - 2 * spazio) / 3;
    for (int z = 0; z < 3; ++z) {
        const int sinistra = inizio + z * (larghezza + spazio);
        const int scostamento = sinistra - DaTwips(k_SinistraZona[z], 0, 0, 0).x();
        Etichetta(fra, QStringLiteral("lblZona%1%2").arg(z + 1).arg(asse), QStringLiteral("Zona %1").arg(z + 1),
                  DaTwips(k_SinistraEtichettaZona[z], 240, 735, 255).translated(scostamento, 0));
        const int altezzaNom = (asse == QLatin1String("X") && z == 1) ? 300 : 315;
        const QRect nom = DaTwips(k_SinistraZona[z], 480, 1215, altezzaNom);
        const QRect rea = DaTwips(k_SinistraZona[z], 840, 1215, 315);
        creaCasella(CampoTara(int(nom1) + z), fra, QRect(sinistra, nom.top(), larghezza, nom.height()));
        creaCasella(CampoTara(int(rea1) + z), fra, QRect(sinistra, rea.top(), larghezza, rea.height()));
    }
}

void frmTaraStampa::collega()
{
    const auto pulsante = [this](const char *nome) { return findChild<QPushButton *>(QLatin1String(nome)); };
    connect(pulsante("cmdCreaNuova"), &QPushButton::clicked, this, &frmTaraStampa::cmdCreaNuova_Click);
    connect(pulsante("cmdStampaPaginaTaratura"), &QPushButton::clicked, this,
            &frmTaraStampa::cmdStampaPaginaTaratura_Click);
    connect(pulsante("cmdModificaTaratura"), &QPushButton::clicked, this, &frmTaraStampa::cmdModificaTaratura_Click);
    connect(pulsante("cmdEliminaTaratura"), &QPushButton::clicked, this, &frmTaraStampa::cmdEliminaTaratura_Click);
    connect(pulsante("cmdSelezione"), &QPushButton::clicked, this, &frmTaraStampa::cmdSelezione_Click);
    connect(cmdApplica, &QPushButton::clicked, this, &frmTaraStampa::cmdApplica_Click);
    connect(pulsante("cmdEsci"), &QPushButton::clicked, this, &frmTaraStampa::cmdEsci_Click);
    connect(cmdRimuovi, &QPushButton::clicked, this, &frmTaraStampa::cmdRimuovi_Click);
    connect(cboNomeTaratura, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &frmTaraStampa::cboNomeTaratura_Click);
}

frmTaraStampa *frmTaraStampa::Aperto() { return g_manager.data(); }

frmTaraStampa *frmTaraStampa::Apri(TaraturaInUso *taratura, bool modale, QWidget *parent)
{
    const Qt::WindowModality modalita = modale ? Qt::ApplicationModal : Qt::NonModal;
    if (frmTaraStampa *aperto = g_manager.data()) {
        // A worksheet loaded again since the manager opened read the list anew: it gets the
        // calibration shown here, and typed texts are kept.
        if (aperto->m_taratura != taratura || (taratura && aperto->m_ricaricheViste != taratura->Ricariche())) {
            aperto->m_taratura = taratura;
            aperto->m_ricaricheViste = taratura ? taratura->Ricariche() : 0;
            aperto->SelezionaNelFoglio(aperto->RecordCorrente - 1);
        }
        // A second opening only brings it forward; a modal opener must not be left facing a
        // manager that its own modality blocks.
        if (aperto->windowModality() != modalita) {
            aperto->hide();
            aperto->setWindowModality(modalita);
            aperto->show();
        }
        aperto->raise();
        aperto->activateWindow();
        return aperto;
    }
    auto *manager = new frmTaraStampa(taratura, parent);
    g_manager = manager;
    const int indice = taratura ? taratura->Indice() : 0;
    {
        // Filling the list selects its first entry: that must not run the selection flow, which
        // would make the first calibration the one in use on the way.
        const QSignalBlocker blocco(manager->cboNomeTaratura);
        manager->cboNomeTaratura->addItems(NomiTarature());
    }
    manager->SelezionaTaratura(indice < 0 ? 0 : indice);
    manager->setWindowModality(modalita);
    manager->show();
    return manager;
}

// Selection flow: show the chosen record read-only and make it the calibration in use.
void frmTaraStampa::cboNomeTaratura_Click(int indice)
{
    if (indice < 0)
        return;
    CaricaTaratura(indice);
    SelezionaNelFoglio(indice);
    AbilitaCaselle(false, false);
    cmdApplica->hide();
}

void frmTaraStampa::CaricaTaratura(int indice)
{
    NumeroTarature = ContaTarature().value_or(0);
    RecordCorrente = indice + 1;
    const std::optional<RecordTara> record = CaricaTara(RecordCorrente);
    if (!record)
        return;
    m_caselle[std::size_t(CampoTara::NomeTara)]->setText(TrimBlank(record->NomeTara));
    for (const DescrizioneCampoTara &d : CampiTara()) {
        if (d.campo != CampoTara::NomeTara)
            m_caselle[std::size_t(d.campo)]->setText((*record).*d.membro);
    }
}

void frmTaraStampa::MostraRecordCorrenteTara(const RecordTara &record)
{
    for (const DescrizioneCampoTara &d : CampiTara())
        m_caselle[std::size_t(d.campo)]->setText(TrimBlank(record.*d.membro));
}

void frmTaraStampa::cmdCreaNuova_Click()
{
    AbilitaCaselle(true, true);
    cmdApplica->show();
    fraRimuovi->hide();
    cmdStampaPaginaTaratura_Click();
}

void frmTaraStampa::cmdStampaPaginaTaratura_Click() { StampaPaginaTaratura(); }

void frmTaraStampa::cmdModificaTaratura_Click()
{
    // Cancel keeps the calibration read-only: the warning would mean nothing otherwise.
    if (MsgBox(QStringLiteral("La modifica casuale dei parametri può provocare stampe multiple!"),
               Pulsanti::OKAnnulla) != RispostaOK)
        return;
    AbilitaCaselle(false, true);
    cmdApplica->show();
    fraRimuovi->hide();
}

void frmTaraStampa::cmdApplica_Click()
{
    Controlli_Tara();
    // A span far from its nominal one is asked about: No leaves the texts to be corrected.
    if (ErroreTara != 1 && SalvaTaraInsolita(RecordDalleCaselle()))
        SalvaRecordCorrenteTara();
}

void frmTaraStampa::Controlli_Tara()
{
    const EsitoControlliTara esito = ::Controlli_Tara(RecordDalleCaselle());
    ErroreTara = esito.ErroreTara;
    for (const DescrizioneCampoTara &d : CampiTara())
        m_caselle[std::size_t(d.campo)]->setText(esito.testi.*d.membro);
}

void frmTaraStampa::SalvaRecordCorrenteTara()
{
    const EsitoSalvaTara esito = SalvaTara(RecordDalleCaselle());
    if (esito.esito != EsitoTara::Eseguito)
        return;
    emit Salvata(QStringLiteral("Taratura ") + TrimBlank(RecordDalleCaselle().NomeTara) +
                 QStringLiteral(" salvata in ") + QFileInfo(k_FileTaratura).absoluteFilePath());
    RicostruisciListe();
    SelezionaNelFoglio(esito.indice - 1);
    SelezionaTaratura(esito.indice - 1);
}

void frmTaraStampa::cmdEliminaTaratura_Click()
{
    MostraListaRimozione(QStringLiteral("Scegli le tarature da eliminare"), true);
}

void frmTaraStampa::cmdSelezione_Click()
{
    MostraListaRimozione(QStringLiteral("Seleziona taratura"), false);
    AbilitaCaselle(false, false);
}

void frmTaraStampa::MostraListaRimozione(const QString &didascalia, bool rimuovi)
{
    fraRimuovi->setTitle(didascalia);
    fraRimuovi->show();
    cmdRimuovi->setVisible(rimuovi);
    cmdApplica->hide();
}

void frmTaraStampa::cmdRimuovi_Click()
{
    if (RimuoviTara(cboNomeTaratura->currentIndex(), cboNomeTaratura->count()) != EsitoTara::Eseguito)
        return;
    RicostruisciListe();
    SelezionaTaratura(0);
    SelezionaNelFoglio(0);
}

void frmTaraStampa::cmdEsci_Click() { close(); }

void frmTaraStampa::RicostruisciListe()
{
    const QStringList nomi = NomiTarature();
    // Rebuilding selects nothing: the caller selects the entry it wants, which runs the flow.
    const QSignalBlocker blocco(cboNomeTaratura);
    cboNomeTaratura->clear();
    cboNomeTaratura->addItems(nomi);
    cboNomeTaratura->setCurrentIndex(-1);
    if (m_taratura) {
        m_taratura->Ricarica(nomi, -1);
        m_ricaricheViste = m_taratura->Ricariche();
    }
}

void frmTaraStampa::SelezionaTaratura(int indice)
{
    if (cboNomeTaratura->currentIndex() == indice)
        cboNomeTaratura_Click(indice);
    else
        cboNomeTaratura->setCurrentIndex(indice);
}

void frmTaraStampa::SelezionaNelFoglio(int indice)
{
    if (m_taratura)
        m_taratura->Scegli(indice);
}

void frmTaraStampa::AbilitaCaselle(bool nome, bool valori)
{
    for (const DescrizioneCampoTara &d : CampiTara())
        m_caselle[std::size_t(d.campo)]->setEnabled(d.campo == CampoTara::NomeTara ? nome : valori);
}

RecordTara frmTaraStampa::RecordDalleCaselle() const
{
    RecordTara record;
    for (const DescrizioneCampoTara &d : CampiTara())
        record.*d.membro = m_caselle[std::size_t(d.campo)]->text();
    return record;
}

bool frmTaraStampa::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() == QEvent::FocusOut) {
        // Leaving the window (a message box, another program) is not leaving the box.
        const Qt::FocusReason motivo = static_cast<QFocusEvent *>(evento)->reason();
        if (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::PopupFocusReason) {
            for (const DescrizioneCampoTara &d : CampiTara()) {
                if (m_caselle[std::size_t(d.campo)] == oggetto)
                    casella_LostFocus(d.campo);
            }
        }
    }
    return QWidget::eventFilter(oggetto, evento);
}

// The loss-of-focus syntax check shared by the 14 number boxes.
void frmTaraStampa::casella_LostFocus(CampoTara campo)
{
    QLineEdit *casella = m_caselle[std::size_t(campo)];
    if (!casella->isEnabled())
        return;
    const EsitoSintassi esito = ControlloSintassi(campo, casella->text());
    if (!esito.messaggio.isEmpty())
        MsgBox(esito.messaggio);
    casella->setText(esito.testo);
}
