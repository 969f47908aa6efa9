#pragma once

#include <QString>

namespace qtui {

// Starts the program at `path` as an independent process, with no arguments,
// in `workingDirectory`. The program is started by its path directly, never
// through a shell, so no character in the path has any meaning but its own.
// Throws forms::StartFailure when the program is missing or cannot be run.
void StartBuild(const QString& path, const QString& workingDirectory);

} // namespace qtui
