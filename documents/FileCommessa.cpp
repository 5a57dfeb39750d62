// The job file's top level: format name and version, the job's name, its pieces by solid.
#include "documents/FileCommessa.h"

#include "documents/CampiJson.h"
#include "documents/JsonEccentrico.h"
#include "documents/JsonDivisione.h"
#include "documents/JsonGomito.h"
#include "documents/PezziGomito.h"
#include "documents/JsonTronco.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

#include <cmath>

namespace {
const QString k_Formato = QStringLiteral("formato");
const QString k_NomeFormato = QStringLiteral("vorna-commessa");
const QString k_Versione = QStringLiteral("versione");
const QString k_Nome = QStringLiteral("nome");
const QString k_Pezzi = QStringLiteral("pezzi");
const QString k_Solido = QStringLiteral("solido");
const QString k_Gomito = QStringLiteral("gomito");
const QString k_Divisione = QStringLiteral("divisione");

// In the order of TipoSolido.
const QStringList k_NomiSolidi = {QStringLiteral("tronco"), QStringLiteral("eccentrico")};

QString troppoGrande()
{
    return QStringLiteral("oltre %1 MiB, troppo grande per una commessa").arg(k_MassimoFileCommessa >> 20);
}

QJsonObject pezzoInJson(const SorgentePezzo &pezzo)
{
    QJsonObject oggetto;
    switch (pezzo.solido) {
    case TipoSolido::Tronco:
        oggetto = TroncoInJson(pezzo.tronco);
        break;
    case TipoSolido::Eccentrico:
        oggetto = EccentricoInJson(pezzo.eccentrico);
        break;
    }
    oggetto.insert(k_Solido, k_NomiSolidi.at(int(pezzo.solido)));
    return oggetto;
}

QString pezzoDaJson(const QJsonValue &valore, SorgentePezzo &pezzo)
{
    if (!valore.isObject())
        return QStringLiteral("non è un oggetto");
    const QJsonObject oggetto = valore.toObject();
    int solido = 0;
    if (QString errore = LeggiScelta(oggetto, k_Solido, k_NomiSolidi, solido); !errore.isEmpty())
        return errore;
    pezzo.solido = TipoSolido(solido);
    switch (pezzo.solido) {
    case TipoSolido::Tronco:
        return TroncoDaJson(oggetto, pezzo.tronco);
    case TipoSolido::Eccentrico:
        return EccentricoDaJson(oggetto, pezzo.eccentrico);
    }
    return {};
}

QString leggiTesta(const QJsonObject &radice, QString &nome)
{
    if (radice.value(k_Formato) != k_NomeFormato)
        return QStringLiteral("non è una commessa di Vorna (manca \"formato\": \"%1\")").arg(k_NomeFormato);
    const double versione = radice.value(k_Versione).toDouble(0);
    if (versione < 1 || versione != std::floor(versione))
        return QStringLiteral("la versione del formato manca o non è un numero intero positivo");
    if (versione > k_VersioneCommessa)
        return QStringLiteral("creato da una versione più recente di Vorna (formato %1; questo programma legge "
                              "fino al formato %2)")
            .arg(QString::number(versione, 'f', 0))
            .arg(k_VersioneCommessa);
    const QJsonValue valore = radice.value(k_Nome);
    if (!valore.isString())
        return QStringLiteral("il nome della commessa manca o non è un testo");
    nome = valore.toString();
    return {};
}

QString leggiPezzi(const QJsonValue &valore, std::vector<SorgentePezzo> &pezzi)
{
    if (!valore.isArray())
        return QStringLiteral("manca l'elenco dei pezzi");
    const QJsonArray elenco = valore.toArray();
    if (elenco.isEmpty())
        return QStringLiteral("la commessa non contiene pezzi");
    if (elenco.size() > k_MassimoPezziCommessa)
        return QStringLiteral("la commessa contiene %1 pezzi, più dei %2 che il programma può gestire")
            .arg(elenco.size())
            .arg(k_MassimoPezziCommessa);
    pezzi.resize(size_t(elenco.size()));
    for (qsizetype i = 0; i < elenco.size(); ++i)
        if (QString errore = pezzoDaJson(elenco.at(i), pezzi[size_t(i)]); !errore.isEmpty())
            return QStringLiteral("pezzo %1: ").arg(i + 1) + errore;
    return {};
}
} // namespace

