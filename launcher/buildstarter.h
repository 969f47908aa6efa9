#pragma once

#include "core/failure.h"

#include <QString>

namespace launcher {

// A build that cannot be started: the message names its path and the reason.
class StartFailure : public calc::Failure {
public:
    using calc::Failure::Failure;
};

// The path of a build in `directory`, from its literal ("\DREVIK.EXE"): on
// Windows the literal as it stands, elsewhere the program's own name in lower
// case without the extension ("/drevik").
QString BuildPath(const QString& directory, const QString& literal);

// Starts the program at `path` as an independent process, with no arguments,
// in `workingDirectory`. The program is started by its path directly, never
// through a shell, so no character in the path has any meaning but its own.
// Throws StartFailure when the program is missing or cannot be run.
void StartBuild(const QString& path, const QString& workingDirectory);

} // namespace launcher
