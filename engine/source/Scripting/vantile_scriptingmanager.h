// The program's one Lua state: start-up scripts, scene commands and the
// timed commands of the frame loop run in it. Only the base library is
// open, without the functions that load other chunks, so scripts configure
// the game and cannot reach files or the system. The state's memory and
// each chunk's instructions are limited, so a script that allocates or
// loops without end fails with its file and line instead of taking the
// game down.
#pragma once

#include <string>

#include "Core/vantile_eventmanager.h"

struct lua_State;
struct lua_Debug;

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

    // Far above what the game's scripts use (the start-up script runs a few
    // thousand instructions), and low enough that a runaway chunk stops
    // within a fraction of a second.
    static const size_t kMostBytes = 64u << 20;
    static const long kMostInstructions = 2000000;

private:
    CScriptingManager();
    CScriptingManager(const CScriptingManager&) = delete;
    CScriptingManager& operator=(const CScriptingManager&) = delete;

    void RegisterEngineFunctions();
    // strChunkName as Lua's messages name the chunk ("@file" for a file).
    void Run(const std::string& strChunk, const std::string& strChunkName);
    static void* Allocate(void* pManager, void* pBlock, size_t nOldSize, size_t nNewSize);
    static void CountInstructions(lua_State* pState, lua_Debug* pDebug);
    // "file:line: " of the Lua code running, or "".
    static std::string Where(lua_State* pState);

    size_t m_nBytes = 0;
    long m_nInstructions = 0;
    std::string m_strRefusedAt;  // where the last refused allocation was asked for
    lua_State* m_pLuaState;
};

}  // namespace Vantile
