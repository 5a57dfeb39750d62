// The worksheet's controls, laid out in twips, and its handlers.
#include "worksheet/frmCalvetra.h"

#include "calibration/ProcedureTara.h"
#include "calibration/ListaTarature.h"
#include "calibration/TaraturaInUso.h"
#include "development/Guscio.h"
#include "development/frmGrafico.h"
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/Lamiera.h"
#include "geometry/TestiOfficina.h"
#include "platform/DisposizioneTwip.h"
#include "platform/FinestraFissa.h"
#include "platform/Piattaforma.h"
#include "platform/PiattaformaSilenziosa.h"
#include "platform/TestoNumerico.h"
#include "worksheet/GruppoEccentrico.h"
#include "worksheet/GruppoGomito.h"
#include "worksheet/GruppoOfficina.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include <QtMath>

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace {
// The form's height without and with the workshop fields.
constexpr int k_AltezzaForm = 3450, k_AltezzaConOfficina = 4530, k_AltezzaConEccentrico = 4890;

// The last entry of cboMateriale, after MaterialiComuni().
const QString k_Altro = QStringLiteral("Altro...");

// Checking the workshop fields while they are typed: their refusals wait for "Calcola".
class SenzaMessaggi {
public:
    SenzaMessaggi() : m_prima(&Piattaforma::corrente()) { Piattaforma::installa(&m_silenziosa); }
    ~SenzaMessaggi() { Piattaforma::installa(m_prima); }
    SenzaMessaggi(const SenzaMessaggi &) = delete;
    SenzaMessaggi &operator=(const SenzaMessaggi &) = delete;

private:
    Piattaforma *m_prima;
    PiattaformaSilenziosa m_silenziosa;
};

// The workshop figures of a projection's texts, to show them; none when they are no truncated solid.
std::optional<FigureOfficina> OfficinaDeiTesti(const FigureSviluppo &f)
{
    for (const TestoFisso *testo : {&f.TestoAC, &f.TestoAB, &f.TestoBD, &f.TestoAlfa, &f.TestoBeta})
        if (!ENumerico(*testo))
            return std::nullopt;
    return OfficinaDaProiezione({ValoreNumerico(f.TestoAC), ValoreNumerico(f.TestoAB), ValoreNumerico(f.TestoBD),
                                 qDegreesToRadians(ValoreNumerico(f.TestoAlfa)),
                                 qDegreesToRadians(ValoreNumerico(f.TestoBeta))});
}

template <typename Controllo>
Controllo *crea(QWidget *genitore, const char *nome, const QString &suggerimento, const QRect &posizione,
                const QString &didascalia = QString())
{
    auto *controllo = new Controllo(genitore);
    controllo->setObjectName(QLatin1String(nome));
    if constexpr (std::is_same_v<Controllo, QGroupBox>)
        controllo->setTitle(didascalia);
    else if constexpr (!std::is_same_v<Controllo, QLineEdit> && !std::is_same_v<Controllo, QComboBox>)
        controllo->setText(didascalia);
    controllo->setToolTip(suggerimento);
    controllo->setGeometry(posizione);
    return controllo;
}

void etichetta(QWidget *genitore, const char *nome, const QString &didascalia, const QRect &posizione)
{
    AllargaAlTesto(crea<QLabel>(genitore, nome, QString(), posizione, didascalia));
}
} // namespace

