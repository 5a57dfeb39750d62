// The calibration manager window: opening, its five modes, save, removal, selection, syntax checks.
#include "calibration/FileTaratura.h"
#include "calibration/frmTaraStampa.h"
#include "platform/FileSicuro.h"
#include "platform/TestoFisso.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include "calibration/ListaTarature.h"
#include "calibration/TaraturaInUso.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString k_Domanda = QStringLiteral("E' necessario stampare una griglia di prova da 200x280mm?");
const QString k_Avviso = QStringLiteral("La modifica casuale dei parametri può provocare stampe multiple!");
const QString k_Sovrascrivo = QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?");

const char *const k_Valori[] = {"txtXNom1", "txtXNom2", "txtXNom3", "txtXRea1", "txtXRea2", "txtXRea3",  "txtYNom1",
                                "txtYNom2", "txtYNom3", "txtYRea1", "txtYRea2", "txtYRea3", "txtShiftX", "txtShiftY"};

RecordTara TaraTerza()
{
    RecordTara r = TaraDefault();
    r.NomeTara = QStringLiteral("Epson LX 300");
    r.XRea2 = QStringLiteral("179.50");
    return r;
}

// What the mode table shows: which boxes are enabled and which controls are on view.
struct Modo {
    bool nome, valori, applica, lista, rimuovi;
    QString didascalia;    // of fraRimuovi, when it is on view
    bool parziale = false; // some value boxes enabled, others not: no mode does that
};

} // namespace

Q_DECLARE_METATYPE(Modo)

class TestFrmTaraStampa : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void apertura_mostraLaTaraturaInUsoInSolaLettura();
    void transizioniDeiModi_data();
    void transizioniDeiModi();
    void applicaFallito_restaNelModo();
    void stampaPaginaTaratura_data();
    void stampaPaginaTaratura();
    void salvaNomeEsistente_data();
    void salvaNomeEsistente();
    void salvaNomeNuovo_inCodaESelezionato();
    void applicaMisuraImplausibile_data();
    void applicaMisuraImplausibile();
    void rimuoviPrimaDiTre();
    void rimuoviAnnullato_nienteCambia();
    void rimuoviUltima_rifiutata();
    void selezione_ilFoglioSegueSubito();
    void perditaFuoco_controlloSintassi_data();
    void perditaFuoco_controlloSintassi();
    void perditaFuoco_casellaDisabilitata_nessunControllo();
    void apertura_unaSolaSelezioneNelFoglio();
    void apertura_fileIlleggibile_caselleInSolaLettura();
    void secondaApertura_portaAvantiSenzaDoppioni();
    void secondaApertura_foglioRicaricato_seguiLaTaraturaMostrata();
    void esci_scaricaLaFinestra();
    void mostraRecordCorrente_testiSenzaSpazi();

private:
    frmTaraStampa *apri(int indiceFoglio = 1);
    QLineEdit *casella(const char *nome) const;
    QPushButton *pulsante(const char *nome) const;
    QComboBox *lista() const;
    Modo modo() const;
    void premi(const char *nome) { pulsante(nome)->click(); }

    std::unique_ptr<QTemporaryDir> m_cartella;
    QString m_cartellaPrecedente;
    TaraturaInUso m_taratura;            // the frame's calibration in use
    std::unique_ptr<QComboBox> m_foglio; // the worksheet's cboNomeTara, which shows it
    frmTaraStampa *m_manager = nullptr;
};

void TestFrmTaraStampa::init()
{
    m_cartellaPrecedente = QDir::currentPath();
    m_cartella = std::make_unique<QTemporaryDir>();
    QVERIFY(m_cartella->isValid());
    QDir::setCurrent(m_cartella->path());
    QVERIFY(ScriviTarature({TaraDefault(), TaraLexmark()}));
    m_foglio = std::make_unique<QComboBox>();
    MostraTaraturaInUso(*m_foglio, m_taratura);
    m_taratura.Ricarica({QStringLiteral("Default"), QStringLiteral("Lexmark WinWriter 200")}, 0);
}

