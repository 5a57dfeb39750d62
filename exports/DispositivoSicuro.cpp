// Collects the writer's small pieces into blocks for the safe write.
#include "exports/DispositivoSicuro.h"

namespace {
constexpr qsizetype k_Blocco = 1 << 16;
} // namespace

DispositivoSicuro::DispositivoSicuro(ScritturaSicura &scrittura) : m_scrittura(scrittura)
{
    m_attesa.reserve(k_Blocco);
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

EsitoFile DispositivoSicuro::Svuota()
{
    const EsitoFile esito = m_scrittura.Scrivi(m_attesa);
    m_attesa.clear();
    return esito;
}

qint64 DispositivoSicuro::writeData(const char *dati, qint64 quanti)
{
    m_attesa.append(dati, qsizetype(quanti));
    if (m_attesa.size() >= k_Blocco && !Svuota())
        return -1;
    return quanti;
}
