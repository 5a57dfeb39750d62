// The files of a chosen split written into a folder: one DXF per plate and the plate list.
#pragma once

#include "plates/SceltaDivisione.h"

#include <QString>

#include <optional>

// Besides the plates and their list, each piece's tables (outline points, generators) and its
// true-size PDF.
struct UsciteFacoltative {
    bool tabelle = false, pdf = false; // the PDFs need a QGuiApplication
};

// Empty when every file is written; else the reason, in Italian, naming the folder or the file.
// Plates of an earlier, longer split in the same folder are removed, lest they be cut too.
std::optional<QString> ScriviUsciteLamiere(const OpzioneDivisione &scelta, const QString &cartella,
                                           UsciteFacoltative facoltative = {});