frmCalvetra::frmCalvetra(Guscio &guscio, QWidget *parent)
    : QWidget(parent, k_FinestraFissa),
      txtNome(crea<QLineEdit>(this, "txtNome",
                              QStringLiteral("Inserisci qui il nome che identificherà il tuo sviluppo"),
                              DaTwips(840, 240, 4335, 315))),
      txtAC(crea<QLineEdit>(this, "txtAC", QStringLiteral("Inserisci in questo spazio la misura in mm del lato AC"),
                            DaTwips(840, 720, 1455, 255))),
      txtAB(crea<QLineEdit>(this, "txtAB",
                            QStringLiteral("Inserisci in questo spazio la lunghezza in mm della base AB"),
                            DaTwips(840, 1080, 1455, 255))),
      txtBD(crea<QLineEdit>(this, "txtBD",
                            QStringLiteral("Inserisci in questo campo la misura in mm del lato obliquo BD"),
                            DaTwips(840, 1440, 1455, 255))),
      txtALPHA(crea<QLineEdit>(this, "txtALPHA",
                               QStringLiteral("Inserisci l'ampiezza in gradi decimali dell'angolo alfa (CAB)"),
                               DaTwips(840, 1800, 1455, 255))),
      txtBETA(crea<QLineEdit>(this, "txtBETA",
                              QStringLiteral("Inserisci l'ampiezza in gradi decimali dell'angolo beta (ABD)"),
                              DaTwips(840, 2160, 1455, 255))),
      fraChiusura(crea<QGroupBox>(this, "fraChiusura", QString(), DaTwips(2400, 600, 2775, 615),
                                  QStringLiteral("Lato di chiusura dello sviluppo"))),
      optChiudiAC(crea<QRadioButton>(
          fraChiusura, "optChiudiAC",
          QStringLiteral("Scegli questa opzione se desideri che il tuo sviluppo si chiuda sul lato AC"),
          DaTwips(120, 240, 1335, 255), QStringLiteral("Chiudi su AC"))),
      optChiudiBD(crea<QRadioButton>(
          fraChiusura, "optChiudiBD",
          QStringLiteral("Scegli questa opzione se desideri che il tuo sviluppo si chiuda sul lato BD"),
          DaTwips(1440, 240, 1215, 255), QStringLiteral("Chiudi su BD"))),
      cmdCalcola(crea<QPushButton>(this, "cmdCalcola", QStringLiteral("Accetta i dati e costruisce l'esploso"),
                                   DaTwips(2400, 1440, 2775, 975), QStringLiteral("&Calcola"))),
      cboNomeTara(crea<QComboBox>(this, "cboNomeTara",
                                  QStringLiteral("Qui puoi selezionare la taratura stampante da usare"),
                                  DaTwips(840, 2760, 4335, 330))),
      cmdTaraStampa(crea<QPushButton>(this, "cmdTaraStampa", QStringLiteral("Vai al manager taratura stampante"),
                                      DaTwips(5280, 960, 2535, 255), QStringLiteral("&Manager Taratura Stampante"))),
      cmdHelp(crea<QPushButton>(this, "cmdHelp",
                                QStringLiteral("Aiuto su come inserire i dati richiesti da questo modulo"),
                                DaTwips(5280, 1320, 2535, 255), QStringLiteral("&?"))),
      cmdAbout(crea<QPushButton>(this, "cmdAbout", QStringLiteral("Informazioni sul programma"),
                                 DaTwips(5280, 2280, 2535, 255), QStringLiteral("&About"))),
      cmdEsci(crea<QPushButton>(this, "cmdEsci", QStringLiteral("Esce da Calvetra"), DaTwips(5280, 2640, 2535, 255),
                                QStringLiteral("&Esci"))),
      txtSpessore(crea<QLineEdit>(
          this, "txtSpessore",
          QStringLiteral("Inserisci in questo spazio lo spessore in mm della lamiera (vuoto o 0: nessuno spessore)"),
          DaTwips(6480, 240, 1335, 255))),
      cboQuote(crea<QComboBox>(
          this, "cboQuote",
          QStringLiteral("Scegli se le misure inserite sono quelle interne, esterne o medie della lamiera"),
          DaTwips(5280, 600, 2535, 300))),
      cboMateriale(crea<QComboBox>(this, "cboMateriale",
                                   QStringLiteral("Scegli il materiale della lamiera, per il peso dello sviluppo"),
                                   DaTwips(5280, 1650, 1335, 300))),
      txtDensita(crea<QLineEdit>(this, "txtDensita",
                                 QStringLiteral("La densità in kg/dm³ del materiale: scegli \"Altro...\" per "
                                                "inserirla"),
                                 DaTwips(6720, 1665, 615, 255))),
      cmdOfficina(crea<QPushButton>(this, "cmdOfficina",
                                    QStringLiteral("Mostra i campi per inserire diametri, altezza e tagli del "
                                                   "tronco, come li misura l'officina"),
                                    DaTwips(5280, 3000, 2535, 255), QStringLiteral("Misure di &officina >>"))),
      fraOfficina(new GruppoOfficina(this)),
      cboSolido(crea<QComboBox>(this, "cboSolido",
                                QStringLiteral("Scegli il solido da sviluppare: un tronco dato dalla sua proiezione, "
                                               "una riduzione eccentrica con le estremità tonde o un gomito a "
                                               "spicchi"),
                                DaTwips(2400, 2445, 2775, 300))),
      fraEccentrico(new GruppoEccentrico(this)),
      fraGomito(new GruppoGomito(this)),
      m_guscio(guscio)
{
    setObjectName(QStringLiteral("frmCalvetra"));
    setWindowTitle(QStringLiteral("Drenvik - Vorna"));
    setFixedSize(DaTwips(0, 0, 7965, 3450).size());
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    setFont(arial);
    QFont grassetto(QStringLiteral("Arial"));
    grassetto.setPointSizeF(9.75);
    grassetto.setBold(true);
    cmdCalcola->setFont(grassetto);
    AllargaAlTesto(optChiudiAC);
    AllargaAlTesto(optChiudiBD);
    // The frame follows its options, so that their captions are not cut at its edge.
    const int larghezzaCornice = optChiudiBD->geometry().right() + 3;
    if (larghezzaCornice > fraChiusura->width())
        fraChiusura->resize(larghezzaCornice, fraChiusura->height());

    etichetta(this, "lblAC", QStringLiteral("CA:"), DaTwips(240, 720, 375, 255));
    etichetta(this, "lblAB", QStringLiteral("AB:"), DaTwips(240, 1080, 375, 255));
    etichetta(this, "lblBD", QStringLiteral("BD:"), DaTwips(360, 1440, 255, 255));
    etichetta(this, "lblAlpha", QStringLiteral("ALFA:"), DaTwips(240, 1800, 495, 255));
    etichetta(this, "lblBeta", QStringLiteral("BETA:"), DaTwips(240, 2160, 495, 255));
    etichetta(this, "lblNome", QStringLiteral("NOME:"), DaTwips(240, 360, 495, 255));
    etichetta(this, "lblTaraStampante", QStringLiteral("Taratura stampante in uso:"), DaTwips(240, 2520, 1935, 255));
    optChiudiBD->setChecked(true);
    etichetta(this, "lblSpessore", QStringLiteral("Spessore (mm):"), DaTwips(5280, 240, 1095, 255));
    // In the order of QuoteLamiera.
    cboQuote->addItems(
        {QStringLiteral("Quote interne"), QStringLiteral("Quote esterne"), QStringLiteral("Quote medie")});
    cboQuote->setCurrentIndex(int(QuoteLamiera::Esterne));
    txtSpessore_Change();
    // A figure longer than its field would be cut without a word: it cannot be typed.
    for (QLineEdit *numero : {txtAC, txtAB, txtBD, txtSpessore})
        numero->setMaxLength(10);
    for (QLineEdit *angolo : {txtALPHA, txtBETA})
        angolo->setMaxLength(6);
    // No room for a unit beside these fields: it shows inside them while they are empty.
    for (QLineEdit *lunghezza : {txtAC, txtAB, txtBD})
        lunghezza->setPlaceholderText(QStringLiteral("mm"));
    for (QLineEdit *angolo : {txtALPHA, txtBETA})
        angolo->setPlaceholderText(QStringLiteral("°"));
    etichetta(this, "lblUnitaDensita", QStringLiteral("kg/dm³"), DaTwips(7380, 1665, 435, 255));
    for (const Materiale &materiale : MaterialiComuni())
        cboMateriale->addItem(materiale.nome);
    cboMateriale->addItem(k_Altro);
    txtDensita->setMaxLength(10);
    mostraMateriale(Materiale{});
    cmdOfficina->setCheckable(true);
    fraOfficina->setGeometry(DaTwips(240, 3360, 7575, 1050));
    fraOfficina->hide();
    // In the order of TipoSolido.
    cboSolido->addItems(
        {QStringLiteral("Tronco di cono"), QStringLiteral("Riduzione eccentrica"), QStringLiteral("Gomito a spicchi")});
    fraEccentrico->setGeometry(DaTwips(240, 3360, 7575, 1410));
    fraEccentrico->hide();
    fraGomito->setGeometry(DaTwips(240, 3360, 7575, 1410));
    fraGomito->hide();

    const QList<QWidget *> ordine = {txtNome,       txtAC,       txtAB,       txtBD,      txtALPHA,
                                     txtBETA,       optChiudiAC, optChiudiBD, cmdCalcola, cboNomeTara,
                                     cmdTaraStampa, cmdHelp,     cmdAbout,    cmdEsci};
    for (qsizetype i = 0; i + 1 < ordine.size(); ++i)
        setTabOrder(ordine.at(i), ordine.at(i + 1));
    // The plate's controls follow all the others.
    setTabOrder(cmdEsci, txtSpessore);
    setTabOrder(txtSpessore, cboQuote);
    QList<QWidget *> nuovi = {cboQuote, cboMateriale, txtDensita, cmdOfficina};
    for (QLineEdit *campo : fraOfficina->Campi())
        nuovi << campo;
    nuovi << cboSolido << fraEccentrico->Campi() << fraGomito->Campi();
    for (qsizetype i = 0; i + 1 < nuovi.size(); ++i)
        setTabOrder(nuovi.at(i), nuovi.at(i + 1));

    // The list shows the calibration in use, which the frame keeps; choosing here changes it.
    MostraTaraturaInUso(*cboNomeTara, m_guscio.Taratura());
    connect(cmdCalcola, &QPushButton::clicked, this, &frmCalvetra::cmdCalcola_Click);
    connect(cmdTaraStampa, &QPushButton::clicked, this, &frmCalvetra::cmdTaraStampa_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmCalvetra::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmCalvetra::cmdAbout_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmCalvetra::cmdEsci_Click);
    connect(txtSpessore, &QLineEdit::textChanged, this, &frmCalvetra::txtSpessore_Change);
    connect(cmdOfficina, &QPushButton::toggled, this, &frmCalvetra::cmdOfficina_Click);
    connect(fraOfficina, &GruppoOfficina::Digitato, this, &frmCalvetra::txtOfficina_Change);
    for (QLineEdit *proiezione : {txtAC, txtAB, txtBD, txtALPHA, txtBETA})
        connect(proiezione, &QLineEdit::textEdited, this, &frmCalvetra::txtProiezione_Change);
    connect(cboMateriale, &QComboBox::activated, this, &frmCalvetra::cboMateriale_Click);
    connect(cboSolido, &QComboBox::currentIndexChanged, this, &frmCalvetra::cboSolido_Click);
    Form_Load();
}

