// Printer units: twips, turned from millimetres by the one workshop factor 56.7 (not 1440 / 25.4).
#pragma once

constexpr double k_TwipPerMm = 56.7;