void TestFrmTaraStampa::cleanup()
{
    delete frmTaraStampa::Aperto();
    m_foglio.reset();
    QDir::setCurrent(m_cartellaPrecedente);
    m_cartella.reset();
}

frmTaraStampa *TestFrmTaraStampa::apri(int indiceFoglio)
{
    m_foglio->setCurrentIndex(indiceFoglio);
    m_manager = frmTaraStampa::Apri(&m_taratura, true);
    return m_manager;
}

QLineEdit *TestFrmTaraStampa::casella(const char *nome) const
{
    return m_manager->findChild<QLineEdit *>(QLatin1String(nome));
}

QPushButton *TestFrmTaraStampa::pulsante(const char *nome) const
{
    return m_manager->findChild<QPushButton *>(QLatin1String(nome));
}

QComboBox *TestFrmTaraStampa::lista() const
{
    return m_manager->findChild<QComboBox *>(QStringLiteral("cboNomeTaratura"));
}

Modo TestFrmTaraStampa::modo() const
{
    Modo m{};
    m.nome = casella("txtNomeTara")->isEnabled();
    int abilitate = 0;
    for (const char *nome : k_Valori)
        abilitate += casella(nome)->isEnabled() ? 1 : 0;
    m.valori = abilitate == 14;
    m.parziale = abilitate != 0 && abilitate != 14;
    const auto *fra = m_manager->findChild<QGroupBox *>(QStringLiteral("fraRimuovi"));
    m.applica = pulsante("cmdApplica")->isVisibleTo(m_manager);
    m.lista = fra->isVisibleTo(m_manager);
    // The table says "unchanged" for the button while its frame hides it: its own state counts.
    m.rimuovi = !pulsante("cmdRimuovi")->isHidden();
    m.didascalia = m.lista ? fra->title() : QString();
    return m;
}

#define VERIFICA_MODO(atteso)                                                                                          \
    do {                                                                                                               \
        const Modo m_ = modo();                                                                                        \
        QVERIFY(!m_.parziale);                                                                                         \
        QCOMPARE(m_.nome, (atteso).nome);                                                                              \
        QCOMPARE(m_.valori, (atteso).valori);                                                                          \
        QCOMPARE(m_.applica, (atteso).applica);                                                                        \
        QCOMPARE(m_.lista, (atteso).lista);                                                                            \
        QCOMPARE(m_.rimuovi, (atteso).rimuovi);                                                                        \
        QCOMPARE(m_.didascalia, (atteso).didascalia);                                                                  \
    } while (false)

const Modo k_Visione{false, false, false, false, false, QString()};

void TestFrmTaraStampa::apertura_mostraLaTaraturaInUsoInSolaLettura()
{
    PiattaformaFinta finta;
    apri(1);
    QCOMPARE(m_manager->windowTitle(), QStringLiteral("Drenvik - Taratura Stampante"));
    QCOMPARE(m_manager->windowModality(), Qt::ApplicationModal);
    QVERIFY(m_manager->isVisible());
    VERIFICA_MODO(k_Visione);
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Lexmark WinWriter 200"));
    QCOMPARE(casella("txtXRea1")->text(), QStringLiteral("139.15    ")); // as stored
    QCOMPARE(casella("txtShiftY")->text(), QStringLiteral("0.0  "));
    QCOMPARE(lista()->count(), 2);
    QCOMPARE(lista()->currentIndex(), 1);
    QCOMPARE(m_foglio->currentIndex(), 1);
    QCOMPARE(m_manager->RecordCorrente, 2);
    QCOMPARE(m_manager->NumeroTarature, 2);
    QCOMPARE(pulsante("cmdCreaNuova")->toolTip(), QStringLiteral("Crea una nuova taratura"));
    QCOMPARE(pulsante("cmdSelezione")->text(), QStringLiteral("Seleziona un'altra &taratura"));
    QCOMPARE(pulsante("cmdEsci")->geometry(), QRect(248, 24, 121, 17));
    // The columns give way to the row labels' text; the rows and the right edge stay.
    QCOMPARE(casella("txtXNom2")->geometry().top(), 32);
    QCOMPARE(casella("txtXNom2")->height(), 20);
    QCOMPARE(casella("txtXNom3")->geometry().right(), 248 + 81 - 1);
    VERIFICA_COPIONE(finta);
}

