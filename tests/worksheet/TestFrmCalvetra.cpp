// The worksheet: its controls, the first start's calibration file, and what "Calcola" writes.
#include "calibration/FileTaratura.h"
#include "development/PaginaGrafico.h"
#include "documents/ArchivioCommessa.h"
#include "documents/ScartoArrotondamento.h"
#include "pieces/PezzoDelTronco.h"
#include "worksheet/GruppoEccentrico.h"
#include "worksheet/GruppoGomito.h"
#include "exports/EsportaCommessa.h"
#include "pieces/MisurePezzoGomito.h"
#include "worksheet/GruppoOfficina.h"
#include "geometry/SceltaForma.h"
#include "platform/TestoFisso.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/GuscioDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <cmath>

#include <sys/stat.h>

Q_DECLARE_METATYPE(Figure)

namespace {
// A drawing as text, to tell whether it changed.
QStringList Impronta(const frmGrafico &finestra)
{
    QStringList impronta;
    for (const ElementoDisegno &e : finestra.Pagina().Elenco().elementi())
        impronta << QStringLiteral("%1 %2 %3 %4 %5").arg(e.x1).arg(e.y1).arg(e.x2).arg(e.y2).arg(e.testo);
    return impronta;
}

// Types into a field as the user does, so that the worksheet hears it.
void Digita(QLineEdit *campo, const QString &testo)
{
    campo->clear();
    QTest::keyClicks(campo, testo);
}

// The 600/300/400 reducer in 3 mm plate, outside diameters, by its workshop figures.
void DigitaRiduzione(frmCalvetra &foglio)
{
    foglio.cmdOfficina->setChecked(true);
    foglio.txtNome->setText(QStringLiteral("Riduzione"));
    foglio.txtSpessore->setText(QStringLiteral("3"));
    foglio.cboQuote->setCurrentIndex(int(QuoteLamiera::Esterne));
    Digita(foglio.fraOfficina->txtD1, QStringLiteral("600"));
    Digita(foglio.fraOfficina->txtD2, QStringLiteral("300"));
    Digita(foglio.fraOfficina->txtH, QStringLiteral("400"));
}

const FigureSviluppo &FigureDi(const frmGrafico &finestra) { return finestra.CommessaMostrata().pezzi.front().tronco; }
} // namespace

class TestFrmCalvetra : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

