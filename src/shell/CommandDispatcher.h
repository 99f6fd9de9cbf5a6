// The one entry for both buttons: busy pointer, the command chosen by index, the common tail.
#pragma once

#include "platform/CommandOutcome.h"

#include <functional>
#include <vector>

class Desktop;

class CommandDispatcher final
{
public:
    using Command = std::function<CommandOutcome()>;

    // commands[i] runs for button index i; any other index runs nothing.
    CommandDispatcher(Desktop& desktop, std::vector<Command> commands);

    // Never throws: every failure ends in exactly one error report, then the default pointer.
    void cmd_Click(int Index);

private:
    Desktop& m_desktop;
    std::vector<Command> m_commands;
};
