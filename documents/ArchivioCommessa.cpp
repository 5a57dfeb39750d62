// A job from and to its file: the .tnt record of a single piece, or the .vorna job file.
#include "documents/ArchivioCommessa.h"

#include "platform/NomeConEstensione.h"
#include "documents/RecordSviluppo.h"
#include "documents/EtichetteCommessa.h"
#include "documents/FileCommessa.h"

#include <cerrno>

namespace {
const QString k_Tnt = QStringLiteral(".tnt");
const QString k_Vorna = QStringLiteral(".vorna");

// A .tnt holds one right cone or cylinder cut by two planes, and nothing else.
bool staInUnTnt(const Commessa &commessa)
{
    return commessa.pezzi.size() == 1 && commessa.pezzi.front().solido == TipoSolido::Tronco;
}

EsitoFile apriTnt(const QString &percorso, Commessa &commessa, QString *avviso, const QString &mostrato)
{
    RecordSviluppo record;
    QString motivo;
    switch (LeggiRecordSviluppo(percorso, record, &motivo)) {
    case EsitoFileSviluppo::Ok:
        break;
    case EsitoFileSviluppo::Mancante:
        return EsitoFile::Fallito(MotivoErrore(ENOENT));
    case EsitoFileSviluppo::NonLeggibile:
    case EsitoFileSviluppo::NonScrivibile:
        return EsitoFile::Fallito(motivo);
    }
    if (avviso && record.CodaScaduta)
        *avviso = MessaggioCodaScaduta(mostrato.isEmpty() ? percorso : mostrato, record);
    Commessa letta;
    letta.pezzi = {PezzoDelleEtichette(EtichetteDaRecord(record))};
    letta.nome = TrimBlank(letta.pezzi.front().tronco.Nome);
    letta.percorso = percorso;
    letta.salvataggio = Salvataggio::Salvato;
    commessa = std::move(letta);
    return {};
}

EsitoFile salvaTnt(const QString &percorso, const Commessa &commessa)
{
    if (!staInUnTnt(commessa))
        return EsitoFile::Fallito(
            QStringLiteral("un file .tnt contiene un solo tronco: salvare la commessa in formato .vorna"));
    EtichetteSviluppo etichette = EtichetteDelPezzo(commessa.pezzi.front());
    RecordSviluppo record;
    // Without a drawing to name it, the shape stays the one the piece shows.
    record.ConoCilindro = etichette.lblConoCilindro;
    RiempiRecordDaEtichette(record, etichette);
    QString motivo;
    if (ScriviRecordSviluppo(percorso, record, &motivo) != EsitoFileSviluppo::Ok)
        return EsitoFile::Fallito(motivo);
    return {};
}
} // namespace

bool EstensioneCommessa(const QString &nome) { return HaEstensione(nome, k_Tnt) || HaEstensione(nome, k_Vorna); }

EsitoFile ApriCommessa(const QString &percorso, Commessa &commessa, QString *avviso, const QString &mostrato)
{
    if (avviso)
        avviso->clear();
    if (HaEstensione(percorso, k_Vorna))
        return LeggiCommessa(percorso, commessa);
    return apriTnt(percorso, commessa, avviso, mostrato);
}

EsitoFile SalvaCommessa(const QString &percorso, const Commessa &commessa)
{
    if (HaEstensione(percorso, k_Vorna))
        return ScriviCommessa(percorso, commessa);
    return salvaTnt(percorso, commessa);
}

QString MessaggioApertura(const QString &nome, const EsitoFile &esito)
{
    if (esito.motivo == MotivoErrore(ENOENT))
        return QStringLiteral("File inesistente: ") + nome;
    return QStringLiteral("Impossibile leggere il file: ") + nome + QStringLiteral(": ") + esito.motivo;
}
