// The table's cells, titles and the copied text.
#include "exports/ModelloOrdinate.h"

#include <algorithm>
#include <map>
#include <set>

ModelloOrdinate::ModelloOrdinate(TabellaOrdinate tabella, QObject *genitore)
    : QAbstractTableModel(genitore),
      m_tabella(std::move(tabella))
{
}

int ModelloOrdinate::rowCount(const QModelIndex &genitore) const
{
    return genitore.isValid() ? 0 : int(m_tabella.righe.size());
}

int ModelloOrdinate::columnCount(const QModelIndex &genitore) const
{
    return genitore.isValid() ? 0 : int(IntestazioneOrdinate(m_tabella.facce, m_tabella.colonne).size());
}

QString ModelloOrdinate::Cella(int riga, int colonna) const
{
    if (riga < 0 || riga >= rowCount() || colonna < 0 || colonna >= columnCount())
        return {};
    const RigaOrdinate &r = m_tabella.righe[std::size_t(riga)];
    if (colonna == 0)
        return QString::number(r.k);
    const int decimali = DecimaliColonna(IntestazioneOrdinate(m_tabella.facce, m_tabella.colonne).value(colonna));
    return QString::number(r.Valori(m_tabella.facce, m_tabella.colonne)[std::size_t(colonna - 1)], 'f', decimali);
}

QVariant ModelloOrdinate::data(const QModelIndex &indice, int ruolo) const
{
    if (ruolo == Qt::DisplayRole)
        return Cella(indice.row(), indice.column());
    if (ruolo == Qt::TextAlignmentRole)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant ModelloOrdinate::headerData(int sezione, Qt::Orientation verso, int ruolo) const
{
    if (ruolo != Qt::DisplayRole || verso != Qt::Horizontal)
        return {};
    return IntestazioneOrdinate(m_tabella.facce, m_tabella.colonne).value(sezione);
}

QString ModelloOrdinate::TestoCopiato(const QModelIndexList &indici) const
{
    std::map<int, std::set<int>> righe;
    std::set<int> colonne;
    for (const QModelIndex &i : indici) {
        righe[i.row()].insert(i.column());
        colonne.insert(i.column());
    }
    QStringList titoli, linee;
    for (int c : colonne)
        titoli << IntestazioneOrdinate(m_tabella.facce, m_tabella.colonne).value(c);
    linee << titoli.join(QLatin1Char('\t'));
    for (const auto &[riga, scelte] : righe) {
        QStringList celle;
        for (int c : colonne)
            celle << (scelte.count(c) ? Cella(riga, c) : QString());
        linee << celle.join(QLatin1Char('\t'));
    }
    return indici.isEmpty() ? QString() : linee.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString TestoSomme(const TabellaOrdinate &tabella)
{
    const QString somme = QStringLiteral("Somma AB (mm): ") + QString::number(tabella.SommaAB, 'f', 2) +
                          QStringLiteral("    Somma CD (mm): ") + QString::number(tabella.SommaCD, 'f', 2);
    return tabella.nota.isEmpty() ? somme : somme + QStringLiteral("    ") + tabella.nota;
}