// Each row: the commands pressed in turn (with their boxes scripted), then the mode expected.
void TestFrmTaraStampa::transizioniDeiModi_data()
{
    QTest::addColumn<QStringList>("comandi");
    QTest::addColumn<Modo>("atteso");

    const Modo creazione{true, true, true, false, false, QString()};
    const Modo modifica{false, true, true, false, false, QString()};
    const QString scegli = QStringLiteral("Scegli le tarature da eliminare");
    const Modo rimozione{false, false, false, true, true, scegli};
    const Modo scelta{false, false, false, true, false, QStringLiteral("Seleziona taratura")};

    QTest::newRow("create") << QStringList{"crea"} << creazione;
    QTest::newRow("modify, OK") << QStringList{"modificaOK"} << modifica;
    QTest::newRow("modify, Cancel stays viewing") << QStringList{"modificaAnnulla"} << k_Visione;
    QTest::newRow("remove") << QStringList{"elimina"} << rimozione;
    QTest::newRow("choose") << QStringList{"selezione"} << scelta;
    QTest::newRow("create hides the list, the button keeps its state")
        << QStringList{"elimina", "crea"} << Modo{true, true, true, false, true, QString()};
    QTest::newRow("remove keeps the boxes enabled")
        << QStringList{"crea", "elimina"} << Modo{true, true, false, true, true, scegli};
    QTest::newRow("choose disables the boxes") << QStringList{"modificaOK", "selezione"} << scelta;
    QTest::newRow("choose, then remove shows the button") << QStringList{"selezione", "elimina"} << rimozione;
    QTest::newRow("remove, then choose hides the button") << QStringList{"elimina", "selezione"} << scelta;
    QTest::newRow("a selection returns to viewing, list stays")
        << QStringList{"crea", "elimina", "scegliPrima"} << Modo{false, false, false, true, true, scegli};
}

void TestFrmTaraStampa::transizioniDeiModi()
{
    QFETCH(QStringList, comandi);
    QFETCH(Modo, atteso);

    PiattaformaFinta finta;
    apri(1);
    for (const QString &comando : comandi) {
        if (comando == QLatin1String("crea")) {
            finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaAnnulla);
            premi("cmdCreaNuova");
        } else if (comando.startsWith(QLatin1String("modifica"))) {
            finta.attendiBox(k_Avviso, Pulsanti::OKAnnulla,
                             comando.endsWith(QLatin1String("OK")) ? RispostaOK : RispostaAnnulla);
            premi("cmdModificaTaratura");
        } else if (comando == QLatin1String("elimina")) {
            premi("cmdEliminaTaratura");
        } else if (comando == QLatin1String("selezione")) {
            premi("cmdSelezione");
        } else if (comando == QLatin1String("scegliPrima")) {
            lista()->setCurrentIndex(0);
        }
    }
    VERIFICA_MODO(atteso);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::applicaFallito_restaNelModo()
{
    PiattaformaFinta finta;
    apri(0);
    finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
    finta.attendiStampante(false);
    premi("cmdCreaNuova");
    casella("txtNomeTara")->setText(QStringLiteral("Nuova"));
    casella("txtXNom1")->setText(QString());
    finta.attendiBox(QStringLiteral("Manca il valore nominale nella zona 1 nella direzione X"));
    premi("cmdApplica");
    QCOMPARE(m_manager->ErroreTara, std::int16_t(1));
    VERIFICA_MODO((Modo{true, true, true, false, false, QString()}));
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Nuova"));
    QCOMPARE(LeggiTarature()->size(), 2);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::stampaPaginaTaratura_data()
{
    QTest::addColumn<int>("risposta");
    QTest::addColumn<int>("dialogo"); // -1: never shown, 0: cancelled, 1: accepted
    QTest::newRow("question cancelled") << int(RispostaAnnulla) << -1;
    QTest::newRow("printer dialog cancelled") << int(RispostaOK) << 0;
    QTest::newRow("printed") << int(RispostaOK) << 1;
}

void TestFrmTaraStampa::stampaPaginaTaratura()
{
    QFETCH(int, risposta);
    QFETCH(int, dialogo);
    PiattaformaFinta finta;
    apri(0);
    const QString pdf = m_cartella->filePath(QStringLiteral("griglia.pdf"));
    finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, risposta);
    if (dialogo >= 0) {
        finta.attendiStampante(dialogo == 1, [pdf](QPrinter &stampante) {
            stampante.setOutputFormat(QPrinter::PdfFormat);
            stampante.setOutputFileName(pdf);
        });
    }
    premi("cmdStampaPaginaTaratura");
    VERIFICA_COPIONE(finta);
    QCOMPARE(QFile::exists(pdf), dialogo == 1);
    VERIFICA_MODO(k_Visione);
}

