// The workshop fields laid out in twips, as the rest of the worksheet.
#include "worksheet/GruppoOfficina.h"

#include "geometry/TestiOfficina.h"
#include "platform/DisposizioneTwip.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

QLineEdit *CampoConUnita(QWidget *genitore, const char *nome, const char *etichetta, const QString &unita,
                         const QString &suggerimento, int sinistra, int alto)
{
    auto *testo = new QLabel(QString::fromUtf8(etichetta), genitore);
    testo->setObjectName(QStringLiteral("lbl") + QLatin1String(nome + 3));
    testo->setGeometry(DaTwips(sinistra, alto, 615, 255));
    AllargaAlTesto(testo);
    auto *riquadro = new QLineEdit(genitore);
    riquadro->setObjectName(QLatin1String(nome));
    riquadro->setToolTip(suggerimento);
    riquadro->setGeometry(DaTwips(sinistra + 720, alto, 1215, 255));
    riquadro->setMaxLength(20);
    auto *misura = new QLabel(unita, genitore);
    misura->setObjectName(QStringLiteral("lblUnita") + QLatin1String(nome + 3));
    misura->setGeometry(DaTwips(sinistra + 1995, alto, 375, 255));
    AllargaAlTesto(misura);
    return riquadro;
}

QString TestoEsatto(double valore) { return QString::number(valore, 'g', QLocale::FloatingPointShortest); }

GruppoOfficina::GruppoOfficina(QWidget *parent)
    : QGroupBox(QStringLiteral("Misure di officina (riempiono AC, AB, BD, Alfa e Beta)"), parent),
      txtD1(CampoConUnita(
          this, "txtD1", "D1:", QStringLiteral("mm"),
          QStringLiteral("Inserisci il diametro in mm del solido dove l'asse incontra il taglio di base"), 120, 300)),
      txtD2(CampoConUnita(
          this, "txtD2", "D2:", QStringLiteral("mm"),
          QStringLiteral("Inserisci il diametro in mm del solido dove l'asse incontra il taglio superiore"), 2640,
          300)),
      txtH(CampoConUnita(this, "txtH", "H:", QStringLiteral("mm"),
                         QStringLiteral("Inserisci l'altezza in mm lungo l'asse, tra i centri dei due tagli"), 5160,
                         300)),
      txtTaglio1(
          CampoConUnita(this, "txtTaglio1", "Taglio 1:", QStringLiteral("°"),
                        QStringLiteral("Inserisci l'inclinazione in gradi del taglio di base (0 o vuoto: a squadro; "
                                       "positiva: alza il lato B)"),
                        120, 660)),
      txtTaglio2(CampoConUnita(this, "txtTaglio2", "Taglio 2:", QStringLiteral("°"),
                               QStringLiteral("Inserisci l'inclinazione in gradi del taglio superiore (0 o vuoto: a "
                                              "squadro; positiva: alza il lato D)"),
                               2640, 660))
{
    setObjectName(QStringLiteral("fraOfficina"));
    for (QLineEdit *testo : Campi())
        connect(testo, &QLineEdit::textEdited, this, &GruppoOfficina::Digitato);
}

QList<QLineEdit *> GruppoOfficina::Campi() const { return {txtD1, txtD2, txtH, txtTaglio1, txtTaglio2}; }

TestiOfficina GruppoOfficina::Testi() const
{
    return {txtD1->text(), txtD2->text(), txtH->text(), txtTaglio1->text(), txtTaglio2->text()};
}

void GruppoOfficina::MostraEsatte(const FigureOfficina &f) { mostra(f, TestoEsatto); }

void GruppoOfficina::MostraArrotondate(const std::optional<FigureOfficina> &f)
{
    mostra(f, [](double valore) { return TestoCampo(valore, 10); });
}

void GruppoOfficina::mostra(const std::optional<FigureOfficina> &f, QString (*testo)(double))
{
    // In the order of Campi().
    const double FigureOfficina::*misure[] = {&FigureOfficina::D1, &FigureOfficina::D2, &FigureOfficina::H,
                                              &FigureOfficina::Taglio1, &FigureOfficina::Taglio2};
    const QList<QLineEdit *> campi = Campi();
    for (qsizetype i = 0; i < campi.size(); ++i)
        campi[i]->setText(f ? testo((*f).*misure[i]) : QString());
}

QLineEdit *GruppoOfficina::Campo(CampoOfficina campo) const
{
    switch (campo) {
    case CampoOfficina::D1:
        return txtD1;
    case CampoOfficina::D2:
        return txtD2;
    case CampoOfficina::H:
        return txtH;
    case CampoOfficina::Taglio1:
        return txtTaglio1;
    case CampoOfficina::Taglio2:
        return txtTaglio2;
    case CampoOfficina::Nessuno:
        break;
    }
    return nullptr;
}
