// Window layouts given in twips: their pixels on screen, and captions that stay whole.
#pragma once

#include <QRect>

class QWidget;

// 15 twips make one pixel at 96 dpi.
constexpr QRect DaTwips(int sinistra, int alto, int larghezza, int altezza) noexcept
{
    return QRect(sinistra / 15, alto / 15, larghezza / 15, altezza / 15);
}

// Widens a label or option button, keeping its left edge, when its caption needs more room
// than its box: the screen's fonts are wider than the ones the boxes were measured with.
void AllargaAlTesto(QWidget *controllo);
