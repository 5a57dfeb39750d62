// The plate outputs, from the nested option.
#include "plates/UsciteLamiere.h"

#include "exports/ScrittoreDxf.h"

#include <QLocale>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
// Texts of the marks and labels, mm: readable on a plate, small beside a piece.
constexpr double k_AltezzaTesto = 30, k_AltezzaTacca = 20;

QString numero(double valore, int decimali) { return QLocale::c().toString(valore, 'f', decimali); }

PuntoPiano baricentro(const Poligono &p)
{
    double a = 0, cx = 0, cy = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const PuntoPiano q = p[i], r = p[(i + 1) % p.size()];
        const double c = q.x * r.y - r.x * q.y;
        a += c;
        cx += (q.x + r.x) * c;
        cy += (q.y + r.y) * c;
    }
    return std::abs(a) > 0 ? PuntoPiano{cx / (3 * a), cy / (3 * a)} : p.front();
}

// "3000 x 1500" when the plates are all of a size, else "(2 da 6000 x 2000, 1 da 3000 x 1500)".
QString misureDelleLamiere(const std::vector<LamieraPosata> &lamiere)
{
    std::vector<std::pair<QString, int>> misure;
    for (const LamieraPosata &l : lamiere) {
        const QString m = TestoMisura(l.lamiera);
        const auto it = std::find_if(misure.begin(), misure.end(), [&](const auto &x) { return x.first == m; });
        if (it == misure.end())
            misure.emplace_back(m, 1);
        else
            ++it->second;
    }
    if (misure.size() == 1)
        return misure.front().first;
    QStringList parti;
    for (const auto &[m, quante] : misure)
        parti << QStringLiteral("%1 da %2").arg(quante).arg(m);
    return QLatin1Char('(') + parti.join(QStringLiteral(", ")) + QLatin1Char(')');
}

struct Totali {
    double area = 0, taglio = 0, saldatura = 0;
};

Totali totaliDi(const LamieraPosata &lamiera, const std::vector<PezzoLamiera> &pezzi)
{
    Totali t;
    for (const PezzoPosato &posato : lamiera.pezzi) {
        const PezzoLamiera &p = pezzi[size_t(posato.pezzo)];
        t.area += std::abs(AreaConSegno(p.contorno));
        t.taglio += Perimetro(p.contorno);
        t.saldatura += p.saldatura;
    }
    return t;
}
} // namespace

QString NomeDxfLamiera(int numero) { return QStringLiteral("lamiera-%1.dxf").arg(numero); }

QByteArray DxfDellaLamiera(const LamieraPosata &lamiera, const std::vector<PezzoLamiera> &pezzi)
{
    ScrittoreDxf dxf;
    const QString strato = QStringLiteral("LAMIERA"), taglio = QStringLiteral("TAGLIO"),
                  testi = QStringLiteral("TESTI"), marcatura = QStringLiteral("MARCATURA");
    dxf.Layer(strato, 8);
    dxf.Layer(taglio, 7);
    dxf.Layer(testi, 3);
    dxf.Layer(marcatura, 1);
    const double w = lamiera.lamiera.larghezza, h = lamiera.lamiera.altezza;
    dxf.PolilineaChiusa({{0, 0}, {w, 0}, {w, h}, {0, h}}, strato);
    for (const PezzoPosato &posato : lamiera.pezzi) {
        const PezzoLamiera &pezzo = pezzi[size_t(posato.pezzo)];
        const Poligono contorno = ContornoPosato(pezzo, posato);
        dxf.PolilineaChiusa(contorno, taglio);
        dxf.Testo(pezzo.nome, baricentro(contorno), k_AltezzaTesto, true, testi);
        const double c = std::cos(posato.angolo), s = std::sin(posato.angolo);
        for (const Tacca &t : pezzo.tacche) {
            const PuntoPiano v{c * t.versoInterno.x - s * t.versoInterno.y,
                               s * t.versoInterno.x + c * t.versoInterno.y};
            const PuntoPiano a = Posiziona({t.punto}, posato.angolo, posato.dx, posato.dy).front();
            // A short tick square to the seam, its number just inside the piece.
            dxf.Linea(a, {a.x + v.x * k_AltezzaTacca, a.y + v.y * k_AltezzaTacca}, marcatura);
            dxf.Testo(QString::number(t.numero), {a.x + v.x * 2.5 * k_AltezzaTacca, a.y + v.y * 2.5 * k_AltezzaTacca},
                      k_AltezzaTacca, true, marcatura);
        }
    }
    return dxf.Documento();
}

