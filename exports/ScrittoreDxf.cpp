// R12 DXF text: group code lines and value lines, numbers with six decimals and a point.
#include "exports/ScrittoreDxf.h"

#include "exports/Esportazione.h"
#include "platform/Cp1252.h"

#include <algorithm>
#include <cmath>

namespace {
// A rough upper bound of a character's width in the standard font, as a share of the height:
// enough for the extents to take in the texts.
constexpr double k_LarghezzaCarattere = 0.8;

QString senzaControlli(QString testo)
{
    // A line break inside a value would split the group and corrupt the file.
    for (QChar &c : testo)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    return testo;
}

// A TEXT value that readers show as it stands. "%%" opens a control code (%%c, %%d, %%u, %%nnn
// ...) and a caret a control character, so, as AutoCAD writes them, a percent sign followed by
// another is "%%%" and a caret is "^ ". A lone percent sign needs nothing and keeps its byte.
QString letterale(const QString &testo)
{
    QString valore;
    for (int i = 0; i < testo.size(); ++i) {
        const QChar c = testo[i];
        if (c == QLatin1Char('%') && i + 1 < testo.size() && testo[i + 1] == QLatin1Char('%'))
            valore += QLatin1String("%%%");
        else if (c == QLatin1Char('^'))
            valore += QLatin1String("^ ");
        else
            valore += c;
    }
    return valore;
}
} // namespace

void ScrittoreDxf::gruppo(int codice, const QString &valore)
{
    m_entita += QString::number(codice) + QLatin1String("\r\n") + valore + QLatin1String("\r\n");
}

void ScrittoreDxf::gruppo(int codice, double valore) { gruppo(codice, NumeroEsportato(valore)); }

void ScrittoreDxf::punto(int codiceX, PuntoPiano p)
{
    gruppo(codiceX, p.x);
    gruppo(codiceX + 10, p.y);
    gruppo(codiceX + 20, 0.0);
}

void ScrittoreDxf::estendi(double x, double y)
{
    if (m_vuoto) {
        m_minX = m_maxX = x;
        m_minY = m_maxY = y;
        m_vuoto = false;
        return;
    }
    m_minX = std::min(m_minX, x);
    m_maxX = std::max(m_maxX, x);
    m_minY = std::min(m_minY, y);
    m_maxY = std::max(m_maxY, y);
}

// An arc reaches past its ends where it crosses an axis direction through its centre.
void ScrittoreDxf::estendiArco(PuntoPiano a, PuntoPiano b, double bulge)
{
    const double corda = std::hypot(b.x - a.x, b.y - a.y);
    if (corda <= 0)
        return;
    const double ampiezza = 4 * std::atan(bulge);
    const double raggio = corda / (2 * std::sin(std::fabs(ampiezza) / 2));
    // The centre lies on the chord's normal, to the left of a -> b for a counter-clockwise arc.
    const double distanza = raggio * std::cos(ampiezza / 2) * (bulge > 0 ? 1 : -1);
    const double cx = (a.x + b.x) / 2 - (b.y - a.y) / corda * distanza;
    const double cy = (a.y + b.y) / 2 + (b.x - a.x) / corda * distanza;
    const double inizio = std::atan2(a.y - cy, a.x - cx);
    for (int quarto = -8; quarto <= 8; ++quarto) {
        const double angolo = quarto * M_PI / 2;
        const double oltre = ampiezza > 0 ? angolo - inizio : inizio - angolo;
        if (oltre > 0 && oltre < std::fabs(ampiezza))
            estendi(cx + raggio * std::cos(angolo), cy + raggio * std::sin(angolo));
    }
}

void ScrittoreDxf::Layer(const QString &nome, int colore) { m_layer.emplace_back(nome, colore); }

void ScrittoreDxf::PolilineaChiusa(const std::vector<PuntoPiano> &vertici, const QString &layer,
                                   const std::vector<double> &bulge)
{
    polilinea(vertici, layer, bulge, true);
}

void ScrittoreDxf::PolilineaAperta(const std::vector<PuntoPiano> &vertici, const QString &layer)
{
    polilinea(vertici, layer, {}, false);
}

void ScrittoreDxf::polilinea(const std::vector<PuntoPiano> &vertici, const QString &layer,
                             const std::vector<double> &bulge, bool chiusa)
{
    gruppo(0, QStringLiteral("POLYLINE"));
    gruppo(8, layer);
    gruppo(66, QStringLiteral("1"));
    punto(10, {});
    gruppo(70, chiusa ? QStringLiteral("1") : QStringLiteral("0"));
    for (std::size_t i = 0; i < vertici.size(); ++i) {
        const PuntoPiano &v = vertici[i];
        gruppo(0, QStringLiteral("VERTEX"));
        gruppo(8, layer);
        punto(10, v);
        estendi(v.x, v.y);
        const double b = i < bulge.size() ? bulge[i] : 0.0;
        if (b != 0) {
            // Six decimals of a bulge would move a 10 m arc's centre by a tenth of a millimetre.
            gruppo(42, QString::number(b, 'f', 12));
            estendiArco(v, vertici[(i + 1) % vertici.size()], b);
        }
    }
    gruppo(0, QStringLiteral("SEQEND"));
    gruppo(8, layer);
}

