// The development window's commands, its unsaved checks, and opening and saving its job.
#include "pieces/PiegheTronco.h"
#include "plates/ui/frmLamiere.h"
#include "plates/ui/frmDivisione.h"
#include "development/frmGrafico.h"

#include "exports/Esportazione.h"
#include "development/frmOrdinate.h"
#include "exports/ComandoEsporta.h"
#include "exports/EsportaCommessa.h"
#include "exports/PezzoDellaCommessa.h"
#include "platform/NomeConEstensione.h"
#include "development/Guscio.h"
#include "development/PaginaGrafico.h"
#include "calcolo/CalcolaSviluppo.h"
#include "documents/ArchivioCommessa.h"
#include "documents/EtichetteCommessa.h"
#include "documents/PezziGomito.h"
#include "documents/ScartoArrotondamento.h"
#include "platform/Piattaforma.h"
#include "plot/DisegnaPezzi.h"
#include "plot/DisegnaPezzo.h"

#include <QCloseEvent>

#include <algorithm>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QScrollArea>
#include <QVBoxLayout>


std::int16_t ContaFinestre = 0;

namespace {
const QString k_Didascalia = QStringLiteral("Grafico - Drenvik");
} // namespace

frmGrafico::frmGrafico(Guscio &guscio, QWidget *parent)
    : QWidget(parent),
      lblNome(etichetta("lblNome")),
      lblAC(etichetta("lblAC")),
      lblAB(etichetta("lblAB")),
      lblBD(etichetta("lblBD")),
      lblALFA(etichetta("lblALFA")),
      lblBeta(etichetta("lblBeta")),
      lblChiudi(etichetta("lblChiudi")),
      lblConoCilindro(etichetta("lblConoCilindro")),
      lblStampa(etichetta("lblStampa")),
      lblSalvato(etichetta("lblSalvato")),
      m_guscio(guscio),
      m_pagina(new PaginaGrafico(this))
{
    setObjectName(QStringLiteral("frmGrafico"));
    setWindowTitle(k_Didascalia);
    auto *impaginazione = new QVBoxLayout(this);
    impaginazione->setContentsMargins(0, 0, 0, 0);
    // The page fills the window down to a readable size, then scrolls.
    auto *scorrimento = new QScrollArea(this);
    scorrimento->setObjectName(QStringLiteral("scorrimentoGrafico"));
    scorrimento->setFrameShape(QFrame::NoFrame);
    scorrimento->setWidgetResizable(true);
    scorrimento->setWidget(m_pagina);
    impaginazione->addWidget(scorrimento);
    creaMenu();
    MostraDocumento();
}

QLabel *frmGrafico::etichetta(const char *nome)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(nome));
    label->setVisible(false);
    return label;
}

QAction *frmGrafico::voce(QMenu *menu, const QString &didascalia, const char *nome)
{
    QAction *azione = menu->addAction(didascalia);
    azione->setObjectName(QLatin1String(nome));
    return azione;
}

