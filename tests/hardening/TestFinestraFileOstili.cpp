// Hostile .tnt files opened and saved through the development window's menus.
#include "FileOstili.h"

#include "development/PaginaGrafico.h"
#include "app/MDICalvetra.h"
#include "tests/app/FinestreDiProva.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <sys/stat.h>

class TestFinestraFileOstili : public QObject {
    Q_OBJECT
    CartellaDiLavoro m_cartella;

private slots:
    void init() { ContaFinestre = 0; }

    void apri_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<bool>("letto"); // false: "Apri" tells why, the window untouched
        QTest::addColumn<bool>("disegnato");
        QTest::addColumn<QString>("motivo"); // of an unread file; empty: a missing one
        QByteArray casuali = ByteCasuali(1000, 9);
        casuali[854 + 40] = 'x'; // the last (8th) record's AC: certainly no number
        QByteArray grande;
        while (grande.size() < 10 * 1024 * 1024)
            grande += RecordCono();
        QTest::newRow("vuoto") << "file" << QByteArray() << true << false << "";
        QTest::newRow("byte casuali") << "file" << casuali << true << false << "";
        QTest::newRow("10 MB") << "file" << grande << true << true << "";
        QTest::newRow("cartella") << "cartella" << QByteArray() << false << false << "è una cartella";
        QTest::newRow("mancante") << "mancante" << QByteArray() << false << false << "";
        // Once an open that waited for ever for someone to write into it.
        QTest::newRow("FIFO") << "fifo" << QByteArray() << false << false << "non è un file regolare";
    }

    void apri()
    {
        QFETCH(QString, tipo);
        QFETCH(QByteArray, byte);
        QFETCH(bool, letto);
        QFETCH(bool, disegnato);
        QFETCH(QString, motivo);
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        const QString didascalia = finestra->windowTitle();
        const QString file = m_cartella.percorso(tipo + QStringLiteral("-ostile.tnt"));
        if (tipo == QLatin1String("file"))
            QVERIFY(ScriviTutto(file, byte));
        if (tipo == QLatin1String("cartella"))
            QVERIFY(QDir().mkpath(file));
        if (tipo == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);

        finta.attendiApri(file);
        if (letto && !disegnato)
            finta.attendiBox(QStringLiteral("AC deve essere un numero > 0!"), Pulsanti::OK,
                             QStringLiteral("Errore su AC"));
        if (!letto)
            finta.attendiBox(motivo.isEmpty() ? QStringLiteral("File inesistente: ") + file
                                              : QStringLiteral("Impossibile leggere il file: ") + file +
                                                    QStringLiteral(": ") + motivo);
        finestra->mnuApri_Click();

        QCOMPARE(finestra->windowTitle(), letto ? QStringLiteral("Grafico - Drenvik ") + file : didascalia);
        QCOMPARE(finestra->lblSalvato->text(), letto ? QStringLiteral("salvato") : QString());
        QCOMPARE(finestra->Pagina().Elenco().elementi().empty(), !disegnato);
        if (tipo == QLatin1String("file"))
            QVERIFY(LeggiTutto(file) == byte);
        QCOMPARE(QFileInfo::exists(file), tipo != QLatin1String("mancante"));
        VERIFICA_COPIONE(finta);
    }

    // A job file that is a FIFO or a folder: refused before anything could wait on it, the window
    // as it was.
    void apriCommessaOstile_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("motivo");
        QTest::newRow("FIFO") << "fifo"
                              << "non è un file regolare";
        QTest::newRow("cartella") << "cartella"
                                  << "è una cartella";
    }

    void apriCommessaOstile()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, motivo);
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        const QString didascalia = finestra->windowTitle();
        const QString file = m_cartella.percorso(tipo + QStringLiteral("-ostile.vorna"));
        if (tipo == QLatin1String("fifo"))
            QCOMPARE(::mkfifo(QFile::encodeName(file).constData(), 0644), 0);
        else
            QVERIFY(QDir().mkpath(file));
        finta.attendiApri(file);
        finta.attendiBox(QStringLiteral("Impossibile leggere il file: ") + file + QStringLiteral(": ") + motivo);
        finestra->mnuApri_Click();
        QCOMPARE(finestra->windowTitle(), didascalia);
        QCOMPARE(finestra->lblSalvato->text(), QString());
        QVERIFY(finestra->Pagina().Elenco().elementi().empty());
        VERIFICA_COPIONE(finta);
    }

    // A save onto a folder named like a .tnt file: the message, the folder as it was, and the
    // development still counts as unsaved.
    void salvaSuCartella()
    {
        PiattaformaFinta finta;
        MDICalvetra frame;
        frame.show();
        frmGrafico *finestra = frame.FigliaAttiva();
        Calcola(frame, ConoDiProva());
        const QString cartella = m_cartella.percorso(QStringLiteral("occupato.tnt"));
        QVERIFY(QDir().mkpath(cartella));
        finta.attendiSalva(cartella);
        finta.attendiBox(QStringLiteral("Errore nel salvataggio dello sviluppo\nImpossibile scrivere il file: ") +
                         cartella + QStringLiteral(": è una cartella"));
        QVERIFY(!finestra->mnuSalvaNome_Click());
        QCOMPARE(finestra->lblSalvato->text(), QStringLiteral("da salvare"));
        QVERIFY(QFileInfo(cartella).isDir() && QDir(cartella).isEmpty());
        VERIFICA_COPIONE(finta);
    }
};

QTEST_MAIN(TestFinestraFileOstili)
#include "TestFinestraFileOstili.moc"
