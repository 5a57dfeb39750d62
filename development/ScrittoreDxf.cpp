// R12 DXF text: group code lines and value lines, numbers with six decimals and a point.
#include "development/ScrittoreDxf.h"

#include "development/Esportazione.h"
#include "platform/Cp1252.h"

#include <algorithm>

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
}

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

void ScrittoreDxf::PolilineaChiusa(const std::vector<PuntoPiano> &vertici, const QString &layer)
{
    gruppo(0, QStringLiteral("POLYLINE"));
    gruppo(8, layer);
    gruppo(66, QStringLiteral("1"));
    punto(10, {});
    gruppo(70, QStringLiteral("1"));
    for (const PuntoPiano &v : vertici) {
        gruppo(0, QStringLiteral("VERTEX"));
        gruppo(8, layer);
        punto(10, v);
        estendi(v.x, v.y);
    }
    gruppo(0, QStringLiteral("SEQEND"));
    gruppo(8, layer);
}

void ScrittoreDxf::Testo(const QString &testo, PuntoPiano p, double altezza, bool centrato, const QString &layer)
{
    const QString pulito = senzaControlli(testo);
    gruppo(0, QStringLiteral("TEXT"));
    gruppo(8, layer);
    punto(10, p);
    gruppo(40, altezza);
    gruppo(1, pulito);
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

QByteArray ScrittoreDxf::Documento() const
{
    ScrittoreDxf d;
    auto variabile = [&d](const char *nome) { d.gruppo(9, QLatin1String(nome)); };
    auto sezione = [&d](const char *nome) {
        d.gruppo(0, QStringLiteral("SECTION"));
        d.gruppo(2, QLatin1String(nome));
    };
    auto tabella = [&d](const char *nome, int voci) {
        d.gruppo(0, QStringLiteral("TABLE"));
        d.gruppo(2, QLatin1String(nome));
        d.gruppo(70, QString::number(voci));
    };
    auto layer = [&d](const char *nome, int colore) {
        d.gruppo(0, QStringLiteral("LAYER"));
        d.gruppo(2, QLatin1String(nome));
        d.gruppo(70, QStringLiteral("0"));
        d.gruppo(62, QString::number(colore));
        d.gruppo(6, QStringLiteral("CONTINUOUS"));
    };
    auto fine = [&d](const char *cosa) { d.gruppo(0, QLatin1String(cosa)); };

    sezione("HEADER");
    variabile("$ACADVER");
    d.gruppo(1, QStringLiteral("AC1009"));
    variabile("$DWGCODEPAGE");
    d.gruppo(3, QStringLiteral("ANSI_1252"));
    variabile("$INSUNITS");
    d.gruppo(70, QStringLiteral("4")); // millimetres
    variabile("$EXTMIN");
    d.punto(10, {m_minX, m_minY});
    variabile("$EXTMAX");
    d.punto(10, {m_maxX, m_maxY});
    fine("ENDSEC");

    sezione("TABLES");
    tabella("LTYPE", 1);
    d.gruppo(0, QStringLiteral("LTYPE"));
    d.gruppo(2, QStringLiteral("CONTINUOUS"));
    d.gruppo(70, QStringLiteral("0"));
    d.gruppo(3, QStringLiteral("Solid line"));
    d.gruppo(72, QStringLiteral("65"));
    d.gruppo(73, QStringLiteral("0"));
    d.gruppo(40, 0.0);
    fine("ENDTAB");
    tabella("LAYER", 3);
    layer("0", 7);
    layer("TAGLIO", 1);
    layer("TESTI", 5);
    fine("ENDTAB");
    tabella("STYLE", 1);
    d.gruppo(0, QStringLiteral("STYLE"));
    d.gruppo(2, QStringLiteral("STANDARD"));
    d.gruppo(70, QStringLiteral("0"));
    d.gruppo(40, 0.0);
    d.gruppo(41, 1.0);
    d.gruppo(50, 0.0);
    d.gruppo(71, QStringLiteral("0"));
    d.gruppo(42, 2.5);
    d.gruppo(3, QStringLiteral("txt"));
    d.gruppo(4, QString());
    fine("ENDTAB");
    fine("ENDSEC");

    sezione("ENTITIES");
    d.m_entita += m_entita;
    fine("ENDSEC");
    fine("EOF");
    return ACp1252(d.m_entita);
}
