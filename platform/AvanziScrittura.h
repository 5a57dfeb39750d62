// The temporary files of our safe writes, named so that one left behind by a killed program can
// be told apart from one still being written, and removed.
#pragma once

#include <QString>

// The temporary a write of `finale` uses before renaming it into place, beside it:
// "<name>.vorna-<process>-<progressivo>@<computer>".
QString NomeTemporaneo(const QString &finale, int progressivo);

// Removes the temporaries of `finale` left by programs of this computer that are no longer
// running: a program killed between writing and renaming leaves a complete copy behind, one
// killed while writing on a file system without anonymous files a partial one. A temporary of a
// running program, of another computer or not named by us is never touched.
void RimuoviAvanzi(const QString &finale);
