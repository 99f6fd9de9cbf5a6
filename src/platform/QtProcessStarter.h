// Starts programs with QProcess.
#pragma once

#include "platform/ProcessStarter.h"

class QtProcessStarter final : public ProcessStarter
{
public:
    void startDetached(const QString& program, const QStringList& arguments, int windowState) override;
    ProcessResult runToEnd(const QString& program, const QStringList& arguments, const QByteArray& input,
                           const std::function<void(const QString&)>& onOutputLine,
                           const std::function<void()>& whileWaiting) override;
};