void TestFrmTaraStampa::salvaNomeEsistente_data()
{
    QTest::addColumn<int>("risposta");
    QTest::newRow("Yes overwrites in place") << int(RispostaSi);
    QTest::newRow("No writes nothing") << int(RispostaNo);
}

void TestFrmTaraStampa::salvaNomeEsistente()
{
    QFETCH(int, risposta);
    PiattaformaFinta finta;
    QVERIFY(ScriviTara(3, TaraTerza()));
    m_taratura.Ricarica(QStringList(m_taratura.Nomi()) << QStringLiteral("Epson LX 300"), m_taratura.Indice());
    apri(2);
    const QByteArray prima = LeggiTutto(k_FileTaratura);

    finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaAnnulla);
    premi("cmdCreaNuova");
    casella("txtNomeTara")->setText(QStringLiteral("  lexmark winwriter 200 "));
    casella("txtXRea1")->setText(QStringLiteral("139.50"));
    finta.attendiBox(k_Sovrascrivo, Pulsanti::SiNo, risposta);
    premi("cmdApplica");
    VERIFICA_COPIONE(finta);

    if (risposta == RispostaNo) {
        QCOMPARE(LeggiTutto(k_FileTaratura), prima);
        VERIFICA_MODO((Modo{true, true, true, false, false, QString()}));
        QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("  lexmark winwriter 200 "));
        QCOMPARE(m_foglio->currentIndex(), 2);
        return;
    }
    const QList<RecordTara> record = *LeggiTarature();
    QCOMPARE(record.size(), 3);
    QCOMPARE(TrimBlank(record[1].NomeTara), QStringLiteral("lexmark winwriter 200"));
    QCOMPARE(TrimBlank(record[1].XRea1), QStringLiteral("139.50"));
    const QStringList nomi{"Default", "lexmark winwriter 200", "Epson LX 300"};
    for (const QComboBox *l : {lista(), m_foglio.get()}) {
        QCOMPARE(l->count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(l->itemText(i), nomi[i]);
        QCOMPARE(l->currentIndex(), 1);
    }
    VERIFICA_MODO(k_Visione);
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("lexmark winwriter 200"));
    QCOMPARE(casella("txtXRea1")->text(), QStringLiteral("139.50    "));
}

// A typo that passes every field check (14 for 140) would distort every print: the save asks
// first, naming the zone and both figures.
void TestFrmTaraStampa::applicaMisuraImplausibile_data()
{
    QTest::addColumn<int>("risposta");
    QTest::newRow("Sì salva comunque") << int(RispostaSi);
    QTest::newRow("No non scrive nulla") << int(RispostaNo);
}

