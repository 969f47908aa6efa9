#pragma once

#include "core/failure.h"

#include <QString>

namespace qtui {

// A build that cannot be started: the message names its path and the reason.
class StartFailure : public calc::Failure {
public:
    using calc::Failure::Failure;
};

// Starts the program at `path` as an independent process, with no arguments,
// in `workingDirectory`. The program is started by its path directly, never
// through a shell, so no character in the path has any meaning but its own.
// Throws StartFailure when the program is missing or cannot be run.
void StartBuild(const QString& path, const QString& workingDirectory);

} // namespace qtui
