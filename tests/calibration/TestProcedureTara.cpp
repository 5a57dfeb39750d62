// Saving and removing calibrations: the questions, where records land, and that no failure at
// any step loses or damages the file.
#include "calibration/ProcedureTara.h"
#include "platform/FileSicuro.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString k_Sovrascrivo = QStringLiteral("Identificativo Taratura Stampante esistente! Sovrascrivo?");
const QString k_Rifiuto = QStringLiteral("Impossibile eliminare tutte le tarature!");

RecordTara tara(const QString &nome, const QString &xRea1 = QStringLiteral("140.00"))
{
    RecordTara r = TaraDefault();
    r.NomeTara = nome;
    r.XRea1 = xRea1;
    return r;
}

QStringList filePresenti(const QTemporaryDir &dir) { return QDir(dir.path()).entryList(QDir::Files); }
} // namespace

class TestProcedureTara : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_file;

    void prepara(const QList<RecordTara> &record) { QVERIFY(ScriviTarature(record, m_file)); }
    QByteArray contenuto() const { return QFile::exists(m_file) ? LeggiTutto(m_file) : QByteArray(); }

private slots:
    void init()
    {
        m_file = m_dir.filePath(QStringLiteral("Taratura.dat"));
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
    }
    void cleanup() { ImpostaGuastoSimulato({}); }

    void salvaNuovaInFondo()
    {
        prepara({TaraDefault(), TaraLexmark()});
        PiattaformaFinta finta;
        const EsitoSalvaTara esito = SalvaTara(tara(QStringLiteral("Epson LQ")), m_file);
        QCOMPARE(esito.esito, EsitoTara::Eseguito);
        QCOMPARE(esito.indice, 3);
        QCOMPARE(NomiTarature(m_file), (QStringList{"Default", "Lexmark WinWriter 200", "Epson LQ"}));
        VERIFICA_COPIONE(finta);
    }

    void sovrascrittura_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("nomiDopo");
        QTest::newRow("maiuscole: stessa posizione, nuova grafia")
            << "  lexmark WINWRITER 200 " << 2 << QStringList{"Default", "lexmark WINWRITER 200", "Epson"};
        QTest::newRow("doppioni: sostituito il primo")
            << "EPSON" << 3 << QStringList{"Default", "Lexmark WinWriter 200", "EPSON", "epson"};
        QTest::newRow("nome di 45 caratteri uguale al memorizzato")
            << QString(40, QLatin1Char('N')) + QStringLiteral("12345") << 1
            << QStringList{QString(40, QLatin1Char('N')), "Lexmark WinWriter 200", "Epson"};
    }
    void sovrascrittura()
    {
        QFETCH(QString, nome);
        QFETCH(int, indice);
        QFETCH(QStringList, nomiDopo);
        QList<RecordTara> prima = {TaraDefault(), TaraLexmark(), tara(QStringLiteral("Epson"))};
        if (nomiDopo.size() == 4)
            prima.append(tara(QStringLiteral("epson")));
        if (indice == 1)
            prima[0].NomeTara = QString(40, QLatin1Char('N'));
        prepara(prima);
        PiattaformaFinta finta;
        finta.attendiBox(k_Sovrascrivo, Pulsanti::SiNo, RispostaSi);
        const EsitoSalvaTara esito = SalvaTara(tara(nome, QStringLiteral("139.99")), m_file);
        QCOMPARE(esito.esito, EsitoTara::Eseguito);
        QCOMPARE(esito.indice, indice);
        QCOMPARE(NomiTarature(m_file), nomiDopo);
        QCOMPARE(LeggiTara(indice, m_file)->XRea1, QStringLiteral("139.99    "));
        VERIFICA_COPIONE(finta);
    }

    void sovrascritturaRifiutata()
    {
        prepara({TaraDefault(), TaraLexmark()});
        const QByteArray prima = contenuto();
        PiattaformaFinta finta;
        finta.attendiBox(k_Sovrascrivo, Pulsanti::SiNo, RispostaNo);
        QCOMPARE(SalvaTara(tara(QStringLiteral("default"), QStringLiteral("1")), m_file).esito, EsitoTara::Rinunciato);
        QCOMPARE(contenuto(), prima);
        VERIFICA_COPIONE(finta);
    }

    void salvaScartaLaCodaParziale()
    {
        prepara({TaraDefault()});
        QFile f(m_file);
        QVERIFY(f.open(QIODevice::Append));
        f.write("rotto");
        f.close();
        PiattaformaFinta finta;
        QCOMPARE(SalvaTara(TaraLexmark(), m_file).indice, 2);
        QCOMPARE(contenuto(), ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()));
        VERIFICA_COPIONE(finta);
    }

    void salvaOltreIlLimite()
    {
        QByteArray pieno;
        for (int i = 0; i < k_MassimoTarature; ++i)
            pieno += ByteDiTara(TaraDefault());
        QVERIFY(ScriviFileSicuro(m_file, pieno));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Impossibile aggiungere altre tarature: il file ne contiene già 32767"));
        QCOMPARE(SalvaTara(TaraLexmark(), m_file).esito, EsitoTara::Errore);
        QCOMPARE(QFile(m_file).size(), qint64(pieno.size()));
        VERIFICA_COPIONE(finta);
    }

    void rimuovi_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QStringList>("restano");
        QTest::newRow("primo di tre") << 0 << QStringList{"B", "C"};
        QTest::newRow("in mezzo") << 1 << QStringList{"A", "C"};
        QTest::newRow("ultimo") << 2 << QStringList{"A", "B"};
    }
    void rimuovi()
    {
        QFETCH(int, indice);
        QFETCH(QStringList, restano);
        prepara({tara("A", "1"), tara("B", "2"), tara("C", "3")});
        // A work file left over by an earlier crash is simply overwritten.
        QVERIFY(ScriviFileSicuro(m_dir.filePath(QStringLiteral("Lavoro.dat")), "vecchio"));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Elimino definitivamente: ") + QStringList{"A", "B", "C"}.at(indice) + "?",
                         Pulsanti::OKAnnulla, RispostaOK);
        QCOMPARE(RimuoviTara(indice, 3, m_file), EsitoTara::Eseguito);
        QCOMPARE(NomiTarature(m_file), restano);
        QCOMPARE(contenuto().size(), 2 * k_LunghezzaRecordTara);
        QCOMPARE(LeggiTara(1, m_file)->XRea1.trimmed(),
                 restano.at(0) == "A" ? QStringLiteral("1") : QStringLiteral("2"));
        QCOMPARE(filePresenti(m_dir), QStringList{QStringLiteral("Taratura.dat")});
        VERIFICA_COPIONE(finta);
    }

    void rimozioneSenzaEffetto_data()
    {
        QTest::addColumn<int>("numeroRecord");
        QTest::addColumn<int>("indice");
        QTest::addColumn<int>("voci");
        QTest::addColumn<bool>("chiede");
        QTest::addColumn<bool>("rifiuta");
        QTest::addColumn<int>("esito");
        QTest::newRow("annullata") << 2 << 1 << 2 << true << false << int(EsitoTara::Rinunciato);
        QTest::newRow("lista di una voce") << 2 << 0 << 1 << false << true << int(EsitoTara::Rifiutato);
        QTest::newRow("file di un record") << 1 << 0 << 2 << false << true << int(EsitoTara::Rifiutato);
        QTest::newRow("nessuna selezione") << 2 << -1 << 2 << false << false << int(EsitoTara::Rinunciato);
        QTest::newRow("lista più lunga del file") << 2 << 5 << 6 << false << false << int(EsitoTara::Rinunciato);
    }
    void rimozioneSenzaEffetto()
    {
        QFETCH(int, numeroRecord);
        QFETCH(int, indice);
        QFETCH(int, voci);
        QFETCH(bool, chiede);
        QFETCH(bool, rifiuta);
        QFETCH(int, esito);
        prepara(QList<RecordTara>{TaraDefault(), TaraLexmark()}.mid(0, numeroRecord));
        const QByteArray prima = contenuto();
        PiattaformaFinta finta;
        if (rifiuta)
            finta.attendiBox(k_Rifiuto);
        if (chiede)
            finta.attendiBox(QStringLiteral("Elimino definitivamente: Lexmark WinWriter 200?"), Pulsanti::OKAnnulla,
                             RispostaAnnulla);
        QCOMPARE(int(RimuoviTara(indice, voci, m_file)), esito);
        QCOMPARE(contenuto(), prima);
        QCOMPARE(filePresenti(m_dir), QStringList{QStringLiteral("Taratura.dat")});
        VERIFICA_COPIONE(finta);
    }

    void guastoNelSalvare_data()
    {
        QTest::addColumn<QString>("passo");
        QTest::addColumn<bool>("nuovo");
        for (const char *passo : {"apri", "scrivi", "conferma"}) {
            QTest::addRow("%s, sovrascrittura", passo) << passo << false;
            QTest::addRow("%s, aggiunta", passo) << passo << true;
        }
    }
    void guastoNelSalvare()
    {
        QFETCH(QString, passo);
        QFETCH(bool, nuovo);
        prepara({TaraDefault(), TaraLexmark()});
        const QByteArray prima = contenuto();
        PiattaformaFinta finta;
        if (!nuovo)
            finta.attendiBox(k_Sovrascrivo, Pulsanti::SiNo, RispostaSi);
        finta.attendiBox(
            QStringLiteral("Impossibile scrivere il file Taratura.dat: errore di lettura o scrittura del disco"));
        ImpostaGuastoSimulato([&](const char *p) { return passo == QLatin1String(p); });
        const EsitoSalvaTara esito =
            SalvaTara(tara(nuovo ? QStringLiteral("Nuova") : QStringLiteral("Default"), "9"), m_file);
        ImpostaGuastoSimulato({});
        QCOMPARE(esito.esito, EsitoTara::Errore);
        QCOMPARE(contenuto(), prima);
        QCOMPARE(filePresenti(m_dir), QStringList{QStringLiteral("Taratura.dat")});
        VERIFICA_COPIONE(finta);
    }

    void guastoNelRimuovere_data()
    {
        QTest::addColumn<QString>("passo");
        for (const char *passo : {"apri", "scrivi", "conferma", "rinomina"})
            QTest::newRow(passo) << passo;
    }
    void guastoNelRimuovere()
    {
        QFETCH(QString, passo);
        prepara({tara("A"), tara("B"), tara("C")});
        const QByteArray prima = contenuto();
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Elimino definitivamente: A?"), Pulsanti::OKAnnulla, RispostaOK);
        finta.attendiBox(
            QStringLiteral("Impossibile scrivere il file Taratura.dat: errore di lettura o scrittura del disco"));
        ImpostaGuastoSimulato([&](const char *p) { return passo == QLatin1String(p); });
        const EsitoTara esito = RimuoviTara(0, 3, m_file);
        ImpostaGuastoSimulato({});
        QCOMPARE(esito, EsitoTara::Errore);
        QCOMPARE(contenuto(), prima);
        QCOMPARE(filePresenti(m_dir), QStringList{QStringLiteral("Taratura.dat")});
        VERIFICA_COPIONE(finta);
    }

    void lavoroNonScrivibile()
    {
        // A folder named Lavoro.dat is no longer in the way: the removal has a work file of its own.
        prepara({tara("A"), tara("B")});
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Lavoro.dat")));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Elimino definitivamente: B?"), Pulsanti::OKAnnulla, RispostaOK);
        QCOMPARE(RimuoviTara(1, 2, m_file), EsitoTara::Eseguito);
        QCOMPARE(NomiTarature(m_file), QStringList{QStringLiteral("A")});
        QVERIFY(QFileInfo(m_dir.filePath(QStringLiteral("Lavoro.dat"))).isDir());
        VERIFICA_COPIONE(finta);
    }

    void fileIllegibile()
    {
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("Taratura.dat")));
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
        QCOMPARE(SalvaTara(TaraDefault(), m_file).esito, EsitoTara::Errore);
        finta.attendiBox(QStringLiteral("Impossibile leggere il file Taratura.dat: è una cartella"));
        QCOMPARE(RimuoviTara(0, 2, m_file), EsitoTara::Errore);
        QVERIFY(QFileInfo(m_file).isDir());
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestProcedureTara)
#include "TestProcedureTara.moc"
