// The calculation driver: shape choice, what the window and the worksheet see, refusals, bad input.
#include "calcolo/CalcolaSviluppo.h"
#include "geometry/MisureSviluppo.h"
#include "platform/TestoNumerico.h"
#include "tests/geometry/Figure.h"
#include "tests/support/FinestraFinta.h"
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

#include <cmath>

namespace {
const QString k_NonTronco = QStringLiteral("La proiezione non è un tronco di cono !");
const QString k_Attenzione = QStringLiteral("Attenzione!");

// A window that already shows one line, so that clearing it shows.
struct Ambiente {
    StatoSviluppo s;
    FinestraFinta finestra;
    FoglioFinto foglio;
    ContestoCalcolo c{s, &finestra, &foglio};

    explicit Ambiente(const Figure &f)
    {
        ImpostaFigure(s, f);
        finestra.superficie.Line(0, 0, 10, 10, k_BluScuro);
        s.XAB[1] = -12345;
    }
    std::size_t elementi() const { return finestra.superficie.elementi().size(); }
    bool lineaIniziale() const
    {
        for (const ElementoDisegno &e : finestra.superficie.elementi()) {
            if (e.tipo == ElementoDisegno::Tipo::Linea && e.x1 == 0 && e.y1 == 0 && e.x2 == 10 && e.y2 == 10)
                return true;
        }
        return false;
    }
};

// Answers every box with OK and keeps them, for input whose outcome is not scripted row by row.
class PiattaformaRegistra final : public Piattaforma {
public:
    PiattaformaRegistra() { Piattaforma::installa(this); }
    ~PiattaformaRegistra() override { Piattaforma::installa(nullptr); }
    int MsgBox(const QString &prompt, Pulsanti, const QString &) override
    {
        prompts << prompt;
        return RispostaOK;
    }
    void Beep() override {}
    std::optional<QString> DialogoApri(const RichiestaFile &) override { return std::nullopt; }
    std::optional<QString> DialogoSalva(const RichiestaFile &) override { return std::nullopt; }
    bool DialogoStampante(QPrinter &) override { return false; }

    QStringList prompts;
};
} // namespace

