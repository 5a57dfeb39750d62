// Helpers of the window tests, with the application frame or its double: a scratch working folder and developments typed into the worksheet.
#pragma once

#include "development/frmGrafico.h"
#include "worksheet/frmCalvetra.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>

// The working folder for the whole test run, where Taratura.dat and the .tnt files go.
class CartellaDiLavoro {
public:
    CartellaDiLavoro() : m_prima(QDir::currentPath()) { QDir::setCurrent(m_cartella.path()); }
    ~CartellaDiLavoro() { QDir::setCurrent(m_prima); }
    QString percorso(const QString &nome) const { return m_cartella.filePath(nome); }

private:
    QTemporaryDir m_cartella;
    QString m_prima;
};

struct Figure {
    QString nome, ac, ab, bd, alfa, beta;
    bool chiudiAC = false;
};

inline Figure ConoDiProva() { return {QStringLiteral("Pezzo"), "60", "120", "60", "60", "60", false}; }
inline Figure CilindroDiProva() { return {QStringLiteral("Tubo"), "50", "100", "50", "90", "90", true}; }
// Passes the checks but needs a drawing scale past what Scala can hold.
inline Figure FiguraEnorme()
{
    return {QStringLiteral("Enorme"), "9999999999", "9999999999", "9999999999", "90", "90", false};
}

// `Frame` is the application's frame or the tests' double: both load the worksheet on demand.
template <class Frame> frmCalvetra &FoglioDi(Frame &frame)
{
    frame.Foglio();
    return *frame.foglio();
}

// Types the figures into the worksheet and presses "Calcola".
template <class Frame> void Calcola(Frame &frame, const Figure &f)
{
    frmCalvetra &foglio = FoglioDi(frame);
    foglio.txtNome->setText(f.nome);
    foglio.txtAC->setText(f.ac);
    foglio.txtAB->setText(f.ab);
    foglio.txtBD->setText(f.bd);
    foglio.txtALPHA->setText(f.alfa);
    foglio.txtBETA->setText(f.beta);
    (f.chiudiAC ? foglio.optChiudiAC : foglio.optChiudiBD)->setChecked(true);
    foglio.cmdCalcola_Click();
}

// Closed windows go at the next turn of the event loop; tests take that turn at once.
// Names the window's development, as a calculation or an open would.
inline void ImpostaNome(frmGrafico &finestra, const QString &nome)
{
    EtichetteSviluppo etichette = finestra.Etichette();
    etichette.lblNome = nome;
    finestra.ScriviEtichette(etichette);
}

inline void EseguiCancellazioni() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

inline QString DomandaChiusura(const QString &didascalia)
{
    return QStringLiteral("Attenzione lo sviluppo: ") + didascalia + QStringLiteral(" non è stato salvato. Farlo ora?");
}

inline QString DomandaSalvataggio(const QString &didascalia)
{
    return QStringLiteral("Lo sviluppo ") + didascalia + QStringLiteral(" non è stato salvato. Salvare ora?");
}

inline const QString k_SoloTnt = QStringLiteral("Posso salvare solo in formato .tnt. Premere OK per continuare");
