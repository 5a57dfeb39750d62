// Batch exports from the command line, run before any window or display exists.
#pragma once

#include <optional>

// Runs `vorna --export-dxf|--export-csv FILE.tnt OUT`, `--help` or `--version`; returns the
// exit code, or nothing when the arguments are not a batch command (the program then starts).
std::optional<int> EseguiRigaDiComando(int argc, char *argv[]);
