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

// Why the figures `c` (lengths in mm, plate) cannot be developed: the field at fault, its name and
// the message; nothing when they can. No message box: a file read refuses them in its own words.
struct RifiutoConoObliquo {
    CampoConoObliquo campo = CampoConoObliquo::Nessuno;
    QString nome, messaggio;
};
std::optional<RifiutoConoObliquo> ControllaConoObliquo(const ConoObliquo &c);

// On a refusal one message box names the field and what it allows, `campo` points at it and the
// result is empty; nothing is developed.
std::optional<ConoObliquo> ValidaConoObliquo(const TestiConoObliquo &testi, CampoConoObliquo &campo);
