// The ordinate table as a read-only Qt item model, for the table window.
#pragma once

#include "exports/TabellaOrdinate.h"

#include <QAbstractTableModel>
#include <QModelIndexList>

class ModelloOrdinate final : public QAbstractTableModel {
public:
    explicit ModelloOrdinate(TabellaOrdinate tabella, QObject *genitore = nullptr);

    int rowCount(const QModelIndex &genitore = {}) const override;
    int columnCount(const QModelIndex &genitore = {}) const override;
    QVariant data(const QModelIndex &indice, int ruolo = Qt::DisplayRole) const override;
    QVariant headerData(int sezione, Qt::Orientation verso, int ruolo = Qt::DisplayRole) const override;

    const TabellaOrdinate &Tabella() const noexcept { return m_tabella; }
    // A cell as shown: k, or mm with two decimals and a point whatever the locale.
    QString Cella(int riga, int colonna) const;
    // The cells of `indici` as tab-separated lines, titles first, for a spreadsheet's paste.
    QString TestoCopiato(const QModelIndexList &indici) const;

private:
    TabellaOrdinate m_tabella;
};

// The sums under the table.
QString TestoSomme(const TabellaOrdinate &tabella);
