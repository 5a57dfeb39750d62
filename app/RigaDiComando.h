// Batch exports from the command line, run before any window or display exists.
#pragma once

#include <optional>

// Runs `vorna --export-dxf|--export-csv|--export-pdf FILE.tnt OUT`, `--help` or `--version`; returns the
// exit code, or nothing when there are no arguments or only plain names (the program then
// starts). Any other option, or a wrong count of names, gets the usage and exit code 2.
std::optional<int> EseguiRigaDiComando(int argc, char *argv[]);
