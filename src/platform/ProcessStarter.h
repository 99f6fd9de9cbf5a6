// Starting other programs: with the program and its arguments as a list, never through a shell.
#pragma once

#include "platform/ProcessResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class ProcessStarter
{
public:
    virtual ~ProcessStarter() = default;

    // Returns once the program runs; it is not waited for. windowState is SW_HIDE or
    // SW_SHOWMAXIMIZED where the platform lets a caller choose. Throws when it cannot start.
    virtual void startDetached(const QString& program, const QStringList& arguments, int windowState) = 0;

    // Runs the program, hidden, with input on its standard input and waits for its end, calling
    // onOutputLine for each line it prints and whileWaiting between looks at it.
    // Throws when it cannot start.
    virtual ProcessResult runToEnd(const QString& program, const QStringList& arguments, const QByteArray& input,
                                   const std::function<void(const QString&)>& onOutputLine,
                                   const std::function<void()>& whileWaiting) = 0;
};
