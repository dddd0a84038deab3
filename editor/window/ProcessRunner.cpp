#include "editor/window/ProcessRunner.hpp"

#include <unistd.h>

#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <cerrno>
#include <cstring>

namespace quillon::editor {

namespace {

QStringList ArgumentsOf(const ProgramCall& call) {
    QStringList arguments;
    for (const std::string& argument : call.arguments) {
        arguments << QString::fromStdString(argument);
    }
    return arguments;
}

// The programs read nothing from the console. What a program waited for
// prints is kept, both channels in the order they came; the rest is dropped.
void SetUp(QProcess& process, const ProgramCall& call, bool keepConsole) {
    process.setProgram(QString::fromStdString(call.program.string()));
    process.setArguments(ArgumentsOf(call));
    process.setWorkingDirectory(QString::fromStdString(call.folder.string()));
    process.setStandardInputFile(QProcess::nullDevice());
    if (keepConsole) {
        process.setProcessChannelMode(QProcess::MergedChannels);
    } else {
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(QProcess::nullDevice());
    }
}

std::string ConsoleTextOf(QProcess& process) {
    const QByteArray printed = process.readAllStandardOutput();
    return std::string(printed.constData(), static_cast<std::size_t>(printed.size()));
}

// Why a program or its folder cannot be used, as the system words it.
std::string WhyNotStarted(const ProgramCall& call, const QProcess& process) {
    if (::access(call.program.c_str(), X_OK) != 0) return std::strerror(errno);
    if (!call.folder.empty() && ::access(call.folder.c_str(), X_OK) != 0) {
        return std::string(std::strerror(errno)) + " (" + call.folder.string() + ")";
    }
    return process.errorString().toStdString();
}

}  // namespace

ProgramOutcome ProcessRunner::RunAndWait(const ProgramCall& call) {
    QProcess process;
    SetUp(process, call, true);
    process.start();
    if (!process.waitForStarted(-1)) {
        return {ProgramOutcome::Ending::NotStarted, 0, WhyNotStarted(call, process), {}};
    }

    const QString name = QString::fromStdString(call.program.filename().string());
    QProgressDialog dialog(QStringLiteral("Running %1...").arg(name), QStringLiteral("Cancel"), 0,
                           0, owner_);
    dialog.setObjectName(QStringLiteral("RunningDialog"));
    dialog.setWindowTitle(QStringLiteral("KRAL_Quillon"));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    waitDialog_ = &dialog;

    bool cancelled = false;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        cancelled = true;
        loop.quit();
    });
    dialog.show();
    if (process.state() != QProcess::NotRunning) loop.exec();
    waitDialog_ = nullptr;

    if (cancelled && process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(-1);
        return {ProgramOutcome::Ending::Cancelled, 0, {}, ConsoleTextOf(process)};
    }
    if (process.exitStatus() == QProcess::CrashExit) {
        return {ProgramOutcome::Ending::Crashed, 0, process.errorString().toStdString(),
                ConsoleTextOf(process)};
    }
    return {ProgramOutcome::Ending::Exited, process.exitCode(), {}, ConsoleTextOf(process)};
}

std::optional<std::string> ProcessRunner::StartDetached(const ProgramCall& call) {
    QProcess process;
    SetUp(process, call, false);
    if (process.startDetached()) return std::nullopt;
    return WhyNotStarted(call, process);
}

}  // namespace quillon::editor