void frmCalvetra::Form_Load()
{
    // At first start the calibration file gets its two factory records. A file it could not
    // read has been reported once: the list stays empty.
    const bool leggibile = CreaTaratureIniziali();
    m_guscio.Taratura().Ricarica(leggibile ? NomiTarature() : QStringList(), 0);
}

void frmCalvetra::Mostra()
{
    // The first time over the middle of the frame, not in a corner of the screen.
    if (!m_collocato && parentWidget()) {
        move(parentWidget()->window()->geometry().center() - rect().center());
        m_collocato = true;
    }
    setWindowModality(Qt::ApplicationModal);
    show();
    raise();
    activateWindow();
}

void frmCalvetra::Nascondi() { hide(); }

void frmCalvetra::MostraPezzo(const SorgentePezzo &pezzo)
{
    if (pezzo.solido == TipoSolido::Tronco) {
        MostraFigure(pezzo.tronco);
        return;
    }
    const FigureEccentrico &e = pezzo.eccentrico;
    cboSolido->setCurrentIndex(int(TipoSolido::Eccentrico));
    mostraLamiera(TrimBlank(e.nome),
                  e.cono.Spessore > 0 ? QString::number(e.cono.Spessore, 'g', QLocale::FloatingPointShortest)
                                      : QString(),
                  e.cono.Quote, e.materiale);
    fraEccentrico->Mostra(e);
    Mostra();
}

