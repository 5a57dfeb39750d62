// Pages of the ordinate table: a heading on each, rows in right-aligned columns, the sums at the end.
#include "printing/StampaOrdinate.h"

#include "exports/ModelloOrdinate.h"
#include "platform/Piattaforma.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPagedPaintDevice>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {
constexpr double k_CorpoCarattere = 9;
constexpr double k_Interlinea = 1.35;
constexpr int k_RigheIntestazione = 4; // name, figures, date and page, column titles

void intestazione(QPainter &p, const TabellaOrdinate &t, const QDate &data, int pagina, int pagine, double riga,
                  double larghezza)
{
    const QFontMetricsF metrica(p.font());
    const double su = metrica.ascent();
    p.drawText(QPointF(0, su), QStringLiteral("Tabella delle generatrici: ") + t.nome);
    p.drawText(QPointF(0, su + riga), t.figure);
    const QString piede = QStringLiteral("Data: ") + data.toString(QStringLiteral("dd/MM/yyyy")) +
                          QStringLiteral("    Pagina %1 di %2").arg(pagina).arg(pagine);
    p.drawText(QPointF(0, su + 2 * riga), piede);
    const QStringList titoli = IntestazioneOrdinate(t.facce, t.colonne);
    const double colonna = larghezza / titoli.size();
    for (int c = 0; c < titoli.size(); ++c)
        p.drawText(QRectF(c * colonna, 3 * riga, colonna, riga), Qt::AlignRight | Qt::AlignVCenter, titoli[c]);
    p.drawLine(QPointF(0, 4 * riga - 1), QPointF(larghezza, 4 * riga - 1));
}
} // namespace

int DisegnaOrdinate(QPagedPaintDevice &dispositivo, const TabellaOrdinate &tabella, const QDate &data)
{
    QPainter p;
    if (!p.begin(&dispositivo))
        return 0;
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPointSizeF(k_CorpoCarattere);
    p.setFont(carattere);
    const double riga = QFontMetricsF(carattere, &dispositivo).height() * k_Interlinea;
    const double larghezza = dispositivo.width(), altezza = dispositivo.height();
    // At least one row a page, however small the paper.
    const int perPagina = std::max(1, int(std::floor(altezza / riga)) - k_RigheIntestazione);
    const ModelloOrdinate modello(tabella);
    const int dati = int(tabella.dati.size());
    const int righe = modello.rowCount() + dati + 1; // the workshop data, then the sums
    const int pagine = (righe + perPagina - 1) / perPagina;
    const double colonna = larghezza / modello.columnCount();
    for (int pagina = 0; pagina < pagine; ++pagina) {
        if (pagina > 0 && !dispositivo.newPage())
            return 0;
        intestazione(p, tabella, data, pagina + 1, pagine, riga, larghezza);
        for (int i = 0; i < perPagina; ++i) {
            const int r = pagina * perPagina + i;
            const double y = (k_RigheIntestazione + i) * riga;
            if (r >= righe)
                break;
            if (r >= modello.rowCount()) {
                const int d = r - modello.rowCount();
                p.drawText(QRectF(0, y, larghezza, riga), Qt::AlignLeft | Qt::AlignVCenter,
                           d < dati ? tabella.dati[d] : TestoSomme(tabella));
                continue;
            }
            for (int c = 0; c < modello.columnCount(); ++c)
                p.drawText(QRectF(c * colonna, y, colonna, riga), Qt::AlignRight | Qt::AlignVCenter,
                           modello.Cella(r, c));
        }
    }
    return p.end() ? pagine : 0;
}

EsitoStampa StampaOrdinateSuCarta(const TabellaOrdinate &tabella)
{
    QPrinter stampante(QPrinter::HighResolution);
    stampante.setFullPage(false);
    if (!Piattaforma::corrente().DialogoStampante(stampante))
        return EsitoStampa::Annullato;
    return DisegnaOrdinate(stampante, tabella, QDate::currentDate()) > 0 ? EsitoStampa::Stampato
                                                                         : EsitoStampa::ErroreStampante;
}
