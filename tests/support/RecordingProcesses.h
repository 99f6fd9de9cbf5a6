// A process starter that records what it is asked to start and, when given one,
// hands the waited-for runs on to a real starter.
#pragma once

#include "platform/ProcessStarter.h"

class RecordingProcesses final : public ProcessStarter
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
        int windowState = -1;
        QByteArray input;
    };

    void startDetached(const QString& program, const QStringList& arguments, int windowState) override;
    ProcessResult runToEnd(const QString& program, const QStringList& arguments, const QByteArray& input,
                           const std::function<void(const QString&)>& onOutputLine,
                           const std::function<void()>& whileWaiting) override;

    QList<Start> detached;
    QList<Start> waited;
    ProcessStarter* forwardTo = nullptr; // without one, waited-for runs end with exit 0
};
