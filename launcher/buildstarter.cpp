#include "buildstarter.h"

#include "core/installationpath.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace launcher {

namespace {

[[noreturn]] void cannotStart(const QString& path, const QString& reason) {
    throw StartFailure(QStringLiteral("Cannot start %1: %2")
                           .arg(QDir::toNativeSeparators(path), reason)
                           .toStdString());
}

} // namespace

QString BuildPath(const QString& directory, const QString& literal) {
    QString name = literal;
#ifndef _WIN32
    // Programs here carry no extension and are named in lower case.
    if (name.endsWith(QStringLiteral(".EXE"), Qt::CaseInsensitive)) {
        name.chop(4);
    }
    name = name.toLower();
#endif
    return QString::fromStdString(
        calc::InstallationPath(directory.toStdString(), name.toStdString()));
}

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

} // namespace launcher