void frmGrafico::creaMenu()
{
    auto *file = new QMenu(QStringLiteral("&File"), this);
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *foglio = voce(file, QStringLiteral("Nuovo &Foglio di Lavoro"), "mnuNuovoFoglioDiLavoro");
    foglio->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
    connect(foglio, &QAction::triggered, this, &frmGrafico::mnuNuovoFoglioDiLavoro_Click);
    QAction *sviluppo = voce(file, QStringLiteral("&Nuovo Sviluppo"), "mnuNuovoSviluppo");
    sviluppo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    connect(sviluppo, &QAction::triggered, this, &frmGrafico::mnuNuovoSviluppo_Click);
    connect(voce(file, QStringLiteral("&Modifica sviluppo"), "mnuModificaSviluppo"), &QAction::triggered, this,
            &frmGrafico::mnuModificaSviluppo_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuDivisione"));
    connect(voce(file, QStringLiteral("&Apri"), "mnuApri"), &QAction::triggered, this, &frmGrafico::mnuApri_Click);
    QAction *salva = voce(file, QStringLiteral("&Salva con nome"), "mnuSalvaNome");
    salva->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salva, &QAction::triggered, this, &frmGrafico::mnuSalvaNome_Click);
    connect(voce(file, QStringLiteral("&Chiudi"), "cmdChiudi"), &QAction::triggered, this,
            &frmGrafico::cmdChiudi_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuDivisione3"));
    connect(voce(file, QStringLiteral("Stam&pa"), "mnuStampa"), &QAction::triggered, this,
            &frmGrafico::mnuStampa_Click);
    QAction *naturale = voce(file, QStringLiteral("Stampa a grandezza &naturale..."), "mnuStampaNaturale");
    naturale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    connect(naturale, &QAction::triggered, this, &frmGrafico::mnuStampaNaturale_Click);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSep1"));
    connect(voce(file, QStringLiteral("Esporta come *.&dxf"), "mnuEsporta"), &QAction::triggered, this,
            &frmGrafico::mnuEsporta_Click);
    // Exact arcs only on request: several CAM readers still draw polyline bulges as chords.
    connect(voce(file, QStringLiteral("Esporta come *.dxf con a&rchi esatti"), "mnuEsportaArchi"), &QAction::triggered,
            this, &frmGrafico::mnuEsportaArchi_Click);
    connect(voce(file, QStringLiteral("Esporta s&triscia *.dxf"), "mnuEsportaStriscia"), &QAction::triggered, this,
            &frmGrafico::mnuEsportaStriscia_Click);
    connect(voce(file, QStringLiteral("Tabella delle &generatrici..."), "mnuTabellaGeneratrici"), &QAction::triggered,
            this, &frmGrafico::mnuTabellaGeneratrici_Click);
    connect(voce(file, QStringLiteral("Pie&ghe..."), "mnuPieghe"), &QAction::triggered, this,
            &frmGrafico::mnuPieghe_Click);

    file->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    connect(voce(file, QStringLiteral("&Esci"), "mnuEsci"), &QAction::triggered, this, &frmGrafico::mnuEsci_Click);

    auto *taratura = new QMenu(QStringLiteral("&Taratura"), this);
    taratura->setObjectName(QStringLiteral("mnuTaratura"));
    connect(voce(taratura, QStringLiteral("&Manager Tarature"), "mnuManager_Tarature"), &QAction::triggered, this,
            &frmGrafico::mnuManager_Tarature_Click);
    connect(voce(taratura, QStringLiteral("&Lamiere..."), "mnuLamiere"), &QAction::triggered, this,
            &frmGrafico::mnuLamiere_Click);
    connect(voce(taratura, QStringLiteral("Dividi su &lamiere..."), "mnuDividiLamiere"), &QAction::triggered, this,
            &frmGrafico::mnuDividiLamiere_Click);

    m_menuFinestre = new QMenu(QStringLiteral("Fi&nestre"), this);
    m_menuFinestre->setObjectName(QStringLiteral("mnuFinestre"));
    connect(voce(m_menuFinestre, QStringLiteral("Cascata"), "mnuCascata"), &QAction::triggered, this,
            &frmGrafico::mnuCascata_Click);
    connect(m_menuFinestre, &QMenu::aboutToShow, this, &frmGrafico::elencaFinestre);

    auto *guida = new QMenu(QStringLiteral("&?"), this);
    guida->setObjectName(QStringLiteral("mnuGuida"));
    connect(voce(guida, QStringLiteral("&Guida in linea"), "mnuGuidaInLinea"), &QAction::triggered, this,
            &frmGrafico::mnuGuidaInLinea_Click);

    auto *about = new QMenu(QStringLiteral("&About"), this);
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(voce(about, QStringLiteral("&About"), "mnuInfo"), &QAction::triggered, this, &frmGrafico::mnuInfo_Click);

    m_menu = {file, taratura, m_menuFinestre, guida, about};
}

// The window list below "Cascata", rebuilt each time the menu opens.
void frmGrafico::elencaFinestre()
{
    const QList<QAction *> azioni = m_menuFinestre->actions();
    for (QAction *azione : azioni)
        if (azione->objectName() != QLatin1String("mnuCascata")) {
            m_menuFinestre->removeAction(azione);
            azione->deleteLater();
        }
    m_menuFinestre->addSeparator();
    const QList<frmGrafico *> finestre = m_guscio.Finestre();
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    for (qsizetype i = 0; i < finestre.size(); ++i) {
        frmGrafico *finestra = finestre.at(i);
        // A "&" in a caption (a name, a path) is shown as it is, not taken as an access key.
        QString didascalia = finestra->windowTitle();
        didascalia.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *azione = m_menuFinestre->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(didascalia));
        azione->setCheckable(true);
        azione->setChecked(finestra == attiva);
        QPointer<frmGrafico> bersaglio(finestra);
        connect(azione, &QAction::triggered, this, [this, bersaglio] {
            if (bersaglio)
                m_guscio.Attiva(*bersaglio);
        });
    }
}

