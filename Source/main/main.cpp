// The program's entry: the per-user folder, the crash reporter and the log,
// the game data, then the application until the window closes. Whatever
// stops the start is said in one line on stderr and, where a display
// exists, in a message box, and the exit status is 1. The only options
// start a headless player (autoplay/autoplayoptions.h).
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "Business/userfile.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "Resources/vantile_resourcemanager.h"
#include "Vfs/vantile_vfs.h"
#include "Game/Context/gamecontext.h"
#include "main/autoplay/headless.h"
#include "main/autoplay/autoplayoptions.h"
#include "main/clientapplication.h"
#include "main/instancelock.h"
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

// A crash report written after the last run's log: that run ended in the
// crash. "" when there is none.
std::string ReportOfLastRun(const std::string& strFolder, const std::string& strLog)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_time_type logTime = fs::last_write_time(strLog, error);
    if (error)
        return std::string();
    std::string strReport;
    for (const fs::directory_entry& entry : fs::directory_iterator(strFolder, error)) {
        const std::string strName = entry.path().filename().string();
        if (strName.rfind("crash-", 0) == 0 && entry.last_write_time(error) >= logTime && !error)
            strReport = std::max(strReport, entry.path().string());
    }
    return strReport;
}

// The data lies beside the program as the folder "game" or its archive
// "game.dat"; a damaged archive throws with its fault.
bool HasGameData(std::string& strFault)
{
    const std::string strRoot = CGameContext::gameFolder();
    CVFS vfs;
    vfs.Open(strRoot, true, true);
    CVFSFile file;
    if (vfs.GetFile(0, "init.lua", file) > 0)
        return true;
    strFault = "No game data: neither [" + strRoot + "] nor [" + strRoot + ".dat] holds \"init.lua\"";
    return false;
}

// The running application, for the end the display's loss forces.
CClientApplication* g_pApplication = nullptr;

// The window and the device went with the display, so the usual teardown
// cannot run: the player's store is saved as it stands, the log says why
// the game ended, and the platform ends the process with status 1.
void OnDisplayLost()
{
    CLog::Instance().Write(LOG_ERROR, "The connection to the display was lost; the game ends");
    if (g_pApplication)
        g_pApplication->saveProgress();
}

// A quit signal closes the window as its close button does (the platform
// sees to that); the store is saved first, as it stands, in case the
// session's own end cannot run in the time the sender allows.
void OnQuitSignal(int nSignal)
{
    CLog::Instance().Write(LOG_INFO,
                           FormatString("Signal %d asks the game to end; the player's store is saved", nSignal));
    if (g_pApplication)
        g_pApplication->saveProgress();
}

// Registers the application with the display-lost and quit-signal
// handlers while it runs.
class CApplicationWatch {
public:
    explicit CApplicationWatch(CClientApplication& application)
    {
        g_pApplication = &application;
        PlatformOnDisplayLost(OnDisplayLost);
    }
    ~CApplicationWatch()
    {
        PlatformOnDisplayLost(nullptr);
        g_pApplication = nullptr;
    }
};

// A second copy on the same folder would overwrite the first one's
// profiles and log: it says so and ends before it touches them. A lock
// that cannot be had for another reason costs only the guard.
bool IsAnotherCopyRunning(CInstanceLock& lock, const std::string& strFolder)
{
    std::string strError;
    switch (lock.take(strFolder, strError)) {
    case CInstanceLock::Result::Taken: return false;
    case CInstanceLock::Result::Unavailable:
        fprintf(stderr, "quellon: %s; starting without the guard against a second copy\n", strError.c_str());
        return false;
    case CInstanceLock::Result::Held: break;
    }
    // The box also says it on stderr.
    const std::string strText = "Quellon is already running for this user (" + strFolder + "); this copy ends.";
    MessageBoxA(nullptr, strText.c_str(), "Quellon", MB_ICONINFORMATION);
    return true;
}

int Refuse(const std::string& strReason)
{
    CLog::Instance().Write(LOG_ERROR, strReason);
    MessageBoxA(nullptr, strReason.c_str(), "Quellon", MB_ICONERROR);
    return 1;
}

int RunGame(HINSTANCE hInstance, const SAutoplayOptions& autoplay)
{
    const std::string strDataFolder = CGameContext::dataFolder();
    if (!CreateDataFolder(strDataFolder)) {
        MessageBoxA(nullptr, "Failed to load settings file. Please reinstal", "Error", MB_ICONERROR);
        return 1;
    }
    CInstanceLock lock;
    if (IsAnotherCopyRunning(lock, strDataFolder))
        return 1;
    // Without a folder the game can write, the log and every save would be
    // lost without a word.
    if (const int nError = CUserFile::ProbeFolder(strDataFolder))
        return Refuse("Cannot write the folder [" + strDataFolder + "]: " + strerror(nError));
    const std::string strLog = strDataFolder + "/kovalog.txt";
    const std::string strCrash = ReportOfLastRun(strDataFolder, strLog);
    CrashReportInstall(strDataFolder.c_str());
    CrashReportSetVersion(QUELLON_VERSION);
    CrashReportSetScreen("start-up");
    CLog::Instance().Open(strLog);
    CLog::Instance().Write(LOG_INFO, "WinMain enter");
    if (!strCrash.empty()) {
        const std::string strText = "Quellon closed unexpectedly last time. A report is in [" + strCrash + "]";
        CLog::Instance().Write(LOG_ERROR, strText);
        MessageBoxA(nullptr, strText.c_str(), "Quellon", MB_ICONINFORMATION);
    }
    std::string strFault;
    if (!HasGameData(strFault))
        return Refuse(strFault);
    CResourceManager::Instance().Init(CGameContext::gameFolder(), true);
    CLog::Instance().Write(LOG_INFO, "WinMain ResourceManager initted");
    CClientApplication application(hInstance);
    CLog::Instance().Write(LOG_INFO, "WinMain ClientApp created");
    const std::unique_ptr<CHeadlessPlayer> pPlayer = StartHeadlessPlayer(application, autoplay);
    {
        CApplicationWatch watch(application);
        application.run();
    }
    CLog::Instance().Write(LOG_INFO, "WinMain exit");
    return pPlayer ? pPlayer->report() : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    SAutoplayOptions autoplay;
    std::string strError;
    if (!autoplay.parse(argc, argv, strError)) {
        fprintf(stderr, "quellon: %s\n", strError.c_str());
        return 2;
    }
    if (autoplay.bHelp) {
        fputs(SAutoplayOptions::usage(), stdout);
        return 0;
    }
    if (autoplay.headless() && !autoplay.prepareEnvironment(strError)) {
        fprintf(stderr, "quellon: %s\n", strError.c_str());
        return 1;
    }
    if (!autoplay.headless() && !HasDisplay()) {
        fprintf(stderr, "quellon: no display to open the game's window on; to play headless run: "
                        "quellon --autoplay --levels N --shots DIR\n");
        return 1;
    }
    PlatformOnQuitSignal(OnQuitSignal);
    try {
        return RunGame(GetModuleHandleA(nullptr), autoplay);
    } catch (const Exception& e) {
        // The report is in the log already; the player gets the reason and
        // the shell a failure status.
        MessageBoxA(nullptr, e.getDetails().c_str(), "Quellon", MB_ICONERROR);
        return 1;
    }
}
