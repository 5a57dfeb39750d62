// The stock list as a small text file, read within bounds and replaced atomically under its lock.
#include "plates/FileLamiere.h"

#include "platform/BloccoFile.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>

namespace {
// Lines of up to some 60 characters: anything much larger is not this file.
constexpr qint64 k_MassimoByte = qint64(k_MassimoLamiere) * 100;

} // namespace

std::vector<Lamiera> LamiereDiPartenza()
{
    return {{2000, 1000, 0, {}}, {2500, 1250, 0, {}}, {3000, 1500, 0, {}}, {4000, 2000, 0, {}}, {6000, 2000, 0, {}}};
}

std::optional<std::vector<Lamiera>> LeggiLamiere(const QString &percorso, QString *motivo)
{
    if (!QFileInfo(percorso).exists() && !QFileInfo(percorso).isSymLink())
        return LamiereDiPartenza();
    QByteArray byte;
    if (const EsitoFile esito = LeggiFile(percorso, k_MassimoByte, byte); !esito) {
        if (motivo)
            *motivo = QStringLiteral("Impossibile leggere il file %1: %2").arg(percorso, esito.motivo);
        return std::nullopt;
    }
    std::vector<Lamiera> lamiere;
    const QStringList righe = QString::fromUtf8(byte).split(QLatin1Char('\n'));
    for (int n = 0; n < righe.size(); ++n) {
        const QString riga = righe[n].trimmed();
        if (riga.isEmpty())
            continue;
        const QStringList campi = riga.split(QLatin1Char(';'));
        QString perche;
        auto lamiera = campi.size() <= 3 ? LeggiMisuraLamiera(campi[0], &perche) : std::nullopt;
        const auto spessore = campi.size() > 1 ? LeggiSpessoreLamiera(campi[1]) : std::optional<double>(0.0);
        if (!lamiera || !spessore || int(lamiere.size()) >= k_MassimoLamiere) {
            if (motivo)
                *motivo = QStringLiteral("Il file %1 è danneggiato alla riga %2: %3")
                              .arg(percorso)
                              .arg(n + 1)
                              .arg(perche.isEmpty() ? riga : perche);
            return std::nullopt;
        }
        lamiera->spessore = *spessore;
        if (campi.size() > 2)
            lamiera->materiale = campi[2].trimmed();
        lamiere.push_back(*lamiera);
    }
    return lamiere;
}

EsitoFile ScriviLamiere(const std::vector<Lamiera> &lamiere, const QString &percorso)
{
    QByteArray testo;
    for (const Lamiera &l : lamiere) {
        QString riga =
            QLocale::c().toString(l.larghezza, 'g', 10) + QLatin1Char('x') + QLocale::c().toString(l.altezza, 'g', 10);
        if (l.spessore > 0 || !l.materiale.isEmpty())
            riga += QLatin1Char(';') + (l.spessore > 0 ? QLocale::c().toString(l.spessore, 'g', 10) : QString());
        // A separator in the name would split it on the next read.
        if (!l.materiale.isEmpty())
            riga += QLatin1Char(';') + QString(l.materiale).replace(QLatin1Char(';'), QLatin1Char(',')).simplified();
        testo += riga.toUtf8() + '\n';
    }
    BloccoFile blocco(percorso);
    if (const EsitoFile esito = blocco.Prendi(); !esito)
        return esito;
    return ScriviFileSicuro(percorso, testo);
}
