// "Stampa a grandezza naturale...": the menu item, the dialog and its preview, the printer and PDF
// paths with every box answered by the scripted platform.
#include "calibration/FileTaratura.h"
#include "calibration/RecordTara.h"
#include "calibration/TaraturaInUso.h"
#include "documents/PezziGomito.h"
#include "fogli/AnteprimaFogli.h"
#include "fogli/MessaggiFogli.h"
#include "fogli/frmStampaFogli.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/GuscioDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

namespace {
// Cylinders: AB the diameter, AC and BD the height; the blank is pi * AB by the height.
// 628.3 x 50 mm: three 280 mm landscape sheets in a row (two reach 550 with the overlap).
Figure Tubo() { return {QStringLiteral("Tubo"), "50", "200", "50", "90", "90", true}; }
// 3141.6 x 2000 mm, every sheet over material: 144 on the PDF's 277 x 190 mm (18 x 8 portrait; every
// way gives 144, the fewest rows win), 132 on a printer's 280 x 200 (12 x 11 landscape).
Figure Silo() { return {QStringLiteral("Silo"), "2000", "1000", "2000", "90", "90", true}; }

std::function<void(QPrinter &)> SuPdf(const QString &file)
{
    return [file](QPrinter &stampante) {
        stampante.setOutputFormat(QPrinter::PdfFormat);
        stampante.setOutputFileName(file);
        stampante.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
    };
}

QString PdfInfo(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The dialog the menu item asks the frame for, opened as the frame opens it, over the window.
frmStampaFogli *ApriDialogo(GuscioDiProva &frame)
{
    frmGrafico *finestra = frame.FigliaAttiva();
    finestra->mnuStampaNaturale_Click();
    if (!frame.stampeGrandezzaNaturale.contains(finestra))
        return nullptr;
    frame.Foglio();
    return frmStampaFogli::Apri(finestra->CommessaMostrata(), frame.Taratura(), finestra);
}

RecordTara TaraRotta()
{
    RecordTara r = TaraDefault();
    r.NomeTara = QStringLiteral("Rotta");
    r.XNom2 = QStringLiteral("abc");
    return r;
}
} // namespace

class TestFrmStampaFogli : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

private slots:
    void init()
    {
        ContaFinestre = 0;
        QVERIFY(ScriviTarature({TaraDefault(), TaraLexmark(), TaraRotta()}));
    }

