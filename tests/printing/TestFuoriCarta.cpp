// The off-paper check before a calibrated printout.
#include "printing/FuoriCarta.h"

#include <QTest>

class TestFuoriCarta : public QObject {
    Q_OBJECT

    static std::vector<ElementoDisegno> riquadro()
    {
        ElementoDisegno linea;
        linea.x1 = 10, linea.y1 = 10, linea.x2 = 270, linea.y2 = 190;
        ElementoDisegno testo;
        testo.tipo = ElementoDisegno::Tipo::Testo;
        testo.x1 = 5, testo.y1 = 195, testo.x2 = 1000, testo.y2 = 1000; // a text has no second point
        return {linea, testo};
    }

private slots:
    // A shift inside the margin passes; one more millimetre past either edge does not.
    void spostamenti_data()
    {
        QTest::addColumn<QPointF>("spostamento");
        QTest::addColumn<bool>("fuori");
        QTest::newRow("nessuno") << QPointF(0, 0) << false;
        QTest::newRow("fino al bordo destro") << QPointF(10, 0) << false;
        QTest::newRow("oltre il destro") << QPointF(10.5, 0) << true;
        QTest::newRow("oltre il sinistro") << QPointF(-5.5, 0) << true;
        QTest::newRow("oltre il basso (testo)") << QPointF(0, 5.5) << true;
        QTest::newRow("oltre l'alto") << QPointF(0, -10.5) << true;
    }

    void spostamenti()
    {
        QFETCH(QPointF, spostamento);
        QFETCH(bool, fuori);
        const CorrezioneCarta sposta = [spostamento](const QPointF &p) { return p + spostamento; };
        QCOMPARE(EsceDallaCarta(riquadro(), sposta, QSizeF(280, 200)), fuori);
    }
};

QTEST_GUILESS_MAIN(TestFuoriCarta)
#include "TestFuoriCarta.moc"
