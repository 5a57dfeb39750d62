// The stock plates window on a real Lamiere.dat: edited, saved, read back by the file's reader;
// a bad row refused with its reason and the file left as it was.
#include "plates/ui/frmLamiere.h"

#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {
void scrivi(QTableWidget *t, int riga, int colonna, const QString &testo) { t->item(riga, colonna)->setText(testo); }
} // namespace

class TestFrmLamiere : public QObject {
    Q_OBJECT

private slots:
    void modificataSalvataERiletta()
    {
        PiattaformaFinta piattaforma;
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        frmLamiere finestra(percorso);
        QTableWidget *t = finestra.tabella();
        // A first start: the usual sizes.
        QCOMPARE(t->rowCount(), 5);

        t->selectRow(0); // 2000 x 1000 goes
        finestra.cmdRimuovi_Click();
        finestra.cmdAggiungi_Click();
        const int nuova = t->rowCount() - 1;
        scrivi(t, nuova, 0, QStringLiteral("1250 x 3500"));
        scrivi(t, nuova, 1, QStringLiteral("6"));
        scrivi(t, nuova, 2, QStringLiteral("Inox"));
        finestra.cmdAggiungi_Click(); // left blank: no plate
        QVERIFY(finestra.cmdSalva_Click());

        const auto lette = LeggiLamiere(percorso);
        QVERIFY(lette);
        QCOMPARE(lette->size(), size_t(5));
        QCOMPARE(lette->front().larghezza, 2500.0);
        QCOMPARE(lette->back().larghezza, 3500.0);
        QCOMPARE(lette->back().altezza, 1250.0);
        QCOMPARE(lette->back().spessore, 6.0);
        QCOMPARE(lette->back().materiale, QStringLiteral("Inox"));

        // Opened again, the window shows what was saved.
        frmLamiere riaperta(percorso);
        QCOMPARE(riaperta.tabella()->rowCount(), 5);
        QCOMPARE(riaperta.tabella()->item(4, 2)->text(), QStringLiteral("Inox"));
        piattaforma.verifica(__FILE__, __LINE__);
    }

    void rigaErrataRifiutata()
    {
        PiattaformaFinta piattaforma;
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);

        frmLamiere finestra(percorso);
        finestra.cmdAggiungi_Click();
        scrivi(finestra.tabella(), 1, 0, QStringLiteral("3000x"));
        QString motivo;
        LeggiMisuraLamiera(QStringLiteral("3000x"), &motivo);
        piattaforma.attendiBox(QStringLiteral("Riga 2: ") + motivo, Pulsanti::OK, QStringLiteral("Lamiere"));
        QVERIFY(!finestra.cmdSalva_Click());

        scrivi(finestra.tabella(), 1, 0, QStringLiteral("3000x1000"));
        scrivi(finestra.tabella(), 1, 1, QStringLiteral("-2"));
        piattaforma.attendiBox(
            QStringLiteral("Riga 2: Spessore non valido: \"-2\" (mm, da 0 a 500; vuoto per qualsiasi spessore)"),
            Pulsanti::OK, QStringLiteral("Lamiere"));
        QVERIFY(!finestra.cmdSalva_Click());
        QCOMPARE(LeggiTutto(percorso), prima);
        piattaforma.verifica(__FILE__, __LINE__);
    }

    void scritturaFallitaDetta()
    {
        // The file's folder is gone: the write fails, the window names the reason and keeps the rows.
        PiattaformaFinta piattaforma;
        QTemporaryDir dir;
        const QString percorso = dir.filePath(QStringLiteral("manca/") + k_FileLamiere);
        frmLamiere finestra(percorso);
        piattaforma.attendiBox(
            QStringLiteral("Impossibile salvare il file %1: file o cartella inesistente").arg(percorso), Pulsanti::OK,
            QStringLiteral("Lamiere"));
        QVERIFY(!finestra.cmdSalva_Click());
        QCOMPARE(finestra.tabella()->rowCount(), 5);
        QVERIFY(!QFile::exists(percorso));
        piattaforma.verifica(__FILE__, __LINE__);
    }
};

QTEST_MAIN(TestFrmLamiere)
#include "TestFrmLamiere.moc"
