#include "platform/QtProcessStarter.h"

#include "platform/Constants.h"
#include "platform/PlatformError.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

// The error a program that would not start is reported with.
PlatformError startFailure(const QString& program)
{
    const bool found = program.contains(QLatin1Char('/')) ? QFileInfo::exists(program)
                                                          : !QStandardPaths::findExecutable(program).isEmpty();
    return PlatformError::fromNumber(found ? ErrorTable::PermissionDenied : ErrorTable::FileNotFound);
}

// On Windows the started program's first window takes the asked state; elsewhere the
// desktop decides, and there is nothing to set.
void applyWindowState(QProcess& process, int windowState)
{
#ifdef Q_OS_WIN
    process.setCreateProcessArgumentsModifier([windowState](QProcess::CreateProcessArguments* arguments) {
        arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
        arguments->startupInfo->wShowWindow = WORD(windowState);
        if (windowState == SW_HIDE)
            arguments->flags |= CREATE_NO_WINDOW;
    });
#else
    Q_UNUSED(process);
    Q_UNUSED(windowState);
#endif
}

} // namespace

void QtProcessStarter::startDetached(const QString& program, const QStringList& arguments, int windowState)
{
    QProcess process;
    applyWindowState(process, windowState);
    process.setProgram(program);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    if (!process.startDetached())
        throw startFailure(program);
}

ProcessResult QtProcessStarter::runToEnd(const QString& program, const QStringList& arguments, const QByteArray& input,
                                         const std::function<void(const QString&)>& onOutputLine,
                                         const std::function<void()>& whileWaiting)
{
    QProcess process;
    applyWindowState(process, SW_HIDE); // a program waited for works out of sight
    process.start(program, arguments);
    if (!process.waitForStarted())
        throw startFailure(program);
    process.write(input);
    process.closeWriteChannel();

    auto readLines = [&] {
        while (process.canReadLine())
            onOutputLine(QString::fromUtf8(process.readLine()).trimmed());
    };
    while (!process.waitForFinished(50)) {
        readLines();
        whileWaiting();
    }
    readLines();
    const QByteArray rest = process.readAllStandardOutput();
    if (!rest.trimmed().isEmpty())
        onOutputLine(QString::fromUtf8(rest).trimmed());

    ProcessResult result;
    result.crashed = process.exitStatus() == QProcess::CrashExit;
    result.exitCode = process.exitCode();
    result.errorOutput = QString::fromUtf8(process.readAllStandardError()).trimmed();
    return result;
}