QRect frmGrafico::GeometriaIniziale(const QSize &schermo) noexcept
{
    const int larghezza = int(0.96 * schermo.width());
    const int altezza = int(0.96 * schermo.height());
    return QRect((schermo.width() - larghezza) / 2, (schermo.height() - altezza) / 2, larghezza, altezza);
}

void frmGrafico::MostraDocumento()
{
    const EtichetteSviluppo e = Etichette();
    lblNome->setText(e.lblNome);
    lblAC->setText(e.lblAC);
    lblAB->setText(e.lblAB);
    lblBD->setText(e.lblBD);
    lblALFA->setText(e.lblALFA);
    lblBeta->setText(e.lblBeta);
    lblChiudi->setText(e.lblChiudi);
    lblConoCilindro->setText(e.lblConoCilindro);
    lblStampa->setText(e.lblStampa);
    lblSalvato->setText(DidascaliaSalvataggio(m_commessa.salvataggio));
}


EtichetteSviluppo frmGrafico::Etichette() const { return EtichetteDellaCommessa(m_commessa); }

// A window that has drawn nothing holds no piece: the first one starts from its first captions.
SorgentePezzo &frmGrafico::pezzoMostrato()
{
    if (m_commessa.pezzi.empty())
        m_commessa.pezzi.push_back(PezzoDelleEtichette(Etichette()));
    return m_commessa.pezzi.front();
}

void frmGrafico::ScriviEtichette(const EtichetteSviluppo &etichette)
{
    pezzoMostrato() = PezzoDelleEtichette(etichette);
    MostraDocumento();
}

void frmGrafico::ImpostaSalvataggio(Salvataggio stato)
{
    m_commessa.salvataggio = stato;
    MostraDocumento();
}

void frmGrafico::ImpostaFigure(const FigureSviluppo &figure)
{
    // A cone calculated here replaces a job of another solid or of several pieces, not just its first.
    pezzoMostrato();
    m_commessa.gomito.reset();
    m_commessa.pezzi.resize(1);
    m_commessa.pezzi.front().solido = TipoSolido::Tronco;
    m_commessa.pezzi.front().tronco = figure;
    // A job of one piece is known by that piece's name.
    if (m_commessa.pezzi.size() == 1)
        m_commessa.nome = TrimBlank(figure.Nome);
    MostraDocumento();
}

bool frmGrafico::altroSolido() const
{
    return m_commessa.gomito || (!m_commessa.pezzi.empty() && m_commessa.pezzi.front().solido != TipoSolido::Tronco);
}

QString frmGrafico::nomeMostrato() const { return altroSolido() ? m_commessa.nome : TrimBlank(Etichette().lblNome); }

bool frmGrafico::disegnaPezzo()
{
    if (m_commessa.gomito) {
        const auto pezzi = PezziDellaCommessa(m_commessa);
        if (!pezzi)
            return false;
        m_pagina->Elenco().Cls();
        return DisegnaPezzi(*pezzi, m_commessa.nome, m_pagina->Elenco()) > 0;
    }
    const auto pezzo = PezzoDellaCommessa(m_commessa);
    if (!pezzo)
        return false;
    ElencoVisualizzazione &elenco = m_pagina->Elenco();
    elenco.Cls();
    return DisegnaPezzo(*pezzo, elenco) > 0;
}

bool frmGrafico::MostraEccentrico(const FigureEccentrico &figure)
{
    Commessa commessa;
    SorgentePezzo sorgente;
    sorgente.solido = TipoSolido::Eccentrico;
    sorgente.eccentrico = figure;
    commessa.pezzi = {sorgente};
    commessa.nome = TrimBlank(figure.nome);
    return mostraCommessa(commessa);
}

