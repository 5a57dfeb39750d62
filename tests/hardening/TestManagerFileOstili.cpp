// The open calibration manager facing a Taratura.dat deleted, made a folder or cut short under it, and a leftover Lavoro.dat.
#include "FileOstili.h"

#include "calibration/FileTaratura.h"
#include "calibration/frmTaraStampa.h"
#include "platform/TestoFisso.h"
#include "tests/support/PiattaformaFinta.h"

#include "calibration/ListaTarature.h"
#include "calibration/TaraturaInUso.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString k_NonLeggibile = QStringLiteral("Impossibile leggere il file Taratura.dat");
const QString k_Griglia = QStringLiteral("E' necessario stampare una griglia di prova da 200x280mm?");
const QString k_Danneggiato = QStringLiteral("Taratura.dat.danneggiato");
const QString k_Mancante = QStringLiteral("<mancante>");
const QString k_Cartella = QStringLiteral("<cartella>");

RecordTara epson()
{
    RecordTara r = TaraLexmark();
    r.NomeTara = QStringLiteral("Epson LX 300");
    return r;
}

// The calibration the "Applica" cases create: the Default figures on display under a new name.
RecordTara plotter()
{
    RecordTara r = TaraDefault();
    r.NomeTara = QStringLiteral("Plotter A0");
    return r;
}

QByteArray byteDi(const QList<RecordTara> &record)
{
    QByteArray byte;
    for (const RecordTara &r : record)
        byte += ByteDiTara(r);
    return byte;
}

const QStringList k_TreNomi{QStringLiteral("Default"), QStringLiteral("Lexmark WinWriter 200"),
                            QStringLiteral("Epson LX 300")};

// What is in place of a file: its bytes, or a marker for a missing file or a folder.
QString statoDi(const QString &percorso)
{
    const QFileInfo info(percorso);
    if (info.isDir())
        return k_Cartella;
    if (!info.exists())
        return k_Mancante;
    return QString::fromLatin1(LeggiTutto(percorso).toHex());
}

QString statoDi(const QByteArray &byte) { return QString::fromLatin1(byte.toHex()); }

QStringList voci(const QComboBox *lista)
{
    QStringList nomi;
    for (int i = 0; i < lista->count(); ++i)
        nomi.append(lista->itemText(i));
    return nomi;
}

} // namespace

class TestManagerFileOstili : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_cartella;
    QString m_cartellaPrecedente;
    TaraturaInUso m_taratura;            // the frame's calibration in use
    std::unique_ptr<QComboBox> m_foglio; // the worksheet's cboNomeTara, which shows it
    frmTaraStampa *m_manager = nullptr;

    QLineEdit *casella(const char *nome) const { return m_manager->findChild<QLineEdit *>(QLatin1String(nome)); }
    void premi(const char *nome) const { m_manager->findChild<QPushButton *>(QLatin1String(nome))->click(); }
    QComboBox *lista() const { return m_manager->findChild<QComboBox *>(QStringLiteral("cboNomeTaratura")); }

    // The manager open on "Default", the first of three calibrations.
    void apri()
    {
        QVERIFY(ScriviTarature({TaraDefault(), TaraLexmark(), epson()}));
        m_taratura.Ricarica(k_TreNomi, 0);
        m_foglio->setCurrentIndex(0);
        m_manager = frmTaraStampa::Apri(&m_taratura, true);
        QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Default"));
    }

    // The damage done to Taratura.dat behind the open manager's back.
    static void danneggia(const QString &danno)
    {
        const QByteArray uno = ByteDiTara(TaraDefault());
        QVERIFY(QFile::remove(k_FileTaratura));
        if (danno == QLatin1String("cartella"))
            QVERIFY(QDir().mkdir(k_FileTaratura));
        else if (danno == QLatin1String("171 byte"))
            QVERIFY(ScriviTutto(k_FileTaratura, uno + "x"));
        else if (danno == QLatin1String("169 byte"))
            QVERIFY(ScriviTutto(k_FileTaratura, uno.left(169)));
    }

    static QByteArray byteDelDanno(const QString &danno)
    {
        const QByteArray uno = ByteDiTara(TaraDefault());
        if (danno == QLatin1String("171 byte"))
            return uno + "x";
        if (danno == QLatin1String("169 byte"))
            return uno.left(169);
        return QByteArray();
    }

    static QString statoDelDanno(const QString &danno)
    {
        if (danno == QLatin1String("cancellato"))
            return k_Mancante;
        if (danno == QLatin1String("cartella"))
            return k_Cartella;
        return statoDi(byteDelDanno(danno));
    }

    static void aggiungiRiga(const QString &danno, const char *azione, const QString &messaggio, const QString &dopo,
                             const QStringList &nomi, const QString &danneggiato = k_Mancante)
    {
        QTest::addRow("%s, %s", qPrintable(danno), azione)
            << danno << QString::fromLatin1(azione) << messaggio << dopo << nomi << danneggiato;
    }

