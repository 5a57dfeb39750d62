// Writers killed at random moments: the file on disk is always the whole old or the whole new one.
#include "FigureCiclo.h"

#include "exports/EsportaDxf.h"
#include "tests/support/PiattaformaFinta.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>

namespace {
constexpr int k_Uccisioni = 15;

QByteArray fabbrica() { return ByteDiTara(TaraDefault()) + ByteDiTara(TaraLexmark()); }
} // namespace

class TestInterruzioni : public QObject {
    Q_OBJECT
private slots:
    void uccisoAMeta_data()
    {
        QTest::addColumn<QString>("modo");
        QTest::addColumn<QString>("nome");
        QTest::newRow("salvataggio .tnt") << "tnt"
                                          << "ciclo.tnt";
        QTest::newRow("tarature: aggiunta e rimozione") << "tara"
                                                        << "Taratura.dat";
        QTest::newRow("esportazione DXF") << "dxf"
                                          << "ciclo.dxf";
    }

    void uccisoAMeta()
    {
        QFETCH(QString, modo);
        QFETCH(QString, nome);
        PiattaformaFinta finta;
        QByteArray vecchio, nuovo;
        if (modo == QLatin1String("tnt")) {
            vecchio = ByteDelRecord(RecordCiclo(1));
            nuovo = ByteDelRecord(RecordCiclo(2));
        } else if (modo == QLatin1String("dxf")) {
            vecchio = *DxfDelleFigure(FiguraCiclo(1));
            nuovo = *DxfDelleFigure(FiguraCiclo(2));
        } else {
            vecchio = fabbrica();
            nuovo = fabbrica() + ByteDiTara(TaraCiclo());
        }
        QTemporaryDir cartella;
        const QString file = cartella.filePath(nome);
        if (modo == QLatin1String("tara"))
            QVERIFY(ScriviTutto(file, vecchio));

        QRandomGenerator caso(20);
        for (int i = 0; i < k_Uccisioni; ++i) {
            QProcess scrittore;
            scrittore.start(QStringLiteral(VORNA_SCRITTORE), {modo, file});
            QVERIFY(scrittore.waitForReadyRead(20000));
            QCOMPARE(scrittore.readAllStandardOutput(), QByteArray("pronto\n"));
            QThread::usleep(caso.bounded(20000));
            ::kill(pid_t(scrittore.processId()), SIGKILL);
            QVERIFY(scrittore.waitForFinished(20000));
            QCOMPARE(scrittore.exitStatus(), QProcess::CrashExit);
            const QByteArray ora = LeggiTutto(file);
            QVERIFY2(ora == vecchio || ora == nuovo,
                     qPrintable(QStringLiteral("kill %1: %2 bytes").arg(i).arg(ora.size())));
        }
        VERIFICA_COPIONE(finta);
    }
};

QTEST_GUILESS_MAIN(TestInterruzioni)
#include "TestInterruzioni.moc"