void frmCalvetra::MostraCommessa(const Commessa &commessa)
{
    if (!commessa.gomito || commessa.pezzi.empty()) {
        MostraPezzo(commessa.pezzi.empty() ? SorgentePezzo{} : commessa.pezzi.front());
        return;
    }
    // The pieces are all rolled from the first one's plate.
    const FigureSviluppo &lamiera = commessa.pezzi.front().tronco;
    cboSolido->setCurrentIndex(k_SceltaGomito);
    mostraLamiera(commessa.nome, TrimBlank(lamiera.TestoSpessore), lamiera.Quote, lamiera.MaterialeLamiera);
    fraGomito->Mostra(*commessa.gomito);
    Mostra();
}

void frmCalvetra::mostraLamiera(const QString &nome, const QString &spessore, QuoteLamiera quote,
                                const Materiale &materiale)
{
    txtNome->setText(nome);
    txtSpessore->setText(spessore);
    cboQuote->setCurrentIndex(int(quote));
    mostraMateriale(materiale);
}

void frmCalvetra::MostraFigure(const FigureSviluppo &figure)
{
    cboSolido->setCurrentIndex(int(TipoSolido::Tronco));
    txtNome->setText(TrimBlank(figure.Nome));
    txtAC->setText(TrimBlank(figure.TestoAC));
    txtAB->setText(TrimBlank(figure.TestoAB));
    txtBD->setText(TrimBlank(figure.TestoBD));
    txtALPHA->setText(TrimBlank(figure.TestoAlfa));
    txtBETA->setText(TrimBlank(figure.TestoBeta));
    (QString(figure.ChiudiAC) == QLatin1String("T") ? optChiudiAC : optChiudiBD)->setChecked(true);
    // The plate belongs to the development too: whatever the fields held from another one goes.
    txtSpessore->setText(TrimBlank(figure.TestoSpessore));
    cboQuote->setCurrentIndex(int(figure.Quote));
    mostraMateriale(figure.MaterialeLamiera);
    m_pieghe = figure.Pieghe;
    // A job typed by its workshop figures is edited on them; any other shows its own, to read.
    m_officinaMostrata = figure.Officina;
    m_officinaInUso = figure.Officina.has_value();
    if (figure.Officina) {
        fraOfficina->MostraEsatte(*figure.Officina);
        cmdOfficina->setChecked(true);
    } else {
        fraOfficina->MostraArrotondate(OfficinaDeiTesti(figure));
    }
    Mostra();
}