bool frmGrafico::MostraGomito(const QString &nome, const GomitoCommessa &gomito, const FigureSviluppo &lamiera)
{
    const auto commessa = CommessaDelGomito(nome, gomito, lamiera);
    return commessa && mostraCommessa(*commessa);
}

bool frmGrafico::mostraCommessa(const Commessa &commessa)
{
    const Commessa prima = m_commessa;
    m_commessa.pezzi = commessa.pezzi;
    m_commessa.gomito = commessa.gomito;
    m_commessa.nome = commessa.nome;
    if (!disegnaPezzo()) {
        m_commessa = prima;
        return false;
    }
    setWindowTitle(k_Didascalia + QLatin1Char(' ') + m_commessa.nome + QLatin1Char('*'));
    ImpostaSalvataggio(Salvataggio::DaSalvare);
    return true;
}

SuperficieDisegno &frmGrafico::Superficie() { return m_pagina->Elenco(); }

void frmGrafico::ImpostaSalvato(const QString &didascalia) { ImpostaSalvataggio(SalvataggioDi(didascalia)); }

void frmGrafico::ImpostaStampa(const QString &didascalia)
{
    pezzoMostrato().disegno.routineStampa = didascalia;
    MostraDocumento();
}

frmGrafico *frmGrafico::mnuNuovoFoglioDiLavoro_Click()
{
    frmGrafico *nuova = m_guscio.NuovaFinestra();
    if (nuova)
        nuova->setWindowTitle(nuova->windowTitle() + QLatin1Char(' ') + nuova->Tag);
    return nuova;
}

// The question of "Apri" and "Nuovo Sviluppo"; true when the user wants the development saved.
bool frmGrafico::chiediSalvataggio()
{
    return MsgBox(QStringLiteral("Lo sviluppo ") + windowTitle() + QStringLiteral(" non è stato salvato. Salvare ora?"),
                  Pulsanti::SiNo) == RispostaSi;
}

void frmGrafico::mnuNuovoSviluppo_Click()
{
    if (m_commessa.salvataggio == Salvataggio::DaSalvare) {
        if (chiediSalvataggio()) {
            // A save that did not happen keeps the development here, safe from the next calculation.
            if (!mnuSalvaNome_Click())
                return;
        } else {
            if (VistaFoglio *foglio = m_guscio.FoglioCaricato())
                foglio->Nascondi();
            if (!mnuNuovoFoglioDiLavoro_Click())
                return;
        }
    }
    m_guscio.Foglio().Mostra();
}

frmGrafico *frmGrafico::sviluppoDaModificare()
{
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    if (!attiva)
        attiva = this;
    if (attiva->CommessaMostrata().salvataggio == Salvataggio::Nessuno) {
        MsgBox(QStringLiteral("Nessun sviluppo da modificare! Premere OK per continuare"));
        return nullptr;
    }
    return attiva;
}

void frmGrafico::mnuModificaSviluppo_Click()
{
    frmGrafico *attiva = sviluppoDaModificare();
    if (!attiva)
        return;
    // The piece's own figures: the labels hold only the texts, not the workshop figures.
    attiva->pezzoMostrato();
    m_guscio.ModificaFigure(attiva->m_commessa);
}

// The press-brake bends of the development shown: the data and the DXF lay them out.
void frmGrafico::mnuPieghe_Click()
{
    frmGrafico *attiva = sviluppoDaModificare();
    if (!attiva)
        return;
    FigureSviluppo &figure = attiva->pezzoMostrato().tronco;
    const std::optional<int> pieghe = Piattaforma::corrente().ChiediNumero(
        QStringLiteral("Numero di pieghe alla pressa piegatrice (0: nessuna, da %1 a %2):")
            .arg(k_PiegheMinime)
            .arg(k_PiegheMassime),
        QStringLiteral("Pieghe"), figure.Pieghe, 0, k_PiegheMassime);
    if (!pieghe || *pieghe == figure.Pieghe)
        return;
    if (!PiegheAmmesse(*pieghe)) {
        MsgBox(MessaggioPieghe(), Pulsanti::OK, QStringLiteral("Errore su Pieghe"));
        return;
    }
    figure.Pieghe = *pieghe;
    attiva->ImpostaSalvataggio(Salvataggio::DaSalvare);
}

