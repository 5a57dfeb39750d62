#include "calibration/ListaTarature.h"

#include "calibration/TaraturaInUso.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace {
void riempi(QComboBox &lista, const TaraturaInUso &taratura)
{
    // Filling an empty list selects its first entry: that is no choice of the user's.
    const QSignalBlocker blocco(&lista);
    lista.clear();
    lista.addItems(taratura.Nomi());
    lista.setCurrentIndex(taratura.Indice());
}
} // namespace

void MostraTaraturaInUso(QComboBox &lista, TaraturaInUso &taratura)
{
    riempi(lista, taratura);
    QObject::connect(&taratura, &TaraturaInUso::ElencoCambiato, &lista,
                     [&lista, &taratura] { riempi(lista, taratura); });
    QObject::connect(&taratura, &TaraturaInUso::SceltaCambiata, &lista, &QComboBox::setCurrentIndex);
    QObject::connect(&lista, qOverload<int>(&QComboBox::currentIndexChanged), &taratura, &TaraturaInUso::Scegli);
}
