#pragma once
#include <QString>

// Copies the open file `sourceFd` into a new file beside `targetHost` and renames it over the
// target at the end, so a failed copy leaves the target as it was. An existing target keeps its
// permissions. Throws VbError when the copy cannot be made.
void CopyReplacing(int sourceFd, const QString& targetHost);
