// Paper printout of a development: replay at 1 mm per unit, calibration applied, command flow.
#include "calibration/ControlliTara.h"
#include "calibration/FileTaratura.h"
#include "calibration/ProcedureTara.h"
#include "printing/StampaSviluppoCarta.h"
#include "calcolo/CalcolaSviluppo.h"
#include "calibration/TaraturaCarta.h"
#include "tests/support/Confronto.h"
#include "tests/support/FinestraMuta.h"
#include "tests/support/PiattaformaFinta.h"
#include "worksheet/CorreggiStampa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <map>

namespace {

constexpr double k_PuntiPerMm = 72.0 / 25.4;
constexpr int k_PixelPerMm = 10;

// Margins of the test page in whole points, so that the PDF engine keeps them exactly.
constexpr double k_MargineSinistroPt = 15, k_MargineAltoPt = 20;

ElementoDisegno Linea(double x1, double y1, double x2, double y2)
{
    return {ElementoDisegno::Tipo::Linea, x1, y1, x2, y2, k_BluScuro, QString()};
}

// A truncated cone computed and drawn by the program itself: its display list as the window holds it.

std::vector<ElementoDisegno> SviluppoNoto()
{
    StatoSviluppo stato;
    stato.Nome = QStringLiteral("Prova");
    stato.TestoAC = QStringLiteral("60");
    stato.TestoAB = QStringLiteral("120");
    stato.TestoBD = QStringLiteral("60");
    stato.TestoAlfa = QStringLiteral("60");
    stato.TestoBeta = QStringLiteral("70");
    stato.ChiudiAC = QStringLiteral("F");
    FinestraMuta finestra;
    ContestoCalcolo contesto{stato, &finestra, nullptr};
    CalcolaSviluppo(contesto);
    return finestra.superficie.elementi();
}

// A calibration that scales X by 100/98 over the whole page and shifts by (5, -3) mm.
RecordTara TaraForte()
{
    RecordTara r = TaraDefault();
    r.NomeTara = QStringLiteral("Plotter forte");
    r.XNom1 = QStringLiteral("100");
    r.XNom2 = QStringLiteral("200");
    r.XNom3 = QStringLiteral("280");
    r.XRea1 = QStringLiteral("98");
    r.XRea2 = QStringLiteral("196");
    r.XRea3 = QStringLiteral("274.4");
    r.ShiftX = QStringLiteral("5.0");
    r.ShiftY = QStringLiteral("-3.0");
    return r;
}

QImage Pagina()
{
    QImage immagine(300 * k_PixelPerMm, 220 * k_PixelPerMm, QImage::Format_RGB32);
    immagine.setDotsPerMeterX(k_PixelPerMm * 1000);
    immagine.setDotsPerMeterY(k_PixelPerMm * 1000);
    immagine.fill(Qt::white);
    return immagine;
}

bool Inchiostro(const QImage &immagine, double xMm, double yMm)
{
    return immagine.pixel(int(xMm * k_PixelPerMm), int(yMm * k_PixelPerMm)) != qRgb(255, 255, 255);
}

// Top-left corners (mm from the page's corner) of the words pdftotext finds in `pdf`.
std::map<QString, QPointF> ParoleDelPdf(const QString &pdf)
{
    QProcess processo;
    processo.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    processo.waitForFinished(30000);
    const QString xml = QString::fromUtf8(processo.readAllStandardOutput());
    static const QRegularExpression parola(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>([^<]+)</word>"));
    std::map<QString, QPointF> parole;
    for (auto it = parola.globalMatch(xml); it.hasNext();) {
        const auto m = it.next();
        parole[m.captured(3)] = QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()) / k_PuntiPerMm;
    }
    return parole;
}

std::function<void(QPrinter &)> SuPdf(const QString &file)
{
    return [file](QPrinter &stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(file);
        stampante.setPageSize(QPageSize(QPageSize::A3));
        stampante.setPageMargins(QMarginsF(k_MargineSinistroPt, k_MargineAltoPt, 15, 15), QPageLayout::Point);
    };
}

} // namespace

class TestStampaSviluppoCarta : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void replayAlMillimetro_data();
    void replayAlMillimetro();
    void default_nonSposta();
    void lexmark_comeCorreggiStampa();
    void senzaSviluppo_avvisaENonStampa();
    void dialogoAnnullato_nonStampa();
    void taraturaDanneggiata_primoMessaggioENienteStampa();
    void shiftVuotiMemorizzati_stampaSenzaAvvisi();
    void pdf_lettereAlMillimetro_data();
    void pdf_lettereAlMillimetro();

