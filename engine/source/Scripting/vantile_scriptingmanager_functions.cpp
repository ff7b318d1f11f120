// The engine functions every script can call.
#include "Core/vantile_application.h"
#include "Core/vantile_eventmanager.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "Scripting/vantile_luabind.h"
#include "Scripting/vantile_scriptingmanager.h"

namespace Vantile {

namespace {

// Scene scripts written for the full engine call these; this game has no
// use for them, so they are accepted and do nothing.
void LoadObject(const std::string&) {}
void EnableNode(bool, const std::string&) {}
void SetAnimationTime(const std::string&, float) {}
void LoadHierarchy(const std::string&) {}

// Scripts may run before the application exists (tools, tests).
CApplication* RunningApplication(const char* szCall)
{
    CApplication* pApplication = CRoot::Instance().getApplication();
    if (!pApplication)
        CLog::Instance().Write(LOG_ERROR, std::string(szCall) + ": no application to change the camera of");
    return pApplication;
}

void FadeToNextCamera()
{
    if (CApplication* pApplication = RunningApplication("FadeToNextCamera"))
        pApplication->fadeToNextCamera();
}

void ChangeCamera(const std::string& strName)
{
    if (CApplication* pApplication = RunningApplication("ChangeCamera"))
        pApplication->changeCamera(strName.c_str());
}

void ClearEvents()
{
    CEventManager::Instance().clearEvents();
}

void AddEvent(bool bAtTotalTime, float fTime, const std::string& strCommand)
{
    CEventManager::Instance().addEvent(bAtTotalTime ? CEventManager::AT_TOTAL_TIME : CEventManager::AFTER_DELAY,
                                       fTime, strCommand);
}

}  // namespace

void CScriptingManager::RegisterEngineFunctions()
{
    luabind::module(m_pLuaState)[
        luabind::def("LoadObject", &LoadObject),
        luabind::def("EnableNode", &EnableNode),
        luabind::def("SetAnimationTime", &SetAnimationTime),
        luabind::def("FadeToNextCamera", &FadeToNextCamera),
        luabind::def("ChangeCamera", &ChangeCamera),
        luabind::def("ClearEvents", &ClearEvents),
        luabind::def("AddEvent", &AddEvent),
        luabind::def("LoadHierarchy", &LoadHierarchy)
    ];
}

}  // namespace Vantile