void frmGrafico::mnuApri_Click()
{
    if (m_commessa.salvataggio == Salvataggio::DaSalvare) {
        if (chiediSalvataggio() && mnuSalvaNome_Click())
            MsgBox(QStringLiteral("File salvato"));
        // The file goes into a new window: an unsaved development is never overwritten.
        if (!mnuNuovoFoglioDiLavoro_Click())
            return;
    }
    RichiestaFile richiesta;
    richiesta.filtro = QStringLiteral("(*.tnt)|*.tnt|(*.vorna)|*.vorna");
    richiesta.indiceFiltro = 1;
    // A cancelled dialog names no file: an earlier name must not be read again unasked.
    m_nomeFileDialogo = Piattaforma::corrente().DialogoApri(richiesta).value_or(QString());
    SelezionaFile();
}

void frmGrafico::ApriFile(const QString &nome)
{
    m_nomeFileDialogo = nome;
    SelezionaFile();
}

bool frmGrafico::CalcolaQui(const std::function<bool()> &calcolo)
{
    const Commessa documento = m_commessa;
    const ElencoVisualizzazione disegno = m_pagina->Elenco();
    const QString didascalia = windowTitle();
    if (CalcolaOAvvisa(calcolo))
        return true;
    // The development that was here stays, neither cleared nor asking to be saved.
    m_commessa = documento;
    m_pagina->Elenco() = disegno; // the page repaints itself
    setWindowTitle(didascalia);
    MostraDocumento();
    return false;
}

void frmGrafico::SelezionaFile()
{
    const QString nome = m_nomeFileDialogo;
    if (!EstensioneCommessa(nome)) {
        MsgBox(QStringLiteral("Errore"));
        return;
    }
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    if (!attiva)
        return;
    Commessa commessa;
    QString avviso;
    if (const EsitoFile esito = ApriCommessa(nome, commessa, &avviso); !esito) {
        MsgBox(MessaggioApertura(nome, esito));
        return;
    }
    if (!avviso.isEmpty())
        MsgBox(avviso);
    attiva->CalcolaQui([&] {
        attiva->m_commessa = commessa;
        attiva->MostraDocumento();
        bool sviluppato = false;
        if (attiva->altroSolido()) {
            sviluppato = attiva->disegnaPezzo();
        } else {
            StatoSviluppo &stato = m_guscio.Stato();
            CaricaPezzoNelloStato(commessa.pezzi.front(), stato);
            ContestoCalcolo contesto{stato, attiva, m_guscio.FoglioCaricato()};
            sviluppato = CalcolaSviluppo(contesto);
        }
        // Refused figures stay in the labels, to be corrected with "Modifica sviluppo"; the
        // drawing of the development they replace must not stay beside them.
        if (!sviluppato)
            attiva->Superficie().Cls();
        attiva->setWindowTitle(k_Didascalia + QLatin1Char(' ') + nome);
        attiva->ImpostaSalvataggio(Salvataggio::Salvato);
        m_guscio.Avviso(sviluppato ? QStringLiteral("Aperto ") + nome : QString());
        return true;
    });
}

bool frmGrafico::mnuSalvaNome_Click()
{
    if (m_commessa.salvataggio == Salvataggio::Nessuno) {
        MsgBox(QStringLiteral("Nessun sviluppo da salvare! Premere OK per continuare"));
        return false;
    }
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    if (!attiva)
        attiva = this;
    RichiestaFile richiesta;
    richiesta.filtro = QStringLiteral("(*.tnt)|*.tnt|(*.vorna)|*.vorna|All Files (*.*)|*.*");
    richiesta.indiceFiltro = 1;
    // The name without its padding; no name, no proposal.
    richiesta.nomePredefinito = attiva->nomeMostrato();
    richiesta.chiediSovrascrittura = true;
    // The dialog adds the extension itself, so that its overwrite question names the real file.
    // A .tnt holds only the projection's solid.
    richiesta.estensionePredefinita = attiva->altroSolido() ? QStringLiteral("vorna") : QStringLiteral("tnt");
    // A cancelled dialog leaves the preset name in it and ends the save quietly, even for a
    // name that happens to end in ".tnt": the user chose not to save.
    const auto scelto = Piattaforma::corrente().DialogoSalva(richiesta);
    m_nomeFileDialogo = scelto.value_or(richiesta.nomePredefinito);
    if (!scelto)
        return false;
    const auto nome =
        NomeConEstensione(*scelto, attiva->altroSolido() ? QStringLiteral(".vorna") : QStringLiteral(".tnt"));
    if (!nome)
        return false;
    m_nomeFileDialogo = *nome;
    if (!EstensioneCommessa(m_nomeFileDialogo)) {
        MsgBox(QStringLiteral("Posso salvare solo in formato .tnt. Premere OK per continuare"));
        return false;
    }
    const bool salvato = SalvaFile();
    // A failed write must not leave the window marked as saved.
    attiva->ImpostaSalvataggio(salvato ? Salvataggio::Salvato : Salvataggio::DaSalvare);
    return salvato;
}