class TestCalcolaSviluppo : public QObject {
    Q_OBJECT
private slots:
    void forma_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QString>("routine");
        QTest::newRow("square cylinder") << Figure{"50", "100", "50", "90", "90"} << "Stampa_Cilindro_Lato_Orizzontale";
        QTest::newRow("tall cylinder") << Figure{"200", "10", "200", "90", "90"} << "Stampa_Cilindro_Lato_Verticale";
        QTest::newRow("d 0.00052 rad above")
            << Figure{"50", "100", "80", "60", "120.03"} << "Stampa_Cilindro_Lato_Orizzontale";
        QTest::newRow("d 0.00052 rad below")
            << Figure{"50", "100", "80", "60", "119.97"} << "Stampa_Cilindro_Lato_Orizzontale";
        QTest::newRow("d 0.0017 rad: cone") << Figure{"50", "100", "80", "60", "119.9"} << "Stampa_Cono_Lato_Verticale";
        QTest::newRow("square cone") << Figure{"60", "100", "60", "80", "80"} << "Stampa_Cono_Lato_Verticale";
        QTest::newRow("half ring") << Figure{"80", "100", "80", "60", "60"} << "Stampa_Cono_Lato_Orizzontale";
    }
    void forma()
    {
        QFETCH(Figure, figure);
        QFETCH(QString, routine);
        PiattaformaFinta finta;
        Ambiente a(figure);
        QVERIFY(CalcolaSviluppo(a.c));
        QCOMPARE(a.s.RoutineStampa, routine);
        QCOMPARE(a.finestra.didascalie, (QStringList{"lblSalvato=da salvare", "lblStampa=" + routine}));
        QCOMPARE(a.foglio.eventi, QStringList{"Nascondi"});
        QVERIFY(!a.lineaIniziale()); // cleared before the plot
        QVERIFY(a.elementi() > 0);
        VERIFICA_COPIONE(finta);
    }

    // The shape test is strict: a difference of exactly 0.001 rad is a cone (the validation's own
    // test lets it through as parallel). PiGreco - Beta is 0 here, so d is Alfa to the last bit.
    void sogliaCilindro_data()
    {
        QTest::addColumn<double>("alfa");
        QTest::addColumn<bool>("cilindro");
        QTest::newRow("exactly 0.001") << 0.001 << false;
        QTest::newRow("exactly -0.001") << -0.001 << false;
        QTest::newRow("just under 0.001") << std::nextafter(0.001, 0.0) << true;
        QTest::newRow("parallel") << 0.0 << true;
    }
    void sogliaCilindro()
    {
        QFETCH(double, alfa);
        QFETCH(bool, cilindro);
        StatoSviluppo s;
        s.PiGreco = 1;
        s.Beta = 1;
        s.Alfa = alfa;
        QCOMPARE(FormaCilindro(s), cilindro);
    }

    void rifiutoLasciaIlDisegno()
    {
        PiattaformaFinta finta;
        finta.attendiBox(QStringLiteral("BD deve essere un numero >0!"), Pulsanti::OK, QStringLiteral("Errore su BD"));
        Ambiente a({"50", "100", "", "90", "90"});
        QVERIFY(!CalcolaSviluppo(a.c));
        QCOMPARE(a.s.ErroreDati, std::int16_t(1));
        QCOMPARE(a.elementi(), std::size_t(1));
        QVERIFY(a.lineaIniziale());
        QVERIFY(a.finestra.didascalie.isEmpty());
        QVERIFY(a.foglio.eventi.isEmpty());
        VERIFICA_COPIONE(finta);
    }

    // Refused after the validation: the window is cleared and stays empty, nothing else moves.
    void proiezioneRifiutata_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<bool>("primaDeiPunti"); // refused before any point is computed
        QTest::newRow("D past the apex") << Figure{"50", "100", "120", "60", "60"} << true;
    }
    void proiezioneRifiutata()
    {
        QFETCH(Figure, figure);
        QFETCH(bool, primaDeiPunti);
        PiattaformaFinta finta;
        finta.attendiBox(k_NonTronco, Pulsanti::OK, k_Attenzione, 77);
        Ambiente a(figure);
        QVERIFY(!CalcolaSviluppo(a.c));
        QCOMPARE(a.s.ErroreDati, std::int16_t(0));
        QCOMPARE(a.s.Risposta, 77);
        QCOMPARE(a.elementi(), std::size_t(0));
        QVERIFY(a.finestra.didascalie.isEmpty());
        QVERIFY(a.s.RoutineStampa.isEmpty());
        QCOMPARE(a.foglio.eventi, (QStringList{"Mostra", "Nascondi"}));
        if (primaDeiPunti)
            QCOMPARE(a.s.XAB[1], -12345.0);
        VERIFICA_COPIONE(finta);
    }

    void senzaFinestra()
    {
        PiattaformaFinta finta;
        StatoSviluppo s;
        ImpostaFigure(s, {"80", "100", "60", "50", "70"});
        ContestoCalcolo c{s};
        QVERIFY(CalcolaSviluppo(c));
        QCOMPARE(s.RoutineStampa, QStringLiteral("Stampa_Cono_Lato_Orizzontale"));
        VERIFICA_COPIONE(finta);
    }

    // A closing mark that is neither "T" nor "F" (a damaged file) closes on BD.
    void chiusuraIllegibile_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::newRow("cylinder") << Figure{"50", "100", "80", "60", "120"};
        QTest::newRow("cone") << Figure{"80", "100", "60", "50", "70"};
        QTest::newRow("mirrored cone") << Figure{"60", "100", "80", "70", "50"};
    }
    void chiusuraIllegibile()
    {
        QFETCH(Figure, figure);
        PiattaformaFinta finta;
        StatoSviluppo suBD, danneggiato;
        ImpostaFigure(suBD, figure);
        figure.ChiudiAC = QStringLiteral("x");
        ImpostaFigure(danneggiato, figure);
        danneggiato.XAB[5] = danneggiato.YCD[40] = -1; // leftovers of an earlier development
        ContestoCalcolo c1{suBD}, c2{danneggiato};
        QVERIFY(CalcolaSviluppo(c1));
        QVERIFY(CalcolaSviluppo(c2));
        QCOMPARE(danneggiato.XAB, suBD.XAB);
        QCOMPARE(danneggiato.YAB, suBD.YAB);
        QCOMPARE(danneggiato.XCD, suBD.XCD);
        QCOMPARE(danneggiato.YCD, suBD.YCD);
        VERIFICA_COPIONE(finta);
    }

    // Whatever is typed into any field: rejected by that field's message, or a finite development.
    void inputCattivo_data()
    {
        QTest::addColumn<int>("campo");
        QTest::addColumn<QString>("testo");
        const QStringList cattivi{"",
                                  "          ",
                                  "abc",
                                  "1e5",
                                  "1e308",
                                  "NaN",
                                  "inf",
                                  "-inf",
                                  "--3",
                                  "-0",
                                  QString(40, QLatin1Char(',')),
                                  "9999999999",
                                  "999999",
                                  "0.00000001",
                                  "1,5,5",
                                  "1.5.5",
                                  ".5",
                                  "5.",
                                  "+7",
                                  "\t4",
                                  "0x10",
                                  QStringLiteral("½")};
        const char *nomi[] = {"AC", "AB", "BD", "Alfa", "Beta"};
        for (int campo = 0; campo < 5; ++campo) {
            for (const QString &testo : cattivi)
                QTest::newRow(qPrintable(QStringLiteral("%1 '%2'").arg(QLatin1String(nomi[campo]), testo)))
                    << campo << testo;
        }
    }
    void inputCattivo()
    {
        QFETCH(int, campo);
        QFETCH(QString, testo);
        static const char *prompts[] = {"AC deve essere un numero > 0!", "AB deve essere un numero >0!",
                                        "BD deve essere un numero >0!", "Alfa deve essere un numero >0!",
                                        "Beta deve essere un numero >0!"};
        static QString Figure::*const campi[] = {&Figure::AC, &Figure::AB, &Figure::BD, &Figure::Alfa, &Figure::Beta};
        for (const char *chiudi : {"T", "F"}) {
            PiattaformaRegistra registra;
            Figure f{"80", "100", "60", "50", "70", QLatin1String(chiudi)};
            f.*campi[campo] = testo;
            StatoSviluppo s;
            ImpostaFigure(s, f);
            // Judged on the text as the fixed-width field holds it.
            static TestoFisso StatoSviluppo::*const testi[] = {&StatoSviluppo::TestoAC, &StatoSviluppo::TestoAB,
                                                               &StatoSviluppo::TestoBD, &StatoSviluppo::TestoAlfa,
                                                               &StatoSviluppo::TestoBeta};
            const QString nelCampo = s.*testi[campo];
            const bool scartato = !ENumerico(nelCampo) || !(ValoreDi(nelCampo) > 0);
            ContestoCalcolo c{s};
            const bool sviluppato = CalcolaSviluppo(c);
            if (scartato) {
                QVERIFY(!sviluppato);
                // A number with an exponent is told what the field takes instead.
                QString prompt = QLatin1String(prompts[campo]);
                if (testo.startsWith(QLatin1String("1e")))
                    prompt = prompt.chopped(1) +
                             QStringLiteral(", scritto in cifre senza esponente e in non più di %1 caratteri!")
                                 .arg((s.*testi[campo]).larghezza());
                QCOMPARE(registra.prompts, QStringList{prompt});
            } else if (sviluppato) {
                QVERIFY(registra.prompts.isEmpty());
                QVERIFY(SviluppoFinito(s));
            } else {
                QCOMPARE(registra.prompts.size(), 1);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestCalcolaSviluppo)
#include "TestCalcolaSviluppo.moc"
