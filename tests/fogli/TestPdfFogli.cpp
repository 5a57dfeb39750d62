// The tiled PDF of the command line read back by PyMuPDF: its sheets placed by their printed ranges
// and frames are the solid's development; a calibration moves every mark where it should; the
// scale bars are true; refusals write nothing.
#include "calibration/CorrezioneTara.h"
#include "calibration/FileTaratura.h"
#include "documents/RecordSviluppo.h"
#include "exports/EsportaPdf.h"
#include "fogli/GeometriaFogli.h"
#include "tests/support/FileDiProva.h"
#include "tests/support/ProcessoVorna.h"
#include "tests/geometry/Solido3D.h"
#include "tests/support/Confronto.h"
#include "tests/support/DiscoPieno.h"
#include "tests/support/PiattaformaFinta.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

namespace {
constexpr double k_TolleranzaMm = 0.1;
constexpr int k_GeneratoriAttesi = 1000; // per half: the solid's outline, far finer than 0.1 mm

struct Pagina {
    QRectF intervallo; // template mm; empty on the cover
    QPointF cornice;   // the frame's top-left corner on the page, mm
    std::map<QString, std::vector<QLineF>> linee;
    QString testo;
    std::vector<std::pair<QRectF, QString>> testi; // each as drawn, page mm
    QSizeF dimensioni;
};

QByteArray recordDi(const Figure &f, const QString &nome)
{
    RecordSviluppo r;
    r.Nome = nome;
    r.TestoAC = f.AC;
    r.TestoAB = f.AB;
    r.TestoBD = f.BD;
    r.TestoAlfa = f.Alfa;
    r.TestoBeta = f.Beta;
    r.ImpostaChiusura(f.ChiudiAC);
    return ByteDelRecord(r);
}

std::vector<Pagina> pagineDel(const QString &pdf)
{
    QProcess lettore;
    lettore.start(QStringLiteral(VORNA_PYTHON3), {QStringLiteral(VORNA_ESTRAI_PDF), pdf});
    lettore.waitForFinished(120000);
    std::vector<Pagina> pagine;
    for (const QJsonValue &v : QJsonDocument::fromJson(lettore.readAllStandardOutput()).array()) {
        const QJsonObject o = v.toObject();
        Pagina p;
        p.testo = o[QStringLiteral("testo")].toString();
        for (const QJsonValue &t : o[QStringLiteral("testi")].toArray()) {
            const QJsonArray b = t[QStringLiteral("box")].toArray();
            p.testi.emplace_back(
                QRectF(QPointF(b[0].toDouble(), b[1].toDouble()), QPointF(b[2].toDouble(), b[3].toDouble())),
                t[QStringLiteral("testo")].toString());
        }
        const QJsonArray d = o[QStringLiteral("dimensioni")].toArray();
        p.dimensioni = QSizeF(d[0].toDouble(), d[1].toDouble());
        const QJsonObject linee = o[QStringLiteral("linee")].toObject();
        for (auto it = linee.begin(); it != linee.end(); ++it) {
            auto &lista = p.linee[it.key()];
            for (const QJsonValue &l : it.value().toArray()) {
                const QJsonArray c = l.toArray();
                lista.emplace_back(c[0].toDouble(), c[1].toDouble(), c[2].toDouble(), c[3].toDouble());
            }
        }
        double x = INFINITY, y = INFINITY;
        for (const QLineF &l : p.linee[QStringLiteral("grigio")]) {
            x = std::min({x, l.x1(), l.x2()});
            y = std::min({y, l.y1(), l.y2()});
        }
        p.cornice = {x, y};
        const QJsonArray i = o[QStringLiteral("intervallo")].toArray();
        if (i.size() == 4)
            p.intervallo = QRectF(QPointF(i[0].toDouble(), i[2].toDouble()), QPointF(i[1].toDouble(), i[3].toDouble()));
        pagine.push_back(std::move(p));
    }
    return pagine;
}

// The development built from the solid in space, closed A-B-D-C, turned as the sheets are and
// read from the top-left of its extents with y down.
std::vector<QPointF> sviluppoDelSolido(const Figure &f, double rotazione)
{
    const Solido3D solido(f);
    std::vector<QPointF> ab, cd;
    for (int k = 1; k <= 2 * k_GeneratoriAttesi; ++k) {
        const double phi = Solido3D::PhiDelPunto(k, k_GeneratoriAttesi);
        if (solido.cono()) {
            const double psi = phi * std::sin(solido.semiApertura());
            ab.emplace_back(solido.TaglioAB(phi) * std::cos(psi), solido.TaglioAB(phi) * std::sin(psi));
            cd.emplace_back(solido.TaglioCD(phi) * std::cos(psi), solido.TaglioCD(phi) * std::sin(psi));
        } else {
            ab.emplace_back(solido.raggio() * phi, solido.TaglioAB(phi));
            cd.emplace_back(solido.raggio() * phi, solido.TaglioCD(phi));
        }
    }
    std::vector<QPointF> contorno(ab);
    contorno.insert(contorno.end(), cd.rbegin(), cd.rend());
    const double c = std::cos(rotazione * M_PI / 180), s = std::sin(rotazione * M_PI / 180);
    double minX = INFINITY, maxY = -INFINITY;
    for (QPointF &p : contorno) {
        p = {c * p.x() - s * p.y(), s * p.x() + c * p.y()};
        minX = std::min(minX, p.x());
        maxY = std::max(maxY, p.y());
    }
    for (QPointF &p : contorno)
        p = {p.x() - minX, maxY - p.y()};
    return contorno;
}

double distanza(QPointF p, const QLineF &l)
{
    const QPointF d = l.p2() - l.p1();
    const double l2 = QPointF::dotProduct(d, d);
    const double t = l2 > 0 ? std::clamp(QPointF::dotProduct(p - l.p1(), d) / l2, 0.0, 1.0) : 0;
    const QPointF q = l.p1() + t * d - p;
    return std::hypot(q.x(), q.y());
}

// The nearest of `segmenti` to p, those whose box is farther than the tolerance skipped.
double distanzaMinima(QPointF p, const std::vector<QLineF> &segmenti)
{
    double minima = INFINITY;
    for (const QLineF &l : segmenti) {
        if (p.x() < std::min(l.x1(), l.x2()) - k_TolleranzaMm || p.x() > std::max(l.x1(), l.x2()) + k_TolleranzaMm ||
            p.y() < std::min(l.y1(), l.y2()) - k_TolleranzaMm || p.y() > std::max(l.y1(), l.y2()) + k_TolleranzaMm)
            continue;
        minima = std::min(minima, distanza(p, l));
    }
    return minima;
}

// The pages of a PDF, counted by PyMuPDF.
int pagineContate(const QString &pdf)
{
    QProcess lettore;
    lettore.start(QStringLiteral(VORNA_PYTHON3), {QStringLiteral(VORNA_ESTRAI_PDF), QStringLiteral("--pagine"), pdf});
    lettore.waitForFinished(120000);
    bool numero = false;
    const int pagine = lettore.readAllStandardOutput().trimmed().toInt(&numero);
    return numero ? pagine : -1;
}

// vorna under a real limit of its address space, `kb` kilobytes, as `ulimit -v` sets it.
// AddressSanitizer reserves terabytes of address space at start: a limit on it stops the program
// before main.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VORNA_SENZA_LIMITI_DI_MEMORIA
#endif
#endif

Esito vornaLimitato(int kb, const QStringList &argomenti)
{
    QProcess processo;
    processo.start(QStringLiteral("/bin/sh"),
                   QStringList{QStringLiteral("-c"), QStringLiteral("ulimit -v %1; exec \"$0\" \"$@\"").arg(kb),
                               QStringLiteral(VORNA_ESEGUIBILE)} +
                       argomenti);
    if (!processo.waitForFinished(120000)) {
        processo.kill();
        processo.waitForFinished();
        return {};
    }
    return {processo.exitStatus() == QProcess::NormalExit ? processo.exitCode() : -1,
            {},
            QString::fromUtf8(processo.readAllStandardError())};
}

// The drawn area of a sheet's page: its frame, the grey lines' extents.
QSizeF cornice(const Pagina &p)
{
    QRectF r;
    for (const QLineF &l : p.linee.at(QStringLiteral("grigio")))
        r |= QRectF(l.p1(), l.p2()).normalized();
    return r.size();
}

bool tocca(const QRectF &r, const std::vector<QLineF> &linee)
{
    return std::any_of(linee.begin(), linee.end(),
                       [&](const QLineF &l) { return TagliaSegmento(l.p1(), l.p2(), r).has_value(); });
}

// Two texts touch when side by side on a line with less than a millimetre between them, or
// overlap in any way.
bool sToccano(const QRectF &a, const QRectF &b)
{
    const bool stessaRiga = a.top() < b.bottom() && b.top() < a.bottom();
    const bool stessaColonna = a.left() < b.right() && b.left() < a.right();
    if (stessaRiga && stessaColonna)
        return true;
    return stessaRiga && std::max(a.left(), b.left()) - std::min(a.right(), b.right()) < 1;
}

// The first two texts of a page that touch, named; empty when none does.
QString testiCheSiToccano(const Pagina &p)
{
    for (std::size_t a = 0; a < p.testi.size(); ++a)
        for (std::size_t b = a + 1; b < p.testi.size(); ++b)
            if (sToccano(p.testi[a].first, p.testi[b].first))
                return p.testi[a].second + QStringLiteral(" / ") + p.testi[b].second + QStringLiteral(" on ") +
                       p.testo.section(QLatin1Char('\n'), 0, 0);
    return {};
}

// Sets the working folder for the processes it starts, and back.
class Cartella {
public:
    Cartella() { QDir::setCurrent(m_dir.path()); }
    ~Cartella() { QDir::setCurrent(QDir::tempPath()); }
    QString operator()(const QString &nome) const { return m_dir.filePath(nome); }

private:
    QTemporaryDir m_dir;
};

RecordTara taraForte()
{
    RecordTara t = TaraDefault();
    t.NomeTara = QStringLiteral("Forte");
    t.XRea1 = QStringLiteral("133.00"); // the nominal 140 printed 5% short
    t.XRea2 = QStringLiteral("172.00");
    t.XRea3 = QStringLiteral("270.00");
    t.YRea1 = QStringLiteral("78.00"); // the nominal 75 printed 4% long
    t.YRea2 = QStringLiteral("153.00");
    t.YRea3 = QStringLiteral("199.00");
    t.ShiftX = QStringLiteral("5.0");
    t.ShiftY = QStringLiteral("-4.0");
    return t;
}
} // namespace