bool frmGrafico::SalvaFile()
{
    const QString nome = m_nomeFileDialogo;
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    if (!attiva)
        return false;
    CompletaDisegno(attiva->pezzoMostrato());
    attiva->MostraDocumento();
    Commessa salvata = attiva->m_commessa;
    salvata.percorso = nome;
    salvata.salvataggio = Salvataggio::Salvato;
    if (!ConfermaArrotondamento(nome, salvata))
        return false;
    if (const EsitoFile esito = SalvaCommessa(nome, salvata); !esito) {
        MsgBox(QStringLiteral("Errore nel salvataggio dello sviluppo\n") +
               MessaggioEsportazione(EsitoEsportazione::NonScrivibile, nome, esito.motivo));
        return false;
    }
    attiva->m_commessa.percorso = nome;
    attiva->setWindowTitle(k_Didascalia + QLatin1Char(' ') + nome);
    m_guscio.Avviso(QStringLiteral("Salvato ") + nome);
    return true;
}

void frmGrafico::cmdChiudi_Click()
{
    if (frmGrafico *attiva = m_guscio.FigliaAttiva())
        attiva->Chiudi();
}

void frmGrafico::mnuStampa_Click()
{
    // Every solid prints the page the window draws.
    m_guscio.StampaSviluppo(*this);
}

void frmGrafico::mnuStampaNaturale_Click() { m_guscio.StampaGrandezzaNaturale(*this); }

void frmGrafico::mnuEsporta_Click() { esportaDxf({}); }

void frmGrafico::mnuEsportaArchi_Click()
{
    OpzioniDxf opzioni;
    opzioni.archi = true;
    esportaDxf(opzioni);
}

void frmGrafico::esportaDxf(const OpzioniDxf &opzioni)
{
    if (m_commessa.salvataggio == Salvataggio::Nessuno) {
        MsgBox(QStringLiteral("Nessun sviluppo da esportare! Premere OK per continuare"));
        return;
    }
    OpzioniEsportazione scelte;
    scelte.dxf = opzioni;
    const FormatoEsportazione &formato = FormatoPerEstensione(QStringLiteral(".dxf"));
    // A job of several pieces goes out whole, each piece beside the others.
    const auto esito = m_commessa.pezzi.size() > 1
                           ? ComandoEsporta(formato, nomeMostrato(),
                                            [&](const QString &percorso) {
                                                return ScriviPezziDellaCommessa(formato, m_commessa, scelte, percorso,
                                                                                m_commessa.percorso);
                                            })
                           : ComandoEsporta(
                                 formato, nomeMostrato(), [this] { return PezzoDellaCommessa(m_commessa); }, scelte);
    if (esito && esito->esito == EsitoEsportazione::Ok)
        m_guscio.Avviso(AvvisoEsportato(*esito));
}

void frmGrafico::mnuEsportaStriscia_Click()
{
    if (!m_commessa.gomito || m_commessa.gomito->figure.D1 != m_commessa.gomito->figure.D2) {
        MsgBox(QStringLiteral("La striscia annidata si esporta solo per un gomito a diametro costante! Premere OK "
                              "per continuare"));
        return;
    }
    const FormatoEsportazione &formato = FormatoPerEstensione(QStringLiteral(".dxf"));
    const auto esito =
        ComandoEsporta(formato, nomeMostrato() + QStringLiteral(" striscia"), [&](const QString &percorso) {
            return ScriviPezziDellaCommessa(formato, m_commessa, {}, percorso, m_commessa.percorso, true);
        });
    if (esito && esito->esito == EsitoEsportazione::Ok)
        m_guscio.Avviso(AvvisoEsportato(*esito));
}

