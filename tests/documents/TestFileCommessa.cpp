// The .vorna job file: the documented example, round trips through real files, every refusal.
#include "documents/ArchivioCommessa.h"
#include "documents/FileCommessa.h"
#include "tests/support/FileDiProva.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>
#include <cstring>

namespace {
SorgentePezzo tronco(const QString &nome, const QString &ac, const QString &ab, const QString &bd, const QString &alfa,
                     const QString &beta, const QString &chiudiAC)
{
    SorgentePezzo pezzo;
    FigureSviluppo &f = pezzo.tronco;
    f.Nome = nome;
    f.TestoAC = ac;
    f.TestoAB = ab;
    f.TestoBD = bd;
    f.TestoAlfa = alfa;
    f.TestoBeta = beta;
    f.ImpostaChiusura(chiudiAC);
    return pezzo;
}

SorgentePezzo conLamiera(SorgentePezzo pezzo, const QString &spessore, QuoteLamiera quote)
{
    pezzo.tronco.TestoSpessore = spessore;
    pezzo.tronco.Quote = quote;
    return pezzo;
}

Commessa commessa(const QString &nome, std::vector<SorgentePezzo> pezzi)
{
    Commessa c;
    c.nome = nome;
    c.pezzi = std::move(pezzi);
    return c;
}

// The example of the README, written by hand, with keys this program does not know.
const QByteArray k_Esempio = R"({
    "formato": "vorna-commessa",
    "versione": 1,
    "nome": "Tramoggia silo 3",
    "cliente": "una chiave sconosciuta si ignora",
    "pezzi": [
        {
            "solido": "tronco",
            "nome": "Cono superiore",
            "AC": "427.2", "AB": "600", "BD": "427.2",
            "Alfa": "69.444", "Beta": "69.444",
            "chiusura": "AC",
            "lamiera": { "spessore": "3", "quote": "esterne" }
        },
        {
            "solido": "tronco",
            "nome": "Raccordo a 30°",
            "AC": "200,5", "AB": "300", "BD": "250",
            "Alfa": "90", "Beta": "60",
            "chiusura": "BD",
            "materiale": "S235"
        }
    ]
}
)";

Commessa esempio()
{
    return commessa(QStringLiteral("Tramoggia silo 3"),
                    {conLamiera(tronco(QStringLiteral("Cono superiore"), QStringLiteral("427.2"), QStringLiteral("600"),
                                       QStringLiteral("427.2"), QStringLiteral("69.444"), QStringLiteral("69.444"),
                                       QStringLiteral("T")),
                                QStringLiteral("3"), QuoteLamiera::Esterne),
                     tronco(QStringLiteral("Raccordo a 30°"), QStringLiteral("200,5"), QStringLiteral("300"),
                            QStringLiteral("250"), QStringLiteral("90"), QStringLiteral("60"), QStringLiteral("F"))});
}

QJsonObject pezzoValido() { return QJsonDocument::fromJson(k_Esempio).object()[QStringLiteral("pezzi")][0].toObject(); }

// The example with its first piece changed by `cambia` and `pezzi` copies of it.
template <typename Cambia> QByteArray variante(Cambia cambia, int pezzi = 1)
{
    QJsonObject radice = QJsonDocument::fromJson(k_Esempio).object();
    QJsonArray elenco;
    for (int i = 0; i < pezzi; ++i)
        elenco.append(pezzoValido());
    radice[QStringLiteral("pezzi")] = elenco;
    cambia(radice);
    return QJsonDocument(radice).toJson();
}

void cambiaPezzo(QJsonObject &radice, int indice, const QString &chiave, const QJsonValue &valore)
{
    QJsonArray elenco = radice[QStringLiteral("pezzi")].toArray();
    QJsonObject pezzo = elenco[indice].toObject();
    if (valore.isUndefined())
        pezzo.remove(chiave);
    else
        pezzo[chiave] = valore;
    elenco[indice] = pezzo;
    radice[QStringLiteral("pezzi")] = elenco;
}
} // namespace

class TestFileCommessa : public QObject {
    Q_OBJECT

private slots:
    void esempioDocumentato()
    {
        Commessa letta;
        QCOMPARE(CommessaDaJson(k_Esempio, letta), QString());
        QVERIFY(StessoContenuto(letta, esempio()));
        // Written back: the same document without the unknown keys, the figures as typed.
        QJsonObject atteso = QJsonDocument::fromJson(k_Esempio).object();
        atteso.remove(QStringLiteral("cliente"));
        cambiaPezzo(atteso, 1, QStringLiteral("materiale"), QJsonValue::Undefined);
        QCOMPARE(QJsonDocument::fromJson(CommessaInJson(letta)).object(), atteso);
    }

