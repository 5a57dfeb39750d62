// The frame of the commands that write a job from typed figures, without a display.
#include "app/NuovoPezzo.h"

#include "app/PiattaformaConsole.h"
#include "app/ValoreOpzione.h"
#include "documents/ArchivioCommessa.h"
#include "exports/Esportazione.h"
#include "platform/NomeConEstensione.h"

#include <QFileInfo>
#include <QLocale>

#include <cstdio>

namespace {
enum : int { Riuscita = 0, Rifiutata = 1, Sbagliata = 2 };

int sbagliata(const ComandoNuovoPezzo &comando, const QString &motivo)
{
    ScriviErrore(motivo);
    std::fputs(comando.uso, stderr);
    return Sbagliata;
}

std::optional<Materiale> materialeDi(const QString &valore)
{
    for (const Materiale &materiale : MaterialiComuni())
        if (valore.compare(materiale.nome, Qt::CaseInsensitive) == 0)
            return materiale;
    bool numero = false;
    const double densita = QLocale::c().toDouble(valore, &numero);
    if (numero && densita > 0 && densita < 100)
        return Materiale{QStringLiteral("Altro"), densita};
    return std::nullopt;
}

} // namespace

bool OpzioneComune(const QString &nome, const QString &valore, OpzioniPezzo &opzioni, QString &rifiuto)
{
    if (nome == QLatin1String("--thickness") || nome == QLatin1String("--surface")) {
        opzioni.argomentiLamiera << nome << valore;
        return true;
    }
    if (nome == QLatin1String("--name")) {
        opzioni.nome = valore;
        return true;
    }
    if (nome != QLatin1String("--material"))
        return false;
    if (const auto materiale = materialeDi(valore))
        opzioni.materiale = *materiale;
    else
        rifiuto = QStringLiteral("Materiale sconosciuto (Acciaio, Inox, Alluminio, Rame, Ottone o la densità in "
                                 "kg/dm³ tra 0 e 100): ") +
                  valore;
    return true;
}

namespace {

std::optional<QString> leggiOpzioni(const QStringList &argomenti, const ComandoNuovoPezzo &comando,
                                    OpzioniPezzo &opzioni)
{
    for (qsizetype i = 0; i < argomenti.size(); i += 2) {
        const QString &nome = argomenti.at(i);
        const int larghezza = nome == QLatin1String("--name") ? FigureSviluppo{}.Nome.larghezza() : 0;
        if (const auto rifiuto = ValoreRifiutato(argomenti, i, larghezza))
            return rifiuto;
        const QString valore = argomenti.at(i + 1).trimmed();
        QString rifiuto;
        if (!OpzioneComune(nome, valore, opzioni, rifiuto) && !comando.opzione(nome, valore, rifiuto))
            return QStringLiteral("Opzione sconosciuta: ") + nome;
        if (!rifiuto.isEmpty())
            return rifiuto;
    }
    return LeggiOpzioniLamiera(opzioni.argomentiLamiera, opzioni.lamiera);
}
} // namespace

QString NomeDelPezzo(const OpzioniPezzo &opzioni, const QString &destinazione, int larghezza)
{
    return opzioni.nome.value_or(QFileInfo(destinazione).completeBaseName().left(larghezza));
}

int NuovoPezzo(const QStringList &argomenti, const NomiDellaRiga &nomi, const ComandoNuovoPezzo &comando)
{
    if (argomenti.isEmpty() || argomenti.size() % 2 == 0)
        return sbagliata(comando, QStringLiteral("Numero di argomenti errato per ") + comando.comando);
    const QString &destinazione = argomenti.first();
    if (comando.tnt && !EstensioneCommessa(destinazione))
        return sbagliata(comando,
                         QStringLiteral("Il file da scrivere deve avere estensione .vorna o .tnt: ") + destinazione);
    if (!comando.tnt && !HaEstensione(destinazione, QStringLiteral(".vorna")))
        return sbagliata(comando, QStringLiteral("Il file da scrivere deve avere estensione .vorna: ") + destinazione);
    OpzioniPezzo opzioni;
    if (const auto rifiuto = leggiOpzioni(argomenti.mid(1), comando, opzioni))
        return sbagliata(comando, *rifiuto);
    FileDellaRiga file;
    if (const int numero = nomi.Trova(destinazione, true, file)) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, destinazione, MotivoNome(numero)));
        return Sbagliata;
    }

    PiattaformaConsole console;
    Piattaforma::installa(&console);
    const auto pezzo = comando.pezzo(opzioni, file.mostrato, HaEstensione(destinazione, QStringLiteral(".tnt")));
    Piattaforma::installa(nullptr);
    if (!pezzo)
        return Rifiutata;

    Commessa commessa;
    commessa.nome = TrimBlank(pezzo->solido == TipoSolido::Eccentrico ? pezzo->eccentrico.nome : pezzo->tronco.Nome);
    commessa.pezzi = {*pezzo};
    if (const EsitoFile esito = SalvaCommessa(file.percorso, commessa); !esito) {
        ScriviErrore(MessaggioEsportazione(EsitoEsportazione::NonScrivibile, file.mostrato, esito.motivo));
        return Sbagliata;
    }
    return Riuscita;
}