void frmCalvetra::MostraRifiuto(CampoFigura campo)
{
    Mostra();
    QLineEdit *const campi[] = {nullptr, txtAC, txtAB, txtBD, txtALPHA, txtBETA, txtSpessore};
    seleziona(campi[int(campo)]);
}

void frmCalvetra::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) {
        cmdCalcola->click();
        return;
    }
    QWidget::keyPressEvent(evento);
}

void frmCalvetra::LeggiFigure(FigureSviluppo &figure) const
{
    figure.Nome = txtNome->text();
    figure.TestoAC = txtAC->text();
    figure.TestoAB = txtAB->text();
    figure.TestoBD = txtBD->text();
    figure.TestoAlfa = txtALPHA->text();
    figure.TestoBeta = txtBETA->text();
    // First letters of the words True and False; the two options exclude each other.
    figure.ImpostaChiusura(optChiudiAC->isChecked() ? QStringLiteral("T") : QStringLiteral("F"));
    figure.TestoSpessore = txtSpessore->text();
    figure.Quote = cboQuote->currentIndex() < 0 ? QuoteLamiera::Esterne : QuoteLamiera(cboQuote->currentIndex());
    const qsizetype materiale = cboMateriale->currentIndex();
    figure.MaterialeLamiera = materiale >= 0 && size_t(materiale) < MaterialiComuni().size()
                                  ? MaterialiComuni()[size_t(materiale)]
                                  : Materiale{QStringLiteral("Altro"), ValoreNumerico(txtDensita->text())};
    figure.Pieghe = m_pieghe;
    // Only "Calcola" takes the workshop figures, once they are checked.
    figure.Officina.reset();
}