private:
    std::unique_ptr<QTemporaryDir> m_cartella;
    QString m_cartellaPrecedente;
};

void TestStampaSviluppoCarta::init()
{
    m_cartellaPrecedente = QDir::currentPath();
    m_cartella = std::make_unique<QTemporaryDir>();
    QVERIFY(m_cartella->isValid());
    QDir::setCurrent(m_cartella->path());
    QVERIFY(ScriviTarature({TaraDefault(), TaraLexmark(), TaraForte()}));
}

void TestStampaSviluppoCarta::cleanup()
{
    QDir::setCurrent(m_cartellaPrecedente);
    m_cartella.reset();
}

void TestStampaSviluppoCarta::replayAlMillimetro_data()
{
    QTest::addColumn<double>("scalaX");
    QTest::addColumn<QPointF>("spostamento");
    QTest::addColumn<QPointF>("conInchiostro");
    QTest::addColumn<QPointF>("bianco");

    // The line runs from (10, 20) to (60, 20) mm on the page.
    QTest::newRow("identity") << 1.0 << QPointF() << QPointF(35, 20) << QPointF(35, 23);
    QTest::newRow("shift moves both ends") << 1.0 << QPointF(5, 3) << QPointF(64, 23) << QPointF(35, 20);
    QTest::newRow("x stretched") << 2.0 << QPointF() << QPointF(110, 20) << QPointF(125, 20);
}

void TestStampaSviluppoCarta::replayAlMillimetro()
{
    QFETCH(double, scalaX);
    QFETCH(QPointF, spostamento);
    QFETCH(QPointF, conInchiostro);
    QFETCH(QPointF, bianco);

    QImage pagina = Pagina();
    {
        QPainter pittore(&pagina);
        DisegnaSuCarta(pittore, {Linea(10, 20, 60, 20)},
                       [&](const QPointF &p) { return QPointF(p.x() * scalaX, p.y()) + spostamento; });
    }
    QVERIFY(Inchiostro(pagina, conInchiostro.x(), conInchiostro.y()));
    QVERIFY(!Inchiostro(pagina, bianco.x(), bianco.y()));
    // Lines keep their colour: dark blue.
    QCOMPARE(QColor(pagina.pixel(int(conInchiostro.x() * k_PixelPerMm), int(conInchiostro.y() * k_PixelPerMm))),
             QColor(0, 0, 128));
}

void TestStampaSviluppoCarta::default_nonSposta()
{
    const CorrezioneCarta correzione = CorrezioneDiTaratura(TaraDefault());
    for (double x = -10; x <= 320; x += 7.3) {
        const QPointF p = correzione(QPointF(x, x * 0.7));
        QCOMPARE_VICINO(p.x(), x, 1e-9);
        QCOMPARE_VICINO(p.y(), x * 0.7, 1e-9);
    }
}

void TestStampaSviluppoCarta::lexmark_comeCorreggiStampa()
{
    const CorrezioneCarta correzione = CorrezioneDiTaratura(TaraLexmark());
    for (double twip = -100; twip <= 17200; twip += 37.1) {
        const double mm = twip / k_TwipPerMm;
        QCOMPARE_VICINO(correzione(QPointF(mm, 50)).x() * k_TwipPerMm, CorreggiXStampa(twip), 1e-9);
        QCOMPARE_VICINO(correzione(QPointF(mm, 50)).y(), 50.0, 1e-9);
    }
}

void TestStampaSviluppoCarta::senzaSviluppo_avvisaENonStampa()
{
    PiattaformaFinta finta;
    finta.attendiBox(QStringLiteral("Nessun sviluppo da stampare! Premere OK per continuare"));
    QCOMPARE(StampaSviluppoSuCarta(SviluppoNoto(), QString(), 0), EsitoStampa::NienteDaStampare);
    VERIFICA_COPIONE(finta);
}

void TestStampaSviluppoCarta::dialogoAnnullato_nonStampa()
{
    PiattaformaFinta finta;
    const QString pdf = m_cartella->filePath(QStringLiteral("annullato.pdf"));
    finta.attendiStampante(false, SuPdf(pdf));
    QCOMPARE(StampaSviluppoSuCarta(SviluppoNoto(), QStringLiteral("da salvare"), 1), EsitoStampa::Annullato);
    QVERIFY(!QFile::exists(pdf));
    VERIFICA_COPIONE(finta);
}

