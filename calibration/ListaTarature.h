// A list box that shows the calibration in use and changes it when the user chooses another.
#pragma once

class QComboBox;
class TaraturaInUso;

// Fills `lista` from `taratura` now and whenever it changes; `taratura` must outlive `lista`.
void MostraTaraturaInUso(QComboBox &lista, TaraturaInUso &taratura);