void frmCalvetra::cmdCalcola_Click()
{
    if (cboSolido->currentIndex() == int(TipoSolido::Eccentrico)) {
        calcolaEccentrico();
        return;
    }
    if (cboSolido->currentIndex() == k_SceltaGomito) {
        calcolaGomito();
        return;
    }
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    StatoSviluppo &stato = m_guscio.Stato();
    FigureSviluppo lette;
    LeggiFigure(lette);
    if (!materialeLetto(lette))
        return;
    if (m_officinaInUso) {
        // Refused, the worksheet stays as typed, the field at fault selected.
        const auto officina = officinaDaSviluppare(lette);
        if (!officina)
            return;
        ImpostaOfficina(lette, *officina);
        mostraProiezione(lette);
    }
    static_cast<FigureSviluppo &>(stato) = lette;
    // As typed: the validation rewrites a decimal comma in the state.
    const FigureSviluppo figure = stato;
    Nascondi();
    // The window gets the figures only once they are developed: a refusal leaves it its own.
    const auto calcolo = [&] {
        ContestoCalcolo contesto{stato, attiva, this};
        if (!CalcolaSviluppo(contesto))
            return false;
        if (attiva) {
            attiva->ImpostaFigure(figure);
            attiva->setWindowTitle(QStringLiteral("Grafico - Drenvik ") + TrimBlank(figure.Nome) + QLatin1Char('*'));
        }
        m_guscio.Avviso(QString()); // what the last job did is no news for this one
        return true;
    };
    // Refused or too large to draw: back to what was typed, to correct it.
    if (!(attiva ? attiva->CalcolaQui(calcolo) : CalcolaOAvvisa(calcolo)))
        MostraRifiuto(stato.CampoErrato);
}

void frmCalvetra::cmdTaraStampa_Click() { m_guscio.ManagerTaraturaStampante(); }

void frmCalvetra::cmdHelp_Click() { m_guscio.MostraHelp(true); }

void frmCalvetra::cmdAbout_Click() { m_guscio.MostraAbout(); }

void frmCalvetra::cmdEsci_Click() { Nascondi(); }

void frmCalvetra::txtSpessore_Change()
{
    FigureSviluppo lamiera;
    lamiera.TestoSpessore = txtSpessore->text();
    cboQuote->setEnabled(SpessoreScritto(lamiera));
    // The material weighs only a plate that has a thickness.
    cboMateriale->setEnabled(SpessoreScritto(lamiera));
    txtDensita->setEnabled(SpessoreScritto(lamiera));
}

void frmCalvetra::cmdOfficina_Click(bool mostra)
{
    fraOfficina->setVisible(mostra);
    adattaAltezza();
}

void frmCalvetra::adattaAltezza()
{
    const int altezza = fraEccentrico->isVisibleTo(this) || fraGomito->isVisibleTo(this) ? k_AltezzaConEccentrico
                        : fraOfficina->isVisibleTo(this)                                 ? k_AltezzaConOfficina
                                                                                         : k_AltezzaForm;
    setFixedSize(DaTwips(0, 0, 7965, altezza).size());
}

void frmCalvetra::cboSolido_Click()
{
    const bool eccentrico = cboSolido->currentIndex() == int(TipoSolido::Eccentrico);
    const bool gomito = cboSolido->currentIndex() == k_SceltaGomito;
    // The projection's own fields mean nothing for the other solids; name and plate serve all.
    for (QWidget *proiezione :
         std::initializer_list<QWidget *>{txtAC, txtAB, txtBD, txtALPHA, txtBETA, fraChiusura, cmdOfficina})
        proiezione->setEnabled(!eccentrico && !gomito);
    if (eccentrico || gomito)
        cmdOfficina->setChecked(false);
    fraEccentrico->setVisible(eccentrico);
    fraGomito->setVisible(gomito);
    adattaAltezza();
}

void frmCalvetra::calcolaEccentrico()
{
    FigureSviluppo lette;
    LeggiFigure(lette);
    if (!materialeLetto(lette))
        return;
    // Refused, the worksheet stays open as typed, the field at fault selected.
    bool spessoreErrato = false;
    auto figure = fraEccentrico->Leggi(txtSpessore->text(), lette.Quote, spessoreErrato);
    if (!figure) {
        if (spessoreErrato)
            seleziona(txtSpessore);
        return;
    }
    figure->nome = txtNome->text();
    figure->materiale = lette.MaterialeLamiera;
    mostraInFinestra([&](frmGrafico &finestra) { return finestra.MostraEccentrico(*figure); });
}

void frmCalvetra::mostraInFinestra(const std::function<bool(frmGrafico &)> &mostra)
{
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    if (!attiva)
        attiva = m_guscio.NuovaFinestra();
    if (!attiva)
        return;
    Nascondi();
    if (!mostra(*attiva)) {
        Mostra();
        return;
    }
    m_guscio.Avviso(QString());
}

