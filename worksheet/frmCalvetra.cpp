// The worksheet's controls, laid out in twips, and its handlers.
#include "worksheet/frmCalvetra.h"

#include "calibration/ProcedureTara.h"
#include "calibration/ListaTarature.h"
#include "calibration/TaraturaInUso.h"
#include "development/Guscio.h"
#include "development/frmGrafico.h"
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/Lamiera.h"
#include "platform/DisposizioneTwip.h"
#include "platform/FinestraFissa.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <type_traits>

namespace {
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

    const QList<QWidget *> ordine = {txtNome,       txtAC,       txtAB,       txtBD,      txtALPHA,
                                     txtBETA,       optChiudiAC, optChiudiBD, cmdCalcola, cboNomeTara,
                                     cmdTaraStampa, cmdHelp,     cmdAbout,    cmdEsci};
    for (qsizetype i = 0; i + 1 < ordine.size(); ++i)
        setTabOrder(ordine.at(i), ordine.at(i + 1));
    // The plate's controls follow all the others.
    setTabOrder(cmdEsci, txtSpessore);
    setTabOrder(txtSpessore, cboQuote);

    // The list shows the calibration in use, which the frame keeps; choosing here changes it.
    MostraTaraturaInUso(*cboNomeTara, m_guscio.Taratura());
    connect(cmdCalcola, &QPushButton::clicked, this, &frmCalvetra::cmdCalcola_Click);
    connect(cmdTaraStampa, &QPushButton::clicked, this, &frmCalvetra::cmdTaraStampa_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmCalvetra::cmdHelp_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmCalvetra::cmdAbout_Click);
    connect(cmdEsci, &QPushButton::clicked, this, &frmCalvetra::cmdEsci_Click);
    connect(txtSpessore, &QLineEdit::textChanged, this, &frmCalvetra::txtSpessore_Change);
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

void frmCalvetra::MostraFigure(const FigureSviluppo &figure)
{
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
    Mostra();
}

void frmCalvetra::MostraRifiuto(CampoFigura campo)
{
    Mostra();
    QLineEdit *const campi[] = {nullptr, txtAC, txtAB, txtBD, txtALPHA, txtBETA, txtSpessore};
    if (QLineEdit *errato = campi[int(campo)]) {
        errato->setFocus();
        errato->selectAll();
    }
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
}

void frmCalvetra::cmdCalcola_Click()
{
    frmGrafico *attiva = m_guscio.FigliaAttiva();
    StatoSviluppo &stato = m_guscio.Stato();
    LeggiFigure(stato);
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
}