QByteArray CommessaInJson(const Commessa &commessa)
{
    QJsonArray pezzi;
    for (const SorgentePezzo &pezzo : commessa.pezzi)
        pezzi.append(pezzoInJson(pezzo));
    QJsonObject radice{
        {k_Formato, k_NomeFormato}, {k_Versione, k_VersioneCommessa}, {k_Nome, commessa.nome}, {k_Pezzi, pezzi}};
    if (commessa.gomito)
        radice.insert(k_Gomito, GomitoInJson(*commessa.gomito));
    if (commessa.divisione)
        radice.insert(k_Divisione, DivisioneInJson(*commessa.divisione));
    return QJsonDocument(radice).toJson(QJsonDocument::Indented);
}

QString CommessaDaJson(const QByteArray &json, Commessa &commessa)
{
    QJsonParseError errore{};
    const QJsonDocument documento = QJsonDocument::fromJson(json, &errore);
    if (errore.error != QJsonParseError::NoError)
        return QStringLiteral("non contiene un testo JSON valido (errore al byte %1)").arg(errore.offset + 1);
    if (!documento.isObject())
        return QStringLiteral("non è una commessa di Vorna: il testo JSON non è un oggetto");
    const QJsonObject radice = documento.object();
    QString nome;
    std::vector<SorgentePezzo> pezzi;
    if (QString motivo = leggiTesta(radice, nome); !motivo.isEmpty())
        return motivo;
    if (QString motivo = leggiPezzi(radice.value(k_Pezzi), pezzi); !motivo.isEmpty())
        return motivo;
    std::optional<GomitoCommessa> gomito;
    if (radice.contains(k_Gomito))
        if (QString motivo = GomitoDaJson(radice.value(k_Gomito), gomito.emplace()); !motivo.isEmpty())
            return motivo;
    std::optional<DivisioneCommessa> divisione;
    if (radice.contains(k_Divisione))
        if (QString motivo = DivisioneDaJson(radice.value(k_Divisione), divisione.emplace()); !motivo.isEmpty())
            return motivo;
    Commessa letta;
    letta.nome = nome;
    letta.pezzi = std::move(pezzi);
    letta.gomito = gomito;
    // Pieces edited apart from their elbow would be cut unlike the elbow shown.
    if (gomito && !PezziDelGomitoCoerenti(letta))
        return QStringLiteral("i pezzi non corrispondono alle misure del gomito");
    commessa.nome = letta.nome;
    commessa.pezzi = std::move(letta.pezzi);
    commessa.gomito = gomito;
    commessa.divisione = divisione;
    return {};
}

EsitoFile LeggiCommessa(const QString &percorso, Commessa &commessa)
{
    FileInLettura file;
    if (EsitoFile esito = file.Apri(percorso); !esito)
        return esito;
    if (file.Dimensione() > k_MassimoFileCommessa)
        return EsitoFile::Fallito(troppoGrande());
    QByteArray json;
    if (EsitoFile esito = file.Leggi(0, file.Dimensione(), json); !esito)
        return esito;
    Commessa letta;
    if (const QString motivo = CommessaDaJson(json, letta); !motivo.isEmpty())
        return EsitoFile::Fallito(motivo);
    letta.percorso = percorso;
    letta.salvataggio = Salvataggio::Salvato;
    commessa = std::move(letta);
    return {};
}

EsitoFile ScriviCommessa(const QString &percorso, const Commessa &commessa)
{
    const QByteArray json = CommessaInJson(commessa);
    // A file that could not be opened again is no save.
    if (json.size() > k_MassimoFileCommessa)
        return EsitoFile::Fallito(troppoGrande());
    Commessa riletta;
    if (const QString motivo = CommessaDaJson(json, riletta); !motivo.isEmpty())
        return EsitoFile::Fallito(motivo);
    return ScriviFileSicuro(percorso, json);
}
