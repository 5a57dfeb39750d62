// Checking the typed figures of an eccentric reducer.
#pragma once

#include "geometry/ConoObliquo.h"

#include <QString>

#include <optional>

enum class CampoConoObliquo { Nessuno, D1, D2, H, Scostamento, Spessore };

// As typed; a blank offset or thickness is 0, a decimal comma counts as the point.
struct TestiConoObliquo {
    QString D1, D2, H, Scostamento, Spessore;
    QuoteLamiera Quote = QuoteLamiera::Esterne;
};

// On a refusal one message box names the field and what it allows, `campo` points at it and the
// result is empty; nothing is developed.
std::optional<ConoObliquo> ValidaConoObliquo(const TestiConoObliquo &testi, CampoConoObliquo &campo);