    // Workshop figures, material and bends through a real file: every bit of the doubles comes
    // back, the shortest decimal that JSON writes being the only text in between. A file without
    // them, written before they existed, opens with none.
    void officinaSuDisco()
    {
        SorgentePezzo pezzo =
            conLamiera(tronco(QStringLiteral("Riduzione"), QStringLiteral("427.200187"), QStringLiteral("600"),
                              QStringLiteral("427.200187"), QStringLiteral("69.444"), QStringLiteral("69.444"),
                              QStringLiteral("F")),
                       QStringLiteral("3"), QuoteLamiera::Esterne);
        const FigureOfficina officina{600.0 / 7, std::nextafter(300.0, 0.0), 0.1 + 0.2, -1.0 / 3, 1e-300};
        pezzo.tronco.Officina = officina;
        pezzo.tronco.MaterialeLamiera = {QStringLiteral("Altro"), 7.0 / 9};
        pezzo.tronco.Pieghe = 12;
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("officina.vorna"));
        QVERIFY(ScriviCommessa(percorso, commessa(QStringLiteral("Riduzione"), {pezzo})));
        Commessa letta;
        QVERIFY(LeggiCommessa(percorso, letta));
        const FigureSviluppo &f = letta.pezzi.front().tronco;
        QVERIFY(f.Officina);
        const double scritti[] = {officina.D1, officina.D2, officina.H, officina.Taglio1, officina.Taglio2, 7.0 / 9};
        const double riletti[] = {f.Officina->D1,      f.Officina->D2,      f.Officina->H,
                                  f.Officina->Taglio1, f.Officina->Taglio2, f.MaterialeLamiera.densita};
        QCOMPARE(std::memcmp(scritti, riletti, sizeof scritti), 0);
        QCOMPARE(f.MaterialeLamiera.nome, QStringLiteral("Altro"));
        QCOMPARE(f.Pieghe, 12);

