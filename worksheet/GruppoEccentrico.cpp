// The eccentric reducer's fields laid out in twips, read and checked as the worksheet's.
#include "worksheet/GruppoEccentrico.h"

#include "platform/DisposizioneTwip.h"
#include "platform/Piattaforma.h"
#include "platform/TestoNumerico.h"
#include "worksheet/GruppoOfficina.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>

#include <cmath>

GruppoEccentrico::GruppoEccentrico(QWidget *parent)
    : QGroupBox(QStringLiteral("Riduzione eccentrica (estremità tonde e parallele)"), parent),
      txtD1(CampoConUnita(this, "txtEccD1", "D1:", QStringLiteral("mm"),
                          QStringLiteral("Inserisci il diametro in mm dell'estremità maggiore (la base)"), 120, 300)),
      txtD2(CampoConUnita(this, "txtEccD2", "D2:", QStringLiteral("mm"),
                          QStringLiteral("Inserisci il diametro in mm dell'estremità minore"), 2640, 300)),
      txtH(CampoConUnita(this, "txtEccH", "H:", QStringLiteral("mm"),
                         QStringLiteral("Inserisci l'altezza in mm tra i piani delle due estremità"), 5160, 300)),
      txtScostamento(CampoConUnita(this, "txtEccScostamento", "Scostamento:", QStringLiteral("mm"),
                                   QStringLiteral("Inserisci di quanti mm il centro dell'estremità minore è spostato "
                                                  "da quello della base ((D1 - D2) / 2: un lato verticale)"),
                                   120, 660)),
      cboCucitura(new QComboBox(this)),
      txtGradiCucitura(CampoConUnita(this, "txtEccGradi", "a:", QStringLiteral("°"),
                                     QStringLiteral("Inserisci l'angolo in gradi della cucitura sulla base, da "
                                                    "dove la cima si sposta"),
                                     5160, 660)),
      txtGeneratori(CampoConUnita(this, "txtEccGeneratori", "Generatrici:", QStringLiteral("n."),
                                  QStringLiteral("Inserisci quante generatrici, a passi uguali, elenca la tabella"),
                                  120, 1020))
{
    setObjectName(QStringLiteral("fraEccentrico"));
    cboCucitura->setObjectName(QStringLiteral("cboCucitura"));
    cboCucitura->setToolTip(QStringLiteral("Scegli dove si chiude lo sviluppo"));
    // In the order of TipoCucitura.
    cboCucitura->addItems(
        {QStringLiteral("Cucitura corta"), QStringLiteral("Cucitura lunga"), QStringLiteral("Cucitura a un angolo")});
    cboCucitura->setGeometry(DaTwips(2640, 660, 2295, 300));
    txtGeneratori->setText(QStringLiteral("24"));
    const auto angolo = [this] {
        txtGradiCucitura->setEnabled(cboCucitura->currentIndex() == int(TipoCucitura::Angolo));
    };
    connect(cboCucitura, &QComboBox::currentIndexChanged, this, angolo);
    angolo();
}

QList<QWidget *> GruppoEccentrico::Campi() const
{
    return {txtD1, txtD2, txtH, txtScostamento, cboCucitura, txtGradiCucitura, txtGeneratori};
}

std::optional<FigureEccentrico> GruppoEccentrico::Leggi(const QString &spessore, QuoteLamiera quote,
                                                        bool &spessoreErrato)
{
    spessoreErrato = false;
    CampoConoObliquo campo = CampoConoObliquo::Nessuno;
    const auto cono =
        ValidaConoObliquo({txtD1->text(), txtD2->text(), txtH->text(), txtScostamento->text(), spessore, quote}, campo);
    if (!cono) {
        QLineEdit *const campi[] = {nullptr, txtD1, txtD2, txtH, txtScostamento, nullptr};
        spessoreErrato = campo == CampoConoObliquo::Spessore;
        seleziona(campi[int(campo)]);
        return std::nullopt;
    }
    FigureEccentrico figure;
    figure.cono = *cono;
    figure.cucitura.tipo = TipoCucitura(std::max(0, cboCucitura->currentIndex()));
    if (figure.cucitura.tipo == TipoCucitura::Angolo) {
        figure.cucitura.gradi = ValoreNumerico(txtGradiCucitura->text());
        if (!ENumerico(txtGradiCucitura->text()) || !std::isfinite(figure.cucitura.gradi)) {
            MsgBox(QStringLiteral("L'angolo della cucitura deve essere un numero (°)!"), Pulsanti::OK,
                   QStringLiteral("Errore su Cucitura"));
            seleziona(txtGradiCucitura);
            return std::nullopt;
        }
    }
    bool intero = false;
    figure.generatori = txtGeneratori->text().trimmed().toInt(&intero);
    if (!intero || figure.generatori < 2 || figure.generatori > k_MassimiGeneratori) {
        MsgBox(QStringLiteral("Generatrici deve essere un numero intero da 2 a %1!").arg(k_MassimiGeneratori),
               Pulsanti::OK, QStringLiteral("Errore su Generatrici"));
        seleziona(txtGeneratori);
        return std::nullopt;
    }
    return figure;
}

void GruppoEccentrico::Mostra(const FigureEccentrico &f)
{
    txtD1->setText(TestoEsatto(f.cono.D1));
    txtD2->setText(TestoEsatto(f.cono.D2));
    txtH->setText(TestoEsatto(f.cono.H));
    txtScostamento->setText(TestoEsatto(f.cono.Scostamento));
    cboCucitura->setCurrentIndex(int(f.cucitura.tipo));
    txtGradiCucitura->setText(TestoEsatto(f.cucitura.gradi));
    txtGeneratori->setText(QString::number(f.generatori));
}

void GruppoEccentrico::seleziona(QLineEdit *campo)
{
    if (!campo)
        return;
    campo->setFocus();
    campo->selectAll();
}
