// The ordinate table window from the development window's File menu: contents, CSV, printout; and
// the DXF export with exact arcs.
#include "exports/EsportaCsv.h"
#include "exports/ModelloOrdinate.h"
#include "printing/StampaOrdinate.h"
#include "development/frmOrdinate.h"
#include "development/frmGrafico.h"
#include "pieces/PiegheTronco.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/GuscioDiProva.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/ParolePdf.h"
#include "tests/support/PiattaformaFinta.h"

#include <QApplication>
#include <QLabel>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTest>

namespace {
frmOrdinate *tabellaAperta()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmOrdinate") && w->isVisible())
            return static_cast<frmOrdinate *>(w);
    return nullptr;
}
} // namespace

class TestFrmOrdinate : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

private slots:
    void nienteDaMostrare()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        finta.attendiBox(QStringLiteral("Nessun sviluppo da esportare! Premere OK per continuare"));
        frame.FigliaAttiva()->mnuTabellaGeneratrici_Click();
        QVERIFY(!tabellaAperta());
        VERIFICA_COPIONE(finta);
    }

    // The table of the window's development, its sums, and its CSV as the batch export writes it.
    void tabellaEcsv()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        frame.FigliaAttiva()->mnuTabellaGeneratrici_Click();
        frmOrdinate *tabella = tabellaAperta();
        QVERIFY(tabella);
        QCOMPARE(tabella->windowTitle(), QStringLiteral("Tabella delle generatrici - Pezzo"));
        const FigureSviluppo figure = FigureDelleEtichette(frame.FigliaAttiva()->Etichette());
        const auto attesa = TabellaDelleFigure(figure);
        QVERIFY(attesa);
        QCOMPARE(tabella->Modello().rowCount(), 62);
        for (int r = 0; r < 62; ++r)
            QCOMPARE(tabella->Modello().Cella(r, 2), QString::number(attesa->righe[std::size_t(r)].YAB, 'f', 2));
        QCOMPARE(tabella->findChild<QLabel *>(QStringLiteral("lblSomme"))->text(), TestoSomme(*attesa));

        const QString csv = m_cartella.percorso(QStringLiteral("pezzo"));
        finta.attendiSalva(csv);
        tabella->cmdEsportaCsv_Click();
        QCOMPARE(finta.richiesteSalva().back().nomePredefinito, QStringLiteral("Pezzo.csv"));
        QCOMPARE(LeggiTutto(csv + QStringLiteral(".csv")), *CsvDelleFigure(figure));
        // A folder that is not there: named, and nothing written.
        const QString manca = m_cartella.percorso(QStringLiteral("manca/x.csv"));
        finta.attendiSalva(manca);
        finta.attendiBox(QStringLiteral("Errore nell'esportazione dello sviluppo\nImpossibile scrivere il file: ") +
                         manca + QStringLiteral(": file o cartella inesistente"));
        tabella->cmdEsportaCsv_Click();
        // "Stampa..." through the printer chosen, here a PDF file.
        const QString pdf = m_cartella.percorso(QStringLiteral("stampa.pdf"));
        finta.attendiStampante(true, [&pdf](QPrinter &p) { p.setOutputFileName(pdf); });
        tabella->cmdStampa_Click();
        QVERIFY(ParoleDelPdf(pdf, 1).contains(QStringLiteral("Pezzo")));
        tabella->cmdChiudi_Click();
        QVERIFY(!tabella->isVisible());
        VERIFICA_COPIONE(finta);
    }

    // Every printed page carries the name, the figures, the date and its number; all rows appear.
    void stampaSuPiuPagine()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        Calcola(frame, ConoDiProva());
        const auto tabella = TabellaDelleFigure(FigureDelleEtichette(frame.FigliaAttiva()->Etichette()));
        QVERIFY(tabella);
        const QString pdf = m_cartella.percorso(QStringLiteral("tabella.pdf"));
        int pagine = 0;
        {
            QPdfWriter scrittore(pdf);
            scrittore.setPageSize(QPageSize(QPageSize::A6));
            pagine = DisegnaOrdinate(scrittore, *tabella, QDate(2026, 3, 4));
        }
        QVERIFY2(pagine >= 3, qPrintable(QString::number(pagine)));
        QSet<QString> numeri;
        for (int p = 1; p <= pagine; ++p) {
            const auto parole = ParoleDelPdf(pdf, p);
            for (const char *parola : {"Tabella", "Pezzo", "Cono", "04/03/2026", "Pagina"})
                QVERIFY2(parole.contains(QLatin1String(parola)), parola);
            QVERIFY(parole.contains(QString::number(pagine)));
            for (auto it = parole.cbegin(); it != parole.cend(); ++it)
                numeri.insert(it.key());
        }
        for (int k = 1; k <= 62; ++k)
            QVERIFY2(numeri.contains(QString::number(k)), qPrintable(QString::number(k)));
        QVERIFY(ParoleDelPdf(pdf, pagine).contains(QStringLiteral("Somma")));
        VERIFICA_COPIONE(finta);
    }

    // The second export item writes the square-cut cone's edges as arcs of the polyline.
    void esportaConArchi()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        const QString dxf = m_cartella.percorso(QStringLiteral("archi.dxf"));
        finta.attendiSalva(dxf);
        frame.FigliaAttiva()->mnuEsportaArchi_Click();
        const QByteArray testo = LeggiTutto(dxf);
        QVERIFY(testo.count("\r\n42\r\n") >= 4);
        QVERIFY(testo.count("VERTEX") <= 8);
        VERIFICA_COPIONE(finta);
    }

    // "Pieghe..." sets the job's bends, marks it unsaved, and the table window lists them.
    void pieghe()
    {
        PiattaformaFinta finta;
        GuscioDiProva frame;
        frame.show();
        Calcola(frame, ConoDiProva());
        frmGrafico *finestra = frame.FigliaAttiva();
        finestra->ImpostaSalvataggio(Salvataggio::Salvato);
        finta.attendiNumero(2); // folds no closed shape
        finta.attendiBox(MessaggioPieghe(), Pulsanti::OK, QStringLiteral("Errore su Pieghe"));
        finestra->mnuPieghe_Click();
        QCOMPARE(finestra->CommessaMostrata().salvataggio, Salvataggio::Salvato);
        finta.attendiNumero(8);
        finestra->mnuPieghe_Click();
        QCOMPARE(finestra->CommessaMostrata().pezzi.front().tronco.Pieghe, 8);
        QCOMPARE(finestra->CommessaMostrata().salvataggio, Salvataggio::DaSalvare);
        finestra->mnuTabellaGeneratrici_Click();
        frmOrdinate *tabella = tabellaAperta();
        QVERIFY(tabella);
        const QString dati = tabella->findChild<QPlainTextEdit *>(QStringLiteral("txtDatiOfficina"))->toPlainText();
        QVERIFY2(dati.contains(QStringLiteral("\nPiega 8: ")) && !dati.contains(QStringLiteral("Piega 9")),
                 qPrintable(dati));
        QVERIFY(dati.startsWith(QStringLiteral("Dati di officina\n")));
        tabella->cmdChiudi_Click();
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestFrmOrdinate)
#include "TestFrmOrdinate.moc"
