// Qt Widgets implementation of the platform seam.
#include "platform/PiattaformaQt.h"
#include "platform/FinestraFissa.h"

#include <QApplication>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QInputDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTranslator>

#include <utility>
#include <vector>

int PiattaformaQt::MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo)
{
    QMessageBox box(QMessageBox::NoIcon, titolo, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    box.setWindowFlags(k_FinestraFissa);
    std::vector<std::pair<QPushButton *, int>> risposte;
    auto aggiungi = [&](const QString &testo, QMessageBox::ButtonRole ruolo, int codice) {
        risposte.emplace_back(box.addButton(testo, ruolo), codice);
    };
    switch (pulsanti) {
    case Pulsanti::OK:
        aggiungi(QStringLiteral("OK"), QMessageBox::AcceptRole, RispostaOK);
        break;
    case Pulsanti::OKAnnulla:
        aggiungi(QStringLiteral("OK"), QMessageBox::AcceptRole, RispostaOK);
        aggiungi(QStringLiteral("Annulla"), QMessageBox::RejectRole, RispostaAnnulla);
        break;
    case Pulsanti::SiNo:
        aggiungi(QStringLiteral("Sì"), QMessageBox::YesRole, RispostaSi);
        aggiungi(QStringLiteral("No"), QMessageBox::NoRole, RispostaNo);
        break;
    case Pulsanti::SiNoAnnulla:
        aggiungi(QStringLiteral("Sì"), QMessageBox::YesRole, RispostaSi);
        aggiungi(QStringLiteral("No"), QMessageBox::NoRole, RispostaNo);
        aggiungi(QStringLiteral("Annulla"), QMessageBox::RejectRole, RispostaAnnulla);
        break;
    }
    box.setDefaultButton(risposte.front().first);
    box.exec();
    for (const auto &[pulsante, codice] : risposte)
        if (box.clickedButton() == pulsante)
            return codice;
    // Escape or the close box: the box's cancel answer, else its only button.
    if (pulsanti == Pulsanti::OKAnnulla || pulsanti == Pulsanti::SiNoAnnulla)
        return RispostaAnnulla;
    return pulsanti == Pulsanti::SiNo ? RispostaNo : RispostaOK;
}

void PiattaformaQt::Beep() { QApplication::beep(); }

QStringList FiltriQt(const QString &filtro)
{
    const QStringList parti = filtro.split(QLatin1Char('|'));
    QStringList filtri;
    for (qsizetype i = 0; i + 1 < parti.size(); i += 2) {
        const QString &descrizione = parti.at(i);
        const QString &schema = parti.at(i + 1);
        filtri << (descrizione.contains(QLatin1Char('('))
                       ? descrizione
                       : descrizione + QStringLiteral(" (") + schema + QLatin1Char(')'));
    }
    return filtri;
}

namespace {
std::optional<QString> mostraDialogo(const RichiestaFile &richiesta, QFileDialog::AcceptMode modo)
{
    QFileDialog dialogo(QApplication::activeWindow());
    dialogo.setAcceptMode(modo);
    dialogo.setFileMode(modo == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    const QStringList filtri = FiltriQt(richiesta.filtro);
    dialogo.setNameFilters(filtri);
    if (richiesta.indiceFiltro >= 1 && richiesta.indiceFiltro <= filtri.size())
        dialogo.selectNameFilter(filtri.at(richiesta.indiceFiltro - 1));
    if (!richiesta.nomePredefinito.isEmpty())
        dialogo.selectFile(richiesta.nomePredefinito);
    dialogo.setDefaultSuffix(richiesta.estensionePredefinita);
    // A name typed without an extension takes the one of the type chosen ("(*.vorna)"), or the
    // preset one under a type of several.
    if (!richiesta.estensionePredefinita.isEmpty())
        QObject::connect(&dialogo, &QFileDialog::filterSelected, &dialogo,
                         [&dialogo, &richiesta](const QString &filtro) {
                             static const QRegularExpression unaSola(QStringLiteral("\\(\\*\\.(\\w+)\\)$"));
                             const QRegularExpressionMatch estensione = unaSola.match(filtro);
                             dialogo.setDefaultSuffix(estensione.hasMatch() ? estensione.captured(1)
                                                                            : richiesta.estensionePredefinita);
                         });
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, !richiesta.chiediSovrascrittura);
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return std::nullopt;
    return dialogo.selectedFiles().constFirst();
}
} // namespace

std::optional<QString> PiattaformaQt::DialogoApri(const RichiestaFile &richiesta)
{
    return mostraDialogo(richiesta, QFileDialog::AcceptOpen);
}

std::optional<QString> PiattaformaQt::DialogoSalva(const RichiestaFile &richiesta)
{
    return mostraDialogo(richiesta, QFileDialog::AcceptSave);
}

bool PiattaformaQt::DialogoStampante(QPrinter &stampante)
{
    QPrintDialog dialogo(&stampante, QApplication::activeWindow());
    return dialogo.exec() == QDialog::Accepted;
}

std::optional<int> PiattaformaQt::ChiediNumero(const QString &prompt, const QString &titolo, int iniziale, int minimo,
                                               int massimo)
{
    bool accettato = false;
    const int numero =
        QInputDialog::getInt(QApplication::activeWindow(), titolo, prompt, iniziale, minimo, massimo, 1, &accettato);
    return accettato ? std::optional(numero) : std::nullopt;
}

void CaricaTraduzioniQt()
{
    const QString cartella = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const char *nome : {"qtbase_it", "qt_it"}) {
        auto *traduttore = new QTranslator(qApp);
        if (traduttore->load(QString::fromLatin1(nome), cartella))
            QCoreApplication::installTranslator(traduttore);
        else
            delete traduttore;
    }
}
