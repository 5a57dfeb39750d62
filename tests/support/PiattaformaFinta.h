// Scripted platform double: every box, dialog and beep is recorded and answered from a queue.
// A box or dialog the test did not script fails the test.
#pragma once

#include "platform/Piattaforma.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>

class PiattaformaFinta final : public Piattaforma {
public:
    struct Box {
        QString prompt;
        Pulsanti pulsanti = Pulsanti::OK;
        QString titolo;
    };

    PiattaformaFinta();           // installs itself
    ~PiattaformaFinta() override; // and uninstalls

    // The next box must be exactly this one; it is answered with `risposta`.
    void attendiBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo, int risposta = RispostaOK);
    // The same with the application's title "Vorna".
    void attendiBox(const QString &prompt, Pulsanti pulsanti = Pulsanti::OK, int risposta = RispostaOK);
    // The next open/save dialog answers this name (nullopt: cancelled).
    void attendiApri(std::optional<QString> risposta);
    void attendiSalva(std::optional<QString> risposta);
    // The next printer dialog: accepted or cancelled; `prepara` may set the printer up (a PDF file).
    void attendiStampante(bool accetta, std::function<void(QPrinter &)> prepara = {});
    // The next number asked: this answer (nullopt: cancelled).
    void attendiNumero(std::optional<int> risposta) { m_numeri.push_back(risposta); }

    int MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo) override;
    void Beep() override { ++m_beep; }
    std::optional<QString> DialogoApri(const RichiestaFile &richiesta) override;
    std::optional<QString> DialogoSalva(const RichiestaFile &richiesta) override;
    bool DialogoStampante(QPrinter &stampante) override;
    std::optional<int> ChiediNumero(const QString &prompt, const QString &titolo, int iniziale, int minimo,
                                    int massimo) override;

    const QList<Box> &boxMostrati() const { return m_mostrati; }
    const QList<RichiestaFile> &richiesteApri() const { return m_richiesteApri; }
    const QList<RichiestaFile> &richiesteSalva() const { return m_richiesteSalva; }
    int beep() const { return m_beep; }
    // Faults seen so far: unexpected or different boxes and dialogs.
    const QStringList &errori() const { return m_errori; }
    // True when no scripted answer is left unused.
    bool copioneEsaurito() const;
    // Fails the current test if anything went off script; call at the end of a test.
    void verifica(const char *file, int riga) const;

private:
    struct AttesaBox {
        Box box;
        int risposta;
    };
    struct AttesaStampante {
        bool accetta;
        std::function<void(QPrinter &)> prepara;
    };
    void errore(const QString &testo);

    std::deque<AttesaBox> m_box;
    struct AttesaFile {
        bool annullato;
        QString nome;
    };
    std::optional<QString> prossimoFile(std::deque<AttesaFile> &coda, const RichiestaFile &richiesta, const char *tipo);

    std::deque<AttesaFile> m_apri, m_salva;
    std::deque<AttesaStampante> m_stampante;
    std::deque<std::optional<int>> m_numeri;
    QList<Box> m_mostrati;
    QList<RichiestaFile> m_richiesteApri, m_richiesteSalva;
    QStringList m_errori;
    int m_beep = 0;
    Piattaforma *m_precedente = nullptr;
};

QString NomePulsanti(Pulsanti pulsanti);

// At the end of a test: everything scripted was used and nothing unscripted happened.
#define VERIFICA_COPIONE(finta)                                                                                        \
    do {                                                                                                               \
        (finta).verifica(__FILE__, __LINE__);                                                                          \
        if (QTest::currentTestFailed())                                                                                \
            return;                                                                                                    \
    } while (false)
