// The .tnt record: bytes at fixed offsets, the record number rule, reading it in place, atomic write.
#include "documents/RecordSviluppo.h"

#include "geometry/Lamiera.h"
#include "platform/Cp1252.h"
#include "platform/FileSicuro.h"
#include "platform/Piattaforma.h"

#include <QFileInfo>

#include <array>
#include <cerrno>
#include <cmath>

namespace {
// The fields in file order, as members of the record.
constexpr std::array<TestoFisso RecordSviluppo::*, 10> k_campi = {
    &RecordSviluppo::Nome,         &RecordSviluppo::TestoAC,       &RecordSviluppo::TestoAB,  &RecordSviluppo::TestoBD,
    &RecordSviluppo::TestoAlfa,    &RecordSviluppo::TestoBeta,     &RecordSviluppo::ChiudiAC, &RecordSviluppo::ChiudiBD,
    &RecordSviluppo::ConoCilindro, &RecordSviluppo::RoutineStampa,
};

// The other records are copied through a buffer of this size, never held whole.
constexpr qint64 k_BloccoCopia = 1 << 20;

qint64 inizioRecord(qint64 lunghezza) { return (NumeroRecord(lunghezza) - 1) * k_LunghezzaRecordSviluppo; }

EsitoFile copia(const FileInLettura &origine, qint64 da, qint64 a, ScritturaSicura &destinazione)
{
    QByteArray blocco;
    for (qint64 posizione = da; posizione < a; posizione += blocco.size()) {
        if (EsitoFile esito = origine.Leggi(posizione, qMin(k_BloccoCopia, a - posizione), blocco); !esito)
            return esito;
        if (blocco.isEmpty()) // cut short meanwhile: what is left is copied
            break;
        if (EsitoFile esito = destinazione.Scrivi(blocco); !esito)
            return esito;
    }
    return {};
}

EsitoFileSviluppo fallito(EsitoFileSviluppo esito, const EsitoFile &file, QString *motivo)
{
    if (motivo)
        *motivo = file.motivo;
    return esito;
}
} // namespace

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

qint64 NumeroRecord(qint64 lunghezza) noexcept
{
    if (lunghezza <= 0)
        return 1;
    // Nearest whole number, exact halves to the even one (the default rounding mode).
    const double n = std::nearbyint(double(lunghezza) / k_LunghezzaRecordSviluppo);
    // 1 to 61 bytes round to record 0, which does not exist: their only record is record 1.
    return n < 1 ? 1 : qint64(n);
}

EsitoFileSviluppo LeggiRecordSviluppo(const QString &percorso, RecordSviluppo &buffer, QString *motivo)
{
    FileInLettura file;
    EsitoFile esito = file.Apri(percorso);
    // Only a name that leads nowhere is missing: a loop of links, say, has a reason of its own.
    if (!esito && esito.motivo == MotivoErrore(ENOENT))
        return EsitoFileSviluppo::Mancante;
    QByteArray record, coda;
    const qint64 inizio = inizioRecord(file.Dimensione());
    if (esito)
        esito = file.Leggi(inizio, k_LunghezzaRecordSviluppo, record);
    if (esito) // what follows the last record is shorter than half a record
        esito = file.Leggi(inizio + k_LunghezzaRecordSviluppo, k_LunghezzaRecordSviluppo / 2, coda);
    if (!esito)
        return fallito(EsitoFileSviluppo::NonLeggibile, esito, motivo);
    buffer = RecordDaByte(record);
    buffer.Coda = LeggiCoda(coda, record, buffer);
    buffer.CodaScaduta = buffer.Coda != EsitoCoda::Assente && buffer.Coda != EsitoCoda::Valida;
    return EsitoFileSviluppo::Ok;
}

