// The stock plates window: the sizes the user keeps in Lamiere.dat, with optional thickness and
// material, added, changed and removed in a table and saved under the file's lock.
#pragma once

#include "plates/FileLamiere.h"

#include <QDialog>

class QTableWidget;

class frmLamiere final : public QDialog {
    Q_OBJECT
public:
    // Shows the plates of `percorso`; a damaged file is said and the table starts empty.
    explicit frmLamiere(const QString &percorso = k_FileLamiere, QWidget *parent = nullptr);

    QTableWidget *tabella() const noexcept { return m_tabella; }

    // A new empty row, its size cell ready for typing.
    void cmdAggiungi_Click();
    // Removes the selected rows.
    void cmdRimuovi_Click();
    // Every row checked, then the file replaced; a refused row or a failed write is said and
    // nothing is written. True when saved.
    bool cmdSalva_Click();

private:
    void mostra(const std::vector<Lamiera> &lamiere);
    std::optional<std::vector<Lamiera>> lamiereDellaTabella();

    const QString m_percorso;
    QTableWidget *const m_tabella;
};