std::vector<QStringList> RigheLamiere(const OpzioneDivisione &opzione)
{
    std::vector<QStringList> righe{{QStringLiteral("Lamiera"), QStringLiteral("Larghezza (mm)"),
                                    QStringLiteral("Altezza (mm)"), QStringLiteral("Pezzi"), QStringLiteral("Uso (%)"),
                                    QStringLiteral("Taglio (m)"), QStringLiteral("Saldatura (m)")}};
    Totali tutto;
    double areaLamiere = 0;
    for (size_t n = 0; n < opzione.lamiere.size(); ++n) {
        const LamieraPosata &l = opzione.lamiere[n];
        const Totali t = totaliDi(l, opzione.diviso.pezzi);
        QStringList nomi;
        for (const PezzoPosato &p : l.pezzi)
            nomi << opzione.diviso.pezzi[size_t(p.pezzo)].nome;
        const double area = l.lamiera.larghezza * l.lamiera.altezza;
        righe.push_back({QString::number(n + 1), numero(l.lamiera.larghezza, 0), numero(l.lamiera.altezza, 0),
                         nomi.join(QLatin1Char(' ')), numero(100 * t.area / area, 1), numero(t.taglio / 1000, 3),
                         numero(t.saldatura / 1000, 3)});
        tutto.area += t.area;
        tutto.taglio += t.taglio;
        tutto.saldatura += t.saldatura;
        areaLamiere += area;
    }
    righe.push_back({QStringLiteral("Totale"), QString(), QString(), QString::number(opzione.diviso.pezzi.size()),
                     numero(areaLamiere > 0 ? 100 * tutto.area / areaLamiere : 0, 1), numero(tutto.taglio / 1000, 3),
                     numero(tutto.saldatura / 1000, 3)});
    return righe;
}

QByteArray CsvDelleLamiere(const OpzioneDivisione &opzione)
{
    QByteArray csv;
    for (const QStringList &riga : RigheLamiere(opzione))
        csv += riga.join(QLatin1Char(',')).toUtf8() + "\r\n";
    return csv;
}

QString HtmlDelleLamiere(const OpzioneDivisione &opzione, const QString &titolo)
{
    QString html = QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">")
                       .arg(titolo.toHtmlEscaped());
    const std::vector<QStringList> righe = RigheLamiere(opzione);
    for (size_t r = 0; r < righe.size(); ++r) {
        const QString cella = r == 0 ? QStringLiteral("th") : QStringLiteral("td");
        html += QStringLiteral("<tr>");
        for (const QString &testo : righe[r])
            html += QStringLiteral("<%1>%2</%1>").arg(cella, testo.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString RigaClassifica(int posto, const OpzioneDivisione &o)
{
    return QStringLiteral("%1. %2 pezzi (%3 x %4 %5) su %6 %7 %8: uso %9%, saldatura aggiunta %10 m, "
                          "%11 pezzi per lamiera")
        .arg(posto)
        .arg(o.diviso.pezzi.size())
        .arg(o.divisione.parti)
        .arg(o.divisione.corsi)
        .arg(o.divisione.corsi == 1 ? QStringLiteral("corso") : QStringLiteral("corsi"))
        .arg(o.lamiere.size())
        .arg(o.lamiere.size() == 1 ? QStringLiteral("lamiera") : QStringLiteral("lamiere"))
        .arg(misureDelleLamiere(o.lamiere))
        .arg(numero(o.usoPercento, 1))
        .arg(numero(o.diviso.saldaturaAggiunta / 1000, 2))
        .arg(numero(o.pezziPerLamiera, 1));
}