void ScrittoreDxf::Linea(PuntoPiano a, PuntoPiano b, const QString &layer)
{
    gruppo(0, QStringLiteral("LINE"));
    gruppo(8, layer);
    punto(10, a);
    punto(11, b);
    estendi(a.x, a.y);
    estendi(b.x, b.y);
}

void ScrittoreDxf::Testo(const QString &testo, PuntoPiano p, double altezza, bool centrato, const QString &layer)
{
    const QString pulito = senzaControlli(testo);
    gruppo(0, QStringLiteral("TEXT"));
    gruppo(8, layer);
    punto(10, p);
    gruppo(40, altezza);
    gruppo(1, letterale(pulito));
    const double larghezza = pulito.size() * altezza * k_LarghezzaCarattere;
    if (centrato) {
        gruppo(72, QStringLiteral("1")); // centre
        gruppo(73, QStringLiteral("2")); // middle
        punto(11, p);
        estendi(p.x - larghezza / 2, p.y - altezza / 2);
        estendi(p.x + larghezza / 2, p.y + altezza / 2);
    } else {
        estendi(p.x, p.y);
        estendi(p.x + larghezza, p.y + altezza);
    }
}

void ScrittoreDxf::sezione(const char *nome)
{
    gruppo(0, QStringLiteral("SECTION"));
    gruppo(2, QLatin1String(nome));
}

void ScrittoreDxf::tabella(const char *nome, int voci)
{
    gruppo(0, QStringLiteral("TABLE"));
    gruppo(2, QLatin1String(nome));
    gruppo(70, QString::number(voci));
}

void ScrittoreDxf::layer(const QString &nome, int colore)
{
    gruppo(0, QStringLiteral("LAYER"));
    gruppo(2, nome);
    gruppo(70, QStringLiteral("0"));
    gruppo(62, QString::number(colore));
    gruppo(6, QStringLiteral("CONTINUOUS"));
}

void ScrittoreDxf::intestazione(const ScrittoreDxf &disegno)
{
    sezione("HEADER");
    gruppo(9, QStringLiteral("$ACADVER"));
    gruppo(1, QStringLiteral("AC1009"));
    gruppo(9, QStringLiteral("$DWGCODEPAGE"));
    gruppo(3, QStringLiteral("ANSI_1252"));
    gruppo(9, QStringLiteral("$INSUNITS"));
    gruppo(70, QStringLiteral("4")); // millimetres
    gruppo(9, QStringLiteral("$EXTMIN"));
    punto(10, {disegno.m_minX, disegno.m_minY});
    gruppo(9, QStringLiteral("$EXTMAX"));
    punto(10, {disegno.m_maxX, disegno.m_maxY});
    gruppo(0, QStringLiteral("ENDSEC"));
}

void ScrittoreDxf::tabelle(const std::vector<std::pair<QString, int>> &layer)
{
    sezione("TABLES");
    tabella("LTYPE", 1);
    gruppo(0, QStringLiteral("LTYPE"));
    gruppo(2, QStringLiteral("CONTINUOUS"));
    gruppo(70, QStringLiteral("0"));
    gruppo(3, QStringLiteral("Solid line"));
    gruppo(72, QStringLiteral("65"));
    gruppo(73, QStringLiteral("0"));
    gruppo(40, 0.0);
    gruppo(0, QStringLiteral("ENDTAB"));
    tabella("LAYER", int(layer.size()) + 1);
    this->layer(QStringLiteral("0"), 7);
    for (const auto &[nome, colore] : layer)
        this->layer(nome, colore);
    gruppo(0, QStringLiteral("ENDTAB"));
    // TEXT entities name the STANDARD style; R12 readers expect to find it.
    tabella("STYLE", 1);
    gruppo(0, QStringLiteral("STYLE"));
    gruppo(2, QStringLiteral("STANDARD"));
    gruppo(70, QStringLiteral("0"));
    gruppo(40, 0.0);
    gruppo(41, 1.0);
    gruppo(50, 0.0);
    gruppo(71, QStringLiteral("0"));
    gruppo(42, 2.5);
    gruppo(3, QStringLiteral("txt"));
    gruppo(4, QString());
    gruppo(0, QStringLiteral("ENDTAB"));
    gruppo(0, QStringLiteral("ENDSEC"));
}

QByteArray ScrittoreDxf::Documento() const
{
    ScrittoreDxf d;
    d.intestazione(*this);
    d.tabelle(m_layer);
    d.sezione("ENTITIES");
    d.m_entita += m_entita;
    d.gruppo(0, QStringLiteral("ENDSEC"));
    d.gruppo(0, QStringLiteral("EOF"));
    return ACp1252(d.m_entita);
}
