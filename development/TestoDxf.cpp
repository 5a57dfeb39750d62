// The DXF drawing of a development: the cutting outline, corner letters and legend, in mm.
#include "development/EsportaDxf.h"

#include "development/ContornoSviluppo.h"
#include "development/ScrittoreDxf.h"
#include "geometry/Lamiera.h"
#include "platform/TestoNumerico.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {
const QString k_LayerTaglio = QStringLiteral("TAGLIO");
const QString k_LayerTesti = QStringLiteral("TESTI");

struct Riquadro {
    double minX, minY, maxX, maxY;
};

Riquadro riquadroDi(const std::vector<PuntoPiano> &punti)
{
    if (punti.empty())
        return {0, 0, 0, 0};
    Riquadro r{punti.front().x, punti.front().y, punti.front().x, punti.front().y};
    for (const PuntoPiano &p : punti) {
        r.minX = std::min(r.minX, p.x);
        r.maxX = std::max(r.maxX, p.x);
        r.minY = std::min(r.minY, p.y);
        r.maxY = std::max(r.maxY, p.y);
    }
    return r;
}

QString due(double valore) { return QString::number(valore, 'f', 2); }

// The drawing's legend, in true size and with a point as decimal separator.
QStringList legenda(const StatoSviluppo &s, bool cono)
{
    QStringList righe{
        (cono ? QStringLiteral("Cono: ") : QStringLiteral("Cilindro: ")) + TrimBlank(s.Nome),
        QStringLiteral("CA (mm): ") + due(ValoreDi(s.TestoAC)) + QStringLiteral("; AB: ") + due(ValoreDi(s.TestoAB)) +
            QStringLiteral("; BD: ") + due(ValoreDi(s.TestoBD)),
        QStringLiteral("Alfa (°): ") + due(ValoreDi(s.TestoAlfa)) + QStringLiteral("; Beta: ") +
            due(ValoreDi(s.TestoBeta)),
        QStringLiteral("Scala 1:1"),
        QStringLiteral("Somma AB (mm): ") + due(s.SommaAB),
        QStringLiteral("Somma CD (mm): ") + due(s.SommaCD),
        QStringLiteral("CD (mm): ") + due(std::hypot(s.XD - s.XC, s.YD - s.YC)),
    };
    if (const QString nota = NotaSpessore(s, QLocale::c()); !nota.isEmpty())
        righe << nota;
    return righe;
}

void lettere(ScrittoreDxf &dxf, const ProfiloSviluppo &p, const Riquadro &r, double altezza)
{
    if (p.bordoAB.empty() || p.bordoCD.empty())
        return;
    const PuntoPiano centro{(r.minX + r.maxX) / 2, (r.minY + r.maxY) / 2};
    const std::pair<const char *, PuntoPiano> angoli[] = {
        {"A", p.bordoAB.front()}, {"B", p.bordoAB.back()}, {"C", p.bordoCD.front()}, {"D", p.bordoCD.back()}};
    for (const auto &[lettera, angolo] : angoli) {
        double dx = angolo.x - centro.x, dy = angolo.y - centro.y;
        const double lunghezza = std::hypot(dx, dy);
        if (lunghezza > 0) {
            dx /= lunghezza;
            dy /= lunghezza;
        } else {
            dy = -1;
        }
        const PuntoPiano posto{angolo.x + dx * 1.5 * altezza, angolo.y + dy * 1.5 * altezza};
        dxf.Testo(QLatin1String(lettera), posto, altezza, true, k_LayerTesti);
    }
}
} // namespace

QByteArray TestoDxf(const StatoSviluppo &sviluppato, const ProfiloSviluppo &profilo)
{
    ScrittoreDxf dxf;
    const auto outline = ContornoChiuso(profilo);
    dxf.PolilineaChiusa(outline, k_LayerTaglio);
    const Riquadro r = riquadroDi(outline);
    // Legible at any size: a hundredth of the blank, never under 2.5 mm.
    const double altezza = std::max(2.5, 0.01 * std::max(r.maxX - r.minX, r.maxY - r.minY));
    lettere(dxf, profilo, r, altezza);
    const QStringList righe = legenda(sviluppato, profilo.cono);
    for (int i = 0; i < righe.size(); ++i) {
        const double y = r.maxY + 3 * altezza + (righe.size() - 1 - i) * 1.6 * altezza;
        dxf.Testo(righe[i], {r.minX, y}, altezza, false, k_LayerTesti);
    }
    return dxf.Documento();
}