private slots:
    void init()
    {
        ContaFinestre = 0;
        QFile::remove(k_FileTaratura);
    }

    void controlli_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("suggerimento");
        QTest::addColumn<QRect>("twips");
        QTest::newRow("txtNome") << "txtNome"
                                 << ""
                                 << "Inserisci qui il nome che identificherà il tuo sviluppo"
                                 << QRect(840, 240, 4335, 315);
        QTest::newRow("txtAC") << "txtAC"
                               << ""
                               << "Inserisci in questo spazio la misura in mm del lato AC"
                               << QRect(840, 720, 1455, 255);
        QTest::newRow("txtAB") << "txtAB"
                               << ""
                               << "Inserisci in questo spazio la lunghezza in mm della base AB"
                               << QRect(840, 1080, 1455, 255);
        QTest::newRow("txtBD") << "txtBD"
                               << ""
                               << "Inserisci in questo campo la misura in mm del lato obliquo BD"
                               << QRect(840, 1440, 1455, 255);
        QTest::newRow("txtBETA") << "txtBETA"
                                 << ""
                                 << "Inserisci l'ampiezza in gradi decimali dell'angolo beta (ABD)"
                                 << QRect(840, 2160, 1455, 255);
        QTest::newRow("lblAB") << "lblAB"
                               << "AB:"
                               << "" << QRect(240, 1080, 375, 255);
        QTest::newRow("lblAlpha") << "lblAlpha"
                                  << "ALFA:"
                                  << "" << QRect(240, 1800, 495, 255);
        QTest::newRow("lblBeta") << "lblBeta"
                                 << "BETA:"
                                 << "" << QRect(240, 2160, 495, 255);
        QTest::newRow("lblNome") << "lblNome"
                                 << "NOME:"
                                 << "" << QRect(240, 360, 495, 255);
        QTest::newRow("txtALPHA") << "txtALPHA"
                                  << ""
                                  << "Inserisci l'ampiezza in gradi decimali dell'angolo alfa (CAB)"
                                  << QRect(840, 1800, 1455, 255);
        QTest::newRow("optChiudiAC") << "optChiudiAC"
                                     << "Chiudi su AC"
                                     << "Scegli questa opzione se desideri che il tuo sviluppo si chiuda sul lato AC"
                                     << QRect(120, 240, 1335, 255);
        QTest::newRow("optChiudiBD") << "optChiudiBD"
                                     << "Chiudi su BD"
                                     << "Scegli questa opzione se desideri che il tuo sviluppo si chiuda sul lato BD"
                                     << QRect(1440, 240, 1215, 255);
        QTest::newRow("cmdCalcola") << "cmdCalcola"
                                    << "&Calcola"
                                    << "Accetta i dati e costruisce l'esploso" << QRect(2400, 1440, 2775, 975);
        QTest::newRow("cboNomeTara") << "cboNomeTara"
                                     << ""
                                     << "Qui puoi selezionare la taratura stampante da usare"
                                     << QRect(840, 2760, 4335, 330);
        QTest::newRow("cmdTaraStampa") << "cmdTaraStampa"
                                       << "&Manager Taratura Stampante"
                                       << "Vai al manager taratura stampante" << QRect(5280, 960, 2535, 255);
        QTest::newRow("cmdHelp") << "cmdHelp"
                                 << "&?"
                                 << "Aiuto su come inserire i dati richiesti da questo modulo"
                                 << QRect(5280, 1320, 2535, 255);
        QTest::newRow("cmdAbout") << "cmdAbout"
                                  << "&About"
                                  << "Informazioni sul programma" << QRect(5280, 2280, 2535, 255);
        QTest::newRow("cmdEsci") << "cmdEsci"
                                 << "&Esci"
                                 << "Esce da Calvetra" << QRect(5280, 2640, 2535, 255);
        QTest::newRow("lblAC") << "lblAC"
                               << "CA:"
                               << "" << QRect(240, 720, 375, 255);
        QTest::newRow("lblBD") << "lblBD"
                               << "BD:"
                               << "" << QRect(360, 1440, 255, 255);
        QTest::newRow("fraChiusura") << "fraChiusura"
                                     << "Lato di chiusura dello sviluppo"
                                     << "" << QRect(2400, 600, 2775, 615);
        QTest::newRow("lblTaraStampante") << "lblTaraStampante"
                                          << "Taratura stampante in uso:"
                                          << "" << QRect(240, 2520, 1935, 255);
    }

    void controlli()
    {
        QFETCH(QString, nome);
        QFETCH(QString, didascalia);
        QFETCH(QString, suggerimento);
        QFETCH(QRect, twips);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frmCalvetra &foglio = FoglioDi(frame);
        QCOMPARE(foglio.windowTitle(), QStringLiteral("Drenvik - Vorna"));
        QCOMPARE(foglio.size(), QSize(531, 230));
        auto *controllo = foglio.findChild<QWidget *>(nome);
        QVERIFY(controllo);
        QString testo = controllo->property("text").toString();
        if (auto *gruppo = qobject_cast<QGroupBox *>(controllo))
            testo = gruppo->title();
        QCOMPARE(testo, didascalia);
        QCOMPARE(controllo->toolTip(), suggerimento);
        // Positions as laid out; a caption wider than its box widens the box, never cut.
        const QRect posto(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(controllo->pos(), posto.topLeft());
        QCOMPARE(controllo->height(), posto.height());
        if (qobject_cast<QLabel *>(controllo) || qobject_cast<QRadioButton *>(controllo))
            QCOMPARE(controllo->width(), std::max(posto.width(), controllo->sizeHint().width()));
        else if (qobject_cast<QGroupBox *>(controllo))
            QVERIFY(controllo->width() > foglio.optChiudiBD->geometry().right());
        else
            QCOMPARE(controllo->width(), posto.width());
        QCOMPARE(controllo->font().family(), QStringLiteral("Arial"));
        QCOMPARE(controllo->font().pointSizeF(), nome == QLatin1String("cmdCalcola") ? 9.75 : 8.25);
        QCOMPARE(controllo->font().bold(), nome == QLatin1String("cmdCalcola"));
        QVERIFY(foglio.optChiudiBD->isChecked());
        VERIFICA_COPIONE(finta);
    }

    void ordineDiTabulazione()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frmCalvetra &f = FoglioDi(frame);
        const QList<QWidget *> ordine = {f.txtNome,       f.txtAC,       f.txtAB,       f.txtBD,      f.txtALPHA,
                                         f.txtBETA,       f.optChiudiAC, f.optChiudiBD, f.cmdCalcola, f.cboNomeTara,
                                         f.cmdTaraStampa, f.cmdHelp,     f.cmdAbout,    f.cmdEsci};
        for (qsizetype i = 0; i + 1 < ordine.size(); ++i) {
            QWidget *prossimo = ordine.at(i)->nextInFocusChain();
            while (prossimo->focusPolicy() == Qt::NoFocus)
                prossimo = prossimo->nextInFocusChain();
            QCOMPARE(prossimo, ordine.at(i + 1));
        }
        VERIFICA_COPIONE(finta);
    }

    // First start: Taratura.dat gets its two factory records, listed with the first selected.
    void primoAvvio()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        QVERIFY(!QFile::exists(k_FileTaratura));
        frmCalvetra &foglio = FoglioDi(frame);
        QCOMPARE(QFileInfo(k_FileTaratura).size(), qint64(2 * 170));
        QCOMPARE(foglio.cboNomeTara->count(), 2);
        QCOMPARE(foglio.cboNomeTara->itemText(0), QStringLiteral("Default"));
        QCOMPARE(foglio.cboNomeTara->itemText(1), QStringLiteral("Lexmark WinWriter 200"));
        QCOMPARE(foglio.cboNomeTara->currentIndex(), 0);
        VERIFICA_COPIONE(finta);
    }

    // A Taratura.dat that is a FIFO once kept the first start waiting for ever: now it is
    // reported once, left as it is, and the list stays empty.
    void primoAvvioSuUnaFifo()
    {
        QCOMPARE(::mkfifo(QFile::encodeName(k_FileTaratura).constData(), 0644), 0);
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: non è un file regolare"));
        GuscioDiProva frame;
        frmCalvetra &foglio = FoglioDi(frame);
        QCOMPARE(foglio.cboNomeTara->count(), 0);
        QCOMPARE(foglio.cboNomeTara->currentIndex(), -1);
        VERIFICA_COPIONE(finta);
        struct stat info {};
        QCOMPARE(::lstat(QFile::encodeName(k_FileTaratura).constData(), &info), 0);
        QVERIFY(S_ISFIFO(info.st_mode));
    }

    void unaSolaTaratura()
    {
        PiattaformaFinta finta;
        RecordTara mia = TaraDefault();
        mia.NomeTara = QStringLiteral("Officina");
        QVERIFY(ScriviTarature({mia}));
        GuscioDiProva frame;
        frmCalvetra &foglio = FoglioDi(frame);
        QCOMPARE(foglio.cboNomeTara->count(), 1);
        QCOMPARE(foglio.cboNomeTara->itemText(0), QStringLiteral("Officina"));
        QCOMPARE(QFileInfo(k_FileTaratura).size(), qint64(170));
        VERIFICA_COPIONE(finta);
    }

    // What "Calcola" writes into the one development state and the active window.
    void calcola_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QString>("chiudi");
        const QString lungo = QStringLiteral("Tramoggia per silo di stoccaggio granaglie n. 12");
        Figure nomeLungo = ConoDiProva();
        nomeLungo.nome = lungo;
        Figure spazi = ConoDiProva();
        spazi.nome = QStringLiteral("   Cappa  ");
        Figure testiLunghi = ConoDiProva();
        testiLunghi.ac = QStringLiteral("60.000000007"); // 12 characters, cut to 10
        testiLunghi.alfa = QStringLiteral("60.00009");   // 8 characters, cut to 6
        QTest::newRow("cono, chiude su BD") << ConoDiProva() << "Grafico - Drenvik Pezzo*"
                                            << "F";
        QTest::newRow("cilindro, chiude su AC") << CilindroDiProva() << "Grafico - Drenvik Tubo*"
                                                << "T";
        QTest::newRow("nome oltre 40") << nomeLungo << "Grafico - Drenvik " + lungo.left(40).trimmed() + "*"
                                       << "F";
        QTest::newRow("nome tra spazi") << spazi << "Grafico - Drenvik Cappa*"
                                        << "F";
        QTest::newRow("testi oltre la larghezza") << testiLunghi << "Grafico - Drenvik Pezzo*"
                                                  << "F";
    }

    void calcola()
    {
        QFETCH(Figure, figure);
        QFETCH(QString, didascalia);
        QFETCH(QString, chiudi);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        foglio.Mostra();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, figure);
        QVERIFY(!foglio.isVisible());
        QCOMPARE(finestra->windowTitle(), didascalia);
        const StatoSviluppo &s = frame.Stato();
        QCOMPARE(s.Nome.testo(), Fissa(figure.nome, 40));
        QCOMPARE(s.TestoAC.testo(), Fissa(figure.ac, 10));
        QCOMPARE(s.TestoAlfa.testo(), Fissa(figure.alfa, 6));
        QCOMPARE(s.ChiudiAC.testo(), chiudi);
        QCOMPARE(s.ChiudiBD.testo(), chiudi == QLatin1String("T") ? QStringLiteral("F") : QStringLiteral("T"));
        QCOMPARE(finestra->lblNome->text(), Fissa(figure.nome, 40));
        QCOMPARE(finestra->lblAC->text(), Fissa(figure.ac, 10));
        QCOMPARE(finestra->lblAB->text(), Fissa(figure.ab, 10));
        QCOMPARE(finestra->lblBD->text(), Fissa(figure.bd, 10));
        QCOMPARE(finestra->lblALFA->text(), Fissa(figure.alfa, 6));
        QCOMPARE(finestra->lblBeta->text(), Fissa(figure.beta, 6));
        QCOMPARE(finestra->lblChiudi->text(), chiudi);
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QCOMPARE(finestra->lblStampa->text(), s.RoutineStampa);
        QVERIFY(!finestra->Pagina().Elenco().elementi().empty());
        // The fields keep what was typed for the next time.
        QCOMPARE(foglio.txtNome->text(), figure.nome);
        VERIFICA_COPIONE(finta);
    }

    // An empty AC: the validation's message; the window keeps its development, drawing and
    // caption, and the worksheet comes back with AC selected.
    void calcolaConACVuoto()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        const QStringList disegno = Impronta(*finestra);
        Figure senzaAC = CilindroDiProva();
        senzaAC.ac.clear();
        finta.attendiBox(QStringLiteral("AC deve essere un numero > 0!"), Pulsanti::OK, QStringLiteral("Errore su AC"));
        Calcola(frame, senzaAC);
        QCOMPARE(finestra->lblAC->text(), Fissa(QStringLiteral("60"), 10));
        QCOMPARE(finestra->lblNome->text(), Fissa(QStringLiteral("Pezzo"), 40));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik Pezzo*"));
        QCOMPARE(Impronta(*finestra), disegno);
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QVERIFY(frame.foglio()->isVisible());
        QCOMPARE(frame.foglio()->focusWidget(), frame.foglio()->txtAC);
        QCOMPARE(frame.foglio()->txtNome->text(), QStringLiteral("Tubo"));
        VERIFICA_COPIONE(finta);
    }

    // An eccentric reducer typed in its own fields: a refusal keeps the worksheet open on the field
    // at fault and the window untouched; accepted, the window holds the job and draws its blank
    // with the corner letters and its legend; saved, the .vorna reads back the same job.
    void riduzioneEccentrica()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        frmCalvetra &f = FoglioDi(frame);
        f.Mostra();
        f.cboSolido->setCurrentIndex(int(TipoSolido::Eccentrico));
        f.txtNome->setText(QStringLiteral("Eccentrica"));
        Digita(f.fraEccentrico->txtD1, QStringLiteral("600"));
        Digita(f.fraEccentrico->txtD2, QStringLiteral("0"));
        Digita(f.fraEccentrico->txtH, QStringLiteral("400"));
        Digita(f.fraEccentrico->txtScostamento, QStringLiteral("150"));
        finta.attendiBox(QStringLiteral("D2 deve essere un numero >0 (mm)!"), Pulsanti::OK,
                         QStringLiteral("Errore su D2"));
        f.cmdCalcola->click();
        QVERIFY(f.isVisible());
        QCOMPARE(f.focusWidget(), f.fraEccentrico->txtD2);
        QVERIFY(finestra->CommessaMostrata().pezzi.empty());

        Digita(f.fraEccentrico->txtD2, QStringLiteral("300"));
        f.cmdCalcola->click();
        QVERIFY(!f.isVisible());
        const Commessa commessa = finestra->CommessaMostrata();
        QCOMPARE(commessa.pezzi.size(), size_t(1));
        QVERIFY(commessa.pezzi.front().solido == TipoSolido::Eccentrico);
        const ConoObliquo &c = commessa.pezzi.front().eccentrico.cono;
        QCOMPARE(QList<double>({c.D1, c.D2, c.H, c.Scostamento}), QList<double>({600, 300, 400, 150}));
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        const QStringList disegno = Impronta(*finestra);
        for (const char *lettera : {"A", "B", "C", "D"})
            QVERIFY(std::any_of(disegno.cbegin(), disegno.cend(), [&](const QString &e) {
                return e.endsWith(QLatin1Char(' ') + QLatin1String(lettera));
            }));
        QVERIFY(disegno.filter(QStringLiteral("Riduzione eccentrica: Eccentrica")).size() == 1);
        QVERIFY(disegno.filter(QStringLiteral("Dati di officina")).size() == 1);
        QVERIFY(disegno.size() > 100); // the outline's segments

        const QString file = QDir::current().filePath(QStringLiteral("eccentrica.vorna"));
        finta.attendiSalva(file);
        QVERIFY(finestra->mnuSalvaNome_Click());
        Commessa riletta;
        QVERIFY(ApriCommessa(file, riletta));
        QVERIFY(StessoContenuto(riletta, commessa));
        VERIFICA_COPIONE(finta);
    }

    // An elbow typed in its own fields: a radius inside the pipe is refused on its field and shows
    // nothing; accepted, the window holds a job of every piece, each gore's throat and back as the
    // bend's own trigonometry gives them. "Modifica sviluppo" brings the elbow back to the fields,
    // and a cone calculated afterwards replaces the whole job, not only its first piece.
    void gomitoASpicchi()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        frmCalvetra &f = FoglioDi(frame);
        f.Mostra();
        f.cboSolido->setCurrentIndex(frmCalvetra::k_SceltaGomito);
        f.txtNome->setText(QStringLiteral("Gomito 300"));
        GruppoGomito &g = *f.fraGomito;
        Digita(g.txtD1, QStringLiteral("300"));
        Digita(g.txtRaggio, QStringLiteral("140"));
        Digita(g.txtAngolo, QStringLiteral("90"));
        Digita(g.txtPezzi, QStringLiteral("4"));
        finta.attendiBox(QStringLiteral("Il raggio di curvatura deve essere un numero maggiore di metà del diametro "
                                        "(150 mm): la gola si incrocerebbe!"),
                         Pulsanti::OK, QStringLiteral("Errore su Raggio"));
        f.cmdCalcola->click();
        QVERIFY(f.isVisible());
        QCOMPARE(f.focusWidget(), g.txtRaggio);
        QVERIFY(finestra->CommessaMostrata().pezzi.empty());
        QVERIFY(finestra->Pagina().Elenco().elementi().empty());

        Digita(g.txtRaggio, QStringLiteral("450"));
        g.chkSfalsata->setChecked(true);
        f.cmdCalcola->click();
        QVERIFY(!f.isVisible());
        const Commessa commessa = finestra->CommessaMostrata();
        QVERIFY(commessa.gomito.has_value());
        QCOMPARE(commessa.pezzi.size(), size_t(4));
        QCOMPARE(commessa.nome, QStringLiteral("Gomito 300"));
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QVERIFY(!finestra->Pagina().Elenco().elementi().empty());
        const auto pezzi = PezziDellaCommessa(commessa);
        QVERIFY(pezzi);
        // Four pieces, three joints each cut 15 degrees from square: a gore spans 2 x 15 degrees.
        const double tangente = std::tan(qDegreesToRadians(15.0));
        for (std::size_t spicchio : {std::size_t(1), std::size_t(2)}) {
            const auto misure = MisureDelPezzoGomito(pezzi->at(spicchio));
            QVERIFY(misure);
            QVERIFY(std::abs(misure->gola - 2 * (450 - 150) * tangente) < 1e-3);
            QVERIFY(std::abs(misure->dorso - 2 * (450 + 150) * tangente) < 1e-3);
        }
        QCOMPARE(QString::number(MisureDelPezzoGomito(pezzi->at(1))->gola, 'f', 2), QStringLiteral("160.77"));

        FigureSviluppo cono;
        cono.Nome = QStringLiteral("Cono");
        f.MostraFigure(cono);
        f.Nascondi();
        finestra->mnuModificaSviluppo_Click();
        QVERIFY(f.isVisible());
        QCOMPARE(f.cboSolido->currentIndex(), frmCalvetra::k_SceltaGomito);
        QCOMPARE(g.txtRaggio->text(), QStringLiteral("450"));
        QVERIFY(g.txtD2->text().isEmpty());
        f.cmdCalcola->click();
        QVERIFY(!f.isVisible());
        QVERIFY(StessoContenuto(finestra->CommessaMostrata(), commessa));
        QVERIFY(StessoGomito(finestra->CommessaMostrata().gomito, commessa.gomito));

        f.cboSolido->setCurrentIndex(int(TipoSolido::Tronco));
        Calcola(frame, ConoDiProva());
        QCOMPARE(finestra->CommessaMostrata().pezzi.size(), size_t(1));
        QVERIFY(!finestra->CommessaMostrata().gomito);
        QVERIFY(finestra->CommessaMostrata().pezzi.front().solido == TipoSolido::Tronco);
        VERIFICA_COPIONE(finta);
    }

    // "Modifica sviluppo" of an eccentric job brings the worksheet back on that solid with its
    // figures, plate and material, whatever it held from a cone: calculated again untouched, the
    // window holds the very same job.
    void modificaEccentrica()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        frmCalvetra &f = FoglioDi(frame);
        FigureEccentrico figure;
        figure.nome = QStringLiteral("Eccentrica 7");
        figure.cono = {1000, 500, 600, 250, 10, QuoteLamiera::Interne};
        figure.cucitura = {TipoCucitura::Angolo, 37.5};
        figure.materiale = {QStringLiteral("Inox"), 7.93};
        figure.generatori = 36;
        QVERIFY(finestra->MostraEccentrico(figure));
        const Commessa prima = finestra->CommessaMostrata();
        FigureSviluppo cono;
        cono.Nome = QStringLiteral("Cono");
        cono.TestoSpessore = QStringLiteral("3");
        f.MostraFigure(cono);
        f.Nascondi();

        finestra->mnuModificaSviluppo_Click();
        QVERIFY(f.isVisible());
        QCOMPARE(f.cboSolido->currentIndex(), int(TipoSolido::Eccentrico));
        f.cmdCalcola->click();
        QVERIFY(!f.isVisible());
        QVERIFY(StessoContenuto(finestra->CommessaMostrata(), prima));

        // "Stampa" prints the page the window draws: the reducer's outline and legend, no refusal.
        finestra->mnuStampa_Click();
        QCOMPARE(frame.stampe.size(), 1);
        QCOMPARE(frame.stampe.front(), finestra);
        const QStringList pagina = Impronta(*finestra);
        QVERIFY(pagina.filter(QStringLiteral("Riduzione eccentrica: Eccentrica 7")).size() == 1);
        QVERIFY(pagina.size() > 100);
        VERIFICA_COPIONE(finta);
    }

    // "Modifica sviluppo" of a saved job brings back its plate, whatever the worksheet held from
    // another job: calculated again untouched, it develops and saves the very same blank.
    void modificaConSpessore_data()
    {
        QTest::addColumn<QString>("spessore");
        QTest::addColumn<int>("quote");
        QTest::newRow("3 mm, quote esterne") << "3" << int(QuoteLamiera::Esterne);
        QTest::newRow("3 mm, quote interne") << "3" << int(QuoteLamiera::Interne);
        QTest::newRow("senza spessore") << "" << int(QuoteLamiera::Esterne);
    }

    void modificaConSpessore()
    {
        QFETCH(QString, spessore);
        QFETCH(int, quote);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        const Figure riduzione{QStringLiteral("Riduzione 600-300"), "300", "600", "300", "60", "60", false};
        foglio.txtSpessore->setText(spessore);
        foglio.cboQuote->setCurrentIndex(quote);
        Calcola(frame, riduzione);
        const QString file = m_cartella.percorso(QStringLiteral("riduzione.tnt"));
        finta.attendiSalva(file);
        QVERIFY(frame.FigliaAttiva()->mnuSalvaNome_Click());

        // Another job's plate is left on the worksheet; the saved job opens in a window of its own.
        foglio.txtSpessore->setText(QStringLiteral("5"));
        foglio.cboQuote->setCurrentIndex(int(QuoteLamiera::Interne));
        finta.attendiApri(file);
        frmGrafico *finestra = frame.NuovaFinestra();
        finestra->mnuApri_Click();
        const double salvata = frame.Stato().SommaAB;
        finestra->mnuModificaSviluppo_Click();
        QVERIFY(foglio.isVisible());
        QCOMPARE(foglio.txtSpessore->text(), spessore);
        QCOMPARE(foglio.cboQuote->currentIndex(), quote);
        foglio.cmdCalcola_Click();
        QCOMPARE(frame.Stato().SommaAB, salvata);
        // The plate changes the blank by more than a millimetre: it was really developed.
        StatoSviluppo nuda;
        static_cast<FigureSviluppo &>(nuda) = FigureDelleEtichette(finestra->Etichette());
        nuda.TestoSpessore = QString();
        QVERIFY(SviluppaSenzaDisegno(nuda));
        QCOMPARE(std::abs(nuda.SommaAB - salvata) > 1, !spessore.isEmpty());

        const QString copia = m_cartella.percorso(QStringLiteral("copia.tnt"));
        finta.attendiSalva(copia);
        QVERIFY(finestra->mnuSalvaNome_Click());
        QCOMPARE(LeggiTutto(copia), LeggiTutto(file));
        VERIFICA_COPIONE(finta);
    }

    // A refused edit of a saved job: the window keeps the job, its drawing, its saved state and
    // caption; the worksheet comes back with what was typed and the field at fault selected; a
    // save then writes the job shown, which opens again.
    void modificaRifiutata_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("titolo");
        QTest::addColumn<bool>("selezionato");
        QTest::newRow("no cone") << "txtBD"
                                 << "130"
                                 << "La proiezione non è un tronco di cono !"
                                 << "Attenzione!" << false;
        QTest::newRow("sides crossing") << "txtAB"
                                        << "50"
                                        << "Attenzione la proiezione non è congruente con un tronco di cono !"
                                        << "Errore lunghezze relative proiezioni lati sulla base !" << false;
        QTest::newRow("exponent") << "txtAB"
                                  << "1e9"
                                  << "AB deve essere un numero >0, scritto in cifre senza esponente e in non più di "
                                     "10 caratteri!"
                                  << "Errore su AB" << true;
        QTest::newRow("plate too thick") << "txtSpessore"
                                         << "90"
                                         << "Lo spessore è troppo grande per le misure del tronco!"
                                         << "Errore su Spessore" << true;
    }

    void modificaRifiutata()
    {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(QString, prompt);
        QFETCH(QString, titolo);
        QFETCH(bool, selezionato);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        const QString file = m_cartella.percorso(QStringLiteral("lavoro.tnt"));
        finta.attendiSalva(file);
        QVERIFY(finestra->mnuSalvaNome_Click());
        const QByteArray salvato = LeggiTutto(file);
        const QStringList disegno = Impronta(*finestra);
        const QString didascalia = finestra->windowTitle();

        finestra->mnuModificaSviluppo_Click();
        frmCalvetra &foglio = *frame.foglio();
        auto *errato = foglio.findChild<QLineEdit *>(campo);
        errato->setText(testo);
        finta.attendiBox(prompt, Pulsanti::OK, titolo);
        foglio.cmdCalcola_Click();

        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(finestra->windowTitle(), didascalia);
        QCOMPARE(Impronta(*finestra), disegno);
        QCOMPARE(finestra->lblAB->text(), Fissa(QStringLiteral("120"), 10));
        QCOMPARE(finestra->lblBD->text(), Fissa(QStringLiteral("60"), 10));
        QVERIFY(foglio.isVisible());
        QCOMPARE(errato->text(), testo);
        if (selezionato) {
            QCOMPARE(foglio.focusWidget(), errato);
            QCOMPARE(errato->selectedText(), testo);
        }

        foglio.cmdEsci_Click();
        const QString copia = m_cartella.percorso(QStringLiteral("copia.tnt"));
        finta.attendiSalva(copia);
        finestra->findChild<QAction *>(QStringLiteral("mnuSalvaNome"))->trigger();
        QCOMPARE(LeggiTutto(copia), salvato);
        finta.attendiApri(copia);
        frmGrafico *riaperta = frame.NuovaFinestra();
        riaperta->mnuApri_Click();
        QCOMPARE(Impronta(*riaperta), disegno);
        VERIFICA_COPIONE(finta);
    }

    // A new job refused in an empty window leaves nothing to save.
    void nuovoRifiutatoInFinestraVuota()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Figure noCono = ConoDiProva();
        noCono.bd = QStringLiteral("130");
        finta.attendiBox(QStringLiteral("La proiezione non è un tronco di cono !"), Pulsanti::OK,
                         QStringLiteral("Attenzione!"));
        Calcola(frame, noCono);
        QVERIFY(finestra->Pagina().Elenco().elementi().empty());
        QCOMPARE(finestra->lblSalvato->text(), QString());
        QCOMPARE(finestra->lblBD->text(), QStringLiteral("60."));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        QVERIFY(frame.foglio()->isVisible());
        finta.attendiBox(QStringLiteral("Nessun sviluppo da salvare! Premere OK per continuare"));
        QVERIFY(!finestra->mnuSalvaNome_Click());
        VERIFICA_COPIONE(finta);
    }

    // A figure too large to draw: told, the worksheet keeps what was typed, the window its drawing.
    void trappolaDiErrore()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->ImpostaSalvataggio(Salvataggio::Salvato);
        const auto disegno = finestra->Pagina().Elenco().elementi().size();
        finta.attendiBox(QStringLiteral("Lo sviluppo è troppo grande per essere disegnato: ridurre le misure"),
                         Pulsanti::OK, QStringLiteral("Attenzione!"));
        Calcola(frame, FiguraEnorme());
        QVERIFY(frame.foglio()->isVisible());
        QCOMPARE(frame.foglio()->txtAB->text(), FiguraEnorme().ab);
        QCOMPARE(finestra->Pagina().Elenco().elementi().size(), disegno);
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(finestra->lblAB->text(), Fissa(QStringLiteral("120"), 10));
        VERIFICA_COPIONE(finta);
    }

    // The workshop figures fill the projection as they are typed, and the job is developed from
    // them exactly: each edge is an arc around the apex at the slant of the plate's mean surface,
    // whose radius at a cut lies 1.5 mm / cos(half angle) inside the outside one.
    void officinaEsatta()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        foglio.Mostra();
        frmGrafico *finestra = frame.FigliaAttiva();
        DigitaRiduzione(foglio);
        QCOMPARE(foglio.txtAC->text(), QStringLiteral("427.200187"));
        QCOMPARE(foglio.txtBD->text(), QStringLiteral("427.200187"));
        QCOMPARE(foglio.txtAB->text(), QStringLiteral("600"));
        QCOMPARE(foglio.txtALPHA->text(), QStringLiteral("69.444"));
        QCOMPARE(foglio.txtBETA->text(), QStringLiteral("69.444"));
        foglio.cmdCalcola_Click();
        QVERIFY(!foglio.isVisible());
        const FigureSviluppo &f = FigureDi(*finestra);
        QVERIFY(f.Officina);
        QCOMPARE(f.Officina->D2, 300.0);
        const auto pezzo = PezzoDelTronco(f);
        QVERIFY(pezzo);
        const auto profilo = CampionaPezzo(*pezzo, 31);
        QVERIFY(profilo && profilo->arcoAB && profilo->arcoCD);
        const double lato = std::hypot(400.0, 150.0), seno = 150 / lato, coseno = 400 / lato;
        QVERIFY(std::abs(profilo->raggioAB - (300 - 1.5 / coseno) / seno) < 1e-6);
        QVERIFY(std::abs(profilo->raggioCD - (150 - 1.5 / coseno) / seno) < 1e-6);

        // Edited again, the workshop fields come back with the job's figures, exact.
        finestra->mnuModificaSviluppo_Click();
        QCOMPARE(foglio.fraOfficina->txtD1->text(), QStringLiteral("600"));
        QCOMPARE(foglio.fraOfficina->txtH->text(), QStringLiteral("400"));
        foglio.cmdCalcola_Click();
        QVERIFY(FigureDi(*finestra).Officina);

        // A .tnt keeps only the texts: the user is told by how much, and may cancel.
        const QString tnt = m_cartella.percorso(QStringLiteral("officina.tnt"));
        const auto scarto = ScartoArrotondamento(FigureDi(*finestra));
        QVERIFY(scarto && *scarto > 0.0005 && *scarto < 0.05); // 69.443955 written 69.444
        const QString prompt =
            TestoScarto(*scarto) + QStringLiteral("\nPer conservare le misure di officina salvare in formato "
                                                  ".vorna.\nPremere OK per salvare comunque in .tnt, Annulla per "
                                                  "non salvare.");
        finta.attendiSalva(tnt);
        finta.attendiBox(prompt, Pulsanti::OKAnnulla, QStringLiteral("Salvataggio in formato .tnt"), RispostaAnnulla);
        QVERIFY(!finestra->mnuSalvaNome_Click());
        QVERIFY(!QFile::exists(tnt));
        finta.attendiSalva(tnt);
        finta.attendiBox(prompt, Pulsanti::OKAnnulla, QStringLiteral("Salvataggio in formato .tnt"));
        QVERIFY(finestra->mnuSalvaNome_Click());
        Commessa letta;
        QVERIFY(ApriCommessa(tnt, letta));
        QVERIFY(!letta.pezzi.front().tronco.Officina);
        QCOMPARE(letta.pezzi.front().tronco.TestoAlfa.testo(), QStringLiteral("69.444"));

        // A projection field typed by hand is the job from then on.
        finestra->mnuModificaSviluppo_Click();
        QTest::keyClick(foglio.txtAC, Qt::Key_Backspace);
        foglio.cmdCalcola_Click();
        QVERIFY(!FigureDi(*finestra).Officina);
        QCOMPARE(FigureDi(*finestra).TestoAC.testo().trimmed(), QStringLiteral("427.20018"));
        VERIFICA_COPIONE(finta);
    }

    // A job typed by its projection shows its workshop figures, only to read them: 120 at the
    // base, sides of 60 at 60°: a cone to Ø60, 30·√3 high.
    void officinaDellaProiezione()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        finestra->mnuModificaSviluppo_Click();
        const GruppoOfficina &officina = *frame.foglio()->fraOfficina;
        QCOMPARE(officina.txtD1->text().toDouble(), 120.0);
        QCOMPARE(officina.txtD2->text().toDouble(), 60.0);
        QVERIFY(std::abs(officina.txtH->text().toDouble() - 30 * std::sqrt(3.0)) < 1e-6);
        frame.foglio()->cmdCalcola_Click();
        QVERIFY(!FigureDi(*finestra).Officina);
        QCOMPARE(FigureDi(*finestra).TestoAC.testo().trimmed(), QStringLiteral("60"));
        VERIFICA_COPIONE(finta);
    }

    // A workshop field refused at "Calcola": its box, the worksheet kept open as typed, the field
    // selected, nothing developed.
    void officinaRifiutata_data()
    {
        QTest::addColumn<QString>("campo");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QStringList>("altri");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("titolo");
        QTest::newRow("letters") << "txtD1"
                                 << "abc" << QStringList() << "D1 deve essere un numero >0 (mm)!"
                                 << "Errore su D1";
        QTest::newRow("zero") << "txtH"
                              << "0" << QStringList() << "H deve essere un numero >0 (mm)!"
                              << "Errore su H";
        QTest::newRow("within the plate")
            << "txtD2"
            << "5" << QStringList() << "D2 deve essere maggiore del doppio dello spessore (6 mm)!"
            << "Errore su D2";
        QTest::newRow("cut past the sides")
            << "txtTaglio1"
            << "70" << QStringList() << "Taglio 1 deve essere un numero di gradi tra -69.444 e 69.444, esclusi!"
            << "Errore su Taglio 1";
        QTest::newRow("cuts crossing")
            << "txtH"
            << "100" << QStringList{"txtTaglio1", "30", "txtTaglio2", "-30"}
            << "I due tagli si incrociano dentro il solido: H deve essere maggiore o le inclinazioni minori!"
            << "Errore su H";
    }

    void officinaRifiutata()
    {
        QFETCH(QString, campo);
        QFETCH(QString, testo);
        QFETCH(QStringList, altri);
        QFETCH(QString, prompt);
        QFETCH(QString, titolo);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        foglio.Mostra();
        DigitaRiduzione(foglio);
        for (qsizetype i = 0; i + 1 < altri.size(); i += 2)
            Digita(foglio.fraOfficina->findChild<QLineEdit *>(altri[i]), altri[i + 1]);
        auto *errato = foglio.fraOfficina->findChild<QLineEdit *>(campo);
        Digita(errato, testo);
        finta.attendiBox(prompt, Pulsanti::OK, titolo);
        foglio.cmdCalcola_Click();
        QVERIFY(foglio.isVisible());
        QCOMPARE(foglio.focusWidget(), errato);
        QCOMPARE(errato->selectedText(), testo);
        QCOMPARE(frame.FigliaAttiva()->lblSalvato->text(), QString());
        VERIFICA_COPIONE(finta);
    }

    void esciNasconde()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        foglio.Mostra();
        QCOMPARE(foglio.windowModality(), Qt::ApplicationModal);
        foglio.txtNome->setText(QStringLiteral("resta"));
        foglio.cmdEsci->click();
        QVERIFY(!foglio.isVisible());
        QCOMPARE(frame.foglio(), &foglio);
        QCOMPARE(foglio.txtNome->text(), QStringLiteral("resta"));
        foglio.cmdAbout->click();
        QVERIFY(frame.about() && frame.about()->isVisible());
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestFrmCalvetra)
#include "TestFrmCalvetra.moc"