    // The dialog says which area each sheet uses: A3's whole printable area for a plain PDF, the
    // calibration's 280 x 200 mm once it applies; the count follows.
    void dialogo_areaDelFoglio()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, Silo());
        frmStampaFogli *dialogo = ApriDialogo(frame);
        QVERIFY(dialogo);
        dialogo->cboCarta->setCurrentIndex(1);
        QCOMPARE(dialogo->cboCarta->currentText(), QPageSize(QPageSize::A3).name());
        QVERIFY2(dialogo->lblArea->text().startsWith(QStringLiteral("400 x 277 mm, tutta l'area stampabile")),
                 qPrintable(dialogo->lblArea->text()));
        const int intera = dialogo->Impaginazione().stampati;
        dialogo->chkTaraturaPdf->setChecked(true);
        QCOMPARE(dialogo->lblArea->text(), QStringLiteral("280 x 200 mm, l'area coperta dalla taratura"));
        QVERIFY2(intera * 10 < dialogo->Impaginazione().stampati * 6,
                 qPrintable(QStringLiteral("%1 / %2").arg(intera).arg(dialogo->Impaginazione().stampati)));
        dialogo->cmdAnnulla->click();
        VERIFICA_COPIONE(finta);
    }

    void finestraVuota_avvisaSenzaDialogo()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        finta.attendiBox(QStringLiteral("Nessun sviluppo da stampare! Premere OK per continuare"));
        QVERIFY(!ApriDialogo(frame));
        VERIFICA_COPIONE(finta);
    }

    // The preview of the known strip, its count following the choices, the calibration followed.
    void dialogo_anteprimaETaratura()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, Tubo());
        frmStampaFogli *dialogo = ApriDialogo(frame);
        QVERIFY(dialogo);
        QCOMPARE(dialogo->cboCarta->currentText(), QPageSize(QPageSize::A4).name());
        QCOMPARE(dialogo->cboOrientamento->currentText(), QStringLiteral("automatico"));
        QCOMPARE(dialogo->spnSovrapposizione->value(), 10.0);
        QVERIFY(!dialogo->chkTaraturaPdf->isChecked());
        QCOMPARE(dialogo->lblFogli->text(), QStringLiteral("3 fogli"));
        const ImpaginazioneFogli &imp = dialogo->Impaginazione();
        QCOMPARE(imp.orientamento, OrientamentoFogli::Orizzontale);
        QCOMPARE(imp.colonne * 10 + imp.righe, 31);
        // Portrait: turned a quarter, the strip runs down one column of three 280 mm sheets.
        dialogo->cboOrientamento->setCurrentIndex(1);
        QCOMPARE(dialogo->lblFogli->text(), QStringLiteral("3 fogli"));
        QCOMPARE(dialogo->Impaginazione().orientamento, OrientamentoFogli::Verticale);
        QCOMPARE(dialogo->Impaginazione().colonne * 10 + dialogo->Impaginazione().righe, 13);

        // The outline is painted in the development's dark blue.
        const QImage immagine = dialogo->anteprima->grab().toImage();
        bool blu = false;
        for (int y = 0; y < immagine.height() && !blu; ++y)
            for (int x = 0; x < immagine.width() && !blu; ++x) {
                const QColor c = immagine.pixelColor(x, y);
                blu = c.blue() > 100 && c.red() < 60 && c.green() < 60;
            }
        QVERIFY(blu);

        // Through a calibration the sheets lie landscape: portrait is refused.
        dialogo->chkTaraturaPdf->setChecked(true);
        QCOMPARE(dialogo->lblFogli->text(), RifiutoOrientamento(dialogo->Scelta(), true));
        QVERIFY(!dialogo->lblFogli->text().isEmpty());

        QCOMPARE(dialogo->lblTaratura->text(), QStringLiteral("Default"));
        frame.Taratura().Scegli(1);
        QCOMPARE(dialogo->lblTaratura->text(), TaraLexmark().NomeTara);
        dialogo->cmdAnnulla->click();
        VERIFICA_COPIONE(finta);
    }

    // Both paths give one page a printed sheet, landscape A4: the PDF with ".pdf" added, the printer
    // through the calibration in use.
    void pagine_data()
    {
        QTest::addColumn<bool>("stampante");
        QTest::newRow("Esporta PDF") << false;
        QTest::newRow("Stampa") << true;
    }

    void pagine()
    {
        QFETCH(bool, stampante);
        if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
            QSKIP("pdfinfo (poppler-utils) is not installed");
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, Tubo());
        frmStampaFogli *dialogo = ApriDialogo(frame);
        QVERIFY(dialogo);
        const QString pdf = m_cartella.percorso(QStringLiteral("tubo.pdf"));
        QFile::remove(pdf);
        if (stampante) {
            finta.attendiStampante(true, SuPdf(pdf));
            dialogo->cmdStampa->click();
        } else {
            finta.attendiSalva(m_cartella.percorso(QStringLiteral("tubo")));
            dialogo->cmdEsportaPdf->click();
            QCOMPARE(finta.richiesteSalva().at(0).nomePredefinito, QStringLiteral("Tubo.pdf"));
        }
        VERIFICA_COPIONE(finta);
        QVERIFY(!dialogo->isVisible());
        const QString info = PdfInfo(pdf);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QStringLiteral("842 x 595 pts (A4)")), qPrintable(info));
    }

    // Past 100 sheets the user is asked after choosing the printer; No prints nothing.
    void oltreCentoFogli_domandaENo()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, Silo());
        frmStampaFogli *dialogo = ApriDialogo(frame);
        QVERIFY(dialogo);
        QCOMPARE(dialogo->lblFogli->text(), QStringLiteral("144 fogli"));
        const QString pdf = m_cartella.percorso(QStringLiteral("silo.pdf"));
        finta.attendiStampante(true, SuPdf(pdf));
        finta.attendiBox(QStringLiteral("Servono 132 fogli. Continuare?"), Pulsanti::SiNo, RispostaNo);
        dialogo->cmdStampa->click();
        VERIFICA_COPIONE(finta);
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(dialogo->isVisible());
        dialogo->cmdAnnulla->click();
    }

    // Refusals come before any printer or save dialog: nothing is asked, nothing written.
    void rifiuti_primaDeiDialoghi_data()
    {
        QTest::addColumn<bool>("stampante");
        QTest::addColumn<bool>("taraturaNelPdf");
        QTest::addColumn<int>("carta");
        QTest::addColumn<int>("orientamento");
        QTest::addColumn<QString>("messaggio");
        const QString rotta = QStringLiteral("Il valore nominale nella zona 2 nella direzione X deve essere un numero");
        const int a4 = QPageSize::A4, a8 = QPageSize::A8;
        const int automatico = int(OrientamentoFogli::Automatico), verticale = int(OrientamentoFogli::Verticale);
        SceltaFogli piccola;
        piccola.carta = QPageSize(QPageSize::A8);
        QTest::newRow("stampante, taratura rotta") << true << false << a4 << automatico << rotta;
        QTest::newRow("PDF tarato, taratura rotta") << false << true << a4 << automatico << rotta;
        QTest::newRow("stampante, verticale")
            << true << false << a4 << verticale << RifiutoOrientamento({{}, OrientamentoFogli::Verticale}, true);
        QTest::newRow("carta troppo piccola")
            << false << false << a8 << automatico
            << MessaggioErroreFogli(ErroreFogli::AreaTroppoPiccola, CartaPdf(OpzioniDellaScelta(piccola, false)));
    }

    void rifiuti_primaDeiDialoghi()
    {
        QFETCH(bool, stampante);
        QFETCH(bool, taraturaNelPdf);
        QFETCH(int, carta);
        QFETCH(int, orientamento);
        QFETCH(QString, messaggio);
        PiattaformaFinta finta;
        TaraturaInUso taratura;
        taratura.Ricarica({TaraDefault().NomeTara, TaraLexmark().NomeTara, TaraRotta().NomeTara}, 2);
        SagomaFogli sagoma;
        sagoma.contorno = {{0, 0}, {500, 0}, {500, 100}, {0, 100}};
        SceltaFogli scelta;
        scelta.carta = QPageSize(QPageSize::PageSizeId(carta));
        scelta.orientamento = OrientamentoFogli(orientamento);
        scelta.taraturaNelPdf = taraturaNelPdf;
        finta.attendiBox(messaggio);
        const EsitoFogli esito = stampante ? StampaFogliSuStampante(sagoma, scelta, taratura)
                                           : EsportaFogliPdf(sagoma, scelta, taratura, QStringLiteral("Pezzo"));
        QCOMPARE(esito, EsitoFogli::Rifiutato);
        VERIFICA_COPIONE(finta);
    }

    // An elbow of 4 pieces: the dialog lays out every piece and counts their sheets together, its
    // PDF holds each piece's cover and sheets; its templates, chosen instead, six joint sides; or
    // one piece alone.
    void gomito_ogniPezzoNelPdf()
    {
        PiattaformaFinta finta;
        GomitoCommessa gomito;
        gomito.figure = {300, 300, 450, 90, 4, 0};
        auto commessa = CommessaDelGomito(QStringLiteral("Gomito"), gomito, FigureSviluppo());
        QVERIFY(commessa);
        commessa->salvataggio = Salvataggio::Salvato;
        TaraturaInUso taratura;
        frmStampaFogli *dialogo = frmStampaFogli::Apri(*commessa, taratura, nullptr);
        QVERIFY(dialogo);
        for (const bool dime : {false, true}) {
            dialogo->chkDime->setChecked(dime);
            const ImpaginazioneDeiPezzi &tutti = dialogo->Impaginazioni();
            QCOMPARE(tutti.pezzi.size(), std::size_t(dime ? 6 : 4));
            int fogli = 0, pagine = 0;
            for (const ImpaginazioneFogli &pezzo : tutti.pezzi) {
                fogli += pezzo.stampati;
                pagine += int(pezzo.copertina.size()) + pezzo.stampati;
            }
            QVERIFY(dialogo->lblFogli->text().startsWith(TestoNumeroFogli(fogli) + QStringLiteral(" in tutto")));
            const QString pdf = m_cartella.percorso(dime ? QStringLiteral("dime.pdf") : QStringLiteral("gomito.pdf"));
            finta.attendiSalva(pdf);
            dialogo->cmdEsportaPdf->click();
            VERIFICA_COPIONE(finta);
            QVERIFY(PdfInfo(pdf).contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(pagine))));
            if (!dime) {
                dialogo = frmStampaFogli::Apri(*commessa, taratura, nullptr);
                QVERIFY(dialogo);
                QVERIFY(!dialogo->chkDime->isHidden());
            }
        }

        // One piece chosen alone, to reprint a spoiled sheet: its PDF holds that piece's cover and
        // sheets only, as many pages as in the whole job's, each still naming it within the job;
        // with the templates, only the two cut on it.
        dialogo = frmStampaFogli::Apri(*commessa, taratura, nullptr);
        QVERIFY(dialogo);
        QVERIFY(!dialogo->cboPezzi->isHidden());
        const ImpaginazioneFogli secondo = dialogo->Impaginazioni().pezzi.at(1);
        dialogo->cboPezzi->setCurrentIndex(2);
        QCOMPARE(dialogo->Impaginazioni().pezzi.size(), std::size_t(1));
        dialogo->chkDime->setChecked(true);
        QCOMPARE(dialogo->Impaginazioni().pezzi.size(), std::size_t(2));
        dialogo->chkDime->setChecked(false);

        const QString pezzo2 = m_cartella.percorso(QStringLiteral("pezzo2.pdf"));
        finta.attendiSalva(pezzo2);
        dialogo->cmdEsportaPdf->click();
        VERIFICA_COPIONE(finta);
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {pezzo2, QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        QStringList pagine = QString::fromUtf8(testo.readAllStandardOutput()).split(QLatin1Char('\f'));
        pagine.removeAll(QString());
        QCOMPARE(pagine.size(), int(secondo.copertina.size()) + secondo.stampati);
        for (const QString &pagina : pagine) {
            QVERIFY2(pagina.contains(QStringLiteral("Pezzo 2 di 4")), qPrintable(pagina.left(300)));
            QVERIFY2(!pagina.contains(QRegularExpression(QStringLiteral("Pezzo [134] di 4"))),
                     qPrintable(pagina.left(300)));
        }
    }

    // A write that fails names the file and the reason; the dialog stays open.
    void pdfNonScrivibile_messaggio()
    {
        PiattaformaFinta finta;
        SagomaFogli sagoma;
        sagoma.contorno = {{0, 0}, {100, 0}, {100, 100}};
        const QString percorso = m_cartella.percorso(QStringLiteral("manca/x.pdf"));
        finta.attendiSalva(percorso);
        finta.attendiBox(QStringLiteral("Errore nell'esportazione dello sviluppo\nImpossibile scrivere il file: ") +
                         percorso + QStringLiteral(": file o cartella inesistente"));
        QCOMPARE(EsportaFogliPdf(sagoma, {}, TaraturaInUso(), QStringLiteral("x")), EsitoFogli::Errore);
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestFrmStampaFogli)
#include "TestFrmStampaFogli.moc"
