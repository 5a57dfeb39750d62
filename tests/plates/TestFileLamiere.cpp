// Lamiere.dat: first-start list, a real file read back, malformed sizes and a failed write.
#include "plates/FileLamiere.h"

#include "tests/support/DiscoPieno.h"
#include "tests/support/FileDiProva.h"

#include <QTemporaryDir>
#include <QtTest>

class TestFileLamiere : public QObject {
    Q_OBJECT

private slots:
    void scrittoERiletto()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        const auto partenza = LeggiLamiere(percorso);
        QVERIFY(partenza);
        QCOMPARE(partenza->size(), size_t(5));
        QCOMPARE(partenza->back().larghezza, 6000.0);

        std::vector<Lamiera> mie{{3000, 1500, 5, QStringLiteral("Inox; 304")}, {2500, 1250, 0, {}}};
        QVERIFY(ScriviLamiere(mie, percorso));
        const auto lette = LeggiLamiere(percorso);
        QVERIFY(lette);
        QCOMPARE(lette->size(), size_t(2));
        QCOMPARE(lette->at(0).spessore, 5.0);
        QCOMPARE(lette->at(0).materiale, QStringLiteral("Inox, 304"));
        QCOMPARE(lette->at(1).altezza, 1250.0);
    }

    void misureMalformateRifiutate_data()
    {
        QTest::addColumn<QString>("testo");
        for (const char *t : {"3000x", "x1500", "0x100", "abcx100", "3000x1500x2", "-3000x1500", "1e9x100"})
            QTest::newRow(t) << QString::fromLatin1(t);
    }
    void misureMalformateRifiutate()
    {
        QFETCH(QString, testo);
        QString motivo;
        QVERIFY(!LeggiMisuraLamiera(testo, &motivo));
        QVERIFY(motivo.contains(testo));
        QVERIFY(motivo.contains(QStringLiteral("non valida")));
    }

    void misuraGirata()
    {
        const auto l = LeggiMisuraLamiera(QStringLiteral(" 1500 X 3000 "));
        QVERIFY(l);
        QCOMPARE(l->larghezza, 3000.0);
        QCOMPARE(l->altezza, 1500.0);
    }

    void rigaDanneggiataNominata()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviTutto(percorso, "3000x1500\n2000x\n"));
        QString motivo;
        QVERIFY(!LeggiLamiere(percorso, &motivo));
        QVERIFY2(motivo.contains(QStringLiteral("riga 2")), qPrintable(motivo));
    }

    // A write that fails half way leaves the old list as it was.
    void scritturaFallitaLasciaIlVecchio()
    {
        QTemporaryDir dir;
        const QString percorso = dir.filePath(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);
        ImpostaGuastoSimulato([](const char *passo) { return qstrcmp(passo, "scrivi") == 0; });
        const EsitoFile esito = ScriviLamiere({{6000, 2000, 0, {}}, {4000, 2000, 0, {}}}, percorso);
        ImpostaGuastoSimulato({});
        QVERIFY(!esito);
        QCOMPARE(LeggiTutto(percorso), prima);
    }

    // A real full disk: the reason is named and the old list stays.
    void discoPienoLasciaIlVecchio()
    {
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const QString percorso = disco.percorso(k_FileLamiere);
        QVERIFY(ScriviLamiere({{3000, 1500, 0, {}}}, percorso));
        const QByteArray prima = LeggiTutto(percorso);
        QVERIFY(disco.riempi());
        std::vector<Lamiera> molte(400, Lamiera{6000, 2000, 0, {}});
        const EsitoFile esito = ScriviLamiere(molte, percorso);
        QVERIFY(!esito);
        QCOMPARE(esito.motivo, QStringLiteral("disco pieno"));
        QCOMPARE(LeggiTutto(percorso), prima);
    }
};

QTEST_GUILESS_MAIN(TestFileLamiere)
#include "TestFileLamiere.moc"
