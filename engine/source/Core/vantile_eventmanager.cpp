#include "Core/vantile_eventmanager.h"

#include <vector>

#include "Core/vantile_log.h"

namespace Vantile {

CEventManager& CEventManager::Instance()
{
    static CEventManager manager;
    return manager;
}

void CEventManager::addEvent(int nKind, float fTime, const std::string& strCommand)
{
    m_Events.push_back({nKind, fTime, strCommand});
}

void CEventManager::clearEvents()
{
    m_Events.clear();
}

bool CEventManager::advance(TimedCommand& command, const FrameEvent& evt)
{
    switch (command.kind) {
    case AT_TOTAL_TIME:
        return command.time < evt.totalTime;
    case AFTER_DELAY:
        command.time -= static_cast<float>(evt.timeSinceLastFrame);
        return command.time <= 0;
    }
    return false;
}

bool CEventManager::frameStarted(const FrameEvent& evt)
{
    // Due commands leave the list before any of them runs: a command may
    // itself add or clear events, which must not disturb this walk.
    std::vector<std::string> due;
    for (auto it = m_Events.begin(); it != m_Events.end();) {
        if (advance(*it, evt)) {
            due.push_back(it->command);
            it = m_Events.erase(it);
        } else {
            ++it;
        }
    }
    for (const std::string& strCommand : due) {
        if (m_pExecutor)
            m_pExecutor->ExecuteCommand(strCommand);
        else
            CLog::Instance().Write(LOG_ERROR, "No script executor for timed command [" + strCommand + "]");
    }
    return true;
}

}  // namespace Vantile
