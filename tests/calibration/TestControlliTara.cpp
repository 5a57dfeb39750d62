// Controlli_Tara's checks in order with their messages, and the loss-of-focus syntax check.
#include "calibration/ControlliTara.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

namespace {
using Modifiche = QList<QPair<int, QString>>;

RecordTara buona()
{
    RecordTara r = TaraLexmark();
    r.ShiftX = QStringLiteral("-1.5");
    r.ShiftY = QStringLiteral("2");
    return r;
}
} // namespace
Q_DECLARE_METATYPE(Modifiche)

class TestControlliTara : public QObject {
    Q_OBJECT
private slots:
    void controlli_data()
    {
        QTest::addColumn<Modifiche>("modifiche");
        QTest::addColumn<QString>("messaggio"); // empty: every check passes
        using C = CampoTara;
        auto m = [](C c, const char *t) { return Modifiche{{int(c), QString::fromUtf8(t)}}; };
        QTest::newRow("tutto a posto") << Modifiche{} << "";
        QTest::newRow("nome di soli blank") << m(C::NomeTara, "   ") << "";
        QTest::newRow("nome vuoto") << m(C::NomeTara, "") << "Indicare il tipo di stampante";
        QTest::newRow("manca X nom 1") << m(C::XNom1, "") << "Manca il valore nominale nella zona 1 nella direzione X";
        QTest::newRow("manca X rea 3") << m(C::XRea3, "") << "Manca il valore reale nella zona 3 nella direzione X";
        QTest::newRow("manca Y nom 2") << m(C::YNom2, "") << "Manca il valore nominale nella zona 2 nella direzione Y";
        QTest::newRow("manca Y rea 3") << m(C::YRea3, "") << "Manca il valore reale nella zona 3 nella direzione Y";
        QTest::newRow("zona di soli blank")
            << m(C::YRea1, "  ") << "Il valore reale nella zona 1 nella direzione Y deve essere un numero";
        QTest::newRow("X nom 2 non numero")
            << m(C::XNom2, "12a") << "Il valore nominale nella zona 2 nella direzione X deve essere un numero";
        QTest::newRow("shift X non numero") << m(C::ShiftX, "x") << "ShiftX deve essere un numero";
        QTest::newRow("shift Y non numero") << m(C::ShiftY, "1-") << "ShiftY deve essere un numero";
        QTest::newRow("zero passa") << Modifiche{{int(C::XNom1), "0"}, {int(C::XRea1), "0"}} << "";
        QTest::newRow("X rea 1 negativo")
            << m(C::XRea1, "-0.01") << "Il valore reale nella zona 1 nella direzione X deve essere positivo";
        QTest::newRow("Y nom 1 negativo")
            << m(C::YNom1, "-5") << "Il valore nominale nella zona 1 nella direzione Y deve essere positivo";
        QTest::newRow("X nom 3 a 280 passa") << m(C::XNom3, "280") << "";
        QTest::newRow("X nom 3 oltre 280")
            << m(C::XNom3, "280.01") << "Il valore nominale nella zona 3 nella direzione X deve essere <= 280 mm";
        QTest::newRow("X rea 3 oltre 280")
            << m(C::XRea3, "281") << "Il valore reale nella zona 3 nella direzione X deve essere <= 280 mm";
        QTest::newRow("Y nom 3 oltre 200")
            << m(C::YNom3, "200.5") << "Il valore nominale nella zona 3 nella direzione Y deve essere <= 200 mm";
        QTest::newRow("Y rea 3 oltre 200")
            << m(C::YRea3, "201") << "Il valore reale nella zona 3 nella direzione Y deve essere <= 200 mm";
        QTest::newRow("zone uguali passano") << Modifiche{{int(C::XNom2), "140.00"}, {int(C::YRea2), "75"}} << "";
        QTest::newRow("X nom 2 < 1")
            << m(C::XNom2, "139")
            << "Il valore nominale nella zona 2 nella direzione X deve essere maggiore di quello nella zona 1";
        QTest::newRow("X nom 3 < 2")
            << m(C::XNom3, "179")
            << "Il valore nominale nella zona 3 nella direzione X deve essere maggiore di quello nella zona 2";
        QTest::newRow("X rea 2 < 1")
            << m(C::XRea2, "139")
            << "Il valore reale nella zona 2 nella direzione X deve essere maggiore di quello nella zona 1";
        QTest::newRow("X rea 3 < 2")
            << m(C::XRea3, "178")
            << "Il valore reale nella zona 3 nella direzione X deve essere maggiore di quello nella zona 2";
        QTest::newRow("Y nom 2 < 1")
            << m(C::YNom2, "74")
            << "Il valore nominale nella zona 2 nella direzione Y deve essere maggiore di quello nella zona 1";
        QTest::newRow("Y nom 3 < 2")
            << m(C::YNom3, "149")
            << "Il valore nominale nella zona 3 nella direzione Y deve essere maggiore di quello nella zona 2";
        QTest::newRow("Y rea 2 < 1")
            << m(C::YRea2, "74")
            << "Il valore reale nella zona 2 nella direzione Y deve essere maggiore di quello nella zona 1";
        QTest::newRow("Y rea 3 < 2")
            << m(C::YRea3, "149")
            << "Il valore reale nella zona 3 nella direzione Y deve essere maggiore di quello nella zona 2";
        QTest::newRow("shift -20 e 20 passano") << Modifiche{{int(C::ShiftX), "-20"}, {int(C::ShiftY), "20"}} << "";
        QTest::newRow("shift X -20.5") << m(C::ShiftX, "-20.5")
                                       << "Il valore di Shift X non può essere minore di - 20 mm";
        QTest::newRow("shift Y -21") << m(C::ShiftY, "-21") << "Il valore di Shift Y non può essere minore di - 20 mm";
        QTest::newRow("shift X 20.1") << m(C::ShiftX, "20.1")
                                      << "Il valore di Shift X non può essere maggiore di 20 mm";
        QTest::newRow("shift Y 25") << m(C::ShiftY, "25") << "Il valore di Shift Y non può essere maggiore di 20 mm";
        // Several faults: only the first in checking order is reported.
        QTest::newRow("più guasti") << Modifiche{{int(C::ShiftY), "99"}, {int(C::YRea3), "1"}, {int(C::XNom3), "x"}}
                                    << "Il valore nominale nella zona 3 nella direzione X deve essere un numero";
        QTest::newRow("vuoto prima di non numero") << Modifiche{{int(C::XNom1), "x"}, {int(C::YRea3), ""}}
                                                   << "Manca il valore reale nella zona 3 nella direzione Y";
        QTest::newRow("shift X sotto prima di Y sopra") << Modifiche{{int(C::ShiftY), "30"}, {int(C::ShiftX), "-30"}}
                                                        << "Il valore di Shift X non può essere minore di - 20 mm";
        QTest::newRow("negativo prima dell'ordine")
            << Modifiche{{int(C::XNom2), "100"}, {int(C::YRea3), "-1"}}
            << "Il valore reale nella zona 3 nella direzione Y deve essere positivo";
    }
    void controlli()
    {
        QFETCH(Modifiche, modifiche);
        QFETCH(QString, messaggio);
        RecordTara testi = buona();
        for (const auto &[campo, testo] : modifiche)
            Campo(testi, CampoTara(campo)) = testo;
        PiattaformaFinta finta;
        if (!messaggio.isEmpty())
            finta.attendiBox(messaggio);
        const EsitoControlliTara esito = Controlli_Tara(testi);
        QCOMPARE(esito.ErroreTara, std::int16_t(messaggio.isEmpty() ? 0 : 1));
        QCOMPARE(esito.testi.XNom3, testi.XNom3); // texts stay as typed
        VERIFICA_COPIONE(finta);
    }

