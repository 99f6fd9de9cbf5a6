#include "platform/QtProcessStarter.h"

#include "platform/PlatformError.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The error a program that would not start is reported with.
PlatformError startFailure(const QString& program)
{
    const bool found = program.contains(QLatin1Char('/')) ? QFileInfo::exists(program)
                                                          : !QStandardPaths::findExecutable(program).isEmpty();
    return PlatformError::fromNumber(found ? ErrorTable::PermissionDenied : ErrorTable::FileNotFound);
}

} // namespace

void QtProcessStarter::startDetached(const QString& program, const QStringList& arguments, int windowState)
{
    // Window state only has meaning on Windows, where the started program honours it itself.
    Q_UNUSED(windowState);
    QProcess process;
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
