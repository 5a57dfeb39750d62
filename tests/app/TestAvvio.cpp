// Start-up, window numbering, the frame's menus, closing the frame, and the about and help windows.
#include "app/frmAbout.h"
#include "app/frmHelp.h"
#include "app/frmSplashMd5.h"
#include "app/MDICalvetra.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QFile>
#include <QFrame>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <memory>

class TestAvvio : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

    static QStringList titoliMenu(MDICalvetra &frame)
    {
        QStringList titoli;
        for (QAction *azione : frame.menuBar()->actions())
            titoli << azione->text();
        return titoli;
    }

private slots:
    void init() { ContaFinestre = 0; }

    void avvio_data()
    {
        QTest::addColumn<QString>("evento");
        QTest::newRow("timer") << "timer";
        QTest::newRow("tasto") << "tasto";
        QTest::newRow("clic su Frame1") << "clic";
    }

    // Whichever comes first, start-up ends with one development window, number 1; later events do nothing.
    void avvio()
    {
        QFETCH(QString, evento);
        PiattaformaFinta finta;
        std::unique_ptr<MDICalvetra> frame;
        int frameMostrati = 0;
        frmSplashMd5 splash([&] {
            ++frameMostrati;
            frame = std::make_unique<MDICalvetra>();
            frame->show();
        });
        splash.show();
        QCOMPARE(splash.lblProductName->text(), QStringLiteral("Vorna"));
        QCOMPARE(splash.lblRelease->text(), QStringLiteral("Version 1.0.0"));
        QCOMPARE(splash.lblPlatform->text(), QStringLiteral("Platform: W32"));
        QCOMPARE(splash.tmrSplash->interval(), 1000);
        QVERIFY(splash.tmrSplash->isActive());
        QCOMPARE(frameMostrati, 0);

        if (evento == QLatin1String("timer"))
            splash.tmrSplash_Timer();
        else if (evento == QLatin1String("tasto"))
            QTest::keyClick(&splash, Qt::Key_Space);
        else
            QTest::mouseClick(splash.Frame1, Qt::LeftButton);
        splash.tmrSplash_Timer();
        QTest::keyClick(&splash, Qt::Key_Escape);

        QCOMPARE(frameMostrati, 1);
        QVERIFY(!splash.isVisible());
        QVERIFY(!splash.tmrSplash->isActive());
        QVERIFY(frame->isVisible());
        QCOMPARE(frame->windowTitle(), QStringLiteral("Vorna"));
        const QList<frmGrafico *> finestre = frame->Finestre();
        QCOMPARE(finestre.size(), 1);
        QCOMPARE(finestre.front()->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        QCOMPARE(finestre.front()->Tag, QStringLiteral("1"));
        QCOMPARE(frame->FigliaAttiva(), finestre.front());
        VERIFICA_COPIONE(finta);
    }

    // Frame-made windows keep the plain caption but take numbers; a window's own new sheet shows its number.
    void numerazioneFinestre()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *seconda = frame.mnuNuovoFoglioDiLavoro_Click();
        QCOMPARE(seconda->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        QCOMPARE(seconda->Tag, QStringLiteral("2"));
        frmGrafico *terza = seconda->mnuNuovoFoglioDiLavoro_Click();
        QCOMPARE(terza->windowTitle(), QStringLiteral("Grafico - Drenvik 3"));
        QCOMPARE(frame.FigliaAttiva(), terza);
        QCOMPARE(seconda->lblSalvato->text(), QString());

        // Numbers are never reused.
        terza->cmdChiudi_Click();
        EseguiCancellazioni();
        QCOMPARE(frame.Finestre().size(), 2);
        frmGrafico *quarta = frame.FigliaAttiva()->mnuNuovoFoglioDiLavoro_Click();
        QCOMPARE(quarta->windowTitle(), QStringLiteral("Grafico - Drenvik 4"));
        QCOMPARE(ContaFinestre, std::int16_t(4));

        // The counter is 16-bit: once exhausted no window is made, and nothing breaks.
        ContaFinestre = 32767;
        QVERIFY(!quarta->mnuNuovoFoglioDiLavoro_Click());
        QVERIFY(!frame.mnuNuovoFoglioDiLavoro_Click());
        QCOMPARE(frame.Finestre().size(), 3);
        VERIFICA_COPIONE(finta);
    }

    // The active window's menu bar replaces the frame's own, which returns when no window is left.
    void menuSulFrame()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        const QStringList menuFinestra = {"&File", "&Taratura", "Fi&nestre", "&?", "&About"};
        QCOMPARE(titoliMenu(frame), menuFinestra);
        frame.FigliaAttiva()->cmdChiudi_Click();
        EseguiCancellazioni();
        QCOMPARE(titoliMenu(frame), QStringList{"&File"});
        const QList<QAction *> proprie = frame.menuBar()->actions().front()->menu()->actions();
        QCOMPARE(proprie.size(), 3);
        QCOMPARE(proprie.at(0)->text(), QStringLiteral("&Nuovo Foglio Di Lavoro"));
        QCOMPARE(proprie.at(0)->objectName(), QStringLiteral("mnuNuovoFoglioDiLavoro"));
        QCOMPARE(proprie.at(1)->text(), QStringLiteral("&Apri Sviluppo Esistente"));
        QCOMPARE(proprie.at(1)->objectName(), QStringLiteral("mnuApriSviluppoEsistente"));
        QCOMPARE(proprie.at(2)->text(), QStringLiteral("&Esci"));
        QCOMPARE(proprie.at(2)->objectName(), QStringLiteral("mnuEsci"));
        proprie.at(0)->trigger();
        QCOMPARE(frame.Finestre().size(), 1);
        QCOMPARE(titoliMenu(frame), menuFinestra);
        VERIFICA_COPIONE(finta);
    }

    // "Esci" of the frame ends at once, without asking about unsaved developments.
    void esciDelFrame()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frame.FigliaAttiva()->ImpostaSalvato(QStringLiteral("da salvare"));
        frame.mnuEsci_Click();
        QVERIFY(!frame.isVisible());
        VERIFICA_COPIONE(finta);
    }

    void chiusuraFrame_data()
    {
        QTest::addColumn<int>("risposta1");
        QTest::addColumn<int>("risposta2"); // 0: the second question never comes
        QTest::addColumn<bool>("frameAperto");
        QTest::addColumn<int>("finestreRimaste");
        QTest::newRow("annulla alla prima") << int(RispostaAnnulla) << 0 << true << 2;
        QTest::newRow("no poi annulla") << int(RispostaNo) << int(RispostaAnnulla) << true << 1;
        QTest::newRow("no a entrambe") << int(RispostaNo) << int(RispostaNo) << false << 0;
    }

    // Closing the frame asks each unsaved window in turn; a Cancel keeps the frame open.
    void chiusuraFrame()
    {
        QFETCH(int, risposta1);
        QFETCH(int, risposta2);
        QFETCH(bool, frameAperto);
        QFETCH(int, finestreRimaste);
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *prima = frame.FigliaAttiva();
        frmGrafico *seconda = prima->mnuNuovoFoglioDiLavoro_Click();
        prima->ImpostaSalvato(QStringLiteral("da salvare"));
        seconda->ImpostaSalvato(QStringLiteral("da salvare"));
        finta.attendiBox(DomandaChiusura(QStringLiteral("Grafico - Drenvik")), Pulsanti::SiNoAnnulla, risposta1);
        if (risposta2)
            finta.attendiBox(DomandaChiusura(QStringLiteral("Grafico - Drenvik 2")), Pulsanti::SiNoAnnulla, risposta2);
        frame.close();
        EseguiCancellazioni();
        QCOMPARE(frame.isVisible(), frameAperto);
        QCOMPARE(frame.Finestre().size(), finestreRimaste);
        VERIFICA_COPIONE(finta);
    }

    // Answering Yes for each window saves that window's own development, not the active one's.
    void chiusuraFrameSalvaOgniFinestra()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *prima = frame.FigliaAttiva();
        frmGrafico *seconda = prima->mnuNuovoFoglioDiLavoro_Click();
        ImpostaNome(*prima, QStringLiteral("Uno"));
        ImpostaNome(*seconda, QStringLiteral("Due"));
        prima->ImpostaSalvato(QStringLiteral("da salvare"));
        seconda->ImpostaSalvato(QStringLiteral("da salvare"));
        const QString uno = m_cartella.percorso("uno.tnt"), due = m_cartella.percorso("due.tnt");
        finta.attendiBox(DomandaChiusura(QStringLiteral("Grafico - Drenvik")), Pulsanti::SiNoAnnulla, RispostaSi);
        finta.attendiSalva(uno);
        finta.attendiBox(DomandaChiusura(QStringLiteral("Grafico - Drenvik 2")), Pulsanti::SiNoAnnulla, RispostaSi);
        finta.attendiSalva(due);
        frame.close();
        EseguiCancellazioni();
        QVERIFY(!frame.isVisible());
        QCOMPARE(finta.richiesteSalva().at(0).nomePredefinito, QStringLiteral("Uno"));
        QCOMPARE(finta.richiesteSalva().at(1).nomePredefinito, QStringLiteral("Due"));
        QFile file1(uno), file2(due);
        QVERIFY(file1.open(QIODevice::ReadOnly) && file2.open(QIODevice::ReadOnly));
        QCOMPARE(file1.readAll().left(4), QByteArray("Uno "));
        QCOMPARE(file2.readAll().left(4), QByteArray("Due "));
        VERIFICA_COPIONE(finta);
    }

    // "Apri Sviluppo Esistente" with the dialog cancelled: "Errore", and the new empty window stays.
    void apriSviluppoEsistenteAnnullato()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        finta.attendiApri(std::nullopt);
        finta.attendiBox(QStringLiteral("Errore"));
        frame.mnuApriSviluppoEsistente_Click();
        QCOMPARE(frame.Finestre().size(), 2);
        QCOMPARE(frame.FigliaAttiva()->windowTitle(), QStringLiteral("Grafico - Drenvik"));
        QCOMPARE(frame.FigliaAttiva()->lblSalvato->text(), QString());
        QCOMPARE(finta.richiesteApri().front().filtro, QStringLiteral("(*.tnt)|*.tnt|(*.vorna)|*.vorna"));
        QCOMPARE(finta.richiesteApri().front().indiceFiltro, 1);
        VERIFICA_COPIONE(finta);
    }

    // About is modal, help is not (except from the worksheet); each "Esci" destroys its window.
    void aboutEHelp()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->mnuInfo_Click();
        QPointer<frmAbout> about = frame.about();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->windowTitle(), QStringLiteral("About - Drenvik"));
        QCOMPARE(about->windowModality(), Qt::ApplicationModal);
        QCOMPARE(about->cmdEsci->text(), QStringLiteral("&Esci"));
        QCOMPARE(about->cmdEsci->toolTip(), QStringLiteral("Esce da About"));
        QVERIFY(!about->lblAbout->text().isEmpty());
        about->cmdEsci->click();
        EseguiCancellazioni();
        QVERIFY(!about);

        finestra->mnuGuidaInLinea_Click();
        QPointer<frmHelp> help = frame.help();
        QVERIFY(help && help->isVisible());
        QCOMPARE(help->windowTitle(), QStringLiteral("Help - Drenvik"));
        QCOMPARE(help->windowModality(), Qt::NonModal);
        help->cmdEsci->click();
        EseguiCancellazioni();
        QVERIFY(!help);

        FoglioDi(frame).cmdHelp_Click();
        QVERIFY(frame.help() && frame.help()->windowModality() == Qt::ApplicationModal);
        VERIFICA_COPIONE(finta);
    }

    // The help left open from the menu, asked for again by the modal worksheet, turns modal too:
    // otherwise it would stand blocked behind the worksheet, its "Esci" out of reach.
    void helpGiaApertoDalFoglio()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frame.FigliaAttiva()->mnuGuidaInLinea_Click();
        QPointer<frmHelp> help = frame.help();
        QCOMPARE(help->windowModality(), Qt::NonModal);
        FoglioDi(frame).Mostra();
        FoglioDi(frame).cmdHelp_Click();
        QCOMPARE(frame.help(), help.data());
        QVERIFY(help->isVisible());
        QCOMPARE(help->windowModality(), Qt::ApplicationModal);
        QCOMPARE(QApplication::activeModalWidget(), static_cast<QWidget *>(help.data()));
        VERIFICA_COPIONE(finta);
    }

    // A development window opens within the frame's area, and follows it while not moved.
    void finestraNellArea()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.resize(900, 650);
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QWidget *area = frame.area()->viewport();
        // Within the area and 0.96 of it, as the frame's size changes.
        const auto dentro = [&] {
            const QRect finestra = frame.area()->subWindowList().front()->geometry();
            return area->rect().contains(finestra) && finestra.width() >= int(0.95 * area->width()) &&
                   finestra.height() >= int(0.95 * area->height());
        };
        QTRY_VERIFY(dentro());
        frame.resize(1100, 800);
        QTRY_VERIFY(dentro());
        frame.resize(800, 600);
        QTRY_VERIFY(dentro());
        VERIFICA_COPIONE(finta);
    }

    // The help drawing keeps A, B at the base and C, D at the top of both projections.
    void disegnoHelp_data()
    {
        QTest::addColumn<bool>("cono");
        QTest::newRow("tronco di cono") << true;
        QTest::newRow("tronco di cilindro") << false;
    }

    void disegnoHelp()
    {
        QFETCH(bool, cono);
        const ProiezioneHelp &p = cono ? frmHelp::TroncoDiCono() : frmHelp::TroncoDiCilindro();
        QCOMPARE(p.A.y(), p.B.y());
        QVERIFY(p.A.x() < p.B.x());
        QVERIFY(p.C.y() < p.A.y() && p.D.y() < p.B.y());
        QVERIFY(p.C.x() > p.A.x()); // AC leans right
        if (cono) {
            QVERIFY(p.D.x() < p.B.x());  // BD leans left
            QVERIFY(p.C.y() != p.D.y()); // oblique top
        } else {
            QCOMPARE(p.C - p.A, p.D - p.B); // parallelogram
        }
    }

    // "Cascata" and the window list of "Finestre".
    void finestreECascata()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *prima = frame.FigliaAttiva();
        frmGrafico *seconda = prima->mnuNuovoFoglioDiLavoro_Click();
        QMenu *finestre = seconda->findChild<QMenu *>(QStringLiteral("mnuFinestre"));
        QVERIFY(finestre);
        emit finestre->aboutToShow();
        QStringList voci;
        for (QAction *azione : finestre->actions())
            if (!azione->isSeparator())
                voci << azione->text();
        QCOMPARE(voci, (QStringList{"Cascata", "&1 Grafico - Drenvik", "&2 Grafico - Drenvik 2"}));
        // A "&" in a caption is shown, not taken as an access key.
        seconda->setWindowTitle(QStringLiteral("Grafico - Drenvik C:/Taglio & piega/a.tnt"));
        emit finestre->aboutToShow();
        QCOMPARE(finestre->actions().last()->text(), QStringLiteral("&2 Grafico - Drenvik C:/Taglio && piega/a.tnt"));
        finestre->actions().at(2)->trigger();
        QCOMPARE(frame.FigliaAttiva(), prima);
        frame.resize(800, 600);
        seconda->mnuCascata_Click();
        const QList<QMdiSubWindow *> sottofinestre = frame.area()->subWindowList();
        QVERIFY(sottofinestre.at(0)->pos() != sottofinestre.at(1)->pos());
        // Cascaded windows stay large enough to show a drawing, and within the area.
        const QRect area = frame.area()->viewport()->rect();
        for (QMdiSubWindow *sottofinestra : sottofinestre) {
            QVERIFY(area.contains(sottofinestra->geometry()));
            QVERIFY(sottofinestra->width() > area.width() / 2);
            QVERIFY(sottofinestra->height() > area.height() / 2);
        }
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestAvvio)
#include "TestAvvio.moc"