EsitoFileSviluppo ScriviRecordSviluppo(const QString &percorso, const RecordSviluppo &buffer, QString *motivo)
{
    // The other records must survive byte for byte: a file we cannot read is not touched.
    FileInLettura vecchio;
    qint64 lunghezza = 0;
    if (QFileInfo::exists(percorso)) {
        if (EsitoFile esito = vecchio.Apri(percorso); !esito)
            return fallito(EsitoFileSviluppo::NonScrivibile, esito, motivo);
        lunghezza = vecchio.Dimensione();
    }
    const qint64 inizio = inizioRecord(lunghezza);
    const qint64 fine = inizio + k_LunghezzaRecordSviluppo;
    const QByteArray record = ByteDelRecord(buffer);
    const QByteArray coda = CodaDelRecord(buffer, record);
    QByteArray seguito;
    if (lunghezza > fine)
        if (EsitoFile esito = vecchio.Leggi(fine, lunghezza - fine, seguito); !esito)
            return fallito(EsitoFileSviluppo::NonScrivibile, esito, motivo);
    // Our own trailer belongs to the record it followed: it goes with it.
    if (!coda.isEmpty() || ECodaSviluppo(seguito))
        seguito = coda;
    ScritturaSicura nuovo(percorso);
    EsitoFile esito = copia(vecchio, 0, inizio, nuovo);
    if (esito)
        esito = nuovo.Scrivi(record);
    if (esito)
        esito = nuovo.Scrivi(seguito);
    if (esito)
        esito = nuovo.Conferma();
    return esito ? EsitoFileSviluppo::Ok : fallito(EsitoFileSviluppo::NonScrivibile, esito, motivo);
}

QString MessaggioCodaScaduta(const QString &percorso, const RecordSviluppo &letto)
{
    const char *perche = letto.Coda == EsitoCoda::Incompleta ? "è incompleto"
                         : letto.Coda == EsitoCoda::Sconosciuta
                             ? "è danneggiato o di una versione più recente"
                             : "appartiene a uno sviluppo diverso da quello del file";
    return QStringLiteral("Lo spessore salvato in ") + percorso + QLatin1Char(' ') + QString::fromUtf8(perche) +
           QStringLiteral(" e non è stato letto: lo sviluppo è senza spessore.");
}

void AvvisaCodaScaduta(const QString &percorso, const RecordSviluppo &letto)
{
    MsgBox(MessaggioCodaScaduta(percorso, letto));
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

FigureSviluppo FigureDelleEtichette(const EtichetteSviluppo &etichette)
{
    FigureSviluppo figure;
    figure.Nome = etichette.lblNome;
    figure.TestoAC = etichette.lblAC;
    figure.TestoAB = etichette.lblAB;
    figure.TestoBD = etichette.lblBD;
    figure.TestoAlfa = etichette.lblALFA;
    figure.TestoBeta = etichette.lblBeta;
    figure.ImpostaChiusura(etichette.lblChiudi);
    figure.TestoSpessore = etichette.lblSpessore;
    const QByteArray lettera = etichette.lblQuote.toLatin1();
    figure.Quote = QuoteDaLettera(lettera.isEmpty() ? 'E' : lettera.at(0)).value_or(QuoteLamiera::Esterne);
    return figure;
}

void ScriviFigureNelleEtichette(const FigureSviluppo &figure, EtichetteSviluppo &etichette)
{
    etichette.lblNome = figure.Nome;
    etichette.lblAC = figure.TestoAC;
    etichette.lblAB = figure.TestoAB;
    etichette.lblBD = figure.TestoBD;
    etichette.lblALFA = figure.TestoAlfa;
    etichette.lblBeta = figure.TestoBeta;
    etichette.lblChiudi = figure.ChiudiAC;
    etichette.lblSpessore = figure.TestoSpessore;
    etichette.lblQuote = QLatin1Char(LetteraQuote(figure.Quote));
}

void RiempiRecordDaEtichette(RecordSviluppo &buffer, EtichetteSviluppo &etichette)
{
    static_cast<FigureSviluppo &>(buffer) = FigureDelleEtichette(etichette);
    buffer.RoutineStampa = etichette.lblStampa;
    if (const auto tipo = ConoCilindroDi(etichette.lblStampa)) {
        buffer.ConoCilindro = *tipo;
        etichette.lblConoCilindro = *tipo;
    }
}

EtichetteSviluppo EtichetteDaRecord(const RecordSviluppo &record)
{
    EtichetteSviluppo e;
    ScriviFigureNelleEtichette(record, e);
    e.lblConoCilindro = record.ConoCilindro;
    e.lblStampa = record.RoutineStampa;
    return e;
}

void CaricaNelloStato(const RecordSviluppo &record, StatoSviluppo &stato)
{
    static_cast<FigureSviluppo &>(stato) = record;
    stato.RoutineStampa = TrimBlank(record.RoutineStampa);
}