void frmCalvetra::calcolaGomito()
{
    FigureSviluppo lamiera;
    LeggiFigure(lamiera);
    if (!materialeLetto(lamiera))
        return;
    // Refused, the worksheet stays open as typed, the field at fault selected.
    if (!TrimBlank(lamiera.TestoSpessore).isEmpty() &&
        !(ENumerico(lamiera.TestoSpessore) && ValoreNumerico(lamiera.TestoSpessore) >= 0)) {
        MsgBox(QStringLiteral("Spessore deve essere un numero >=0!"), Pulsanti::OK,
               QStringLiteral("Errore su Spessore"));
        seleziona(txtSpessore);
        return;
    }
    const auto gomito = fraGomito->Leggi(ValoreSpessore(lamiera));
    if (!gomito)
        return;
    // A job without a name would be drawn and proposed for saving as a blank.
    const QString nome = TrimBlank(txtNome->text());
    mostraInFinestra([&](frmGrafico &finestra) {
        return finestra.MostraGomito(nome.isEmpty() ? QStringLiteral("Gomito") : nome, *gomito, lamiera);
    });
}

void frmCalvetra::txtOfficina_Change()
{
    m_officinaInUso = true;
    m_officinaMostrata.reset();
    FigureSviluppo figure;
    LeggiFigure(figure);
    CampoOfficina campo = CampoOfficina::Nessuno;
    const SenzaMessaggi silenzio;
    if (const auto officina = ValidaOfficina(fraOfficina->Testi(), ValoreSpessore(figure), campo)) {
        ImpostaOfficina(figure, *officina);
        mostraProiezione(figure);
    }
}

void frmCalvetra::txtProiezione_Change()
{
    // The projection typed by hand is the job now; the workshop fields only describe it.
    m_officinaInUso = false;
    m_officinaMostrata.reset();
}

void frmCalvetra::cboMateriale_Click()
{
    const qsizetype scelta = cboMateriale->currentIndex();
    const bool altro = scelta < 0 || size_t(scelta) >= MaterialiComuni().size();
    txtDensita->setReadOnly(!altro);
    if (!altro)
        txtDensita->setText(QString::number(MaterialiComuni()[size_t(scelta)].densita, 'f', 2));
    else
        seleziona(txtDensita);
}

std::optional<FigureOfficina> frmCalvetra::officinaDaSviluppare(const FigureSviluppo &figure)
{
    CampoOfficina campo = CampoOfficina::Nessuno;
    const auto digitate = ValidaOfficina(fraOfficina->Testi(), ValoreSpessore(figure), campo);
    if (!digitate) {
        cmdOfficina->setChecked(true);
        seleziona(fraOfficina->Campo(campo));
        return std::nullopt;
    }
    return m_officinaMostrata ? m_officinaMostrata : digitate;
}

bool frmCalvetra::materialeLetto(FigureSviluppo &figure)
{
    if (!txtDensita->isReadOnly() && SpessoreScritto(figure)) {
        const double densita = figure.MaterialeLamiera.densita;
        if (!ENumerico(txtDensita->text()) || !(densita > 0 && densita < 100)) {
            MsgBox(QStringLiteral("La densità deve essere un numero tra 0 e 100 kg/dm³, esclusi!"), Pulsanti::OK,
                   QStringLiteral("Errore su Densità"));
            seleziona(txtDensita);
            return false;
        }
    }
    return true;
}

void frmCalvetra::mostraMateriale(const Materiale &materiale)
{
    const auto &comuni = MaterialiComuni();
    const auto trovato = std::find_if(comuni.cbegin(), comuni.cend(), [&](const Materiale &m) {
        return m.nome == materiale.nome && m.densita == materiale.densita;
    });
    cboMateriale->setCurrentIndex(int(trovato - comuni.cbegin()));
    txtDensita->setReadOnly(trovato != comuni.cend());
    txtDensita->setText(QString::number(materiale.densita, 'g', QLocale::FloatingPointShortest));
}

void frmCalvetra::mostraProiezione(const FigureSviluppo &figure)
{
    txtAC->setText(TrimBlank(figure.TestoAC));
    txtAB->setText(TrimBlank(figure.TestoAB));
    txtBD->setText(TrimBlank(figure.TestoBD));
    txtALPHA->setText(TrimBlank(figure.TestoAlfa));
    txtBETA->setText(TrimBlank(figure.TestoBeta));
}

void frmCalvetra::seleziona(QLineEdit *campo)
{
    if (!campo)
        return;
    campo->setFocus();
    campo->selectAll();
}
