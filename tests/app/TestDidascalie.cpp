// Captions of the windows laid out in twips: every label and option shows its whole text.
#include "calibration/frmTaraStampa.h"
#include "app/MDICalvetra.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

class TestDidascalie : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

    // Each caption fits its own box, and the box fits the frame that holds it.
    template <typename Controllo> static void verificaInteri(QWidget *finestra)
    {
        const QList<Controllo *> controlli = finestra->findChildren<Controllo *>();
        for (Controllo *controllo : controlli) {
            const QString nome = controllo->objectName();
            QVERIFY2(controllo->width() >= controllo->sizeHint().width(), qPrintable(nome));
            QVERIFY2(controllo->geometry().right() < controllo->parentWidget()->width(), qPrintable(nome));
        }
    }

private slots:
    void init() { ContaFinestre = 0; }

    void didascalieIntere_data()
    {
        QTest::addColumn<QString>("finestra");
        QTest::newRow("frmCalvetra") << "frmCalvetra";
        QTest::newRow("frmTaraStampa") << "frmTaraStampa";
    }

    void didascalieIntere()
    {
        QFETCH(QString, finestra);
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        QWidget *controllata = &FoglioDi(frame);
        if (finestra == QLatin1String("frmTaraStampa")) {
            frame.FigliaAttiva()->mnuManager_Tarature_Click();
            controllata = frmTaraStampa::Aperto();
            QVERIFY(controllata);
        }
        QVERIFY(!controllata->findChildren<QLabel *>().isEmpty());
        verificaInteri<QLabel>(controllata);
        verificaInteri<QRadioButton>(controllata);
        if (auto *manager = frmTaraStampa::Aperto())
            manager->close();
        EseguiCancellazioni();
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestDidascalie)
#include "TestDidascalie.moc"
