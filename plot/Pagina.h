// The drawing page shared by the plot, the screen, the paper and the test grid: its size, printer
// units, colour and font.
#pragma once

#include <cstdint>

// The development window's page, mm.
constexpr double k_LarghezzaPagina = 288;
constexpr double k_AltezzaPagina = 208;
// The area a development is fitted to, and the calibration's test grid, mm.
constexpr double k_LarghezzaDisegno = 280;
constexpr double k_AltezzaDisegno = 200;

// Printer units: twips, turned from millimetres by the one workshop factor 56.7 (not 1440 / 25.4).
constexpr double k_TwipPerMm = 56.7;
constexpr double k_MmPerPollice = 25.4;

// Colours as 0xRRGGBB.
constexpr std::uint32_t k_BluScuro = 0x000080; // RGB(0, 0, 128)
constexpr std::uint32_t k_Nero = 0x000000;

// Every text of the page: Arial 8.25 pt.
inline constexpr char k_NomeCarattere[] = "Arial";
constexpr double k_PuntiCarattere = 8.25;
constexpr double k_AltezzaCarattereMm = k_PuntiCarattere * k_MmPerPollice / 72.0;
