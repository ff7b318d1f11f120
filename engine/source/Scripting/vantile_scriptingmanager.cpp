#include "Scripting/vantile_scriptingmanager.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <luabind/exception_handler.hpp>

#include "Core/vantile_log.h"
#include "Resources/vantile_resource.h"
#include "Scripting/vantile_luabind.h"

namespace Vantile {

namespace {

// The manager and its state exist before the program's entry function, so
// timed commands always have an executor.
CScriptingManager& g_StartupInstance = CScriptingManager::Instance();

void PushScriptCallError(lua_State* pState, const CScriptCallError& error)
{
    lua_pushstring(pState, error.text().c_str());
}

// The hook runs after this many instructions; counting one by one would
// slow every script down.
const int kHookInterval = 1000;

// Opens only the base library; luaL_openlibs would bring string, table,
// math, io and os with it. The loaders go too: with them a data file could
// read any file of the host.
void OpenBaseLibrary(lua_State* pState)
{
    luaL_requiref(pState, "_G", luaopen_base, 1);
    lua_pop(pState, 1);
    for (const char* szName : {"dofile", "loadfile", "load", "loadstring"}) {
        lua_pushnil(pState);
        lua_setglobal(pState, szName);
    }
}

}  // namespace

CScriptingManager& CScriptingManager::Instance()
{
    static CScriptingManager manager;
    return manager;
}

CScriptingManager::CScriptingManager() : m_pLuaState(lua_newstate(&CScriptingManager::Allocate, this))
{
    lua_sethook(m_pLuaState, &CScriptingManager::CountInstructions, LUA_MASKCOUNT, kHookInterval);
    OpenBaseLibrary(m_pLuaState);
    luabind::open(m_pLuaState);
    luabind::register_exception_handler<CScriptCallError>(&PushScriptCallError);
    RegisterEngineFunctions();
    CEventManager::Instance().setExecutor(this);
}

CScriptingManager::~CScriptingManager()
{
    CEventManager::Instance().setExecutor(nullptr);
    lua_close(m_pLuaState);
}

void CScriptingManager::RunFile(const std::string& strFileName)
{
    CResource resource(strFileName);
    resource.Load();
    const char* pData = reinterpret_cast<const char*>(resource.GetData());
    Run(std::string(pData, strnlen(pData, resource.GetSize())), "@" + strFileName);
}

void CScriptingManager::ExecuteCommand(const std::string& strCommand)
{
    Run(strCommand, strCommand);
}

void* CScriptingManager::Allocate(void* pManager, void* pBlock, size_t nOldSize, size_t nNewSize)
{
    CScriptingManager& manager = *static_cast<CScriptingManager*>(pManager);
    // Without a block nOldSize names the kind of object, not a size.
    const size_t nHeld = pBlock ? nOldSize : 0;
    if (nNewSize == 0) {
        free(pBlock);
        manager.m_nBytes -= nHeld;
        return nullptr;
    }
    // Refusing makes Lua raise "not enough memory" in the script instead
    // of the process dying of std::bad_alloc.
    if (nNewSize > nHeld && manager.m_nBytes + (nNewSize - nHeld) > kMostBytes) {
        if (manager.m_pLuaState)
            manager.m_strRefusedAt = Where(manager.m_pLuaState);
        return nullptr;
    }
    void* pNew = realloc(pBlock, nNewSize);
    if (pNew)
        manager.m_nBytes = manager.m_nBytes - nHeld + nNewSize;
    return pNew;
}

std::string CScriptingManager::Where(lua_State* pState)
{
    // Level 0 is the Lua function running; a hook has no level of its own,
    // so luaL_error would name no line.
    lua_Debug where;
    if (!lua_getstack(pState, 0, &where) || !lua_getinfo(pState, "Sl", &where) || where.currentline < 0)
        return std::string();
    return FormatString("%s:%d: ", where.short_src, where.currentline);
}

void CScriptingManager::CountInstructions(lua_State* pState, lua_Debug*)
{
    void* pManager = nullptr;
    lua_getallocf(pState, &pManager);
    CScriptingManager& manager = *static_cast<CScriptingManager*>(pManager);
    manager.m_nInstructions += kHookInterval;
    // lua_error jumps over this frame without destructors, so the text
    // is in plain bytes by then.
    char szMessage[512] = "";
    {
        std::string strLimit;
        if (manager.m_nInstructions > kMostInstructions)
            strLimit = FormatString("the script ran past %ld instructions", kMostInstructions);
        // Checked here as well, so that a script growing a table without
        // end is stopped with its line before an allocation fails.
        else if (manager.m_nBytes > kMostBytes / 4 * 3)
            strLimit = FormatString("the script holds more than %zu bytes", kMostBytes / 4 * 3);
        if (!strLimit.empty())
            snprintf(szMessage, sizeof szMessage, "%s%s", Where(pState).c_str(), strLimit.c_str());
    }
    if (*szMessage) {
        lua_pushstring(pState, szMessage);
        lua_error(pState);
    }
}

void CScriptingManager::Run(const std::string& strChunk, const std::string& strChunkName)
{
    m_nInstructions = 0;
    m_strRefusedAt.clear();
    int nResult = luaL_loadbuffer(m_pLuaState, strChunk.data(), strChunk.size(), strChunkName.c_str());
    if (nResult == 0)
        nResult = lua_pcall(m_pLuaState, 0, 0, 0);
    if (nResult == 0)
        return;
    // error({}) and error(nil) leave no text to report.
    const char* szMessage = lua_tostring(m_pLuaState, -1);
    std::string strMessage = szMessage ? szMessage : "(error object is not a string)";
    if (nResult == LUA_ERRMEM)
        strMessage = m_strRefusedAt + strMessage;
    lua_settop(m_pLuaState, -2);
    // What a refused chunk built but no longer reaches is given back now.
    lua_gc(m_pLuaState, LUA_GCCOLLECT, 0);
    VANTILE_EXCEPT(0, strMessage, "CScriptingManager::ExecuteCommand");
}

}  // namespace Vantile
