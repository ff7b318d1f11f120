// The program's entry: the crash reporter, the per-user folder and the log,
// then the application until the window closes.
#include <string>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Resources/vantile_resourcemanager.h"
#include "Game/Context/gamecontext.h"
#include "main/clientapplication.h"
#include "system/crash_report.h"
#include "system/win32.h"

using namespace Vantile;

namespace {

// The data home it lives in exists already (the folder look-up makes it);
// false when the folder itself cannot be made.
bool CreateDataFolder(const std::string& strFolder)
{
    return CreateDirectoryA(strFolder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

int RunGame(HINSTANCE hInstance)
{
    const std::string strDataFolder = CGameContext::dataFolder();
    if (!CreateDataFolder(strDataFolder)) {
        MessageBoxA(nullptr, "Failed to load settings file. Please reinstal", "Error", MB_ICONERROR);
        return 1;
    }
    CrashReportInstall(strDataFolder.c_str());
    CLog::Instance().Open(strDataFolder + "/kovalog.txt");
    CLog::Instance().Write(LOG_INFO, "WinMain enter");
    CResourceManager::Instance().Init(CGameContext::programFolder() + "/game", true);
    CLog::Instance().Write(LOG_INFO, "WinMain ResourceManager initted");
    {
        CClientApplication application(hInstance);
        CLog::Instance().Write(LOG_INFO, "WinMain ClientApp created");
        application.run();
        CLog::Instance().Write(LOG_INFO, "WinMain exit");
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    try {
        return RunGame(GetModuleHandleA(nullptr));
    } catch (const Exception& e) {
        // The report is in the log already; the player gets the reason and
        // the shell a failure status.
        MessageBoxA(nullptr, e.getDetails().c_str(), "Quellon", MB_ICONERROR);
        return 1;
    }
}
