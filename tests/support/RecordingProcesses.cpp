#include "RecordingProcesses.h"

void RecordingProcesses::startDetached(const QString& program, const QStringList& arguments, int windowState)
{
    detached.append({program, arguments, windowState, {}});
}

ProcessResult RecordingProcesses::runToEnd(const QString& program, const QStringList& arguments,
                                           const QByteArray& input,
                                           const std::function<void(const QString&)>& onOutputLine,
                                           const std::function<void()>& whileWaiting)
{
    waited.append({program, arguments, -1, input});
    if (forwardTo)
        return forwardTo->runToEnd(program, arguments, input, onOutputLine, whileWaiting);
    return {};
}