void frmGrafico::mnuTabellaGeneratrici_Click()
{
    if (m_commessa.salvataggio == Salvataggio::Nessuno) {
        MsgBox(QStringLiteral("Nessun sviluppo da esportare! Premere OK per continuare"));
        return;
    }
    // A job of several pieces has a table for each: the user says which.
    std::size_t scelto = 0;
    if (m_commessa.pezzi.size() > 1) {
        const int pezzi = int(m_commessa.pezzi.size());
        const std::optional<int> numero =
            Piattaforma::corrente().ChiediNumero(QStringLiteral("Pezzo di cui mostrare la tabella (1-%1):").arg(pezzi),
                                                 QStringLiteral("Tabella delle generatrici"), 1, 1, pezzi);
        if (!numero)
            return;
        scelto = std::size_t(std::clamp(*numero, 1, pezzi) - 1);
    }
    const auto pezzo = m_commessa.pezzi.empty() ? std::nullopt : PezzoDellaSorgente(m_commessa.pezzi[scelto]);
    if (!pezzo)
        return;
    frmOrdinate *tabella = frmOrdinate::Mostra(*pezzo, this);
    connect(tabella, &frmOrdinate::Avviso, this, [this](const QString &testo) { m_guscio.Avviso(testo); });
}

void frmGrafico::mnuEsci_Click() { m_guscio.ChiudiFrame(); }

void frmGrafico::mnuManager_Tarature_Click() { m_guscio.ManagerTarature(); }

frmLamiere *frmGrafico::mnuLamiere_Click()
{
    auto *finestra = new frmLamiere(k_FileLamiere, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->setWindowFlag(Qt::Window);
    finestra->show();
    return finestra;
}

frmDivisione *frmGrafico::mnuDividiLamiere_Click()
{
    if (altroSolido() || m_commessa.pezzi.empty()) {
        MsgBox(QStringLiteral("La divisione su lamiere è possibile solo per un tronco di cono o un cilindro"));
        return nullptr;
    }
    QString motivo;
    const auto stock = LeggiLamiere(k_FileLamiere, &motivo);
    if (!stock) {
        MsgBox(motivo);
        return nullptr;
    }
    auto *finestra = new frmDivisione(m_commessa.pezzi.front().tronco, *stock, m_commessa.divisione, this);
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    connect(finestra, &QDialog::accepted, this, [this, finestra] {
        const auto scelta = finestra->scelta().PerLaCommessa();
        if (scelta && !(scelta == m_commessa.divisione)) {
            m_commessa.divisione = scelta;
            ImpostaSalvataggio(Salvataggio::DaSalvare);
        }
    });
    finestra->show();
    return finestra;
}

void frmGrafico::mnuCascata_Click() { m_guscio.Cascata(); }

void frmGrafico::mnuGuidaInLinea_Click() { m_guscio.MostraHelp(false); }

void frmGrafico::mnuInfo_Click() { m_guscio.MostraAbout(); }

bool frmGrafico::Form_QueryUnload()
{
    if (m_commessa.salvataggio != Salvataggio::DaSalvare)
        return true;
    // The save below writes the active child: this window must be it.
    m_guscio.Attiva(*this);
    const int risposta = MsgBox(QStringLiteral("Attenzione lo sviluppo: ") + windowTitle() +
                                    QStringLiteral(" non è stato salvato. Farlo ora?"),
                                Pulsanti::SiNoAnnulla);
    if (risposta == RispostaSi)
        return mnuSalvaNome_Click(); // a save that did not happen keeps the window open
    return risposta == RispostaNo;
}

bool frmGrafico::Chiudi()
{
    auto *sottofinestra = qobject_cast<QMdiSubWindow *>(parentWidget());
    return sottofinestra ? sottofinestra->close() : close();
}

void frmGrafico::closeEvent(QCloseEvent *event)
{
    if (Form_QueryUnload())
        event->accept();
    else
        event->ignore();
}
