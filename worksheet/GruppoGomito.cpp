// The elbow's fields laid out in twips, read and checked as the command line reads them.
#include "worksheet/GruppoGomito.h"

#include "platform/DisposizioneTwip.h"
#include "worksheet/GruppoOfficina.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

GruppoGomito::GruppoGomito(QWidget *parent)
    : QGroupBox(QStringLiteral("Gomito a spicchi (asse ad arco, estremità tonde)"), parent),
      txtD1(CampoConUnita(this, "txtGomD1", "D1:", QStringLiteral("mm"),
                          QStringLiteral("Inserisci il diametro in mm della prima estremità"), 120, 300)),
      txtD2(CampoConUnita(this, "txtGomD2", "D2:", QStringLiteral("mm"),
                          QStringLiteral("Inserisci il diametro in mm dell'ultima estremità (vuoto: uguale a D1)"),
                          2640, 300)),
      txtRaggio(CampoConUnita(this, "txtGomRaggio", "Raggio:", QStringLiteral("mm"),
                              QStringLiteral("Inserisci il raggio di curvatura in mm, dal centro della curva "
                                             "all'asse del tubo"),
                              5160, 300)),
      txtAngolo(CampoConUnita(this, "txtGomAngolo", "Angolo:", QStringLiteral("°"),
                              QStringLiteral("Inserisci l'angolo in gradi tra le due estremità (oltre 0, fino a 180)"),
                              120, 660)),
      txtPezzi(CampoConUnita(this, "txtGomPezzi", "Pezzi:", QStringLiteral("n."),
                             QStringLiteral("Inserisci quanti pezzi formano il gomito, le due estremità comprese"),
                             2640, 660)),
      txtTratto(CampoConUnita(this, "txtGomTratto", "Tratto dritto:", QStringLiteral("mm"),
                              QStringLiteral("Inserisci la lunghezza in mm del tratto dritto su ciascun pezzo "
                                             "d'estremità (vuoto: nessuno)"),
                              120, 1020)),
      cboCucitura(new QComboBox(this)),
      chkSfalsata(new QCheckBox(QStringLiteral("Sfalsata"), this))
{
    setObjectName(QStringLiteral("fraGomito"));
    // The label is longer than the others: its field and unit move right of it.
    const int spostamento = DaTwips(0, 0, 600, 0).width();
    const QList<QWidget *> dopo = {txtTratto, findChild<QLabel *>(QStringLiteral("lblUnitaGomTratto"))};
    for (QWidget *campo : dopo)
        if (campo)
            campo->move(campo->x() + spostamento, campo->y());
    auto *cucitura = new QLabel(QStringLiteral("Cucitura:"), this);
    cucitura->setObjectName(QStringLiteral("lblGomCucitura"));
    cucitura->setGeometry(DaTwips(5160, 660, 735, 255));
    AllargaAlTesto(cucitura);
    cboCucitura->setObjectName(QStringLiteral("cboGomCucitura"));
    cboCucitura->setToolTip(QStringLiteral("Scegli dove si chiude ciascun pezzo: sulla gola (dentro la curva) o "
                                           "sul dorso (fuori)"));
    // In the order of CucituraGomito.
    cboCucitura->addItems({QStringLiteral("Gola"), QStringLiteral("Dorso")});
    cboCucitura->setGeometry(DaTwips(5880, 660, 1215, 300));
    chkSfalsata->setObjectName(QStringLiteral("chkGomSfalsata"));
    chkSfalsata->setToolTip(QStringLiteral("Un pezzo sì e uno no chiuso dalla parte opposta, perché le cuciture "
                                           "non si allineino"));
    chkSfalsata->setGeometry(DaTwips(5160, 1020, 1935, 255));
}

QList<QWidget *> GruppoGomito::Campi() const
{
    return {txtD1, txtD2, txtRaggio, txtAngolo, txtPezzi, cboCucitura, txtTratto, chkSfalsata};
}

std::optional<GomitoCommessa> GruppoGomito::Leggi(double spessore)
{
    CampoGomito campo = CampoGomito::Nessuno;
    const auto figure = ValidaGomito(
        {txtD1->text(), txtD2->text(), txtRaggio->text(), txtAngolo->text(), txtPezzi->text(), txtTratto->text()},
        spessore, campo);
    if (!figure) {
        QLineEdit *const campi[] = {nullptr, txtD1, txtD2, txtRaggio, txtAngolo, txtPezzi, txtTratto};
        if (QLineEdit *errato = campi[int(campo)]) {
            errato->setFocus();
            errato->selectAll();
        }
        return std::nullopt;
    }
    GomitoCommessa gomito;
    gomito.figure = *figure;
    gomito.cucitura =
        cboCucitura->currentIndex() == int(CucituraGomito::Dorso) ? CucituraGomito::Dorso : CucituraGomito::Gola;
    gomito.sfalsata = chkSfalsata->isChecked();
    return gomito;
}

void GruppoGomito::Mostra(const GomitoCommessa &gomito)
{
    const FigureGomito &g = gomito.figure;
    txtD1->setText(TestoEsatto(g.D1));
    // A constant elbow keeps its second diameter blank, as it was typed.
    txtD2->setText(g.D2 == g.D1 ? QString() : TestoEsatto(g.D2));
    txtRaggio->setText(TestoEsatto(g.R));
    txtAngolo->setText(TestoEsatto(g.Angolo));
    txtPezzi->setText(QString::number(g.Pezzi));
    txtTratto->setText(g.Tratto > 0 ? TestoEsatto(g.Tratto) : QString());
    cboCucitura->setCurrentIndex(int(gomito.cucitura));
    chkSfalsata->setChecked(gomito.sfalsata);
}
