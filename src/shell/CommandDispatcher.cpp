#include "shell/CommandDispatcher.h"

#include "platform/Constants.h"
#include "platform/Desktop.h"
#include "platform/ErrorReport.h"
#include "platform/PlatformError.h"

#include <new>
#include <utility>

CommandDispatcher::CommandDispatcher(Desktop& desktop, std::vector<Command> commands)
    : m_desktop(desktop)
    , m_commands(std::move(commands))
{
}

void CommandDispatcher::cmd_Click(int Index)
{
    try {
        m_desktop.mousePointer(vbHourglass);
        if (Index >= 0 && std::size_t(Index) < m_commands.size() && m_commands[std::size_t(Index)]
            && m_commands[std::size_t(Index)]() == CommandOutcome::LeftEarly)
            return;
        m_desktop.mousePointer(vbDefault);
    } catch (const PlatformError& error) {
        ErrorReport::show(m_desktop, error);
    } catch (const std::bad_alloc&) {
        ErrorReport::show(m_desktop, PlatformError::fromNumber(ErrorTable::OutOfMemory));
    } catch (const std::exception& error) {
        // Called from a slot: nothing may leave it, and the operator must still be told.
        ErrorReport::show(m_desktop, PlatformError(ErrorTable::InternalError, QString::fromLocal8Bit(error.what())));
    }
}