        Commessa vecchia;
        QCOMPARE(CommessaDaJson(k_Esempio, vecchia), QString());
        for (const SorgentePezzo &p : vecchia.pezzi) {
            QVERIFY(!p.tronco.Officina);
            QCOMPARE(p.tronco.Pieghe, 0);
            QCOMPARE(p.tronco.MaterialeLamiera.densita, 7.85);
        }
        // Figures that describe no solid never reach the development.
        QJsonObject ostile = QJsonDocument::fromJson(CommessaInJson(letta)).object();
        cambiaPezzo(ostile, 0, QStringLiteral("officina"),
                    QJsonObject{{"D1", 600}, {"D2", 300}, {"H", -400}, {"taglio1", 0}, {"taglio2", 0}});
        Commessa rifiutata;
        QCOMPARE(CommessaDaJson(QJsonDocument(ostile).toJson(), rifiutata),
                 QStringLiteral("pezzo 1: \"officina\" non descrive un tronco di cono o di cilindro"));
    }

    // An eccentric reducer through a real file: awkward doubles come back bit for bit; figures the
    // worksheet would refuse are refused on reading; a .tnt cannot hold it and nothing is written.
    void eccentricoSuDisco()
    {
        SorgentePezzo pezzo;
        pezzo.solido = TipoSolido::Eccentrico;
        FigureEccentrico &e = pezzo.eccentrico;
        e.nome = QStringLiteral("Riduzione è 600/300");
        e.cono = {600.0 / 7 * 7.000001, std::nextafter(300.0, 0.0), 0.1 + 0.2 + 400, 150.0 / 3.0001, 1.0 / 3,
                  QuoteLamiera::Interne};
        e.cucitura = {TipoCucitura::Angolo, -1.0 / 7};
        e.materiale = {QStringLiteral("Inox"), 7.93};
        e.generatori = 37;
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("eccentrica.vorna"));
        QVERIFY(ScriviCommessa(percorso, commessa(QStringLiteral("Riduzione"), {pezzo})));
        Commessa letta;
        QVERIFY(LeggiCommessa(percorso, letta));
        QVERIFY(letta.pezzi.front().solido == TipoSolido::Eccentrico);
        const FigureEccentrico &r = letta.pezzi.front().eccentrico;
        const double scritti[] = {e.cono.D1,          e.cono.D2,       e.cono.H,
                                  e.cono.Scostamento, e.cono.Spessore, e.cucitura.gradi};
        const double riletti[] = {r.cono.D1,          r.cono.D2,       r.cono.H,
                                  r.cono.Scostamento, r.cono.Spessore, r.cucitura.gradi};
        QCOMPARE(std::memcmp(scritti, riletti, sizeof scritti), 0);
        QVERIFY(StessoContenuto(letta, commessa(QStringLiteral("Riduzione"), {pezzo})));
        QCOMPARE(r.generatori, 37);

        // Folding over: the thickness against the tightest curvature.
        QJsonObject ostile = QJsonDocument::fromJson(CommessaInJson(letta)).object();
        cambiaPezzo(ostile, 0, QStringLiteral("scostamento"), 1e6);
        Commessa rifiutata;
        QVERIFY(CommessaDaJson(QJsonDocument(ostile).toJson(), rifiutata)
                    .startsWith(QStringLiteral("pezzo 1: riduzione eccentrica non valida: ")));
        cambiaPezzo(ostile, 0, QStringLiteral("D2"), -300);
        QCOMPARE(CommessaDaJson(QJsonDocument(ostile).toJson(), rifiutata),
                 QStringLiteral("pezzo 1: riduzione eccentrica non valida: D2 deve essere un numero >0 (mm)!"));

        const QString tnt = cartella.filePath(QStringLiteral("eccentrica.tnt"));
        const EsitoFile esito = SalvaCommessa(tnt, letta);
        QVERIFY(!esito);
        QVERIFY2(esito.motivo.contains(QStringLiteral(".vorna")), qPrintable(esito.motivo));
        QVERIFY(!QFile::exists(tnt));
    }

    void giroSuDisco_data()
    {
        QTest::addColumn<int>("quale");
        QTest::newRow("pezzo nudo") << 0;
        QTest::newRow("pezzo con lamiera") << 1;
        QTest::newRow("tre pezzi") << 2;
    }
    void giroSuDisco()
    {
        QFETCH(int, quale);
        const SorgentePezzo nudo =
            tronco(QStringLiteral("Cilindro è 45°"), QStringLiteral(" 60."), QStringLiteral("120,25"),
                   QStringLiteral("60."), QStringLiteral("90"), QStringLiteral("90"), QStringLiteral("T"));
        const SorgentePezzo lamiera = conLamiera(
            tronco(QString(40, QChar(0x20ac)), QStringLiteral("1234567.89"), QStringLiteral("600"),
                   QStringLiteral("1e3"), QStringLiteral("69.444"), QStringLiteral("100.00"), QStringLiteral("F")),
            QStringLiteral("2,5"), QuoteLamiera::Interne);
        const std::vector<std::vector<SorgentePezzo>> pezzi = {
            {nudo}, {lamiera}, {lamiera, nudo, conLamiera(nudo, QStringLiteral("0"), QuoteLamiera::Medie)}};
        const Commessa scritta = commessa(QStringLiteral("Tramoggia n° 12 – caffè"), pezzi[size_t(quale)]);

        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("commessa.vorna"));
        QVERIFY(ScriviCommessa(percorso, scritta));
        const QByteArray byte = LeggiTutto(percorso);
        QVERIFY(byte.contains("\"nome\": \"Tramoggia n\xc2\xb0 12 \xe2\x80\x93 caff\xc3\xa8\"")); // UTF-8
        QCOMPARE(byte.contains("\"lamiera\""), quale != 0);

        Commessa letta;
        QVERIFY(LeggiCommessa(percorso, letta));
        QVERIFY(StessoContenuto(letta, scritta));
        QCOMPARE(letta.percorso, percorso);
        QVERIFY(letta.salvataggio == Salvataggio::Salvato);
        // Padding aside, every text comes back as it was typed, leading blank and 0 thickness included.
        QCOMPARE(letta.pezzi.back().tronco.TestoAC.testo(), scritta.pezzi.back().tronco.TestoAC.testo());
        QCOMPARE(letta.pezzi.back().tronco.TestoSpessore.testo(), scritta.pezzi.back().tronco.TestoSpessore.testo());
    }

    void rifiuti_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("motivo");
        const auto pezzo = [](const char *chiave, const QJsonValue &valore, int indice = 0) {
            return [=](QJsonObject &r) { cambiaPezzo(r, indice, QLatin1String(chiave), valore); };
        };
        const auto radice = [](const char *chiave, const QJsonValue &valore) {
            return [=](QJsonObject &r) { r[QLatin1String(chiave)] = valore; };
        };
        QTest::newRow("non JSON") << QByteArray("{\"formato\": vorna}")
                                  << "non contiene un testo JSON valido (errore al byte 13)";
        QTest::newRow("troncato") << k_Esempio.left(k_Esempio.size() / 2) << "non contiene un testo JSON valido";
        QTest::newRow("vuoto") << QByteArray() << "non contiene un testo JSON valido";
        QTest::newRow("elenco") << QByteArray("[1, 2]")
                                << "non è una commessa di Vorna: il testo JSON non è un oggetto";
        QTest::newRow("altro formato") << variante(radice("formato", QStringLiteral("dxf")))
                                       << "non è una commessa di Vorna";
        QTest::newRow("versione futura") << variante(radice("versione", 2))
                                         << "creato da una versione più recente di Vorna (formato 2;";
        QTest::newRow("versione testo") << variante(radice("versione", QStringLiteral("1")))
                                        << "la versione del formato manca";
        QTest::newRow("versione 1.5") << variante(radice("versione", 1.5)) << "la versione del formato manca";
        QTest::newRow("nome numero") << variante(radice("nome", 3)) << "il nome della commessa manca";
        QTest::newRow("senza pezzi") << variante([](QJsonObject &) {}, 0) << "la commessa non contiene pezzi";
        QTest::newRow("pezzi oggetto") << variante(radice("pezzi", QJsonObject())) << "manca l'elenco dei pezzi";
        QTest::newRow("troppi pezzi") << variante([](QJsonObject &) {}, 1001)
                                      << "la commessa contiene 1001 pezzi, più dei 1000";
        QTest::newRow("pezzo testo") << variante([](QJsonObject &r) {
            r[QLatin1String("pezzi")] = QJsonArray{pezzoValido(), QStringLiteral("cono")};
        }) << "pezzo 2: non è un oggetto";
        QTest::newRow("solido sconosciuto") << variante(pezzo("solido", QStringLiteral("sfera")))
                                            << "pezzo 1: \"solido\" vale \"sfera\" invece di tronco";
        QTest::newRow("figura mancante") << variante(pezzo("BD", QJsonValue::Undefined, 2), 3)
                                         << "pezzo 3: manca \"BD\"";
        QTest::newRow("figura numero") << variante(pezzo("AC", 427.2)) << "pezzo 1: \"AC\" non è un testo";
        QTest::newRow("angolo troppo lungo")
            << variante(pezzo("Alfa", QStringLiteral("69.4444"))) << "pezzo 1: \"Alfa\" ha 7 caratteri, più dei 6";
        QTest::newRow("nome troppo lungo") << variante(pezzo("nome", QString(41, QLatin1Char('x'))))
                                           << "pezzo 1: \"nome\" ha 41 caratteri, più dei 40";
        QTest::newRow("chiusura sconosciuta") << variante(pezzo("chiusura", QStringLiteral("ac")))
                                              << "pezzo 1: \"chiusura\" vale \"ac\" invece di AC, BD";
        QTest::newRow("quote sconosciute")
            << variante(pezzo("lamiera", QJsonObject{{"spessore", "3"}, {"quote", "fuori"}}))
            << "pezzo 1: \"quote\" vale \"fuori\" invece di interne, esterne, medie";
        QTest::newRow("spessore numero") << variante(pezzo("lamiera", QJsonObject{{"spessore", 3}, {"quote", "medie"}}))
                                         << "pezzo 1: \"spessore\" non è un testo";
        QTest::newRow("lamiera testo") << variante(pezzo("lamiera", QStringLiteral("3 mm")))
                                       << "pezzo 1: \"lamiera\" non è un oggetto";
    }
    void rifiuti()
    {
        QFETCH(QByteArray, json);
        QFETCH(QString, motivo);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("guasta.vorna"));
        QVERIFY(ScriviTutto(percorso, json));
        Commessa aperta = esempio();
        aperta.percorso = QStringLiteral("/lavori/silo.vorna");
        aperta.salvataggio = Salvataggio::DaSalvare;

        const EsitoFile esito = LeggiCommessa(percorso, aperta);
        QVERIFY2(esito.motivo.startsWith(motivo), qPrintable(esito.motivo));
        QVERIFY(StessoContenuto(aperta, esempio()));
        QCOMPARE(aperta.percorso, QStringLiteral("/lavori/silo.vorna"));
        QVERIFY(aperta.salvataggio == Salvataggio::DaSalvare);
    }

    void limiteDiDimensione()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("grande.vorna"));
        // Trailing blanks are valid JSON: the limit alone decides.
        QByteArray json = k_Esempio.leftJustified(k_MassimoFileCommessa, ' ');
        QVERIFY(ScriviTutto(percorso, json));
        Commessa letta;
        QVERIFY(LeggiCommessa(percorso, letta));
        QVERIFY(ScriviTutto(percorso, json + ' '));
        QCOMPARE(LeggiCommessa(percorso, letta).motivo, QStringLiteral("oltre 1 MiB, troppo grande per una commessa"));
    }

    void scritturaRifiutataLasciaIlFile()
    {
        // A job the reader would refuse is not written over a good file.
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("silo.vorna"));
        QVERIFY(ScriviTutto(percorso, k_Esempio));
        Commessa vuota = esempio();
        vuota.pezzi.clear();
        QCOMPARE(ScriviCommessa(percorso, vuota).motivo, QStringLiteral("la commessa non contiene pezzi"));
        QCOMPARE(LeggiTutto(percorso), k_Esempio);
    }
};

QTEST_GUILESS_MAIN(TestFileCommessa)
#include "TestFileCommessa.moc"
