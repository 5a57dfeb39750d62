// The calibration in use: the names read from Taratura.dat and the one selected. The frame owns it;
// the worksheet's list, the manager and the printouts observe it, so no window keeps another's widget.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class TaraturaInUso final : public QObject {
    Q_OBJECT
public:
    explicit TaraturaInUso(QObject *parent = nullptr) : QObject(parent) {}

    const QStringList &Nomi() const noexcept { return m_nomi; }
    // The selected calibration's position in Nomi(); -1 when none is selected.
    int Indice() const noexcept { return m_indice; }
    // The selected calibration's name; empty when none is selected.
    QString Nome() const;

    // A new list (the file was read again) with its selection; an index outside the list selects none.
    void Ricarica(const QStringList &nomi, int indice);
    // How many times the list has been replaced: a window that last saw another count knows that
    // somebody else read the file again.
    int Ricariche() const noexcept { return m_ricariche; }
    // Selects the calibration at `indice`; an index outside the list selects none.
    void Scegli(int indice);

signals:
    // The list was replaced; the selection changed with it.
    void ElencoCambiato();
    void SceltaCambiata(int indice);

private:
    int valido(int indice) const noexcept;

    QStringList m_nomi;
    int m_indice = -1;
    int m_ricariche = 0;
};
