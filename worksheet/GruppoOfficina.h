// The worksheet's workshop fields: diameters, height and cuts, each with its unit.
#pragma once

#include "geometry/FigureOfficina.h"

#include <QGroupBox>

class QLineEdit;

// A field of the worksheet's groups with its label before it and its unit after it, at twips
// (`sinistra`, `alto`) of `genitore`; the labels are named after the field.
QLineEdit *CampoConUnita(QWidget *genitore, const char *nome, const char *etichetta, const QString &unita,
                         const QString &suggerimento, int sinistra, int alto);

// The shortest text that reads back as the same number, for the fields of a job being edited.
QString TestoEsatto(double valore);

class GruppoOfficina final : public QGroupBox {
    Q_OBJECT
public:
    explicit GruppoOfficina(QWidget *parent);

    TestiOfficina Testi() const;
    // Every digit of the figures, so that reading them back gives the same numbers.
    void MostraEsatte(const FigureOfficina &figure);
    // The figures as far as the fields show them, or blank fields for none.
    void MostraArrotondate(const std::optional<FigureOfficina> &figure);
    QLineEdit *Campo(CampoOfficina campo) const;
    // In the order they are typed.
    QList<QLineEdit *> Campi() const;

    QLineEdit *const txtD1;
    QLineEdit *const txtD2;
    QLineEdit *const txtH;
    QLineEdit *const txtTaglio1;
    QLineEdit *const txtTaglio2;

signals:
    // A field changed by the user, not by the program.
    void Digitato();

private:
    void mostra(const std::optional<FigureOfficina> &f, QString (*testo)(double));
};
