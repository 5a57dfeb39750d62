// The scripted platform double.
#include "tests/support/PiattaformaFinta.h"

#include <QTest>

namespace {
Piattaforma *g_installata = nullptr;
}

QString NomePulsanti(Pulsanti pulsanti)
{
    switch (pulsanti) {
    case Pulsanti::OK:
        return QStringLiteral("OK");
    case Pulsanti::OKAnnulla:
        return QStringLiteral("OK/Annulla");
    case Pulsanti::SiNo:
        return QStringLiteral("Sì/No");
    case Pulsanti::SiNoAnnulla:
        return QStringLiteral("Sì/No/Annulla");
    }
    return QString();
}

PiattaformaFinta::PiattaformaFinta()
{
    m_precedente = g_installata;
    g_installata = this;
    Piattaforma::installa(this);
}

PiattaformaFinta::~PiattaformaFinta()
{
    g_installata = m_precedente;
    Piattaforma::installa(m_precedente);
}

void PiattaformaFinta::attendiBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo, int risposta)
{
    m_box.push_back({{prompt, pulsanti, titolo}, risposta});
}

void PiattaformaFinta::attendiBox(const QString &prompt, Pulsanti pulsanti, int risposta)
{
    attendiBox(prompt, pulsanti, TitoloApplicazione(), risposta);
}

void PiattaformaFinta::attendiApri(std::optional<QString> risposta)
{
    m_apri.push_back({!risposta.has_value(), risposta.value_or(QString())});
}

void PiattaformaFinta::attendiSalva(std::optional<QString> risposta)
{
    m_salva.push_back({!risposta.has_value(), risposta.value_or(QString())});
}

void PiattaformaFinta::attendiStampante(bool accetta, std::function<void(QPrinter &)> prepara)
{
    m_stampante.push_back({accetta, std::move(prepara)});
}

void PiattaformaFinta::errore(const QString &testo)
{
    m_errori << testo;
    QTest::qFail(testo.toUtf8().constData(), __FILE__, __LINE__);
}

int PiattaformaFinta::MsgBox(const QString &prompt, Pulsanti pulsanti, const QString &titolo)
{
    m_mostrati.push_back({prompt, pulsanti, titolo});
    const QString descrizione = QStringLiteral("\"%1\" [%2] \"%3\"").arg(prompt, NomePulsanti(pulsanti), titolo);
    if (m_box.empty()) {
        errore(QStringLiteral("unexpected box: ") + descrizione);
        return pulsanti == Pulsanti::OK ? RispostaOK : RispostaAnnulla;
    }
    const AttesaBox attesa = m_box.front();
    m_box.pop_front();
    if (attesa.box.prompt != prompt || attesa.box.pulsanti != pulsanti || attesa.box.titolo != titolo) {
        errore(QStringLiteral("box %1, expected \"%2\" [%3] \"%4\"")
                   .arg(descrizione, attesa.box.prompt, NomePulsanti(attesa.box.pulsanti), attesa.box.titolo));
    }
    return attesa.risposta;
}

std::optional<QString> PiattaformaFinta::prossimoFile(std::deque<AttesaFile> &coda, const RichiestaFile &richiesta,
                                                      const char *tipo)
{
    if (coda.empty()) {
        errore(QStringLiteral("unexpected %1 dialog, filter %2").arg(QLatin1String(tipo), richiesta.filtro));
        return std::nullopt;
    }
    const AttesaFile attesa = coda.front();
    coda.pop_front();
    if (attesa.annullato)
        return std::nullopt;
    return attesa.nome;
}

std::optional<QString> PiattaformaFinta::DialogoApri(const RichiestaFile &richiesta)
{
    m_richiesteApri.push_back(richiesta);
    return prossimoFile(m_apri, richiesta, "open");
}

std::optional<int> PiattaformaFinta::ChiediNumero(const QString &prompt, const QString &, int, int minimo, int massimo)
{
    if (m_numeri.empty()) {
        m_errori << QStringLiteral("unexpected number asked: ") + prompt;
        return std::nullopt;
    }
    const std::optional<int> risposta = m_numeri.front();
    m_numeri.pop_front();
    if (risposta && (*risposta < minimo || *risposta > massimo))
        m_errori << QStringLiteral("scripted number outside %1-%2").arg(minimo).arg(massimo);
    return risposta;
}

std::optional<QString> PiattaformaFinta::DialogoSalva(const RichiestaFile &richiesta)
{
    m_richiesteSalva.push_back(richiesta);
    return prossimoFile(m_salva, richiesta, "save");
}

bool PiattaformaFinta::DialogoStampante(QPrinter &stampante)
{
    if (m_stampante.empty()) {
        errore(QStringLiteral("unexpected printer dialog"));
        return false;
    }
    const AttesaStampante attesa = m_stampante.front();
    m_stampante.pop_front();
    if (attesa.prepara)
        attesa.prepara(stampante);
    return attesa.accetta;
}

bool PiattaformaFinta::copioneEsaurito() const
{
    return m_box.empty() && m_apri.empty() && m_salva.empty() && m_stampante.empty() && m_numeri.empty();
}

void PiattaformaFinta::verifica(const char *file, int riga) const
{
    if (!m_errori.isEmpty()) {
        QTest::qFail(m_errori.join(QLatin1Char('\n')).toUtf8().constData(), file, riga);
        return;
    }
    if (!copioneEsaurito()) {
        QString resto;
        for (const auto &a : m_box)
            resto += QStringLiteral("\n  box \"%1\"").arg(a.box.prompt);
        resto += QStringLiteral("\n  %1 open, %2 save, %3 printer dialogs")
                     .arg(m_apri.size())
                     .arg(m_salva.size())
                     .arg(m_stampante.size());
        QTest::qFail((QStringLiteral("scripted answers left unused:") + resto).toUtf8().constData(), file, riga);
    }
}
