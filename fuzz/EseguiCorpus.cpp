// Runs a fuzzer's harness once over each file named on the command line: its committed corpus
// and reproducers, as an ordinary regression test without libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dati, size_t dimensione);

namespace {
int Esegui(const QString &percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "impossibile leggere %s\n", qPrintable(percorso));
        return 1;
    }
    const QByteArray dati = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(dati.constData()), size_t(dati.size()));
    return 0;
}
} // namespace

int main(int argc, char *argv[])
{
    LLVMFuzzerInitialize(&argc, &argv);
    int eseguiti = 0, errori = 0;
    for (int i = 1; i < argc; ++i) {
        const QString nome = QString::fromLocal8Bit(argv[i]);
        const QStringList file =
            QFileInfo(nome).isDir() ? QDir(nome).entryList(QDir::Files, QDir::Name) : QStringList{QString()};
        for (const QString &f : file) {
            errori += Esegui(f.isEmpty() ? nome : QDir(nome).filePath(f));
            ++eseguiti;
        }
    }
    std::printf("%d input eseguiti\n", eseguiti);
    return errori == 0 && eseguiti > 0 ? 0 : 1;
}
