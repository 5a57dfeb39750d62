// The worksheet's fields of a segmented elbow: diameters, bend, pieces, straight ends and seams.
#pragma once

#include "documents/Commessa.h"

#include <QGroupBox>

#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;

class GruppoGomito final : public QGroupBox {
    Q_OBJECT
public:
    explicit GruppoGomito(QWidget *parent);

    // The elbow as typed, checked against a plate `spessore` mm thick: on a refusal one message box
    // names the field, which is selected, and the result is empty.
    std::optional<GomitoCommessa> Leggi(double spessore);
    void Mostra(const GomitoCommessa &gomito);
    // In the order they are typed.
    QList<QWidget *> Campi() const;

    QLineEdit *const txtD1;
    QLineEdit *const txtD2;
    QLineEdit *const txtRaggio;
    QLineEdit *const txtAngolo;
    QLineEdit *const txtPezzi;
    QLineEdit *const txtTratto;
    QComboBox *const cboCucitura;
    QCheckBox *const chkSfalsata;
};
