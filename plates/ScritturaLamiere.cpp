// Every file in memory first: a refusal or a failure to write leaves the folder as it was, as far
// as one rename at a time allows.
#include "plates/ScritturaLamiere.h"

#include "plates/UscitePezzi.h"
#include "plates/UsciteLamiere.h"
#include "platform/FileSicuro.h"

#include <QDir>

std::optional<QString> ScriviUsciteLamiere(const OpzioneDivisione &scelta, const QString &cartella,
                                           UsciteFacoltative facoltative)
{
    if (!QDir().mkpath(cartella))
        return QStringLiteral("Impossibile creare la cartella ") + cartella;
    std::vector<std::pair<QString, QByteArray>> file;
    for (size_t n = 0; n < scelta.lamiere.size(); ++n)
        file.emplace_back(NomeDxfLamiera(int(n) + 1), DxfDellaLamiera(scelta.lamiere[n], scelta.diviso.pezzi));
    file.emplace_back(k_CsvLamiere, CsvDelleLamiere(scelta));
    if (facoltative.tabelle)
        for (const PezzoLamiera &pezzo : scelta.diviso.pezzi) {
            file.emplace_back(NomeFilePezzo(pezzo, QStringLiteral(".csv")), TabellaDelPezzo(pezzo));
            file.emplace_back(NomeFileGeneratrici(pezzo), GeneratriciDelPezzo(pezzo));
        }
    for (const auto &[nome, contenuto] : file) {
        const QString percorso = QDir(cartella).filePath(nome);
        if (const EsitoFile esito = ScriviFileSicuro(percorso, contenuto); !esito)
            return QStringLiteral("Impossibile scrivere il file %1: %2").arg(percorso, esito.motivo);
    }
    if (facoltative.pdf)
        for (const PezzoLamiera &pezzo : scelta.diviso.pezzi)
            if (auto rifiuto =
                    SalvaPdfDelPezzo(pezzo, QDir(cartella).filePath(NomeFilePezzo(pezzo, QStringLiteral(".pdf")))))
                return rifiuto;
    const QDir dir(cartella);
    for (const QString &nome : dir.entryList({QStringLiteral("lamiera-*.dxf")}, QDir::Files)) {
        bool numero = false;
        const int n = nome.mid(8, nome.size() - 12).toInt(&numero);
        if (numero && n > int(scelta.lamiere.size()) && nome == NomeDxfLamiera(n))
            QFile::remove(dir.filePath(nome));
    }
    return std::nullopt;
}