private slots:
    void init()
    {
        m_cartellaPrecedente = QDir::currentPath();
        m_cartella = std::make_unique<QTemporaryDir>();
        QVERIFY(m_cartella->isValid());
        QDir::setCurrent(m_cartella->path());
        m_foglio = std::make_unique<QComboBox>();
        MostraTaraturaInUso(*m_foglio, m_taratura);
    }

    void cleanup()
    {
        delete frmTaraStampa::Aperto();
        m_manager = nullptr;
        m_foglio.reset();
        QDir::setCurrent(m_cartellaPrecedente);
        m_cartella.reset();
    }

    void fileDanneggiatoAFinestraAperta_data()
    {
        QTest::addColumn<QString>("danno");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<QString>("messaggio"); // the one box after the action, OK only, "Vorna"
        QTest::addColumn<QString>("dopo");      // Taratura.dat afterwards
        QTest::addColumn<QStringList>("nomi");  // both lists afterwards
        QTest::addColumn<QString>("danneggiato");

        const QString danni[] = {QStringLiteral("cancellato"), QStringLiteral("cartella"), QStringLiteral("171 byte"),
                                 QStringLiteral("169 byte")};
        const QByteArray uno = ByteDiTara(TaraDefault());
        const QString rifiuto = QStringLiteral("Impossibile eliminare tutte le tarature!");
        const QString conservato = QStringLiteral("Taratura.dat non contiene tarature complete: il suo contenuto è "
                                                  "conservato in Taratura.dat.danneggiato.");
        // Why the file gave nothing, after each damage.
        const QString motivi[] = {QStringLiteral(": file o cartella inesistente"), QStringLiteral(": è una cartella"),
                                  QStringLiteral(": non contiene la taratura n. 2"),
                                  QStringLiteral(": non contiene tarature complete")};
        for (int i = 0; i < 4; ++i) {
            const QString &danno = danni[i];
            // A record that cannot be read is reported; the lists are not rebuilt by a selection.
            aggiungiRiga(danno, "selezione", k_NonLeggibile + motivi[i], statoDelDanno(danno), k_TreNomi);
            // Removing never creates the file again nor touches what is left of it.
            aggiungiRiga(danno, "rimuovi", danno == QLatin1String("171 byte") ? rifiuto : k_NonLeggibile + motivi[i],
                         statoDelDanno(danno), k_TreNomi);
        }
        // A save writes the calibrations still on disk plus the new one, and the lists show just those.
        aggiungiRiga(danni[0], "applica", QString(), statoDi(byteDi({plotter()})), {QStringLiteral("Plotter A0")});
        aggiungiRiga(danni[1], "applica", k_NonLeggibile + motivi[1], k_Cartella, k_TreNomi);
        aggiungiRiga(danni[2], "applica", QString(), statoDi(uno + ByteDiTara(plotter())),
                     {QStringLiteral("Default"), QStringLiteral("Plotter A0")});
        // What is left of a record is kept aside before the new calibration takes its place.
        aggiungiRiga(danni[3], "applica", conservato, statoDi(byteDi({plotter()})), {QStringLiteral("Plotter A0")},
                     statoDi(uno.left(169)));
    }

    void fileDanneggiatoAFinestraAperta()
    {
        QFETCH(QString, danno);
        QFETCH(QString, azione);
        QFETCH(QString, messaggio);
        QFETCH(QString, dopo);
        QFETCH(QStringList, nomi);
        QFETCH(QString, danneggiato);
        PiattaformaFinta finta;
        apri();
        if (QTest::currentTestFailed())
            return;
        danneggia(danno);

        if (azione == QLatin1String("selezione")) {
            premi("cmdSelezione");
            if (!messaggio.isEmpty())
                finta.attendiBox(messaggio);
            lista()->setCurrentIndex(1);
        } else if (azione == QLatin1String("applica")) {
            finta.attendiBox(k_Griglia, Pulsanti::OKAnnulla, RispostaAnnulla);
            premi("cmdCreaNuova");
            casella("txtNomeTara")->setText(QStringLiteral("Plotter A0"));
            if (!messaggio.isEmpty())
                finta.attendiBox(messaggio);
            premi("cmdApplica");
        } else {
            premi("cmdEliminaTaratura");
            if (!messaggio.isEmpty())
                finta.attendiBox(messaggio);
            premi("cmdRimuovi");
        }
        VERIFICA_COPIONE(finta);

        QCOMPARE(statoDi(k_FileTaratura), dopo);
        QCOMPARE(statoDi(k_Danneggiato), danneggiato);
        QVERIFY(!QFileInfo::exists(k_FileLavoro));
        QCOMPARE(voci(lista()), nomi);
        QCOMPARE(voci(m_foglio.get()), nomi);
        // The lists agree on the entry in use.
        QCOMPARE(m_foglio->currentIndex(), lista()->currentIndex());
        const bool salvato = azione == QLatin1String("applica") && nomi != k_TreNomi;
        if (salvato) {
            QCOMPARE(lista()->currentIndex(), nomi.size() - 1);
            QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Plotter A0"));
            QVERIFY(!casella("txtNomeTara")->isEnabled());
        } else if (azione == QLatin1String("applica")) {
            // A save that failed leaves the window creating, with the texts as typed.
            QVERIFY(casella("txtNomeTara")->isEnabled());
            QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Plotter A0"));
        } else {
            // The record shown is still the one last read.
            QCOMPARE(casella("txtNomeTara")->text(), QStringLiteral("Default"));
        }
    }

    void lavoroAvanzato_data()
    {
        QTest::addColumn<bool>("cartella");
        QTest::newRow("file avanzato") << false;
        QTest::newRow("cartella") << true;
    }

    // A leftover work file is deleted by the removal; a folder in its place is left alone and no
    // longer stops it. Either way the calibration goes and the lists follow.
    void lavoroAvanzato()
    {
        QFETCH(bool, cartella);
        PiattaformaFinta finta;
        apri();
        if (QTest::currentTestFailed())
            return;
        if (cartella)
            QVERIFY(QDir().mkdir(k_FileLavoro));
        else
            QVERIFY(ScriviTutto(k_FileLavoro, ByteCasuali(500, 5)));
        premi("cmdEliminaTaratura");
        finta.attendiBox(QStringLiteral("Elimino definitivamente: Default?"), Pulsanti::OKAnnulla, RispostaOK);
        premi("cmdRimuovi");
        VERIFICA_COPIONE(finta);

        const QStringList nomi = k_TreNomi.mid(1);
        QCOMPARE(LeggiTutto(k_FileTaratura), byteDi({TaraLexmark(), epson()}));
        QCOMPARE(QFileInfo(k_FileLavoro).isDir(), cartella);
        QCOMPARE(QFileInfo::exists(k_FileLavoro), cartella);
        QCOMPARE(voci(lista()), nomi);
        QCOMPARE(voci(m_foglio.get()), nomi);
        QCOMPARE(lista()->currentIndex(), 0);
        QCOMPARE(m_foglio->currentIndex(), 0);
        QCOMPARE(casella("txtNomeTara")->text(), nomi.first());
    }
};

QTEST_MAIN(TestManagerFileOstili)
#include "TestManagerFileOstili.moc"
