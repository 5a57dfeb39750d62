#include "calibration/TaraturaInUso.h"

QString TaraturaInUso::Nome() const { return m_indice >= 0 ? m_nomi.at(m_indice) : QString(); }

int TaraturaInUso::valido(int indice) const noexcept { return indice >= 0 && indice < m_nomi.size() ? indice : -1; }

void TaraturaInUso::Ricarica(const QStringList &nomi, int indice)
{
    m_nomi = nomi;
    m_indice = valido(indice);
    ++m_ricariche;
    emit ElencoCambiato();
    emit SceltaCambiata(m_indice);
}

void TaraturaInUso::Scegli(int indice)
{
    const int nuovo = valido(indice);
    if (nuovo == m_indice)
        return;
    m_indice = nuovo;
    emit SceltaCambiata(m_indice);
}
