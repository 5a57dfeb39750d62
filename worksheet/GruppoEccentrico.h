// The worksheet's fields of an eccentric reducer: diameters, height, offset, seam and generators.
#pragma once

#include "documents/Commessa.h"
#include "geometry/ValidaConoObliquo.h"

#include <QGroupBox>

#include <optional>

class QComboBox;
class QLineEdit;

class GruppoEccentrico final : public QGroupBox {
    Q_OBJECT
public:
    explicit GruppoEccentrico(QWidget *parent);

    // The figures as typed with the plate `spessore`/`quote`, checked: on a refusal one message
    // box names the field, which is selected, and the result is empty. `spessoreErrato` is set
    // when the plate is at fault (its field is the worksheet's).
    std::optional<FigureEccentrico> Leggi(const QString &spessore, QuoteLamiera quote, bool &spessoreErrato);
    void Mostra(const FigureEccentrico &figure);
    // In the order they are typed.
    QList<QWidget *> Campi() const;

    QLineEdit *const txtD1;
    QLineEdit *const txtD2;
    QLineEdit *const txtH;
    QLineEdit *const txtScostamento;
    QComboBox *const cboCucitura;
    QLineEdit *const txtGradiCucitura;
    QLineEdit *const txtGeneratori;

private:
    void seleziona(QLineEdit *campo);
};