void TestStampaSviluppoCarta::taraturaDanneggiata_primoMessaggioENienteStampa()
{
    RecordTara rotta = TaraForte();
    rotta.XNom2 = QStringLiteral("abc");
    rotta.YRea3 = QStringLiteral("999");
    QVERIFY(ScriviTara(3, rotta));
    PiattaformaFinta finta;
    finta.attendiBox(QStringLiteral("Il valore nominale nella zona 2 nella direzione X deve essere un numero"));
    QCOMPARE(StampaSviluppoSuCarta(SviluppoNoto(), QStringLiteral("salvato"), 2), EsitoStampa::TaraturaScartata);
    VERIFICA_COPIONE(finta);
}

void TestStampaSviluppoCarta::shiftVuotiMemorizzati_stampaSenzaAvvisi()
{
    // Empty shifts stored by another program count as zero: the page prints, no notice pops up.
    RecordTara vuoti = TaraForte();
    vuoti.ShiftX.clear();
    vuoti.ShiftY.clear();
    QVERIFY(ScriviTara(3, vuoti));
    PiattaformaFinta finta;
    const QString pdf = m_cartella->filePath(QStringLiteral("shift_vuoti.pdf"));
    finta.attendiStampante(true, SuPdf(pdf));
    QCOMPARE(StampaSviluppoSuCarta(SviluppoNoto(), QStringLiteral("salvato"), 2), EsitoStampa::Stampato);
    VERIFICA_COPIONE(finta);
    QVERIFY(QFileInfo(pdf).size() > 0);
}

void TestStampaSviluppoCarta::pdf_lettereAlMillimetro_data()
{
    QTest::addColumn<int>("indiceTaratura");
    QTest::addColumn<double>("scalaX");
    QTest::addColumn<QPointF>("spostamento");
    QTest::addColumn<bool>("fuoriCarta"); // the shift moves the top letters past the printable area

    QTest::newRow("Default") << 0 << 1.0 << QPointF() << false;
    QTest::newRow("strong X correction and shift") << 2 << 100.0 / 98.0 << QPointF(5, -3) << true;
}

void TestStampaSviluppoCarta::pdf_lettereAlMillimetro()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    QFETCH(int, indiceTaratura);
    QFETCH(double, scalaX);
    QFETCH(QPointF, spostamento);
    QFETCH(bool, fuoriCarta);

    PiattaformaFinta finta;
    const QString pdf = m_cartella->filePath(QStringLiteral("sviluppo.pdf"));
    finta.attendiStampante(true, SuPdf(pdf));
    if (fuoriCarta)
        finta.attendiBox(QStringLiteral("Con la taratura in uso parte dello sviluppo esce dall'area stampabile del "
                                        "foglio e non verrebbe stampata. Stampare comunque?"),
                         Pulsanti::OKAnnulla, QStringLiteral("Attenzione!"), RispostaOK);
    QCOMPARE(StampaSviluppoSuCarta(SviluppoNoto(), QStringLiteral("salvato"), indiceTaratura), EsitoStampa::Stampato);
    VERIFICA_COPIONE(finta);

    const std::map<QString, QPointF> parole = ParoleDelPdf(pdf);
    const QPointF origine = QPointF(k_MargineSinistroPt, k_MargineAltoPt) / k_PuntiPerMm;
    int lettere = 0;
    for (const ElementoDisegno &e : SviluppoNoto()) {
        if (e.tipo != ElementoDisegno::Tipo::Testo || e.testo.size() != 1)
            continue;
        ++lettere;
        const auto trovata = parole.find(e.testo);
        QVERIFY2(trovata != parole.end(), qPrintable(e.testo));
        const QPointF attesa = origine + QPointF(e.x1 * scalaX, e.y1) + spostamento;
        QCOMPARE_VICINO(trovata->second.x(), attesa.x(), 0.1);
        QCOMPARE_VICINO(trovata->second.y(), attesa.y(), 0.1);
    }
    QCOMPARE(lettere, 4);
}

QTEST_MAIN(TestStampaSviluppoCarta)
#include "TestStampaSviluppoCarta.moc"