void TestFrmTaraStampa::applicaMisuraImplausibile()
{
    QFETCH(int, risposta);
    PiattaformaFinta finta;
    apri(0);
    const QByteArray prima = LeggiTutto(k_FileTaratura);
    finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaAnnulla);
    premi("cmdCreaNuova");
    casella("txtNomeTara")->setText(QStringLiteral("Plotter A0"));
    casella("txtXRea1")->setText(QStringLiteral("14"));
    finta.attendiBox(QStringLiteral("Nella zona 1 nella direzione X il tratto nominale da 0 a 140 mm (140 mm) misura "
                                    "14 mm sulla stampa: differisce di oltre il 10%! Salvo comunque?"),
                     Pulsanti::SiNo, risposta);
    premi("cmdApplica");
    VERIFICA_COPIONE(finta);
    if (risposta == RispostaNo) {
        QCOMPARE(LeggiTutto(k_FileTaratura), prima);
        VERIFICA_MODO((Modo{true, true, true, false, false, QString()}));
        QCOMPARE(casella("txtXRea1")->text(), QStringLiteral("14"));
        return;
    }
    QCOMPARE(LeggiTarature()->size(), 3);
    QCOMPARE(TrimBlank(LeggiTara(3)->XRea1), QStringLiteral("14"));
}

void TestFrmTaraStampa::salvaNomeNuovo_inCodaESelezionato()
{
    PiattaformaFinta finta;
    apri(0);
    finta.attendiBox(k_Avviso, Pulsanti::OKAnnulla, RispostaOK);
    premi("cmdModificaTaratura");
    // Modifying keeps the name: the save overwrites the record on display.
    casella("txtShiftX")->setText(QStringLiteral("-2.5"));
    finta.attendiBox(k_Sovrascrivo, Pulsanti::SiNo, RispostaSi);
    premi("cmdApplica");
    QCOMPARE(TrimBlank(LeggiTara(1)->ShiftX), QStringLiteral("-2.5"));

    finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaAnnulla);
    premi("cmdCreaNuova");
    casella("txtNomeTara")->setText(QStringLiteral("Plotter A0"));
    casella("txtShiftY")->setText(QString());
    finta.attendiBox(QStringLiteral("ShiftY è posto a zero per default"));
    premi("cmdApplica");
    VERIFICA_COPIONE(finta);

    QCOMPARE(LeggiTarature()->size(), 3);
    QCOMPARE(TrimBlank(LeggiTara(3)->ShiftY), QStringLiteral("0.0"));
    QCOMPARE(lista()->itemText(2), QStringLiteral("Plotter A0"));
    QCOMPARE(lista()->currentIndex(), 2);
    QCOMPARE(m_foglio->count(), 3);
    QCOMPARE(m_foglio->currentIndex(), 2);
    VERIFICA_MODO(k_Visione);
}

void TestFrmTaraStampa::rimuoviPrimaDiTre()
{
    PiattaformaFinta finta;
    QVERIFY(ScriviTara(3, TaraTerza()));
    m_taratura.Ricarica(QStringList(m_taratura.Nomi()) << QStringLiteral("Epson LX 300"), m_taratura.Indice());
    apri(2);
    premi("cmdEliminaTaratura");
    lista()->setCurrentIndex(0);
    QCOMPARE(m_foglio->currentIndex(), 0);
    finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
    premi("cmdRimuovi");
    VERIFICA_COPIONE(finta);

    const QList<RecordTara> record = *LeggiTarature();
    QCOMPARE(record.size(), 2);
    QCOMPARE(TrimBlank(record[0].NomeTara), QStringLiteral("Lexmark WinWriter 200"));
    QCOMPARE(TrimBlank(record[1].NomeTara), QStringLiteral("Epson LX 300"));
    QVERIFY(!QFile::exists(k_FileLavoro));
    for (const QComboBox *l : {lista(), m_foglio.get()}) {
        QCOMPARE(l->count(), 2);
        QCOMPARE(l->itemText(0), QStringLiteral("Lexmark WinWriter 200"));
        QCOMPARE(l->currentIndex(), 0);
    }
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Lexmark WinWriter 200"));
    QCOMPARE(m_manager->RecordCorrente, 1);
}

