// The ordinate table window: the 62 generators of a development, read-only and copyable, with the
// sums, a printout and the CSV export.
#pragma once

#include "geometry/StatoSviluppo.h"

#include <QDialog>

class ModelloOrdinate;
class QTableView;
struct TabellaOrdinate;

class frmOrdinate final : public QDialog {
    Q_OBJECT
public:
    // `figure` are the development's figures, recomputed for the CSV export; `tabella` its table.
    frmOrdinate(const FigureSviluppo &figure, const TabellaOrdinate &tabella, QWidget *genitore = nullptr);

    // Develops `figure` afresh and shows their table in a window of its own beside `genitore`,
    // not modal; nothing when the figures are rejected (already told).
    static frmOrdinate *Mostra(const FigureSviluppo &figure, QWidget *genitore);

    void cmdStampa_Click();
    void cmdEsportaCsv_Click();
    void cmdChiudi_Click();
    // Ctrl+C on the table: the selected cells, titles first, tab-separated.
    void CopiaSelezione();

    const ModelloOrdinate &Modello() const noexcept { return *m_modello; }

signals:
    // What a printout or an export did, for the frame's status line.
    void Avviso(const QString &testo);

private:
    FigureSviluppo m_figure;
    ModelloOrdinate *m_modello;
    QTableView *m_tabella;
};
