// The .tnt record: bytes at fixed offsets, the record number rule, whole-file read and atomic write.
#include "development/RecordSviluppo.h"

#include "platform/Cp1252.h"
#include "platform/FileSicuro.h"

#include <QFileInfo>

#include <array>
#include <cmath>

namespace {
// The fields in file order, as members of the record.
constexpr std::array<TestoFisso RecordSviluppo::*, 10> k_campi = {
    &RecordSviluppo::Nome,      &RecordSviluppo::TestoAC,   &RecordSviluppo::TestoAB,
    &RecordSviluppo::TestoBD,   &RecordSviluppo::TestoAlfa, &RecordSviluppo::TestoBeta,
    &RecordSviluppo::ChiudiAC,  &RecordSviluppo::ChiudiBD,  &RecordSviluppo::ConoCilindro,
    &RecordSviluppo::RoutineStampa,
};

qint64 inizioRecord(qint64 lunghezza) { return qint64(NumeroRecord(lunghezza) - 1) * k_LunghezzaRecordSviluppo; }
}

QByteArray ByteDelRecord(const RecordSviluppo &record)
{
    QByteArray byte;
    byte.reserve(k_LunghezzaRecordSviluppo);
    for (auto campo : k_campi)
        byte.append(CampoCp1252((record.*campo).testo(), (record.*campo).larghezza()));
    return byte;
}

RecordSviluppo RecordDaByte(const QByteArray &byte)
{
    RecordSviluppo record;
    qsizetype posizione = 0;
    for (auto campo : k_campi) {
        TestoFisso &testo = record.*campo;
        testo = DaCp1252(byte.mid(posizione, testo.larghezza())); // padded by TestoFisso
        posizione += testo.larghezza();
    }
    return record;
}

int NumeroRecord(qint64 lunghezza) noexcept
{
    if (lunghezza <= 0)
        return 1;
    // Nearest whole number, exact halves to the even one (the default rounding mode).
    const double n = std::nearbyint(double(lunghezza) / k_LunghezzaRecordSviluppo);
    // 1 to 61 bytes round to record 0, which does not exist: their only record is record 1.
    return n < 1 ? 1 : int(n);
}

EsitoFileSviluppo LeggiRecordSviluppo(const QString &percorso, RecordSviluppo &buffer)
{
    if (!QFileInfo::exists(percorso))
        return EsitoFileSviluppo::Mancante;
    const auto contenuto = LeggiFile(percorso);
    if (!contenuto)
        return EsitoFileSviluppo::NonLeggibile;
    buffer = RecordDaByte(contenuto->mid(inizioRecord(contenuto->size()), k_LunghezzaRecordSviluppo));
    return EsitoFileSviluppo::Ok;
}

EsitoFileSviluppo ScriviRecordSviluppo(const QString &percorso, const RecordSviluppo &buffer)
{
    QByteArray contenuto;
    if (QFileInfo::exists(percorso)) {
        // The other records must survive byte for byte: a file we cannot read is not touched.
        const auto vecchio = LeggiFile(percorso);
        if (!vecchio)
            return EsitoFileSviluppo::NonScrivibile;
        contenuto = *vecchio;
    }
    const qint64 inizio = inizioRecord(contenuto.size());
    const QByteArray record = ByteDelRecord(buffer);
    if (contenuto.size() < inizio + record.size())
        contenuto.resize(inizio + record.size());
    contenuto.replace(inizio, record.size(), record);
    return ScriviFileSicuro(percorso, contenuto) ? EsitoFileSviluppo::Ok : EsitoFileSviluppo::NonScrivibile;
}

std::optional<QString> ConoCilindroDi(const QString &didascaliaStampa)
{
    const QString nome = TrimBlank(didascaliaStampa);
    if (nome == k_StampaConoOrizzontale || nome == k_StampaConoVerticale)
        return QStringLiteral("Cono");
    if (nome == k_StampaCilindroOrizzontale || nome == k_StampaCilindroVerticale)
        return QStringLiteral("Cilindro");
    return std::nullopt;
}

void RiempiRecordDaEtichette(RecordSviluppo &buffer, EtichetteSviluppo &etichette)
{
    buffer.Nome = etichette.lblNome;
    buffer.TestoAC = etichette.lblAC;
    buffer.TestoAB = etichette.lblAB;
    buffer.TestoBD = etichette.lblBD;
    buffer.TestoAlfa = etichette.lblALFA;
    buffer.TestoBeta = etichette.lblBeta;
    buffer.ChiudiAC = etichette.lblChiudi;
    buffer.ChiudiBD = etichette.lblChiudi == QLatin1String("T") ? QStringLiteral("F") : QStringLiteral("T");
    buffer.RoutineStampa = etichette.lblStampa;
    if (const auto tipo = ConoCilindroDi(etichette.lblStampa)) {
        buffer.ConoCilindro = *tipo;
        etichette.lblConoCilindro = *tipo;
    }
}

EtichetteSviluppo EtichetteDaRecord(const RecordSviluppo &record)
{
    EtichetteSviluppo e;
    e.lblNome = record.Nome;
    e.lblAC = record.TestoAC;
    e.lblAB = record.TestoAB;
    e.lblBD = record.TestoBD;
    e.lblALFA = record.TestoAlfa;
    e.lblBeta = record.TestoBeta;
    e.lblChiudi = record.ChiudiAC;
    e.lblConoCilindro = record.ConoCilindro;
    e.lblStampa = record.RoutineStampa;
    return e;
}

void CaricaNelloStato(const RecordSviluppo &record, StatoSviluppo &stato)
{
    stato.Nome = record.Nome;
    stato.TestoAC = record.TestoAC;
    stato.TestoAB = record.TestoAB;
    stato.TestoBD = record.TestoBD;
    stato.TestoAlfa = record.TestoAlfa;
    stato.TestoBeta = record.TestoBeta;
    stato.ChiudiAC = record.ChiudiAC;
    stato.ChiudiBD = record.ChiudiBD;
    stato.RoutineStampa = TrimBlank(record.RoutineStampa);
}