void TestFrmTaraStampa::rimuoviAnnullato_nienteCambia()
{
    PiattaformaFinta finta;
    apri(1);
    const QByteArray prima = LeggiTutto(k_FileTaratura);
    premi("cmdEliminaTaratura");
    finta.attendiBox(QStringLiteral("Elimino definitivamente: Lexmark WinWriter 200?"), Pulsanti::OKAnnulla,
                     RispostaAnnulla);
    premi("cmdRimuovi");
    VERIFICA_COPIONE(finta);
    QCOMPARE(LeggiTutto(k_FileTaratura), prima);
    QCOMPARE(lista()->count(), 2);
    QCOMPARE(m_foglio->currentIndex(), 1);
}

void TestFrmTaraStampa::rimuoviUltima_rifiutata()
{
    PiattaformaFinta finta;
    QVERIFY(ScriviTarature({TaraLexmark()}));
    m_taratura.Ricarica({QStringLiteral("Lexmark WinWriter 200")}, 0);
    apri(0);
    const QByteArray prima = LeggiTutto(k_FileTaratura);
    premi("cmdEliminaTaratura");
    finta.attendiBox(QStringLiteral("Impossibile eliminare tutte le tarature!"));
    premi("cmdRimuovi");
    VERIFICA_COPIONE(finta);
    QCOMPARE(LeggiTutto(k_FileTaratura), prima);
    QCOMPARE(lista()->count(), 1);
}

