// Script commands scheduled for a point in time, run from the frame loop.
#pragma once

#include <list>
#include <string>

#include "Core/vantile_framehandler.h"

namespace Vantile {

// Runs one script chunk; the scripting manager plugs itself in.
class ICommandExecutor {
public:
    virtual ~ICommandExecutor() = default;
    virtual void ExecuteCommand(const std::string& strCommand) = 0;
};

class CEventManager : public CFrameHandler {
public:
    enum Kind {
        AT_TOTAL_TIME = 0,  // fires once the total time passes `time`
        AFTER_DELAY = 1,    // fires after `time` more milliseconds
    };

    struct TimedCommand {
        int kind;
        float time;
        std::string command;
    };

    static CEventManager& Instance();

    void addEvent(int nKind, float fTime, const std::string& strCommand);
    void clearEvents();
    const std::list<TimedCommand>& events() const { return m_Events; }

    void setExecutor(ICommandExecutor* pExecutor) { m_pExecutor = pExecutor; }

    bool frameStarted(const FrameEvent& evt) override;

private:
    CEventManager() = default;

    static bool advance(TimedCommand& command, const FrameEvent& evt);

    std::list<TimedCommand> m_Events;
    ICommandExecutor* m_pExecutor = nullptr;
};

}  // namespace Vantile
