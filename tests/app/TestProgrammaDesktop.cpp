// What a desktop user meets: files named at start-up, changing a saved job, the messages that
// say what happened, Enter in the worksheet, windows that fit, the icon and the fixed dialogs.
#include "app/IconaVorna.h"
#include "calibration/frmTaraStampa.h"
#include "development/PaginaGrafico.h"
#include "fogli/frmStampaFogli.h"
#include "platform/TestoFisso.h"
#include "app/MDICalvetra.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QRegularExpression>
#include <QTest>

class TestProgrammaDesktop : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

    // A development saved from window 1 of a frame of its own.
    QString salvato(const Figure &figure, const QString &nome)
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        Calcola(frame, figure);
        const QString file = m_cartella.percorso(nome);
        finta.attendiSalva(file);
        return frame.FigliaAttiva()->mnuSalvaNome_Click() ? file : QString();
    }

private slots:
    void init() { ContaFinestre = 0; }

    // Window 1 takes the first file, a new window each other one; a missing file is told and
    // its window stays empty.
    void fileDallaRigaDiComando()
    {
        const QString cono = salvato(ConoDiProva(), QStringLiteral("cono.tnt"));
        const QString tubo = salvato(CilindroDiProva(), QStringLiteral("tubo.tnt"));
        const QString manca = m_cartella.percorso(QStringLiteral("manca.tnt"));
        ContaFinestre = 0;
        PiattaformaFinta finta;
        MDICalvetra frame;
        finta.attendiBox(QStringLiteral("File inesistente: ") + manca);
        frame.ApriSviluppi({cono, tubo, manca});
        const QList<frmGrafico *> finestre = frame.Finestre();
        QCOMPARE(finestre.size(), 3);
        QCOMPARE(finestre[0]->Tag, QStringLiteral("1"));
        QCOMPARE(finestre[0]->windowTitle(), QStringLiteral("Grafico - Drenvik ") + cono);
        QCOMPARE(finestre[1]->lblConoCilindro->text(), QStringLiteral("Cilindro"));
        QVERIFY(!finestre[1]->Pagina().Elenco().elementi().empty());
        QCOMPARE(finestre[2]->lblSalvato->text(), QString());
        QVERIFY(finestre[2]->Pagina().Elenco().elementi().empty());
        VERIFICA_COPIONE(finta);
    }

    // "Modifica sviluppo" brings back the file's figures; Enter redraws the same window, unsaved.
    void modificaSviluppo()
    {
        const QString cono = salvato(ConoDiProva(), QStringLiteral("pezzo.tnt"));
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->ApriFile(cono);
        FoglioDi(frame).txtAB->setText(QStringLiteral("999"));
        finestra->findChild<QAction *>(QStringLiteral("mnuModificaSviluppo"))->trigger();
        frmCalvetra &foglio = *frame.foglio();
        QVERIFY(foglio.isVisible());
        QCOMPARE(foglio.txtNome->text(), QStringLiteral("Pezzo"));
        QCOMPARE(foglio.txtAB->text(), QStringLiteral("120"));
        QVERIFY(foglio.optChiudiBD->isChecked());
        foglio.txtAB->setText(QStringLiteral("130"));
        QTest::keyClick(foglio.txtAB, Qt::Key_Return);
        QVERIFY(!foglio.isVisible());
        QCOMPARE(frame.Finestre().size(), 1);
        QCOMPARE(finestra->lblAB->text(), Fissa(QStringLiteral("130"), 10));
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        VERIFICA_COPIONE(finta);
    }

    // A name without extension gets ".tnt", asking before it replaces a file; another one is refused.
    void estensioneTnt()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        Calcola(frame, ConoDiProva());
        frmGrafico *finestra = frame.FigliaAttiva();
        const QString nome = m_cartella.percorso(QStringLiteral("lamiera"));
        finta.attendiSalva(nome);
        QVERIFY(finestra->mnuSalvaNome_Click());
        QCOMPARE(finta.richiesteSalva().front().estensionePredefinita, QStringLiteral("tnt"));
        QCOMPARE(QFileInfo(nome + QStringLiteral(".tnt")).size(), 122);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Salvato ") + nome + QStringLiteral(".tnt"));

        finestra->ImpostaSalvataggio(Salvataggio::DaSalvare);
        finta.attendiSalva(nome);
        finta.attendiBox(QStringLiteral("Il file ") + nome + QStringLiteral(".tnt esiste già. Sostituirlo?"),
                         Pulsanti::SiNo, RispostaNo);
        QVERIFY(!finestra->mnuSalvaNome_Click());
        finta.attendiSalva(nome + QStringLiteral(".txt"));
        finta.attendiBox(k_SoloTnt);
        QVERIFY(!finestra->mnuSalvaNome_Click());
        QVERIFY(!QFile::exists(nome + QStringLiteral(".txt")));
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        VERIFICA_COPIONE(finta);
    }

    void avvisoDopoEsportazione()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        Calcola(frame, ConoDiProva());
        const QString dxf = m_cartella.percorso(QStringLiteral("pezzo.dxf"));
        finta.attendiSalva(dxf);
        frame.FigliaAttiva()->mnuEsporta_Click();
        // The vertex count is the outline's in the file.
        const QString avviso = frame.statusBar()->currentMessage();
        const QRegularExpression forma(QStringLiteral("^Esportato (.+): (\\d+) vertici, tolleranza 0[.,]005 mm$"));
        const QRegularExpressionMatch parti = forma.match(avviso);
        QVERIFY2(parti.hasMatch(), qPrintable(avviso));
        QCOMPARE(parti.captured(1), dxf);
        QFile file(dxf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(parti.captured(2).toInt(), int(file.readAll().count("VERTEX")));
        VERIFICA_COPIONE(finta);
    }

    // "Stam&pa" says what it printed; a printer that refuses the page is told, not ignored.
    void stampaDetta()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        Calcola(frame, ConoDiProva());
        frmGrafico *finestra = frame.FigliaAttiva();
        const auto suPdf = [](const QString &pdf) {
            return [pdf](QPrinter &stampante) {
                stampante.setOutputFormat(QPrinter::PdfFormat);
                stampante.setOutputFileName(pdf);
                stampante.setPageSize(QPageSize(QPageSize::A3));
            };
        };
        const QString pdf = m_cartella.percorso(QStringLiteral("stampa.pdf"));
        finta.attendiStampante(true, suPdf(pdf));
        finestra->mnuStampa_Click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Stampato lo sviluppo Pezzo"));

        finta.attendiStampante(true, suPdf(m_cartella.percorso(QStringLiteral("manca/stampa.pdf"))));
        finta.attendiBox(
            QStringLiteral("Errore nella stampa dello sviluppo: la stampante non ha accettato la pagina!"));
        finestra->mnuStampa_Click();
        VERIFICA_COPIONE(finta);
    }

    // The true-size PDF says so in the status line.
    void avvisoPdfGrandezzaNaturale()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        Calcola(frame, ConoDiProva());
        frame.FigliaAttiva()->mnuStampaNaturale_Click();
        auto *dialogo = frame.findChild<frmStampaFogli *>();
        QVERIFY(dialogo);
        const QString pdf = m_cartella.percorso(QStringLiteral("fogli.pdf"));
        finta.attendiSalva(pdf);
        dialogo->cmdEsportaPdf_Click();
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(frame.statusBar()->currentMessage(),
                 QStringLiteral("Esportato in PDF a grandezza naturale lo sviluppo Pezzo"));
        VERIFICA_COPIONE(finta);
    }

    // In a small window the page keeps letters of 8 pixels (2.91 mm at 8.25 pt) and scrolls.
    void leggendaLeggibile()
    {
        const QSize leggibile = PaginaGrafico::DimensioneLeggibile();
        QCOMPARE(leggibile, QSize(792, 572));
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->parentWidget()->resize(400, 300);
        auto *scorrimento = finestra->findChild<QScrollArea *>();
        QTRY_VERIFY(scorrimento->verticalScrollBar()->isVisible());
        QVERIFY(finestra->findChild<PaginaGrafico *>()->size().expandedTo(leggibile) ==
                finestra->findChild<PaginaGrafico *>()->size());
        VERIFICA_COPIONE(finta);
    }

    // A calibration written to its file is told in the frame's status bar.
    void avvisoTaraturaSalvata()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.ManagerTarature();
        frmTaraStampa *manager = frmTaraStampa::Aperto();
        finta.attendiBox(QStringLiteral("La modifica casuale dei parametri può provocare stampe multiple!"),
                         Pulsanti::OKAnnulla);
        manager->cmdModificaTaratura_Click();
        manager->findChild<QLineEdit *>(QStringLiteral("txtShiftX"))->setText(QStringLiteral("1.5"));
        finta.attendiBox(QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?"), Pulsanti::SiNo,
                         RispostaSi);
        manager->cmdApplica_Click();
        QCOMPARE(frame.statusBar()->currentMessage(), QStringLiteral("Taratura Default salvata in ") +
                                                          QFileInfo(QStringLiteral("Taratura.dat")).absoluteFilePath());
        manager->close();
        VERIFICA_COPIONE(finta);
    }

    // The program's icon at every size a desktop asks for; dialogs without minimise or maximise.
    void iconaEDialoghi()
    {
        QList<int> lati;
        for (const QSize &lato : IconaVorna().availableSizes())
            lati << lato.width();
        std::sort(lati.begin(), lati.end());
        QCOMPARE(lati, (QList<int>{16, 24, 32, 48, 64, 128, 256}));

        PiattaformaFinta finta;
        MDICalvetra frame;
        const Qt::WindowFlags bottoni = Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
        QVERIFY(!(FoglioDi(frame).windowFlags() & bottoni));
        frame.ManagerTarature();
        frmTaraStampa *manager = frmTaraStampa::Aperto();
        QVERIFY(!(manager->windowFlags() & bottoni));
        for (const char *asse : {"X", "Y"})
            for (const char *riga : {"lblNominale", "lblMisurata"}) {
                const QString nome = QLatin1String(riga) + QLatin1String(asse);
                const auto *etichetta = manager->findChild<QWidget *>(nome);
                const auto *casella = manager->findChild<QWidget *>(QStringLiteral("txtXNom1"));
                QVERIFY2(etichetta->geometry().right() < casella->geometry().left(), qPrintable(nome));
            }
        manager->close();
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestProgrammaDesktop)
#include "TestProgrammaDesktop.moc"
