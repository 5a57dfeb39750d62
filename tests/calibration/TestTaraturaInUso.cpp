// The calibration in use and the list boxes that show it.
#include "calibration/ListaTarature.h"
#include "calibration/TaraturaInUso.h"

#include <QComboBox>
#include <QSignalSpy>
#include <QTest>

class TestTaraturaInUso : public QObject {
    Q_OBJECT
    const QStringList k_Nomi{QStringLiteral("Default"), QStringLiteral("Lexmark WinWriter 200")};

private slots:
    // An index outside the list selects none; the same choice again is no change.
    void sceltaFuoriElenco()
    {
        TaraturaInUso taratura;
        QSignalSpy scelte(&taratura, &TaraturaInUso::SceltaCambiata);
        taratura.Ricarica(k_Nomi, 5);
        QCOMPARE(taratura.Indice(), -1);
        QCOMPARE(taratura.Nome(), QString());
        taratura.Scegli(1);
        taratura.Scegli(1);
        QCOMPARE(taratura.Nome(), QStringLiteral("Lexmark WinWriter 200"));
        QCOMPARE(scelte.count(), 2); // the reload's, then one choice
        taratura.Ricarica({}, 0);
        QCOMPARE(taratura.Indice(), -1);
        QCOMPARE(taratura.Ricariche(), 2);
    }

    // Two lists on one calibration stay in step both ways, and filling them chooses nothing.
    void dueListe()
    {
        TaraturaInUso taratura;
        taratura.Ricarica(k_Nomi, 1);
        QComboBox foglio, manager;
        MostraTaraturaInUso(foglio, taratura);
        MostraTaraturaInUso(manager, taratura);
        QCOMPARE(foglio.count(), 2);
        QCOMPARE(foglio.currentIndex(), 1);
        manager.setCurrentIndex(0);
        QCOMPARE(taratura.Indice(), 0);
        QCOMPARE(foglio.currentIndex(), 0);
        QSignalSpy scelte(&taratura, &TaraturaInUso::SceltaCambiata);
        taratura.Ricarica(QStringList(k_Nomi) << QStringLiteral("Plotter A0"), 2);
        QCOMPARE(scelte.count(), 1);
        QCOMPARE(foglio.itemText(2), QStringLiteral("Plotter A0"));
        QCOMPARE(foglio.currentIndex(), 2);
        QCOMPARE(manager.currentIndex(), 2);
    }
};

QTEST_MAIN(TestTaraturaInUso)
#include "TestTaraturaInUso.moc"
