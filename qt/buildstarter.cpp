#include "buildstarter.h"

#include "forms/platform.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace qtui {

namespace {

[[noreturn]] void cannotStart(const QString& path, const QString& reason) {
    throw forms::StartFailure(QDir::toNativeSeparators(path).toStdString(), reason.toStdString());
}

} // namespace

void StartBuild(const QString& path, const QString& workingDirectory) {
    const QFileInfo program(path);
    if (!program.exists()) {
        cannotStart(path, QStringLiteral("the file does not exist"));
    }
    if (program.isDir()) {
        cannotStart(path, QStringLiteral("it is a directory"));
    }
    if (!program.isExecutable()) {
        cannotStart(path, QStringLiteral("the file is not executable"));
    }
    QProcess process;
    process.setProgram(program.absoluteFilePath());
    process.setArguments({});
    process.setWorkingDirectory(workingDirectory);
    process.setStandardInputFile(QProcess::nullDevice());
    if (!process.startDetached()) {
        cannotStart(path, process.errorString());
    }
}

} // namespace qtui
