// The development window: state labels, menus, unsaved checks, .tnt save and open, DXF export, drawing.
#include "development/PaginaGrafico.h"
#include "development/frmOrdinate.h"
#include "exports/ModelloOrdinate.h"
#include "platform/TestoFisso.h"
#include "tests/exports/LettoreDxf.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/GuscioDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QComboBox>
#include <QPushButton>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QTest>

#include <algorithm>
#include <cmath>

class TestFrmGrafico : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

    static QByteArray contenuto(const QString &percorso)
    {
        QFile file(percorso);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A development whose BD the checks refuse.
    static RecordSviluppo rotto()
    {
        RecordSviluppo record;
        record.Nome = QStringLiteral("Rotto");
        record.TestoAC = QStringLiteral("60");
        record.TestoAB = QStringLiteral("120");
        record.TestoBD = QStringLiteral("x");
        record.TestoAlfa = QStringLiteral("60");
        record.TestoBeta = QStringLiteral("60");
        record.ImpostaChiusura(QStringLiteral("F"));
        return record;
    }

private slots:
    void init() { ContaFinestre = 0; }

    void etichetteIniziali_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("didascalia");
        QTest::newRow("lblNome") << "lblNome"
                                 << "Default";
        QTest::newRow("lblAC") << "lblAC"
                               << "60.";
        QTest::newRow("lblAB") << "lblAB"
                               << "120.";
        QTest::newRow("lblBD") << "lblBD"
                               << "60.";
        QTest::newRow("lblALFA") << "lblALFA"
                                 << "60.";
        QTest::newRow("lblBeta") << "lblBeta"
                                 << "60.";
        QTest::newRow("lblChiudi") << "lblChiudi"
                                   << "T";
        QTest::newRow("lblConoCilindro") << "lblConoCilindro"
                                         << "ConoCilindro";
        QTest::newRow("lblStampa") << "lblStampa"
                                   << "Stampa";
        QTest::newRow("lblSalvato") << "lblSalvato"
                                    << "";
    }

    void etichetteIniziali()
    {
        QFETCH(QString, nome);
        QFETCH(QString, didascalia);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        auto *etichetta = frame.FigliaAttiva()->findChild<QLabel *>(nome);
        QVERIFY(etichetta);
        QCOMPARE(etichetta->text(), didascalia);
        QVERIFY(!etichetta->isVisible());
        VERIFICA_COPIONE(finta);
    }

    void menu_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("didascalia");
        QTest::addColumn<QKeySequence>("scorciatoia");
        QTest::newRow("foglio") << "mnuNuovoFoglioDiLavoro"
                                << "Nuovo &Foglio di Lavoro" << QKeySequence("Ctrl+F");
        QTest::newRow("sviluppo") << "mnuNuovoSviluppo"
                                  << "&Nuovo Sviluppo" << QKeySequence("Ctrl+N");
        QTest::newRow("apri") << "mnuApri"
                              << "&Apri" << QKeySequence();
        QTest::newRow("salva") << "mnuSalvaNome"
                               << "&Salva con nome" << QKeySequence("Ctrl+S");
        QTest::newRow("chiudi") << "cmdChiudi"
                                << "&Chiudi" << QKeySequence();
        QTest::newRow("stampa") << "mnuStampa"
                                << "Stam&pa" << QKeySequence();
        QTest::newRow("stampa naturale") << "mnuStampaNaturale"
                                         << "Stampa a grandezza &naturale..." << QKeySequence("Ctrl+T");
        QTest::newRow("esporta") << "mnuEsporta"
                                 << "Esporta come *.&dxf" << QKeySequence();
        QTest::newRow("esci") << "mnuEsci"
                              << "&Esci" << QKeySequence();
        QTest::newRow("tarature") << "mnuManager_Tarature"
                                  << "&Manager Tarature" << QKeySequence();
        QTest::newRow("cascata") << "mnuCascata"
                                 << "Cascata" << QKeySequence();
        QTest::newRow("guida") << "mnuGuidaInLinea"
                               << "&Guida in linea" << QKeySequence();
        QTest::newRow("info") << "mnuInfo"
                              << "&About" << QKeySequence();
    }

    void menu()
    {
        QFETCH(QString, nome);
        QFETCH(QString, didascalia);
        QFETCH(QKeySequence, scorciatoia);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        auto *azione = frame.FigliaAttiva()->findChild<QAction *>(nome);
        QVERIFY(azione);
        QCOMPARE(azione->text(), didascalia);
        QCOMPARE(azione->shortcut(), scorciatoia);
        VERIFICA_COPIONE(finta);
    }

    // The File menu's items and separators in their order, each under its own name.
    void ordineMenuFile()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        auto *file = frame.FigliaAttiva()->findChild<QMenu *>(QStringLiteral("mnuFile"));
        QVERIFY(file);
        QStringList nomi;
        for (QAction *azione : file->actions())
            nomi << azione->objectName();
        QCOMPARE(nomi, (QStringList{"mnuNuovoFoglioDiLavoro", "mnuNuovoSviluppo", "mnuModificaSviluppo", "mnuDivisione",
                                    "mnuApri", "mnuSalvaNome", "cmdChiudi", "mnuDivisione3", "mnuStampa",
                                    "mnuStampaNaturale", "mnuSep1", "mnuEsporta", "mnuEsportaArchi",
                                    "mnuEsportaStriscia", "mnuTabellaGeneratrici", "mnuPieghe", "mnuSep2", "mnuEsci"}));
        for (const char *separatore : {"mnuDivisione", "mnuDivisione3", "mnuSep1", "mnuSep2"})
            QVERIFY(file->findChild<QAction *>(QLatin1String(separatore))->isSeparator());
        VERIFICA_COPIONE(finta);
    }

    void geometriaIniziale() { QCOMPARE(frmGrafico::GeometriaIniziale(QSize(1000, 800)), QRect(20, 16, 960, 768)); }

    // The page keeps its 288 x 208 proportions whatever the window's shape, centred.
    void paginaUniforme_data()
    {
        QTest::addColumn<QSizeF>("widget");
        QTest::addColumn<QRectF>("pagina");
        QTest::newRow("larga") << QSizeF(1000, 208) << QRectF(356, 0, 288, 208);
        QTest::newRow("alta") << QSizeF(576, 1000) << QRectF(0, 292, 576, 416);
        QTest::newRow("esatta") << QSizeF(288, 208) << QRectF(0, 0, 288, 208);
        QTest::newRow("vuota") << QSizeF(0, 0) << QRectF(0, 0, 0, 0);
    }

    void paginaUniforme()
    {
        QFETCH(QSizeF, widget);
        QFETCH(QRectF, pagina);
        QCOMPARE(PaginaGrafico::AreaPagina(widget), pagina);
    }

    // Every row of the unsaved check, with each answer, and what the save then does.
    void verificaNonSalvato_data()
    {
        QTest::addColumn<QString>("comando");
        QTest::addColumn<QString>("stato");
        QTest::addColumn<int>("risposta");      // 0: no question
        QTest::addColumn<int>("salvataggio");   // 0 none, 1 written, 2 dialog cancelled
        QTest::addColumn<int>("finestre");      // windows open afterwards
        QTest::addColumn<QString>("statoDopo"); // of the first window, when open
        QTest::addColumn<bool>("foglio");       // worksheet on view afterwards

        const int si = RispostaSi, no = RispostaNo, annulla = RispostaAnnulla;
        QTest::newRow("chiudi nuova") << "chiudi"
                                      << "" << 0 << 0 << 0 << "" << false;
        QTest::newRow("chiudi salvato") << "chiudi"
                                        << "salvato" << 0 << 0 << 0 << "" << false;
        QTest::newRow("chiudi: no") << "chiudi"
                                    << "da salvare" << no << 0 << 0 << "" << false;
        QTest::newRow("chiudi: annulla") << "chiudi"
                                         << "da salvare" << annulla << 0 << 1 << "da salvare" << false;
        QTest::newRow("chiudi: si, salva") << "chiudi"
                                           << "da salvare" << si << 1 << 0 << "" << false;
        QTest::newRow("chiudi: si, annulla il dialogo") << "chiudi"
                                                        << "da salvare" << si << 2 << 1 << "da salvare" << false;
        QTest::newRow("apri nuova") << "apri"
                                    << "" << 0 << 0 << 1 << "" << false;
        QTest::newRow("apri salvato") << "apri"
                                      << "salvato" << 0 << 0 << 1 << "salvato" << false;
        QTest::newRow("apri: no") << "apri"
                                  << "da salvare" << no << 0 << 2 << "da salvare" << false;
        QTest::newRow("apri: si, salva") << "apri"
                                         << "da salvare" << si << 1 << 2 << "salvato" << false;
        QTest::newRow("apri: si, annulla il dialogo") << "apri"
                                                      << "da salvare" << si << 2 << 2 << "da salvare" << false;
        QTest::newRow("sviluppo nuova") << "sviluppo"
                                        << "" << 0 << 0 << 1 << "" << true;
        QTest::newRow("sviluppo salvato") << "sviluppo"
                                          << "salvato" << 0 << 0 << 1 << "salvato" << true;
        QTest::newRow("sviluppo: no") << "sviluppo"
                                      << "da salvare" << no << 0 << 2 << "da salvare" << true;
        QTest::newRow("sviluppo: si, salva") << "sviluppo"
                                             << "da salvare" << si << 1 << 1 << "salvato" << true;
        QTest::newRow("sviluppo: si, annulla il dialogo") << "sviluppo"
                                                          << "da salvare" << si << 2 << 1 << "da salvare" << false;
    }

    void verificaNonSalvato()
    {
        QFETCH(QString, comando);
        QFETCH(QString, stato);
        QFETCH(int, risposta);
        QFETCH(int, salvataggio);
        QFETCH(int, finestre);
        QFETCH(QString, statoDopo);
        QFETCH(bool, foglio);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        QPointer<frmGrafico> prima = frame.FigliaAttiva();
        prima->ImpostaSalvato(stato);
        const QString file = m_cartella.percorso(QStringLiteral("verifica.tnt"));
        QFile::remove(file);

        const QString didascalia = QStringLiteral("Grafico - Drenvik");
        if (risposta) {
            if (comando == QLatin1String("chiudi"))
                finta.attendiBox(DomandaChiusura(didascalia), Pulsanti::SiNoAnnulla, risposta);
            else
                finta.attendiBox(DomandaSalvataggio(didascalia), Pulsanti::SiNo, risposta);
        }
        if (salvataggio == 1)
            finta.attendiSalva(file);
        if (salvataggio == 2)
            finta.attendiSalva(std::nullopt);
        if (comando == QLatin1String("apri")) {
            if (salvataggio == 1)
                finta.attendiBox(QStringLiteral("File salvato"));
            finta.attendiApri(std::nullopt);
            finta.attendiBox(QStringLiteral("Errore"));
        }

        if (comando == QLatin1String("chiudi"))
            prima->cmdChiudi_Click();
        else if (comando == QLatin1String("apri"))
            prima->mnuApri_Click();
        else
            prima->mnuNuovoSviluppo_Click();
        EseguiCancellazioni();

        QCOMPARE(frame.Finestre().size(), finestre);
        if (prima)
            QCOMPARE(prima->lblSalvato->text(), statoDopo);
        QCOMPARE(QFile::exists(file), salvataggio == 1);
        const bool foglioVisibile = frame.foglio() && frame.foglio()->isVisible();
        QCOMPARE(foglioVisibile, foglio);
        if (finestre == 2) {
            QCOMPARE(frame.FigliaAttiva()->windowTitle(), QStringLiteral("Grafico - Drenvik 2"));
            QVERIFY(frame.FigliaAttiva() != prima);
        }
        VERIFICA_COPIONE(finta);
    }

    // Save and open through the menus: captions, lblSalvato states, the labels carried by the file.
    void salvaEApri()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *prima = frame.FigliaAttiva();
        Calcola(frame, CilindroDiProva());
        QCOMPARE(prima->lblSalvato->text(), QStringLiteral("da salvare"));
        QCOMPARE(prima->windowTitle(), QStringLiteral("Grafico - Drenvik Tubo*"));
        const QString file = m_cartella.percorso(QStringLiteral("tubo.tnt"));
        finta.attendiSalva(file);
        QVERIFY(prima->mnuSalvaNome_Click());
        const RichiestaFile richiesta = finta.richiesteSalva().front();
        QCOMPARE(richiesta.filtro, QStringLiteral("(*.tnt)|*.tnt|(*.vorna)|*.vorna|All Files (*.*)|*.*"));
        QCOMPARE(richiesta.indiceFiltro, 1);
        QCOMPARE(richiesta.nomePredefinito, QStringLiteral("Tubo"));
        QVERIFY(richiesta.chiediSovrascrittura);
        QCOMPARE(prima->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(prima->windowTitle(), QStringLiteral("Grafico - Drenvik ") + file);
        QCOMPARE(prima->lblConoCilindro->text(), QStringLiteral("Cilindro"));
        const QByteArray byte = contenuto(file);
        QCOMPARE(byte.size(), 122);
        QCOMPARE(byte.mid(82, 2), QByteArray("TF"));

        finta.attendiApri(file);
        frame.NuovaFinestra()->mnuApri_Click();
        frmGrafico *seconda = frame.FigliaAttiva();
        QVERIFY(seconda != prima);
        QCOMPARE(seconda->windowTitle(), QStringLiteral("Grafico - Drenvik ") + file);
        QCOMPARE(seconda->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(seconda->lblNome->text(), Fissa(QStringLiteral("Tubo"), 40));
        QCOMPARE(seconda->lblAC->text(), Fissa(QStringLiteral("50"), 10));
        QCOMPARE(seconda->lblChiudi->text(), QStringLiteral("T"));
        QCOMPARE(seconda->lblConoCilindro->text(), QStringLiteral("Cilindro"));
        QCOMPARE(seconda->lblStampa->text(), prima->lblStampa->text());
        QCOMPARE(seconda->Pagina().Elenco().elementi().size(), prima->Pagina().Elenco().elementi().size());
        QVERIFY(!seconda->Pagina().Elenco().elementi().empty());
        VERIFICA_COPIONE(finta);
    }

    // A plate typed on the worksheet: the legend says so, the file carries it, an open brings it
    // back; a trailer that belongs to another record is told and dropped.
    void salvaEApriConSpessore()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        QVERIFY(!foglio.cboQuote->isEnabled());
        QCOMPARE(foglio.cmdEsci->nextInFocusChain(), static_cast<QWidget *>(foglio.txtSpessore));
        // The new controls overlap nothing of the worksheet and stay inside it.
        for (const char *nuovo : {"lblSpessore", "txtSpessore", "cboQuote"}) {
            const QRect posto = foglio.findChild<QWidget *>(QLatin1String(nuovo))->geometry();
            QVERIFY(foglio.rect().contains(posto));
            for (const QWidget *altro : foglio.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
                QVERIFY2(altro->objectName() == QLatin1String(nuovo) || !altro->geometry().intersects(posto),
                         qPrintable(altro->objectName() + QLatin1Char(' ') + QLatin1String(nuovo)));
        }
        foglio.txtSpessore->setText(QStringLiteral("10"));
        QVERIFY(foglio.cboQuote->isEnabled());
        QCOMPARE(foglio.cboQuote->currentText(), QStringLiteral("Quote esterne"));
        foglio.cboQuote->setCurrentIndex(0);
        Calcola(frame, CilindroDiProva());
        const QString nota = QStringLiteral("Spessore 10 mm, quote interne: sviluppo sulla fibra media");
        const auto legenda = [&nota](const frmGrafico &f) {
            const auto &elementi = f.Pagina().Elenco().elementi();
            return std::any_of(elementi.begin(), elementi.end(), [&nota](const auto &e) { return e.testo == nota; });
        };
        QVERIFY(legenda(*frame.FigliaAttiva()));
        const QString file = m_cartella.percorso(QStringLiteral("lamiera.tnt"));
        finta.attendiSalva(file);
        QVERIFY(frame.FigliaAttiva()->mnuSalvaNome_Click());
        QByteArray byte = contenuto(file);
        QCOMPARE(byte.size(), 146);
        QCOMPARE(byte.mid(122, 16), QByteArray("SPES110        I"));

        finta.attendiApri(file);
        frame.NuovaFinestra()->mnuApri_Click();
        QCOMPARE(frame.FigliaAttiva()->Etichette().lblSpessore, Fissa(QStringLiteral("10"), 10));
        QCOMPARE(frame.FigliaAttiva()->Etichette().lblQuote, QStringLiteral("I"));
        QVERIFY(legenda(*frame.FigliaAttiva()));

        byte[0] = 'X';
        QFile riscritto(file);
        QVERIFY(riscritto.open(QIODevice::WriteOnly) && riscritto.write(byte) == byte.size());
        riscritto.close();
        finta.attendiApri(file);
        finta.attendiBox(QStringLiteral("Lo spessore salvato in ") + file +
                         QStringLiteral(" appartiene a uno sviluppo diverso da quello del file e non è stato letto: lo "
                                        "sviluppo è senza spessore."));
        frame.NuovaFinestra()->mnuApri_Click();
        QVERIFY(TrimBlank(frame.FigliaAttiva()->Etichette().lblSpessore).isEmpty());
        QVERIFY(!legenda(*frame.FigliaAttiva()));
        VERIFICA_COPIONE(finta);
    }

    // Names that do not end exactly in ".tnt" are refused; nothing is written or read.
    void nomiRifiutati_data()
    {
        QTest::addColumn<bool>("salva");
        QTest::addColumn<QVariant>("nome"); // a null variant: the dialog cancelled
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("salva .txt") << true << QVariant(m_cartella.percorso("ALTRO.txt")) << k_SoloTnt;
        QTest::newRow("salva annullato") << true << QVariant() << "";
        QTest::newRow("apri .txt") << false << QVariant(m_cartella.percorso("ALTRO.txt")) << "Errore";
        QTest::newRow("apri annullato") << false << QVariant() << "Errore";
    }

    void nomiRifiutati()
    {
        QFETCH(bool, salva);
        QFETCH(QVariant, nome);
        QFETCH(QString, messaggio);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        const std::optional<QString> risposta = nome.isNull() ? std::nullopt : std::optional(nome.toString());
        if (salva) {
            finestra->ImpostaSalvato(QStringLiteral("da salvare"));
            finta.attendiSalva(risposta);
        } else {
            finta.attendiApri(risposta);
        }
        if (!messaggio.isEmpty())
            finta.attendiBox(messaggio);
        if (salva) {
            QVERIFY(!finestra->mnuSalvaNome_Click());
            QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
            if (nome.isNull()) // a cancelled dialog keeps the preset, the development's name
                QCOMPARE(finestra->NomeFileDialogo(), QStringLiteral("Default"));
        } else {
            finestra->mnuApri_Click();
            QCOMPARE(finestra->lblSalvato->text(), QString());
            QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        }
        QCOMPARE(frame.Finestre().size(), 1);
        QVERIFY(!QFile::exists(m_cartella.percorso("ALTRO.txt")));
        VERIFICA_COPIONE(finta);
    }

    // A development named like a file: cancelling the save dialog still writes nothing.
    void salvataggioAnnullatoNomeTnt()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        const QString nome = QString(36, QLatin1Char('x')) + QStringLiteral(".tnt");
        ImpostaNome(*finestra, nome);
        finestra->ImpostaSalvato(QStringLiteral("da salvare"));
        finta.attendiSalva(std::nullopt);
        QVERIFY(!finestra->mnuSalvaNome_Click());
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        QVERIFY(!QFile::exists(m_cartella.percorso(nome)));
        VERIFICA_COPIONE(finta);
    }

    // Saving a window without a development, and a write that fails.
    void salvataggiNonRiusciti()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        finta.attendiBox(QStringLiteral("Nessun sviluppo da salvare! Premere OK per continuare"));
        QVERIFY(!finestra->mnuSalvaNome_Click());

        finestra->ImpostaSalvato(QStringLiteral("salvato"));
        const QString manca = m_cartella.percorso(QStringLiteral("manca/dentro.tnt"));
        finta.attendiSalva(manca);
        finta.attendiBox(QStringLiteral("Errore nel salvataggio dello sviluppo\nImpossibile scrivere il file: ") +
                         manca + QStringLiteral(": file o cartella inesistente"));
        QVERIFY(!finestra->mnuSalvaNome_Click());
        // A save that wrote nothing leaves the development marked unsaved.
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        VERIFICA_COPIONE(finta);
    }

    // Extensions in capitals, as old shares and other tools write them, are ours all the same.
    void estensioniMaiuscole()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        frmGrafico *prima = frame.FigliaAttiva();
        const QString tnt = m_cartella.percorso(QStringLiteral("PEZZO.TNT"));
        finta.attendiSalva(tnt);
        QVERIFY(prima->mnuSalvaNome_Click());
        QCOMPARE(contenuto(tnt).size(), 122);
        finta.attendiApri(tnt);
        frmGrafico *seconda = frame.NuovaFinestra();
        seconda->mnuApri_Click();
        QCOMPARE(seconda->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(seconda->Pagina().Elenco().elementi().size(), prima->Pagina().Elenco().elementi().size());

        const QString dxf = m_cartella.percorso(QStringLiteral("pezzo.DXF"));
        finta.attendiSalva(dxf);
        seconda->mnuEsporta_Click();
        QVERIFY(contenuto(dxf).contains("SECTION"));
        QVERIFY(!QFile::exists(dxf + QStringLiteral(".dxf")));
        VERIFICA_COPIONE(finta);
    }

    // The save dialog proposes the development's name without its padding; no name, nothing.
    void nomeProposto_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<QString>("proposto");
        QTest::newRow("nome") << "Riduzione 600-300"
                              << "Riduzione 600-300";
        QTest::newRow("tra spazi") << "  Cappa "
                                   << "Cappa";
        QTest::newRow("vuoto") << ""
                               << "";
    }

    void nomeProposto()
    {
        QFETCH(QString, nome);
        QFETCH(QString, proposto);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Figure figure = ConoDiProva();
        figure.nome = nome;
        Calcola(frame, figure);
        finta.attendiSalva(std::nullopt);
        QVERIFY(!frame.FigliaAttiva()->mnuSalvaNome_Click());
        QCOMPARE(finta.richiesteSalva().front().nomePredefinito, proposto);
        VERIFICA_COPIONE(finta);
    }

    // The status line says what each completed action did; a new job clears the last one's line.
    void avvisi()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        const QString tnt = m_cartella.percorso(QStringLiteral("avvisi.tnt"));
        finta.attendiSalva(tnt);
        QVERIFY(finestra->mnuSalvaNome_Click());
        QCOMPARE(frame.avvisi.last(), QStringLiteral("Salvato ") + tnt);
        Calcola(frame, CilindroDiProva());
        QCOMPARE(frame.avvisi.last(), QString());
        finta.attendiApri(tnt);
        frmGrafico *aperta = frame.NuovaFinestra();
        aperta->mnuApri_Click();
        QCOMPARE(frame.avvisi.last(), QStringLiteral("Aperto ") + tnt);

        aperta->mnuTabellaGeneratrici_Click();
        auto *tabella = aperta->findChild<frmOrdinate *>();
        QVERIFY(tabella);
        const QString csv = m_cartella.percorso(QStringLiteral("avvisi.csv"));
        finta.attendiSalva(csv);
        tabella->cmdEsportaCsv_Click();
        QVERIFY(QFileInfo(csv).size() > 0);
        QCOMPARE(frame.avvisi.last(), QStringLiteral("Esportato ") + csv);
        tabella->close();
        VERIFICA_COPIONE(finta);
    }

    // A job saved as .vorna and opened again: the figures as typed, the plate, the name, the title
    // and the saved state come back, and it saves to the same .tnt as the window it came from.
    void commessaVorna()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmCalvetra &foglio = FoglioDi(frame);
        foglio.txtSpessore->setText(QStringLiteral("2,5"));
        foglio.cboQuote->setCurrentIndex(0);
        Calcola(frame, CilindroDiProva());
        frmGrafico *prima = frame.FigliaAttiva();
        const QString vorna = m_cartella.percorso(QStringLiteral("tubo.VORNA"));
        finta.attendiSalva(vorna);
        QVERIFY(prima->mnuSalvaNome_Click());
        QCOMPARE(prima->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(prima->windowTitle(), QStringLiteral("Grafico - Drenvik ") + vorna);
        const QJsonObject radice = QJsonDocument::fromJson(contenuto(vorna)).object();
        QCOMPARE(radice[QStringLiteral("formato")].toString(), QStringLiteral("vorna-commessa"));
        QCOMPARE(radice[QStringLiteral("nome")].toString(), QStringLiteral("Tubo"));
        const QJsonObject pezzo = radice[QStringLiteral("pezzi")][0].toObject();
        QCOMPARE(pezzo[QStringLiteral("AB")].toString(), QStringLiteral("100"));
        QCOMPARE(pezzo[QStringLiteral("lamiera")][QStringLiteral("spessore")].toString(), QStringLiteral("2,5"));
        QCOMPARE(pezzo[QStringLiteral("lamiera")][QStringLiteral("quote")].toString(), QStringLiteral("interne"));

        finta.attendiApri(vorna);
        frmGrafico *seconda = frame.NuovaFinestra();
        seconda->mnuApri_Click();
        QCOMPARE(finta.richiesteApri().front().filtro, QStringLiteral("(*.tnt)|*.tnt|(*.vorna)|*.vorna"));
        QCOMPARE(seconda->windowTitle(), QStringLiteral("Grafico - Drenvik ") + vorna);
        QCOMPARE(seconda->lblSalvato->text(), QStringLiteral("salvato"));
        QCOMPARE(frame.avvisi.last(), QStringLiteral("Aperto ") + vorna);
        QCOMPARE(seconda->CommessaMostrata().nome, QStringLiteral("Tubo"));
        QCOMPARE(seconda->lblNome->text(), Fissa(QStringLiteral("Tubo"), 40));
        QCOMPARE(seconda->lblAB->text(), Fissa(QStringLiteral("100"), 10));
        QCOMPARE(seconda->lblChiudi->text(), QStringLiteral("T"));
        QCOMPARE(seconda->Etichette().lblSpessore, Fissa(QStringLiteral("2,5"), 10));
        QCOMPARE(seconda->Etichette().lblQuote, QStringLiteral("I"));
        QVERIFY(!seconda->Pagina().Elenco().elementi().empty());
        QCOMPARE(seconda->Pagina().Elenco().elementi().size(), prima->Pagina().Elenco().elementi().size());

        const QString daPrima = m_cartella.percorso(QStringLiteral("prima.tnt"));
        const QString daSeconda = m_cartella.percorso(QStringLiteral("seconda.tnt"));
        finta.attendiSalva(daSeconda);
        QVERIFY(seconda->mnuSalvaNome_Click());
        frame.Attiva(*prima);
        finta.attendiSalva(daPrima);
        QVERIFY(prima->mnuSalvaNome_Click());
        QCOMPARE(contenuto(daSeconda).size(), 146);
        QCOMPARE(contenuto(daSeconda), contenuto(daPrima));

        // A file that is no job of ours is told with the reader's reason; the window stays as it was.
        const QString estraneo = m_cartella.percorso(QStringLiteral("estraneo.vorna"));
        QFile file(estraneo);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("{\"formato\": \"altro\"}") > 0);
        file.close();
        finta.attendiApri(estraneo);
        finta.attendiBox(QStringLiteral("Impossibile leggere il file: ") + estraneo +
                         QStringLiteral(": non è una commessa di Vorna (manca \"formato\": \"vorna-commessa\")"));
        frmGrafico *terza = frame.NuovaFinestra();
        terza->mnuApri_Click();
        QCOMPARE(terza->lblSalvato->text(), QString());
        QCOMPARE(terza->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        VERIFICA_COPIONE(finta);
    }

    // Each window keeps its own job: a file opened and saved again keeps the bytes it was read
    // with, whatever another window read in between.
    void finestreSenzaBufferComune()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        const auto scrivi = [this](const QString &nome, const QString &conoCilindro) {
            RecordSviluppo record = rotto();
            record.ConoCilindro = conoCilindro;
            record.RoutineStampa = QStringLiteral("Stampa");
            const QString file = m_cartella.percorso(nome);
            return ScriviRecordSviluppo(file, record) == EsitoFileSviluppo::Ok ? file : QString();
        };
        const QString cono = scrivi(QStringLiteral("cono.tnt"), QStringLiteral("Cono"));
        const QString cilindro = scrivi(QStringLiteral("cilindro.tnt"), QStringLiteral("Cilindro"));
        QVERIFY(!cono.isEmpty() && !cilindro.isEmpty());
        const QString rifiuto = QStringLiteral("BD deve essere un numero >0!");
        finta.attendiApri(cono);
        finta.attendiBox(rifiuto, Pulsanti::OK, QStringLiteral("Errore su BD"));
        frmGrafico *prima = frame.FigliaAttiva();
        prima->mnuApri_Click();
        finta.attendiApri(cilindro);
        finta.attendiBox(rifiuto, Pulsanti::OK, QStringLiteral("Errore su BD"));
        frame.NuovaFinestra()->mnuApri_Click();

        frame.Attiva(*prima);
        const QString copia = m_cartella.percorso(QStringLiteral("copia.tnt"));
        finta.attendiSalva(copia);
        QVERIFY(prima->mnuSalvaNome_Click());
        QCOMPARE(contenuto(copia), contenuto(cono));
        VERIFICA_COPIONE(finta);
    }

    // A file whose figures are refused, opened over a saved development: the labels show the
    // file's figures, to correct them; no drawing of the other development stays beside them.
    void apertoRifiutatoSuUnoSviluppo()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        finestra->ImpostaSalvataggio(Salvataggio::Salvato);
        const RecordSviluppo record = rotto();
        const QString file = m_cartella.percorso(QStringLiteral("rotto.tnt"));
        QCOMPARE(ScriviRecordSviluppo(file, record), EsitoFileSviluppo::Ok);
        finta.attendiApri(file);
        finta.attendiBox(QStringLiteral("BD deve essere un numero >0!"), Pulsanti::OK, QStringLiteral("Errore su BD"));
        finestra->mnuApri_Click();
        QCOMPARE(finestra->lblBD->text(), Fissa(QStringLiteral("x"), 10));
        QVERIFY(finestra->Pagina().Elenco().elementi().empty());
        QCOMPARE(frame.avvisi.last(), QString());
        VERIFICA_COPIONE(finta);
    }

    // A file whose figure is past the drawing scale: told, and the window stays as it was.
    void riaperturaOltreLaScala()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        const Figure f = FiguraEnorme();
        RecordSviluppo record;
        record.Nome = f.nome;
        record.TestoAC = f.ac;
        record.TestoAB = f.ab;
        record.TestoBD = f.bd;
        record.TestoAlfa = f.alfa;
        record.TestoBeta = f.beta;
        record.ChiudiAC = QStringLiteral("F");
        record.ChiudiBD = QStringLiteral("T");
        const QString file = m_cartella.percorso(QStringLiteral("enorme.tnt"));
        QCOMPARE(ScriviRecordSviluppo(file, record), EsitoFileSviluppo::Ok);
        finta.attendiApri(file);
        finta.attendiBox(QStringLiteral("Lo sviluppo è troppo grande per essere disegnato: ridurre le misure"),
                         Pulsanti::OK, QStringLiteral("Attenzione!"));
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->mnuApri_Click();
        QVERIFY(finestra->Pagina().Elenco().elementi().empty());
        QCOMPARE(finestra->lblAB->text(), QStringLiteral("120."));
        QCOMPARE(finestra->lblSalvato->text(), QString());
        QCOMPARE(finestra->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        VERIFICA_COPIONE(finta);
    }

    void esporta_data()
    {
        QTest::addColumn<bool>("sviluppo");
        QTest::addColumn<QVariant>("nome");   // null: dialog cancelled
        QTest::addColumn<QString>("scritto"); // the file expected, empty for none
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("nessuno sviluppo") << false << QVariant() << ""
                                          << "Nessun sviluppo da esportare! Premere OK per continuare";
        QTest::newRow("annullato") << true << QVariant() << ""
                                   << "";
        QTest::newRow("con .dxf") << true << QVariant(m_cartella.percorso("pezzo.dxf"))
                                  << m_cartella.percorso("pezzo.dxf") << "";
        QTest::newRow("senza estensione")
            << true << QVariant(m_cartella.percorso("lamiera")) << m_cartella.percorso("lamiera.dxf") << "";
        QTest::newRow("non scrivibile") << true << QVariant(m_cartella.percorso("manca/x.dxf")) << ""
                                        << "Errore nell'esportazione dello sviluppo\nImpossibile scrivere il file: " +
                                               m_cartella.percorso("manca/x.dxf") + ": file o cartella inesistente";
    }

    void esporta()
    {
        QFETCH(bool, sviluppo);
        QFETCH(QVariant, nome);
        QFETCH(QString, scritto);
        QFETCH(QString, messaggio);
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        if (sviluppo)
            Calcola(frame, ConoDiProva());
        frmGrafico *finestra = frame.FigliaAttiva();
        if (sviluppo)
            finta.attendiSalva(nome.isNull() ? std::nullopt : std::optional(nome.toString()));
        if (!messaggio.isEmpty())
            finta.attendiBox(messaggio);
        finestra->mnuEsporta_Click();
        if (sviluppo) {
            QCOMPARE(finta.richiesteSalva().front().filtro, QStringLiteral("(*.dxf)|*.dxf"));
            // The dialog itself adds ".dxf", so its overwrite question is about the file written.
            QCOMPARE(finta.richiesteSalva().front().estensionePredefinita, QStringLiteral("dxf"));
        }
        if (!scritto.isEmpty())
            QVERIFY(contenuto(scritto).startsWith("0\r\nSECTION") || contenuto(scritto).startsWith("  0"));
        QCOMPARE(finestra->lblSalvato->text(), sviluppo ? QStringLiteral("da salvare") : QString());
        VERIFICA_COPIONE(finta);
    }

    // A job of several pieces goes out whole from "Esporta come *.dxf": read back, one closed cutting
    // outline per piece. A constant elbow's strip: one outline pi x D wide and as long as the pieces'
    // axes, one open line per joint; a reducing elbow has no strip and says so without a dialog.
    void esportaGomito()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        GomitoCommessa gomito;
        gomito.figure = {300, 300, 450, 90, 4, 0};
        QVERIFY(finestra->MostraGomito(QStringLiteral("Gomito"), gomito, FigureSviluppo{}));
        const auto polilinee = [](const QByteArray &dxf, const char *chiusa) {
            const QList<EntitaDxf> entita = LeggiDxf(dxf).entita();
            return std::count_if(entita.cbegin(), entita.cend(), [&](const EntitaDxf &e) {
                return e.tipo == QLatin1String("POLYLINE") && e.valore(8) == QLatin1String("TAGLIO") &&
                       e.valore(70) == QLatin1String(chiusa);
            });
        };
        const QString tutti = m_cartella.percorso(QStringLiteral("gomito.dxf"));
        finta.attendiSalva(tutti);
        finestra->mnuEsporta_Click();
        QCOMPARE(polilinee(contenuto(tutti), "1"), 4);

        const QString striscia = m_cartella.percorso(QStringLiteral("striscia.dxf"));
        finta.attendiSalva(striscia);
        finestra->mnuEsportaStriscia_Click();
        const QByteArray dxf = contenuto(striscia);
        QCOMPARE(polilinee(dxf, "1"), 1);
        QCOMPARE(polilinee(dxf, "0"), 3);
        double larghezza = 0, lunghezza = 0;
        for (const PuntoPiano &p : VerticiDxf(dxf)) {
            larghezza = std::max(larghezza, p.x);
            lunghezza = std::max(lunghezza, p.y);
        }
        // Two end pieces R tan 15 degrees long on their axis, two gores twice that.
        QVERIFY(std::abs(larghezza - M_PI * 300) < 1e-3);
        QVERIFY(std::abs(lunghezza - 6 * 450 * std::tan(M_PI / 12)) < 1e-3);

        // Each piece has its own generator table; the user picks which.
        finta.attendiNumero(3);
        finestra->mnuTabellaGeneratrici_Click();
        const auto *tabella = finestra->findChild<frmOrdinate *>();
        QVERIFY(tabella);
        QCOMPARE(tabella->Modello().Tabella().nome, QStringLiteral("Pezzo 3"));
        finta.attendiNumero(std::nullopt);
        finestra->mnuTabellaGeneratrici_Click();
        QCOMPARE(finestra->findChildren<frmOrdinate *>().size(), 1);

        gomito.figure.D2 = 250;
        QVERIFY(finestra->MostraGomito(QStringLiteral("Riduzione"), gomito, FigureSviluppo{}));
        finta.attendiBox(QStringLiteral("La striscia annidata si esporta solo per un gomito a diametro costante! "
                                        "Premere OK per continuare"));
        finestra->mnuEsportaStriscia_Click();
        QCOMPARE(finta.richiesteSalva().size(), 2);
        VERIFICA_COPIONE(finta);
    }

    // A drawing name that is a link to a development is refused: the development stays as it was.
    void esportaSuUnoSviluppo()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        const QString tnt = m_cartella.percorso(QStringLiteral("legato.tnt"));
        const QString dxf = m_cartella.percorso(QStringLiteral("legato.dxf"));
        QFile file(tnt);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("sviluppo") == 8);
        file.close();
        QVERIFY(QFile::link(tnt, dxf));
        finta.attendiSalva(dxf);
        finta.attendiBox(QStringLiteral("Errore nell'esportazione dello sviluppo\nEsportazione rifiutata: ") + dxf +
                         QStringLiteral(" porta a ") + tnt +
                         QStringLiteral(", che non si può sovrascrivere con un'esportazione"));
        frame.FigliaAttiva()->mnuEsporta_Click();
        QCOMPARE(contenuto(tnt), QByteArray("sviluppo"));
        VERIFICA_COPIONE(finta);
    }

    // The drawing reaches the screen: dark blue on a white page.
    void disegnoSulloSchermo()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        const QImage immagine = frame.FigliaAttiva()->findChild<PaginaGrafico *>()->grab().toImage();
        int blu = 0, bianco = 0;
        for (int y = 0; y < immagine.height(); ++y)
            for (int x = 0; x < immagine.width(); ++x) {
                const QColor c = immagine.pixelColor(x, y);
                blu += c.red() < 60 && c.green() < 60 && c.blue() > 90;
                bianco += c == Qt::white;
            }
        QVERIFY2(blu > 200, qPrintable(QString::number(blu)));
        QVERIFY(bianco > immagine.width() * immagine.height() / 3);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestFrmGrafico)
#include "TestFrmGrafico.moc"
