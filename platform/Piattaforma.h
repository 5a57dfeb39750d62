// The seam to the desktop: message boxes, file and printer dialogs, the beep, title and version.
#pragma once

#include <QString>
#include <optional>

class QPrinter;

// Button sets of a message box.
enum class Pulsanti { OK, OKAnnulla, SiNo, SiNoAnnulla };

// Codes of the button that closed a box, as `Risposta` holds them.
enum : int { RispostaOK = 1, RispostaAnnulla = 2, RispostaSi = 6, RispostaNo = 7 };

// What an open or save dialog is asked to show.
struct RichiestaFile {
    QString filtro;          // "(*.tnt)|*.tnt|All Files (*.*)|*.*": description|pattern pairs
    int indiceFiltro = 1;    // 1-based, as the common dialog counts
    QString nomePredefinito; // preset file name
    bool chiediSovrascrittura = false;
    QString estensionePredefinita; // "dxf": added to a typed name without one, before the overwrite question
};

class Piattaforma {
public:
    virtual ~Piattaforma();

    // Shows a modal box without icon; returns the code of the button pressed.
    virtual int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo) = 0;
    virtual void Beep() = 0;
    // Empty when the user cancelled.
    virtual std::optional<QString> DialogoApri(const RichiestaFile &richiesta) = 0;
    virtual std::optional<QString> DialogoSalva(const RichiestaFile &richiesta) = 0;
    // Lets the user choose and set up the printer; false when cancelled.
    virtual bool DialogoStampante(QPrinter &stampante) = 0;
    // Asks a whole number from `minimo` to `massimo`, `iniziale` offered; empty when cancelled.
    // Where nobody can answer (a batch run), nothing is asked.
    virtual std::optional<int> ChiediNumero(const QString &, const QString &, int, int, int) { return std::nullopt; }

    // The implementation in use: the Qt one in the program, a scripted double in tests.
    static Piattaforma &corrente();
    static void installa(Piattaforma *piattaforma);
};

// Shorthand for a box with the application's title.
int MsgBox(const QString &prompt, Pulsanti pulsanti = Pulsanti::OK);
int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo);

QString TitoloApplicazione();   // "Vorna"
QString VersioneApplicazione(); // "1.0.0"
