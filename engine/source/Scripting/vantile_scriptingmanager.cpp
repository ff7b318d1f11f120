#include "Scripting/vantile_scriptingmanager.h"

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

// Opens only the base library; luaL_openlibs would bring string, table,
// math, io and os with it.
void OpenBaseLibrary(lua_State* pState)
{
    luaL_requiref(pState, "_G", luaopen_base, 1);
    lua_pop(pState, 1);
}

}  // namespace

CScriptingManager& CScriptingManager::Instance()
{
    static CScriptingManager manager;
    return manager;
}

CScriptingManager::CScriptingManager() : m_pLuaState(luaL_newstate())
{
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
    ExecuteCommand(std::string(pData, strnlen(pData, resource.GetSize())));
}

void CScriptingManager::ExecuteCommand(const std::string& strCommand)
{
    int nResult = luaL_loadbuffer(m_pLuaState, strCommand.data(), strCommand.size(), strCommand.c_str());
    if (nResult == 0)
        nResult = lua_pcall(m_pLuaState, 0, 0, 0);
    if (nResult == 0)
        return;
    // error({}) and error(nil) leave no text to report.
    const char* szMessage = lua_tostring(m_pLuaState, -1);
    const std::string strMessage = szMessage ? szMessage : "(error object is not a string)";
    lua_settop(m_pLuaState, -2);
    VANTILE_EXCEPT(0, strMessage, "CScriptingManager::ExecuteCommand");
}

}  // namespace Vantile
