// One export flow for the window's DXF, the table's CSV and the tiled PDF.
#include "exports/ComandoEsporta.h"

#include "platform/NomeConEstensione.h"
#include "platform/Piattaforma.h"

std::optional<EsitoScrittura> ComandoEsporta(const FormatoEsportazione &formato, const QString &nome,
                                             const std::function<EsitoScrittura(const QString &percorso)> &scrivi)
{
    RichiestaFile richiesta;
    richiesta.filtro = formato.filtro;
    richiesta.nomePredefinito = nome + formato.estensione;
    richiesta.chiediSovrascrittura = true;
    // The dialog adds the extension itself, so that its overwrite question names the real file.
    richiesta.estensionePredefinita = formato.estensione.mid(1);
    const auto scelto = Piattaforma::corrente().DialogoSalva(richiesta);
    if (!scelto)
        return std::nullopt;
    const QString percorso = HaEstensione(*scelto, formato.estensione) ? *scelto : *scelto + formato.estensione;
    EsitoScrittura esito = scrivi(percorso);
    esito.percorso = percorso;
    if (esito.esito == EsitoEsportazione::NonScrivibile || esito.esito == EsitoEsportazione::Vietata)
        MsgBox(QStringLiteral("Errore nell'esportazione dello sviluppo\n") +
               MessaggioEsportazione(esito.esito, percorso, esito.motivo));
    return esito;
}

std::optional<EsitoScrittura> ComandoEsporta(const FormatoEsportazione &formato, const QString &nome,
                                             const std::function<std::optional<Pezzo>()> &pezzo,
                                             const OpzioniEsportazione &opzioni)
{
    return ComandoEsporta(formato, nome, [&](const QString &percorso) {
        const auto prodotto = pezzo();
        if (!prodotto)
            return EsitoScrittura{EsitoEsportazione::DatiRifiutati, percorso, {}, ErroreFogli::Nessuno, {}};
        return ScriviPezzo(formato, *prodotto, opzioni, percorso);
    });
}

QString AvvisoEsportato(const EsitoScrittura &esito)
{
    const QString seguito = esito.riepilogo.isEmpty() ? QString() : QStringLiteral(": ") + esito.riepilogo;
    return QStringLiteral("Esportato ") + esito.percorso + seguito;
}
