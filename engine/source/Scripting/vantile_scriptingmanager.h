// The program's one Lua state: start-up scripts, scene commands and the
// timed commands of the frame loop run in it. Only the base library is
// open, so scripts configure the game and cannot reach files or the system.
#pragma once

#include <string>

#include "Core/vantile_eventmanager.h"

struct lua_State;

namespace Vantile {

class CScriptingManager : public ICommandExecutor {
public:
    static CScriptingManager& Instance();
    virtual ~CScriptingManager();

    // For other parts to register their own functions and constants.
    lua_State* GetLuaState() const { return m_pLuaState; }

    // Runs a data file as one chunk; the text ends at its first zero byte.
    // A missing file throws the resource manager's exception.
    void RunFile(const std::string& strFileName);
    // Runs one chunk of Lua source. A syntax or run-time error throws an
    // Exception with Lua's message; the state stays usable.
    void ExecuteCommand(const std::string& strCommand) override;

private:
    CScriptingManager();
    CScriptingManager(const CScriptingManager&) = delete;
    CScriptingManager& operator=(const CScriptingManager&) = delete;

    void RegisterEngineFunctions();

    lua_State* m_pLuaState;
};

}  // namespace Vantile