    void shiftVuotiAZero()
    {
        RecordTara testi = buona();
        testi.ShiftX.clear();
        testi.ShiftY.clear();
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("ShiftX è posto a zero per default"));
        finta.attendiBox(QStringLiteral("ShiftY è posto a zero per default"));
        const EsitoControlliTara esito = Controlli_Tara(testi);
        QCOMPARE(esito.ErroreTara, std::int16_t(0));
        QCOMPARE(esito.testi.ShiftX, QStringLiteral("0.0"));
        QCOMPARE(esito.testi.ShiftY, QStringLiteral("0.0"));
        VERIFICA_COPIONE(finta);
    }

    void notiziaPrimaDelGuasto()
    {
        // The notice comes after the presence checks and before the later ones.
        RecordTara testi = buona();
        testi.ShiftX.clear();
        testi.XRea1 = QStringLiteral("abc");
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("ShiftX è posto a zero per default"));
        finta.attendiBox(QStringLiteral("Il valore reale nella zona 1 nella direzione X deve essere un numero"));
        const EsitoControlliTara esito = Controlli_Tara(testi);
        QCOMPARE(esito.ErroreTara, std::int16_t(1));
        QCOMPARE(esito.testi.ShiftX, QStringLiteral("0.0"));
        testi.ShiftX.clear();
        testi.XRea1 = QString();
        finta.attendiBox(QStringLiteral("Manca il valore reale nella zona 1 nella direzione X"));
        QCOMPARE(Controlli_Tara(testi).testi.ShiftX, QString()); // stopped before the notice
        VERIFICA_COPIONE(finta);
    }

    void memorizzata_data()
    {
        QTest::addColumn<Modifiche>("modifiche"); // applied before the record is stored
        QTest::addColumn<QString>("messaggio");   // empty: accepted without any box
        using C = CampoTara;
        auto m = [](C c, const char *t) { return Modifiche{{int(c), QString::fromUtf8(t)}}; };
        QTest::newRow("factory record") << Modifiche{} << "";
        QTest::newRow("name of blanks") << m(C::NomeTara, "  ") << "";
        QTest::newRow("empty shifts: zero, no notice") << Modifiche{{int(C::ShiftX), ""}, {int(C::ShiftY), ""}} << "";
        QTest::newRow("empty zone") << m(C::YRea2, "") << "Manca il valore reale nella zona 2 nella direzione Y";
        QTest::newRow("empty shift, then a damaged zone")
            << Modifiche{{int(C::ShiftX), ""}, {int(C::XNom2), "abc"}}
            << "Il valore nominale nella zona 2 nella direzione X deve essere un numero";
        QTest::newRow("damaged shift") << m(C::ShiftY, "a") << "ShiftY deve essere un numero";
        QTest::newRow("shift out of range")
            << m(C::ShiftX, "-25") << "Il valore di Shift X non può essere minore di - 20 mm";
        QTest::newRow("zones out of order")
            << m(C::XRea3, "150")
            << "Il valore reale nella zona 3 nella direzione X deve essere maggiore di quello nella zona 2";
        // A decimal comma passes the numeric check and is read as a decimal point, not cut there.
        QTest::newRow("decimal comma past the page")
            << m(C::XNom3, "280,50") << "Il valore nominale nella zona 3 nella direzione X deve essere <= 280 mm";
        QTest::newRow("decimal comma") << Modifiche{{int(C::XRea1), "139,15"}, {int(C::YRea3), "199,5"}} << "";
        // Figures every check accepts but no printer prints: each refused, naming zone and figures.
        const QString rifiuto = QStringLiteral(" Correggere la taratura nel Manager Tarature.");
        QTest::newRow("measured 0") << m(C::XRea1, "0")
                                    << "Nella zona 1 nella direzione X il tratto nominale da 0 a 140 mm (140 mm) "
                                       "misura 0 mm sulla stampa: differisce di oltre il 10%!" +
                                           rifiuto;
        QTest::newRow("measured span of 0")
            << Modifiche{{int(C::XRea1), "140"}, {int(C::XRea2), "140.001"}, {int(C::XRea3), "280"}}
            << "Nella zona 2 nella direzione X il tratto nominale da 140 a 180 mm (40 mm) misura 0.001 mm sulla "
               "stampa: differisce di oltre il 10%!" +
                   rifiuto;
        QTest::newRow("14 for 140") << m(C::XRea1, "14")
                                    << "Nella zona 1 nella direzione X il tratto nominale da 0 a 140 mm (140 mm) "
                                       "misura 14 mm sulla stampa: differisce di oltre il 10%!" +
                                           rifiuto;
        QTest::newRow("Y zone 2 short") << m(C::YRea2, "120")
                                        << "Nella zona 2 nella direzione Y il tratto nominale da 75 a 150 mm (75 mm) "
                                           "misura 45 mm sulla stampa: differisce di oltre il 10%!" +
                                               rifiuto;
        QTest::newRow("short zone within half a millimetre")
            << Modifiche{{int(C::XNom2), "142"}, {int(C::XRea2), "141.55"}} << "";
    }
    void memorizzata()
    {
        // A record as it comes back from Taratura.dat: padded to its widths.
        QFETCH(Modifiche, modifiche);
        QFETCH(QString, messaggio);
        RecordTara testi = TaraLexmark();
        for (const auto &[campo, testo] : modifiche)
            Campo(testi, CampoTara(campo)) = testo;
        const RecordTara memorizzato = TaraDaByte(ByteDiTara(testi));
        PiattaformaFinta finta;
        if (!messaggio.isEmpty())
            finta.attendiBox(messaggio);
        QCOMPARE(ControlliTaraMemorizzata(memorizzato), std::int16_t(messaggio.isEmpty() ? 0 : 1));
        VERIFICA_COPIONE(finta);
    }

    void sintassi_data()
    {
        QTest::addColumn<int>("casella");
        QTest::addColumn<QString>("testo");
        QTest::addColumn<QString>("messaggio");
        QTest::addColumn<QString>("dopo");
        using C = CampoTara;
        QTest::newRow("virgola in punto") << int(C::XNom1) << "12,5"
                                          << ""
                                          << "12.5";
        QTest::newRow("senza virgola") << int(C::YRea2) << " 12.5 "
                                       << ""
                                       << " 12.5 ";
        QTest::newRow("doppia virgola") << int(C::ShiftX) << "1,2,3"
                                        << "Doppia virgola, correggere il testo introdotto in Shift X!"
                                        << "1,2,3";
        QTest::newRow("doppio punto") << int(C::YRea3) << "1.2.3"
                                      << "Doppio punto, correggere il testo introdotto in Zona 3Y Misurata!"
                                      << "1.2.3";
        QTest::newRow("misto, shift X") << int(C::ShiftX) << "1.234,5"
                                        << "Errore di sintassi, correggere il testo introdotto in in Shift X!"
                                        << "1.234,5";
        QTest::newRow("misto, shift Y") << int(C::ShiftY) << "1,5."
                                        << "Errore di sintassi, correggere il testo introdotto in in Shift Y!"
                                        << "1,5.";
        QTest::newRow("misto, 3X nominale")
            << int(C::XNom3) << "2.8,0"
            << "Errore di sintassi, correggere il testo introdotto in Zona 3X Nominale !"
            << "2.8,0";
        QTest::newRow("misto, 2X nominale") << int(C::XNom2) << ",."
                                            << "Errore di sintassi, correggere il testo introdotto in Zona 2X Nominale!"
                                            << ",.";
        QTest::newRow("misto, 1Y misurata") << int(C::YRea1) << "7.5,"
                                            << "Errore di sintassi, correggere il testo introdotto in Zona 1Y Misurata!"
                                            << "7.5,";
        QTest::newRow("virgola e doppio punto") << int(C::XRea2) << "1,2.3.4"
                                                << "Doppio punto, correggere il testo introdotto in Zona 2X Misurata!"
                                                << "1,2.3.4";
        QTest::newRow("vuoto") << int(C::YNom1) << ""
                               << ""
                               << "";
        QTest::newRow("non il nome") << int(C::NomeTara) << "a,b"
                                     << ""
                                     << "a,b";
    }
    void sintassi()
    {
        QFETCH(int, casella);
        QFETCH(QString, testo);
        QFETCH(QString, messaggio);
        QFETCH(QString, dopo);
        const EsitoSintassi esito = ControlloSintassi(CampoTara(casella), testo);
        QCOMPARE(esito.messaggio, messaggio);
        QCOMPARE(esito.testo, dopo);
    }

    void etichetteDiOgniCasella()
    {
        // Every number box names itself in its messages.
        const QStringList attese = {"Zona 1X Nominale", "Zona 2X Nominale", "Zona 3X Nominale", "Zona 1X Misurata",
                                    "Zona 2X Misurata", "Zona 3X Misurata", "Zona 1Y Nominale", "Zona 2Y Nominale",
                                    "Zona 3Y Nominale", "Zona 1Y Misurata", "Zona 2Y Misurata", "Zona 3Y Misurata",
                                    "Shift X",          "Shift Y"};
        for (int i = 0; i < attese.size(); ++i)
            QCOMPARE(ControlloSintassi(CampoTara(i + 1), QStringLiteral("1,,")).messaggio,
                     QStringLiteral("Doppia virgola, correggere il testo introdotto in ") + attese.at(i) + "!");
    }
};

QTEST_GUILESS_MAIN(TestControlliTara)
#include "TestControlliTara.moc"
