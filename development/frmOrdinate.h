// The ordinate table window: the 62 generators of a development, read-only and copyable, with the
// sums, a printout and the CSV export.
#pragma once

#include "pieces/Pezzo.h"

#include <QDialog>

class ModelloOrdinate;
class QTableView;
struct TabellaOrdinate;

class frmOrdinate final : public QDialog {
    Q_OBJECT
public:
    // The table of `pezzo`, which the CSV export writes.
    explicit frmOrdinate(const Pezzo &pezzo, QWidget *genitore = nullptr);

    // Shows the table of `pezzo` in a window of its own beside `genitore`, not modal.
    static frmOrdinate *Mostra(const Pezzo &pezzo, QWidget *genitore);

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
    Pezzo m_pezzo;
    ModelloOrdinate *m_modello;
    QTableView *m_tabella;
};
