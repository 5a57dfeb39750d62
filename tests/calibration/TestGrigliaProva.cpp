// The test grid: what is drawn in which order, and where it lands on a real (PDF) printer.
#include "calibration/GrigliaProva.h"
#include "printing/GrigliaTaratura.h"
#include "tests/support/Confronto.h"
#include "tests/support/ParolePdf.h"
#include "tests/support/PiattaformaFinta.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The grid's display list as the printer commands it stands for, one a line, in twips.
QStringList Chiamate(const ElencoVisualizzazione &griglia)
{
    QStringList chiamate;
    const auto twip = [](double mm) { return mm * k_TwipPerMm; };
    for (const ElementoDisegno &e : griglia.elementi())
        if (e.tipo == ElementoDisegno::Tipo::Linea)
            chiamate << QStringLiteral("L %1 %2 %3 %4 %5")
                            .arg(twip(e.x1))
                            .arg(twip(e.y1))
                            .arg(twip(e.x2))
                            .arg(twip(e.y2))
                            .arg(e.colore, 6, 16, QLatin1Char('0'));
        else
            chiamate << QStringLiteral("T %1 %2 %3").arg(twip(e.x1)).arg(twip(e.y1)).arg(e.testo);
    return chiamate;
}

const QString k_Domanda = QStringLiteral("E' necessario stampare una griglia di prova da 200x280mm?");

} // namespace

class TestGrigliaProva : public QObject {
    Q_OBJECT
private slots:
    void disegnoInOrdine()
    {
        // The end of the document is the printer's: etichetteSullaCarta finds the one page.
        const QStringList chiamate = Chiamate(GrigliaProva());
        QCOMPARE(chiamate.size(), 50 + 4);
        for (int i = 0; i <= 28; ++i)
            QCOMPARE(chiamate.at(i), QStringLiteral("L %1 0 %1 11340 000080").arg(i * 567));
        for (int j = 0; j <= 20; ++j)
            QCOMPARE(chiamate.at(29 + j), QStringLiteral("L 0 %1 15876 %1 000080").arg(j * 567));
        QCOMPARE(chiamate.mid(50),
                 (QStringList{"T 0 0 O(0,0)", "T 15309 0 X", "T 15309 340.2 (280,0)", "T 0 10773 Y(0,200)"}));
    }