class TestPdfFogli : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!QFileInfo::exists(QStringLiteral(VORNA_PYTHON3)) ||
            QProcess::execute(QStringLiteral(VORNA_PYTHON3), {QStringLiteral("-c"), QStringLiteral("import fitz")}) !=
                0)
            QSKIP("python3-fitz not installed");
    }

    // Every piece of dark blue, moved by its sheet's range from its frame, lies on the solid's
    // development, and every point of the development lies on some piece.
    void riassemblaggio_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::addColumn<QStringList>("opzioni");
        QTest::newRow("cono 1,5 m, A4") << Figure{"700", "1500", "700", "60", "60"} << QStringList{};
        QTest::newRow("cono obliquo 3 m, A3 orizzontale")
            << Figure{"900", "2000", "700", "55", "65", "T"}
            << QStringList{"--paper", "A3", "--orientation", "landscape", "--overlap", "15"};
        QTest::newRow("cilindro obliquo, Default")
            << Figure{"800", "900", "500", "70", "110"} << QStringList{"--calibration", "Default", "--overlap", "0"};
    }
    void riassemblaggio()
    {
        QFETCH(Figure, figure);
        QFETCH(QStringList, opzioni);
        const Cartella cartella;
        QVERIFY(ScriviTarature({TaraDefault()}));
        QVERIFY(ScriviTutto(cartella("s.tnt"), recordDi(figure, QStringLiteral("Prova"))));
        const Esito e = vorna(QStringList{"--export-pdf", cartella("s.tnt"), cartella("s.pdf")} + opzioni);
        QCOMPARE(e.codice, 0);
        QCOMPARE(e.errori, QString());

        // The turn is the layout's choice, not the geometry under test.
        PiattaformaFinta piattaforma;
        RecordSviluppo record = RecordDaByte(recordDi(figure, QStringLiteral("Prova")));
        OpzioniPdf scelte;
        for (int i = 0; i + 1 < opzioni.size(); i += 2) {
            if (opzioni[i] == QLatin1String("--paper"))
                scelte.carta = QPageSize(QPageSize::A3);
            else if (opzioni[i] == QLatin1String("--overlap"))
                scelte.sovrapposizione = opzioni[i + 1].toDouble();
            else // --orientation landscape, or a calibration, whose sheets lie so
                scelte.orientamento = OrientamentoFogli::Orizzontale;
        }
        const ImpaginazioneFogli attesa = ImpaginaPdf(*SagomaDelleFigure(record), scelte);
        const std::vector<QPointF> solido = sviluppoDelSolido(figure, attesa.rotazione);

        const std::vector<Pagina> pagine = pagineDel(cartella("s.pdf"));
        QCOMPARE(int(pagine.size()), attesa.stampati + 1);
        std::vector<QLineF> pezzi;
        for (std::size_t i = 1; i < pagine.size(); ++i) {
            const Pagina &p = pagine[i];
            QVERIFY(!p.intervallo.isEmpty());
            for (const QLineF &l : p.linee.at(QStringLiteral("blu")))
                pezzi.push_back(l.translated(p.intervallo.topLeft() - p.cornice));
        }
        QVERIFY(!pezzi.empty());
        std::vector<QLineF> contorno;
        for (std::size_t i = 0; i < solido.size(); ++i)
            contorno.emplace_back(solido[i], solido[(i + 1) % solido.size()]);
        for (const QLineF &pezzo : pezzi)
            for (const QPointF &estremo : {pezzo.p1(), pezzo.p2()})
                QVERIFY2(distanzaMinima(estremo, contorno) <= k_TolleranzaMm,
                         qPrintable(QStringLiteral("%1, %2 off the development").arg(estremo.x()).arg(estremo.y())));
        for (const QPointF &punto : solido)
            QVERIFY2(distanzaMinima(punto, pezzi) <= k_TolleranzaMm,
                     qPrintable(QStringLiteral("%1, %2 on no sheet").arg(punto.x()).arg(punto.y())));
    }

    // One uncorrected and one strongly corrected export of the same blank: each mark of each page,
    // corrected in its sheet's own millimetres, is where the calibrated page has it; the bars of
    // the uncorrected one are 100 mm.
    void taraturaEScale()
    {
        const Cartella cartella;
        QVERIFY(ScriviTarature({TaraDefault(), taraForte()}));
        QVERIFY(
            ScriviTutto(cartella("s.tnt"), recordDi({"400", "900", "300", "75", "70"}, QStringLiteral("Tramoggia"))));
        // Calibrated sheets lie as the test grid did: landscape.
        QCOMPARE(vorna({"--export-pdf", cartella("s.tnt"), cartella("vero.pdf"), "--orientation", "landscape"}).codice,
                 0);
        QCOMPARE(vorna({"--export-pdf", cartella("s.tnt"), cartella("forte.pdf"), "--calibration", "forte"}).codice, 0);
        const std::vector<Pagina> vere = pagineDel(cartella("vero.pdf")), corrette = pagineDel(cartella("forte.pdf"));
        QVERIFY(vere.size() > 2);
        QCOMPARE(corrette.size(), vere.size());
        QVERIFY(corrette.front().testo.contains(QStringLiteral("Taratura: Forte")));
        QVERIFY(vere.front().testo.contains(QStringLiteral("Nessuna taratura")));

        const CorrezioneTara correzione(taraForte());
        // Where sheet mm 0, 0 is printed before any correction: a sheet's frame corner.
        const QPointF margine = vere[1].cornice;
        for (std::size_t i = 0; i < vere.size(); ++i)
            for (const auto &[colore, linee] : vere[i].linee) {
                const std::vector<QLineF> &spostate = corrette[i].linee.at(colore);
                QCOMPARE(spostate.size(), linee.size());
                for (std::size_t k = 0; k < linee.size(); ++k)
                    for (const auto &[vero, corretto] :
                         {std::pair(linee[k].p1(), spostate[k].p1()), std::pair(linee[k].p2(), spostate[k].p2())}) {
                        const QPointF foglio = vero - margine;
                        QCOMPARE_VICINO(corretto.x(), margine.x() + correzione.X(foglio.x()), 0.005);
                        QCOMPARE_VICINO(corretto.y(), margine.y() + correzione.Y(foglio.y()), 0.005);
                    }
            }

        // The bars only where a sheet has room off the material; the cover when none has.
        int conScale = 0;
        for (std::size_t i = 0; i < vere.size(); ++i) {
            int orizzontali = 0, verticali = 0;
            for (const QLineF &l : vere[i].linee.at(QStringLiteral("nero")))
                if (l.length() > 90) {
                    QCOMPARE_VICINO(l.length(), 100.0, 0.05);
                    ++(l.dy() == 0 ? orizzontali : verticali);
                }
            QCOMPARE(orizzontali, verticali);
            QVERIFY(orizzontali <= 1);
            conScale += orizzontali;
        }
        QVERIFY(conScale >= 1);
    }

    // A3 lays the sheets on its whole printable area, 400 x 277 mm inside the 10 mm margins, about
    // half the A4 sheets; through a calibration only the 280 x 200 mm it covers.
    void a3SuTuttaLArea()
    {
        const Cartella cartella;
        QVERIFY(ScriviTarature({TaraDefault()}));
        QVERIFY(
            ScriviTutto(cartella("s.tnt"), recordDi({"500", "2000", "400", "70", "75"}, QStringLiteral("Tramoggia"))));
        for (const QString nome : {"a4", "a3", "tarata"}) {
            QStringList opzioni{"--export-pdf", cartella("s.tnt"), cartella(nome + ".pdf")};
            if (nome != QLatin1String("a4"))
                opzioni << "--paper"
                        << "A3";
            if (nome == QLatin1String("tarata"))
                opzioni << "--calibration"
                        << "Default";
            QCOMPARE(vorna(opzioni).codice, 0);
        }
        const std::vector<Pagina> a4 = pagineDel(cartella("a4.pdf")), a3 = pagineDel(cartella("a3.pdf")),
                                  tarata = pagineDel(cartella("tarata.pdf"));
        const auto lati = [](QSizeF s) {
            return std::pair(std::max(s.width(), s.height()), std::min(s.width(), s.height()));
        };
        for (const auto &[pagine, lungo, corto] :
             {std::tuple(&a3, 400.0, 277.0), std::tuple(&tarata, 280.0, 200.0), std::tuple(&a4, 277.0, 190.0)}) {
            QVERIFY(pagine->size() > 1);
            for (std::size_t i = 0; i < pagine->size(); ++i) {
                QCOMPARE_VICINO(lati((*pagine)[i].dimensioni).first, 420.0 - 123.0 * (pagine == &a4), 0.5);
                if (!(*pagine)[i].intervallo.isEmpty()) {
                    QCOMPARE_VICINO(lati(cornice((*pagine)[i])).first, lungo, 0.05);
                    QCOMPARE_VICINO(lati(cornice((*pagine)[i])).second, corto, 0.05);
                }
            }
        }
        QVERIFY2(a3.size() * 10 < a4.size() * 7,
                 qPrintable(QStringLiteral("%1 A3, %2 A4").arg(a3.size()).arg(a4.size())));
    }

    // A large hopper: on every sheet no two texts touch, no corner letter or generator number
    // sits on the outline, and the scale bars and the title lie off the material; the cover names
    // every sheet, on as many pages as it needs, and the corners.
    void testiEScaleDiUnaTramoggia_data()
    {
        QTest::addColumn<Figure>("figure");
        QTest::newRow("tramoggia 900 mm") << Figure{"900", "3000", "900", "60", "60"};
        QTest::newRow("griglia lunga") << Figure{"1500", "2200", "1500", "90", "90"};
    }
    void testiEScaleDiUnaTramoggia()
    {
        QFETCH(Figure, figure);
        const Cartella cartella;
        QVERIFY(ScriviTutto(cartella("s.tnt"), recordDi(figure, QStringLiteral("Tramoggia"))));
        QCOMPARE(vorna({"--export-pdf", cartella("s.tnt"), cartella("s.pdf")}).codice, 0);
        PiattaformaFinta piattaforma;
        const ImpaginazioneFogli attesa =
            ImpaginaPdf(*SagomaDelleFigure(RecordDaByte(recordDi(figure, QStringLiteral("Tramoggia")))), {});
        const std::vector<Pagina> pagine = pagineDel(cartella("s.pdf"));
        const std::size_t copertina = pagine.size() - std::size_t(attesa.stampati);
        QVERIFY(copertina >= 1);

        QStringList nomi;
        for (std::size_t i = 0; i < copertina; ++i)
            for (const auto &[box, testo] : pagine[i].testi)
                nomi << testo;
        for (const Foglio &f : attesa.fogli)
            if (f.stampato)
                QVERIFY2(nomi.contains(f.etichetta), qPrintable(f.etichetta));
        for (const char *lettera : {"A", "B", "C", "D"})
            QVERIFY2(nomi.contains(QLatin1String(lettera)), lettera);

        int scale = 0;
        for (std::size_t i = copertina; i < pagine.size(); ++i) {
            const Pagina &p = pagine[i];
            const std::vector<QLineF> &blu = p.linee.at(QStringLiteral("blu"));
            const auto nelMateriale = [&](QPointF punto) {
                return DentroContorno(attesa.sagoma, punto - p.cornice + p.intervallo.topLeft());
            };
            const QString toccano = testiCheSiToccano(p);
            QVERIFY2(toccano.isEmpty(), qPrintable(toccano));
            for (const auto &[box, testo] : p.testi) {
                const bool segno = testo.size() == 1 || testo.toInt() > 0;
                if (segno || testo.startsWith(QLatin1String("Cono:")))
                    QVERIFY2(!tocca(box, blu), qPrintable(testo + QStringLiteral(" on the outline")));
                if (testo.startsWith(QLatin1String("Cono:")))
                    QVERIFY(!nelMateriale(box.center()));
            }
            for (const QLineF &l : p.linee.at(QStringLiteral("nero")))
                if (l.length() > 90) {
                    ++scale;
                    QVERIFY(!tocca(QRectF(l.p1(), l.p2()).normalized().adjusted(-1, -1, 1, 1), blu));
                    QVERIFY(!nelMateriale(l.center()));
                }
        }
        QVERIFY(scale >= 2);
    }

    // A job's sheets carry a longer corner line, "foglio 3 di 8 · Pezzo 2 di 4", and a title
    // naming the piece: on every sheet of every piece no two texts touch, and each sheet names its
    // piece once. The same pieces as a job of their own, named at the field's full 40 characters.
    void testiDeiFogliDiUnaCommessa_data()
    {
        QTest::addColumn<bool>("nomiLunghi");
        QTest::newRow("gomito di 4 pezzi") << false;
        QTest::newRow("nomi lunghi") << true;
    }
    void testiDeiFogliDiUnaCommessa()
    {
        QFETCH(bool, nomiLunghi);
        const Cartella cartella;
        const QString job = cartella(QStringLiteral("gomito.vorna"));
        QCOMPARE(vorna({"--new-elbow", job, "--d", "300", "--radius", "450", "--angle", "90", "--pieces", "4"}).codice,
                 0);
        const auto nome = [&](int pezzo) {
            return nomiLunghi ? QStringLiteral("Gomito-A lato caldaia, pezzo %1 di prova").arg(pezzo).left(40)
                              : QString();
        };
        if (nomiLunghi) {
            QJsonObject o = QJsonDocument::fromJson(LeggiTutto(job)).object();
            o.remove(QStringLiteral("gomito"));
            QJsonArray pezzi = o[QStringLiteral("pezzi")].toArray();
            for (int i = 0; i < pezzi.size(); ++i) {
                QJsonObject pezzo = pezzi[i].toObject();
                pezzo[QStringLiteral("nome")] = nome(i + 1);
                pezzi[i] = pezzo;
            }
            o[QStringLiteral("pezzi")] = pezzi;
            QVERIFY(ScriviTutto(job, QJsonDocument(o).toJson()));
        }
        QCOMPARE(vorna({"--export-pdf", job, cartella("gomito.pdf")}).codice, 0);

        const QRegularExpression angolo(QStringLiteral("^foglio \\d+ di \\d+ \u00B7 Pezzo (\\d) di 4(.*)$"));
        const QRegularExpression ripetuto(QStringLiteral("Pezzo (\\d) di 4 \u00B7 Pezzo \\1(?!\\d)"));
        std::set<int> pezzi;
        int fogli = 0;
        for (const Pagina &p : pagineDel(cartella("gomito.pdf"))) {
            if (p.intervallo.isEmpty())
                continue; // a cover
            ++fogli;
            const QString toccano = testiCheSiToccano(p);
            QVERIFY2(toccano.isEmpty(), qPrintable(toccano));
            QRegularExpressionMatch trovato;
            for (const auto &[box, testo] : p.testi)
                if (const auto t = angolo.match(testo); t.hasMatch())
                    trovato = t;
            QVERIFY2(trovato.hasMatch(), qPrintable(p.testo.left(300)));
            const int pezzo = trovato.captured(1).toInt();
            pezzi.insert(pezzo);
            const QString resto = nomiLunghi ? QStringLiteral(" \u00B7 ") + nome(pezzo) : QString();
            QCOMPARE(trovato.captured(2), resto);
            QVERIFY2(!p.testo.contains(ripetuto), qPrintable(p.testo.left(300)));
        }
        QCOMPARE(pezzi, (std::set<int>{1, 2, 3, 4}));
        QVERIFY(fogli > 4);
    }

    // Thousands of sheets under a real limit of the address space that the whole PDF held in memory
    // does not fit: the pages are streamed, every one of them written.
    void migliaiaDiFogliInPocaMemoria()
    {
#ifdef VORNA_SENZA_LIMITI_DI_MEMORIA
        QSKIP("a limit of the address space stops a sanitized program before main");
#endif
        const Cartella cartella;
        const Figure silo{"3000", "10000", "3000", "90", "90"};
        QVERIFY(ScriviTutto(cartella("s.tnt"), recordDi(silo, QStringLiteral("Silo"))));
        const Esito e = vornaLimitato(170000, {"--export-pdf", cartella("s.tnt"), cartella("s.pdf")});
        QCOMPARE(e.errori, QString());
        QCOMPARE(e.codice, 0);
        PiattaformaFinta piattaforma;
        const ImpaginazioneFogli attesa =
            ImpaginaPdf(*SagomaDelleFigure(RecordDaByte(recordDi(silo, QStringLiteral("Silo")))), {});
        QVERIFY(attesa.stampati > 1500);
        QCOMPARE(pagineContate(cartella("s.pdf")), int(attesa.copertina.size()) + attesa.stampati);
    }

    // Whatever the limit, no abort: the PDF whole, or the lack of memory told with exit 2, the old
    // file intact and nothing left beside it. Below what the loader and the toolkit's start need the
    // program may not start at all (127, or a fault inside a system library); once one run has
    // started and answered, every larger limit must answer too.
    void memoriaCheManca()
    {
#ifdef VORNA_SENZA_LIMITI_DI_MEMORIA
        QSKIP("a limit of the address space stops a sanitized program before main");
#endif
        const Cartella cartella;
        QVERIFY(ScriviTutto(cartella("s.tnt"), recordDi({"300", "500", "250", "65", "75"}, QStringLiteral("Cono"))));
        int riuscite = 0, mancate = 0;
        for (int kb = 60000; kb <= 200000; kb += 5000) {
            QVERIFY(ScriviTutto(cartella("s.pdf"), "vecchio"));
            const Esito e = vornaLimitato(kb, {"--export-pdf", cartella("s.tnt"), cartella("s.pdf")});
            const QString esito = QStringLiteral("%1 kB: %2 %3").arg(kb).arg(e.codice).arg(e.errori);
            const bool avviato = riuscite + mancate > 0;
            QVERIFY2(e.codice == 0 || e.codice == 2 || (!avviato && (e.codice == 127 || e.codice == -1)),
                     qPrintable(esito));
            QCOMPARE(QDir(cartella(QString())).entryList(QDir::Files | QDir::Hidden), QStringList({"s.pdf", "s.tnt"}));
            if (e.codice == 0) {
                ++riuscite;
                QVERIFY2(pagineContate(cartella("s.pdf")) > 1, qPrintable(esito));
            } else {
                QCOMPARE(LeggiTutto(cartella("s.pdf")), QByteArray("vecchio"));
            }
            if (e.codice == 2) {
                ++mancate;
                QVERIFY2(e.errori.contains(QStringLiteral("memoria insufficiente")), qPrintable(esito));
            }
        }
        QVERIFY(riuscite > 0);
        QVERIFY(mancate > 0);
    }

    // Refusals: the old file stays as it was and the reason is told.
    void rifiuti_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("opzioni");
        QTest::addColumn<int>("codice");
        QTest::addColumn<QString>("messaggio");
        const QByteArray buono = recordDi({"80", "100", "80", "90", "90"}, QStringLiteral("Tubo"));
        QTest::newRow("figure") << recordDi({"abc", "100", "80", "90", "90"}, QStringLiteral("Tubo")) << QStringList{}
                                << 1 << "AC deve essere un numero > 0!";
        QTest::newRow("troppi fogli") << recordDi({"10000", "20000", "10000", "90", "90"}, QStringLiteral("Silo"))
                                      << QStringList{} << 1 << "servirebbero più di 10000 fogli";
        QTest::newRow("taratura sconosciuta")
            << buono << QStringList{"--calibration", "Epson"} << 2 << "Taratura sconosciuta: Epson";
        QTest::newRow("sovrapposizione") << buono << QStringList{"--overlap", "31"} << 2
                                         << "La sovrapposizione deve essere compresa tra 0 e 30 mm!";
        QTest::newRow("carta") << buono << QStringList{"--paper", "A5"} << 2 << "Carta sconosciuta: A5";
        QTest::newRow("taratura su fogli verticali")
            << buono << QStringList{"--calibration", "Default", "--orientation", "portrait"} << 2
            << "--orientation portrait non è ammesso";
        QTest::newRow("opzione") << buono << QStringList{"--scale", "2"} << 2 << "Opzione sconosciuta: --scale";
        QTest::newRow("valore mancante") << buono << QStringList{"--paper"} << 2 << "Numero di argomenti errato";
    }
    void rifiuti()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, opzioni);
        QFETCH(int, codice);
        QFETCH(QString, messaggio);
        const Cartella cartella;
        QVERIFY(ScriviTutto(cartella("s.tnt"), record));
        QVERIFY(ScriviTutto(cartella("s.pdf"), "vecchio"));
        const Esito e = vorna(QStringList{"--export-pdf", cartella("s.tnt"), cartella("s.pdf")} + opzioni);
        QCOMPARE(e.codice, codice);
        QVERIFY2(e.errori.contains(messaggio), qPrintable(e.errori));
        QCOMPARE(LeggiTutto(cartella("s.pdf")), QByteArray("vecchio"));
        QCOMPARE(QDir(cartella(QString())).entryList(QDir::Files), QStringList({"s.pdf", "s.tnt"}));
    }

    // A real full disk: the command names the reason, the old PDF stays as it was and no temporary
    // file is left beside it.
    void discoPieno()
    {
        DiscoPieno disco;
        MONTA_DISCO_PIENO(disco);
        const Cartella cartella;
        QVERIFY(ScriviTutto(cartella("s.tnt"), recordDi({"80", "100", "80", "90", "90"}, QStringLiteral("Tubo"))));
        const QString pdf = disco.percorso(QStringLiteral("s.pdf"));
        QVERIFY(ScriviTutto(pdf, "vecchio"));
        QVERIFY(disco.riempi());
        const Esito e = vorna({"--export-pdf", cartella("s.tnt"), pdf});
        QCOMPARE(e.codice, 2);
        QVERIFY2(e.errori.contains(QStringLiteral("disco pieno")), qPrintable(e.errori));
        QCOMPARE(LeggiTutto(pdf), QByteArray("vecchio"));
        QCOMPARE(QDir(disco.percorso(QString())).entryList(QDir::Files | QDir::Hidden),
                 QStringList({"riempitivo", "s.pdf"}));
    }
};

QTEST_GUILESS_MAIN(TestPdfFogli)
#include "TestPdfFogli.moc"