void TestFrmTaraStampa::selezione_ilFoglioSegueSubito()
{
    PiattaformaFinta finta;
    apri(1);
    premi("cmdSelezione");
    lista()->setCurrentIndex(0);
    QCOMPARE(m_foglio->currentIndex(), 0);
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Default"));
    QCOMPARE(casella("txtXRea1")->text(), QStringLiteral("140.00    "));
    QCOMPARE(m_manager->RecordCorrente, 1);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::perditaFuoco_controlloSintassi_data()
{
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QString>("digitato");
    QTest::addColumn<QString>("messaggio");
    QTest::addColumn<QString>("restante");

    QTest::newRow("comma becomes point") << "txtXNom1"
                                         << "12,5" << QString() << "12.5";
    QTest::newRow("doubled comma") << "txtXNom1"
                                   << "1,2,3"
                                   << "Doppia virgola, correggere il testo introdotto in Zona 1X Nominale!"
                                   << "1,2,3";
    QTest::newRow("doubled point") << "txtYRea3"
                                   << "1.2.3"
                                   << "Doppio punto, correggere il testo introdotto in Zona 3Y Misurata!"
                                   << "1.2.3";
    QTest::newRow("mixed, irregular text") << "txtShiftX"
                                           << "1.234,5"
                                           << "Errore di sintassi, correggere il testo introdotto in in Shift X!"
                                           << "1.234,5";
    QTest::newRow("plain number untouched") << "txtShiftY"
                                            << "-3" << QString() << "-3";
}

void TestFrmTaraStampa::perditaFuoco_controlloSintassi()
{
    QFETCH(QString, nome);
    QFETCH(QString, digitato);
    QFETCH(QString, messaggio);
    QFETCH(QString, restante);

    PiattaformaFinta finta;
    apri(0);
    finta.attendiBox(k_Avviso, Pulsanti::OKAnnulla, RispostaOK);
    premi("cmdModificaTaratura");
    m_manager->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_manager));

    QLineEdit *origine = casella(nome.toLatin1().constData());
    origine->setFocus(Qt::TabFocusReason);
    QVERIFY(origine->hasFocus());
    origine->setText(digitato);
    if (!messaggio.isEmpty())
        finta.attendiBox(messaggio);
    casella(nome == QLatin1String("txtXNom2") ? "txtXNom3" : "txtXNom2")->setFocus(Qt::TabFocusReason);
    QCOMPARE(origine->text(), restante);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::perditaFuoco_casellaDisabilitata_nessunControllo()
{
    PiattaformaFinta finta;
    apri(0);
    QLineEdit *c = casella("txtXNom1");
    c->setText(QStringLiteral("1,2,3"));
    QFocusEvent uscita(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(c, &uscita);
    QCOMPARE(c->text(), QStringLiteral("1,2,3"));
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::secondaApertura_portaAvantiSenzaDoppioni()
{
    PiattaformaFinta finta;
    m_foglio->setCurrentIndex(0);
    frmTaraStampa *primo = frmTaraStampa::Apri(&m_taratura, false);
    m_manager = primo;
    QCOMPARE(primo->windowModality(), Qt::NonModal);
    premi("cmdSelezione");
    lista()->setCurrentIndex(1);
    QCOMPARE(frmTaraStampa::Apri(&m_taratura, false), primo);
    QCOMPARE(lista()->count(), 2);
    QCOMPARE(lista()->currentIndex(), 1);
    // From the worksheet, which is modal, the manager must become modal too to stay usable.
    QCOMPARE(frmTaraStampa::Apri(&m_taratura, true), primo);
    QCOMPARE(primo->windowModality(), Qt::ApplicationModal);
    QVERIFY(primo->isVisible());
    QCOMPARE(lista()->count(), 2);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::apertura_unaSolaSelezioneNelFoglio()
{
    // Filling the manager's list must not pass the worksheet through the first calibration.
    PiattaformaFinta finta;
    m_foglio->setCurrentIndex(1);
    QSignalSpy cambi(m_foglio.get(), &QComboBox::currentIndexChanged);
    apri(1);
    QCOMPARE(cambi.count(), 0);
    QCOMPARE(m_foglio->currentIndex(), 1);
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Lexmark WinWriter 200"));
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::apertura_fileIlleggibile_caselleInSolaLettura()
{
    QVERIFY(QFile::remove(k_FileTaratura));
    QVERIFY(QDir().mkdir(k_FileTaratura)); // exists, cannot be read as a file
    PiattaformaFinta finta;
    finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
    apri(0);
    VERIFICA_COPIONE(finta);
    QCOMPARE(lista()->count(), 0);
    VERIFICA_MODO(k_Visione);
}

void TestFrmTaraStampa::secondaApertura_foglioRicaricato_seguiLaTaraturaMostrata()
{
    PiattaformaFinta finta;
    m_foglio->setCurrentIndex(0);
    m_manager = frmTaraStampa::Apri(&m_taratura, false);
    premi("cmdSelezione");
    lista()->setCurrentIndex(1);
    // The worksheet is unloaded and loaded again, on its first calibration.
    m_foglio = std::make_unique<QComboBox>();
    MostraTaraturaInUso(*m_foglio, m_taratura);
    m_taratura.Ricarica({QStringLiteral("Default"), QStringLiteral("Lexmark WinWriter 200")}, 0);
    QCOMPARE(frmTaraStampa::Apri(&m_taratura, false), m_manager);
    QCOMPARE(m_foglio->currentIndex(), 1);
    lista()->setCurrentIndex(0);
    QCOMPARE(m_foglio->currentIndex(), 0);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::esci_scaricaLaFinestra()
{
    PiattaformaFinta finta;
    apri(1);
    QPointer<frmTaraStampa> manager = m_manager;
    premi("cmdEsci");
    QTRY_VERIFY(manager.isNull());
    QVERIFY(!frmTaraStampa::Aperto());
    QCOMPARE(m_foglio->currentIndex(), 1);
    VERIFICA_COPIONE(finta);
}

void TestFrmTaraStampa::mostraRecordCorrente_testiSenzaSpazi()
{
    PiattaformaFinta finta;
    apri(0);
    m_manager->MostraRecordCorrenteTara(*LeggiTara(2));
    QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Lexmark WinWriter 200"));
    QCOMPARE(casella("txtXRea3")->text(), QStringLiteral("279.15"));
    QCOMPARE(casella("txtShiftX")->text(), QStringLiteral("0.0"));
    VERIFICA_COPIONE(finta);
}

QTEST_MAIN(TestFrmTaraStampa)
#include "TestFrmTaraStampa.moc"