    void annullaLaDomanda()
    {
        PiattaformaFinta finta;
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaAnnulla);
        StampaPaginaTaratura(); // no printer dialog may follow
        VERIFICA_COPIONE(finta);
    }

    void annullaLaStampante()
    {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("griglia.pdf"));
        PiattaformaFinta finta;
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiStampante(false, [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
        });
        StampaPaginaTaratura();
        QVERIFY(!QFile::exists(pdf));
        VERIFICA_COPIONE(finta);
    }

    void stampanteGuastaTace()
    {
        // A file that cannot be created: the printout ends without a word.
        QTemporaryDir dir;
        PiattaformaFinta finta;
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiStampante(true, [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(dir.filePath(QStringLiteral("manca/griglia.pdf")));
        });
        StampaPaginaTaratura();
        VERIFICA_COPIONE(finta);
    }

    // The grid is laid across the sheet without the user having to choose it.
    void orizzontaleDaSola()
    {
        PiattaformaFinta finta;
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
        QPageLayout::Orientation vista = QPageLayout::Portrait;
        finta.attendiStampante(false, [&](QPrinter &p) { vista = p.pageLayout().orientation(); });
        StampaPaginaTaratura();
        QCOMPARE(vista, QPageLayout::Landscape);
        VERIFICA_COPIONE(finta);
    }

    // A sheet that cannot hold 280 x 200 mm: the user is told and decides; "No" prints nothing.
    void fogliTroppoPiccoli_data()
    {
        QTest::addColumn<QPageSize::PageSizeId>("carta");
        QTest::addColumn<QPageLayout::Orientation>("orientamento");
        QTest::addColumn<QString>("area");
        QTest::newRow("A5") << QPageSize::A5 << QPageLayout::Landscape << "(200 x 138 mm)";
        QTest::newRow("A4 portrait") << QPageSize::A4 << QPageLayout::Portrait << "(200 x 287 mm)";
    }
    void fogliTroppoPiccoli()
    {
        QFETCH(QPageSize::PageSizeId, carta);
        QFETCH(QPageLayout::Orientation, orientamento);
        QFETCH(QString, area);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("griglia.pdf"));
        PiattaformaFinta finta;
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiStampante(true, [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageLayout(
                QPageLayout(QPageSize(carta), orientamento, QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter));
        });
        finta.attendiBox(QStringLiteral("L'area stampabile del foglio scelto ") + area +
                             QStringLiteral(" non contiene l'intera griglia di 280x200 mm: la parte esterna non "
                                            "sarà stampata. Stampare comunque?"),
                         Pulsanti::SiNo, RispostaNo);
        StampaPaginaTaratura();
        VERIFICA_COPIONE(finta);
        QVERIFY(!QFile::exists(pdf));
    }

    void etichetteSullaCarta_data()
    {
        // Margins in mm: the grid starts at the printable area's corner, not the sheet's.
        QTest::addColumn<double>("sinistro");
        QTest::addColumn<double>("alto");
        QTest::newRow("margini di 5 mm") << 5.0 << 5.0;
        QTest::newRow("margini diversi") << 8.0 << 3.0;
    }
    void etichetteSullaCarta()
    {
        QFETCH(double, sinistro);
        QFETCH(double, alto);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() ||
            QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("poppler-utils not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("griglia.pdf"));
        QPointF origine; // the printable area's corner as the printer has it, in points
        PiattaformaFinta finta;
        finta.attendiBox(k_Domanda, Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiStampante(true, [&](QPrinter &p) {
            p.setOutputFormat(QPrinter::PdfFormat);
            p.setOutputFileName(pdf);
            p.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                        QMarginsF(sinistro, alto, 0, 0), QPageLayout::Millimeter));
            origine = p.pageLayout().paintRectPoints().topLeft();
        });
        StampaPaginaTaratura();
        VERIFICA_COPIONE(finta);
        QVERIFY(QFile::exists(pdf));

        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        info.waitForFinished(30000);
        const QString testo = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(
            testo.contains(QRegularExpression(QStringLiteral("Page size:\\s+84[12](\\.\\d+)? x 595(\\.\\d+)? pts"))),
            qPrintable(testo));
        QVERIFY(testo.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))));

        // Where each label's top left corner must land: 56.7 twips to the mm, 1440 to the inch.
        QCOMPARE_VICINO(origine.x(), sinistro * 72 / 25.4, 0.5); // the PDF engine keeps whole points
        QCOMPARE_VICINO(origine.y(), alto * 72 / 25.4, 0.5);
        const double puntiPerMm = 72.0 / 25.4;
        auto punti = [&](double margine, double mm) { return margine + mm * 56.7 * 72.0 / 1440.0; };
        const QMap<QString, Parola> parole = ParoleDelPdf(pdf);
        const struct {
            const char *testo;
            double x, y;
        } attese[] = {{"O(0,0)", 0, 0}, {"X", 270, 0}, {"(280,0)", 270, 6}, {"Y(0,200)", 0, 190}};
        const double tolleranza = 0.1 * puntiPerMm;
        for (const auto &a : attese) {
            QVERIFY2(parole.contains(QLatin1String(a.testo)), a.testo);
            const Parola p = parole.value(QLatin1String(a.testo));
            QCOMPARE_VICINO(p.xMin, punti(origine.x(), a.x), tolleranza);
            QCOMPARE_VICINO(p.yMin, punti(origine.y(), a.y), tolleranza);
        }
    }
};

QTEST_MAIN(TestGrigliaProva)
#include "TestGrigliaProva.moc"
