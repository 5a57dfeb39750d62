// The eccentric reducer's figures from the command line, checked as the worksheet checks them, then saved.
#include "app/NuovoEccentrico.h"

#include "app/NuovoPezzo.h"
#include "geometry/ValidaConoObliquo.h"

#include <QLocale>

#include <cmath>

const char k_UsoNuovoEccentrico[] =
    "  --new-eccentric OUT.vorna --d1 MM --d2 MM --height MM --offset MM [--seam short|long|GRADI]\n"
    "             [--thickness MM --surface inside|outside|mean] [--material NOME|DENSITA]\n"
    "             [--generators N] [--name NOME]\n"
    "                                 scrive la commessa di una riduzione eccentrica: estremi tondi\n"
    "                                 e paralleli, il centro della cima spostato di --offset\n";

namespace {
struct OpzioniEccentrico {
    TestiConoObliquo testi;
    Cucitura cucitura;
    int generatori = FigureEccentrico{}.generatori;
};

std::optional<Cucitura> cucituraDi(const QString &valore)
{
    if (valore == QLatin1String("short"))
        return Cucitura{TipoCucitura::Corta, 0};
    if (valore == QLatin1String("long"))
        return Cucitura{TipoCucitura::Lunga, 0};
    bool numero = false;
    const double gradi = QLocale::c().toDouble(valore, &numero);
    if (!numero || !std::isfinite(gradi))
        return std::nullopt;
    return Cucitura{TipoCucitura::Angolo, gradi};
}

bool leggiOpzione(const QString &nome, const QString &valore, OpzioniEccentrico &opzioni, QString &rifiuto)
{
    QString *const misure[] = {&opzioni.testi.D1, &opzioni.testi.D2, &opzioni.testi.H, &opzioni.testi.Scostamento};
    const QStringList nomiMisure{QStringLiteral("--d1"), QStringLiteral("--d2"), QStringLiteral("--height"),
                                 QStringLiteral("--offset")};
    if (const qsizetype i = nomiMisure.indexOf(nome); i >= 0) {
        *misure[i] = valore; // checked as the worksheet's field is
        return true;
    }
    if (nome == QLatin1String("--seam")) {
        if (const auto cucitura = cucituraDi(valore))
            opzioni.cucitura = *cucitura;
        else
            rifiuto = QStringLiteral("Cucitura sconosciuta (short, long o un angolo in gradi): ") + valore;
        return true;
    }
    if (nome == QLatin1String("--generators")) {
        bool intero = false;
        opzioni.generatori = valore.toInt(&intero);
        if (!intero || opzioni.generatori < 2 || opzioni.generatori > k_MassimiGeneratori)
            rifiuto =
                QStringLiteral("Numero di generatrici non valido (da 2 a %1): ").arg(k_MassimiGeneratori) + valore;
        return true;
    }
    return false;
}

// The reducer the worksheet's "Calcola" would develop, or nothing when it would refuse it (told).
std::optional<SorgentePezzo> pezzoDi(const OpzioniPezzo &comuni, OpzioniEccentrico opzioni, const QString &destinazione)
{
    opzioni.testi.Spessore = comuni.lamiera.spessore.value_or(QString());
    opzioni.testi.Quote = comuni.lamiera.quote.value_or(QuoteLamiera::Esterne);
    CampoConoObliquo campo = CampoConoObliquo::Nessuno;
    const auto cono = ValidaConoObliquo(opzioni.testi, campo);
    if (!cono)
        return std::nullopt;
    SorgentePezzo pezzo;
    pezzo.solido = TipoSolido::Eccentrico;
    FigureEccentrico &figure = pezzo.eccentrico;
    figure.nome = NomeDelPezzo(comuni, destinazione, figure.nome.larghezza());
    figure.cono = *cono;
    figure.cucitura = opzioni.cucitura;
    figure.materiale = comuni.materiale;
    figure.generatori = opzioni.generatori;
    return pezzo;
}
} // namespace

int NuovoEccentrico(const QStringList &argomenti, const NomiDellaRiga &nomi)
{
    OpzioniEccentrico opzioni;
    ComandoNuovoPezzo comando;
    comando.comando = QStringLiteral("--new-eccentric");
    comando.uso = k_UsoNuovoEccentrico;
    comando.opzione = [&](const QString &nome, const QString &valore, QString &rifiuto) {
        return leggiOpzione(nome, valore, opzioni, rifiuto);
    };
    comando.pezzo = [&](const OpzioniPezzo &comuni, const QString &mostrato, bool) {
        return pezzoDi(comuni, opzioni, mostrato);
    };
    return NuovoPezzo(argomenti, nomi, comando);
}
