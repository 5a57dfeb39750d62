// The checks on the calibration manager's 15 boxes: the full check before saving and the
// syntax check each number box runs when it loses the focus.
#pragma once

#include "calibration/RecordTara.h"

#include <cstdint>

struct EsitoControlliTara {
    std::int16_t ErroreTara; // 1: a check failed and its message was shown
    RecordTara testi;        // the boxes' texts, an empty shift set to "0.0"
};

// Runs every check in order, showing the message of the first one that fails (OK only, the
// application's title); the two shift notices are shown and the checks go on.
EsitoControlliTara Controlli_Tara(const RecordTara &testi);

// The same checks on a record read from Taratura.dat, before printing with it, and then the
// plausibility of its spans (PlausibilitaTara): the first failure's message is shown and 1
// returned. An empty stored shift counts as zero, without the notice.
std::int16_t ControlliTaraMemorizzata(const RecordTara &memorizzato);

struct EsitoSintassi {
    QString messaggio; // empty: nothing to show
    QString testo;     // the box's new text
};

// The loss-of-focus check of one number box (not the name): doubled separators or a mix of
// comma and point bring a message and leave the text; a single comma becomes a point.
EsitoSintassi ControlloSintassi(CampoTara casella, const QString &testo);
