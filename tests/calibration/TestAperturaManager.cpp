// The manager and the printout as the frame's windows reach them: menus, worksheet button, Stampa.
#include "app/MDICalvetra.h"
#include "calibration/FileTaratura.h"
#include "calibration/frmTaraStampa.h"
#include "development/frmGrafico.h"
#include "plot/SuperficieDisegno.h"
#include "tests/support/Confronto.h"
#include "tests/support/PiattaformaFinta.h"
#include "worksheet/frmCalvetra.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

class TestAperturaManager : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void daMenuTarature_nonModaleSullaTaraturaInUso();
    void daFoglio_modale();
    void stampa_senzaSviluppo();
    void stampa_usaLaTaraturaSceltaNelFoglio();

private:
    frmGrafico *finestra() const { return m_frame->FigliaAttiva(); }

    std::unique_ptr<QTemporaryDir> m_cartella;
    QString m_cartellaPrecedente;
    std::unique_ptr<MDICalvetra> m_frame;
};

void TestAperturaManager::init()
{
    m_cartellaPrecedente = QDir::currentPath();
    m_cartella = std::make_unique<QTemporaryDir>();
    QVERIFY(m_cartella->isValid());
    QDir::setCurrent(m_cartella->path());
    RecordTara spostata = TaraDefault();
    spostata.NomeTara = QStringLiteral("Spostata");
    spostata.ShiftX = QStringLiteral("12.5");
    QVERIFY(ScriviTarature({TaraDefault(), TaraLexmark(), spostata}));
    m_frame = std::make_unique<MDICalvetra>();
    m_frame->show();
    QVERIFY(finestra());
}

void TestAperturaManager::cleanup()
{
    delete frmTaraStampa::Aperto();
    // Closed as the user closes it, with nothing left to ask about.
    for (frmGrafico *f : m_frame->Finestre())
        f->ImpostaSalvato(QString());
    m_frame->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_frame.reset();
    QDir::setCurrent(m_cartellaPrecedente);
    m_cartella.reset();
}

void TestAperturaManager::daMenuTarature_nonModaleSullaTaraturaInUso()
{
    PiattaformaFinta finta;
    finestra()->mnuManager_Tarature_Click();
    frmTaraStampa *manager = frmTaraStampa::Aperto();
    QVERIFY(manager);
    QCOMPARE(manager->windowModality(), Qt::NonModal);
    QVERIFY(!m_frame->foglio()->isVisible());
    QCOMPARE(manager->findChild<QLineEdit *>(QStringLiteral("txtNomeTara"))->text(), QStringLiteral("Default"));

    auto *lista = manager->findChild<QComboBox *>(QStringLiteral("cboNomeTaratura"));
    lista->setCurrentIndex(2);
    QCOMPARE(m_frame->foglio()->cboNomeTara->currentIndex(), 2);
    finestra()->mnuManager_Tarature_Click();
    QCOMPARE(frmTaraStampa::Aperto(), manager);
    QCOMPARE(lista->count(), 3);
    VERIFICA_COPIONE(finta);
}

void TestAperturaManager::daFoglio_modale()
{
    PiattaformaFinta finta;
    m_frame->Foglio();
    m_frame->foglio()->cboNomeTara->setCurrentIndex(1);
    m_frame->foglio()->cmdTaraStampa_Click();
    frmTaraStampa *manager = frmTaraStampa::Aperto();
    QVERIFY(manager);
    QCOMPARE(manager->windowModality(), Qt::ApplicationModal);
    QCOMPARE(manager->findChild<QLineEdit *>(QStringLiteral("txtNomeTara"))->text(),
             QStringLiteral("Lexmark WinWriter 200"));
    VERIFICA_COPIONE(finta);
}

void TestAperturaManager::stampa_senzaSviluppo()
{
    PiattaformaFinta finta;
    finta.attendiBox(QStringLiteral("Nessun sviluppo da stampare! Premere OK per continuare"));
    finestra()->mnuStampa_Click();
    VERIFICA_COPIONE(finta);
}

void TestAperturaManager::stampa_usaLaTaraturaSceltaNelFoglio()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    PiattaformaFinta finta;
    finestra()->Superficie().ImpostaCurrentX(40);
    finestra()->Superficie().ImpostaCurrentY(60);
    finestra()->Superficie().Print(QStringLiteral("Q"));
    finestra()->ImpostaSalvato(QStringLiteral("da salvare"));
    m_frame->Foglio();
    m_frame->foglio()->cboNomeTara->setCurrentIndex(2);

    const QString pdf = m_cartella->filePath(QStringLiteral("stampa.pdf"));
    finta.attendiStampante(true, [pdf](QPrinter &stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(pdf);
        stampante.setPageMargins(QMarginsF(), QPageLayout::Point);
    });
    finestra()->mnuStampa_Click();
    VERIFICA_COPIONE(finta);

    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    QVERIFY(processo.waitForFinished(30000));
    const QString xml = QString::fromUtf8(processo.readAllStandardOutput());
    const auto m = QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>Q</word>")).match(xml);
    QVERIFY2(m.hasMatch(), qPrintable(xml));
    QCOMPARE_VICINO(m.captured(1).toDouble() * 25.4 / 72, 40 + 12.5, 0.1);
}

QTEST_MAIN(TestAperturaManager)
#include "TestAperturaManager.moc"
