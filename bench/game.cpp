// The real game against a floor, each in a fresh process of its own:
//   - launch to the first frame shown and to an interactive main menu (the
//     program's own application, median of several launches on a warm
//     cache), beside the floor's launch to its first frame;
//   - CPU per frame (all threads: the software rasteriser draws on its
//     own) while the headless player plays the first level with the
//     aquarium, the fish, the board, the HUD and the GUI drawn, beside the
//     floor: the same frame loop and window drawing only a clear and one
//     full-screen quad; and their ratio;
//   - resident memory during play.
// Both run through the engine's frame loop and the window's frame pacer.
// Run from the build's bin folder (offscreen without a display):
//   bench_game
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Core/vantile_application.h"
#include "Core/vantile_exception.h"
#include "Core/vantile_framehandler.h"
#include "Core/vantile_root.h"
#include "Game/Context/gamecontext.h"
#include "Game/Session/game.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Renderstages/vantile_renderstages.h"
#include "Resources/vantile_resourcemanager.h"
#include "gui/Framework/windowstack.h"
#include "main/autoplay/autoplayer.h"
#include "main/clientapplication.h"

namespace {

const int kLaunches = 5;
// Play is measured once the level has run a while, for this long.
const double kSettleSeconds = 3.0;
const double kMeasureSeconds = 10.0;
const char* const kFloorPicture = "field01.jpg";

typedef std::chrono::steady_clock Clock;

double ProcessCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double MonotonicMs()
{
    return std::chrono::duration<double, std::milli>(Clock::now().time_since_epoch()).count();
}

long ResidentKb()
{
    std::ifstream status("/proc/self/status");
    std::string strLine;
    while (std::getline(status, strLine))
        if (strLine.rfind("VmRSS:", 0) == 0)
            return atol(strLine.c_str() + 6);
    return 0;
}

// CPU and frames over a stretch of frames, from a frame handler.
class CFrameMeter : public Vantile::CFrameHandler {
public:
    // bReady says when measuring may start.
    explicit CFrameMeter(std::function<bool()> ready) : m_Ready(std::move(ready))
    {
        Vantile::CRoot::Instance().addFrameHandler(this);
    }
    ~CFrameMeter() override { Vantile::CRoot::Instance().removeFrameHandler(this); }

    bool frameEnded(const Vantile::FrameEvent&) override
    {
        if (m_fStart < 0.0) {
            if (m_Ready && !m_Ready())
                return true;
            m_fStart = MonotonicMs();
            m_fCpuStart = ProcessCpuSeconds();
            return true;
        }
        ++m_nFrames;
        const double fWall = (MonotonicMs() - m_fStart) / 1e3;
        if (fWall < kMeasureSeconds)
            return true;
        m_nResidentKb = ResidentKb();
        printf("frames %d wall %.3f cpu %.4f rss %ld\n", m_nFrames, fWall, ProcessCpuSeconds() - m_fCpuStart,
               m_nResidentKb);
        fflush(stdout);
        return false;
    }

private:
    std::function<bool()> m_Ready;
    double m_fStart = -1.0;
    double m_fCpuStart = 0.0;
    int m_nFrames = 0;
    long m_nResidentKb = 0;
};

// The floor: the engine's loop and window, a clear and one full-screen
// quad of a picture a second.
class CFloorStage : public Vantile::IRenderStage {
public:
    CFloorStage() : m_Quad(kFloorPicture, 800.0f, 600.0f) {}
    void Render() override
    {
        SetSpriteScreenTransforms(Vantile::CD3D9RenderSystem::Instance().GetDevice());
        m_Quad.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
    }

private:
    CSprite m_Quad;
};

class CFloorApplication : public Vantile::CApplication {
public:
    explicit CFloorApplication(HINSTANCE hInstance) : CApplication(hInstance)
    {
        m_nVideoMode = Vantile::CD3D9RenderSystem::Instance().FindVideoMode(800, 600, 32);
    }
    int createScene() override
    {
        m_pQueue = std::make_shared<Vantile::CRenderQueue>();
        m_pQueue->AddStage(new Vantile::CRSClear(0xFF000000, true, 1.0f, true), true);
        m_pQueue->AddStage(new CFloorStage, true);
        m_pQueue->AddStage(new Vantile::CRSRenderTargets, true);
        m_pQueue->AddStage(new Vantile::CRSClearTargets, true);
        Vantile::CRoot::Instance().setRenderQueue(0, m_pQueue);
        m_pQueue->MakeCurrent();
        return 0;
    }
    void destroyScene() override
    {
        Vantile::CRoot::Instance().setRenderQueue(0, nullptr);
        m_pQueue.reset();
    }

private:
    std::shared_ptr<Vantile::CRenderQueue> m_pQueue;
};

int RunFloor()
{
    CFloorApplication application(nullptr);
    CFrameMeter meter(nullptr);
    application.run();
    return 0;
}

// The floor's launch: the same process start, window and device, and one
// picture, until its first frame is shown.
class CFirstFrameWatch : public Vantile::CFrameHandler {
public:
    CFirstFrameWatch() { Vantile::CRoot::Instance().addFrameHandler(this); }
    ~CFirstFrameWatch() override { Vantile::CRoot::Instance().removeFrameHandler(this); }

    bool frameEnded(const Vantile::FrameEvent&) override
    {
        printf("first %.3f menu %.3f\n", MonotonicMs(), MonotonicMs());
        fflush(stdout);
        return false;
    }
};

int RunFloorLaunch()
{
    CFloorApplication application(nullptr);
    CFirstFrameWatch watch;
    application.run();
    return 0;
}

// The game until its main menu takes input: the menu state, its fade
// over, a window on top.
class CLaunchWatch : public Vantile::CFrameHandler {
public:
    explicit CLaunchWatch(Vantile::CClientApplication& application) : m_Application(application)
    {
        Vantile::CRoot::Instance().addFrameHandler(this);
    }
    ~CLaunchWatch() override { Vantile::CRoot::Instance().removeFrameHandler(this); }

    bool frameEnded(const Vantile::FrameEvent&) override
    {
        if (m_fFirstFrame < 0.0)
            m_fFirstFrame = MonotonicMs();
        const CGame* pGame = m_Application.game();
        if (!pGame || pGame->getState() != CGame::eMainMenu || pGame->isTransition() ||
            !CWindowStack::instance().current() || CWindowStack::instance().isSwitchPending())
            return true;
        printf("first %.3f menu %.3f\n", m_fFirstFrame, MonotonicMs());
        fflush(stdout);
        return false;
    }

private:
    Vantile::CClientApplication& m_Application;
    double m_fFirstFrame = -1.0;
};

int RunGame(bool bPlay, const std::string& strShots)
{
    Vantile::CResourceManager::Instance().Init(CGameContext::gameFolder(), true);
    Vantile::CClientApplication application(nullptr);
    if (!bPlay) {
        CLaunchWatch watch(application);
        application.run();
        return 0;
    }
    SAutoplayOptions options;
    options.bEnabled = true;
    options.strShots = strShots;
    std::string strError;
    if (!options.prepareEnvironment(strError))
        throw Vantile::Exception(0, strError, "RunGame", __FILE__, __LINE__);
    CAutoPlayer player(application, options);
    Clock::time_point playSince = Clock::time_point::max();
    CFrameMeter meter([&] {
        const CGame* pGame = application.game();
        if (!pGame || pGame->getState() != CGame::ePlay) {
            playSince = Clock::time_point::max();
            return false;
        }
        playSince = std::min(playSince, Clock::now());
        return std::chrono::duration<double>(Clock::now() - playSince).count() >= kSettleSeconds;
    });
    application.run();
    return 0;
}

// Runs this program again in a mode; its one line of output, "" when it
// failed.
std::string RunChild(const char* pszSelf, const char* pszMode, const std::string& strArgument = "")
{
    std::string strCommand = std::string("'") + pszSelf + "' " + pszMode;
    if (!strArgument.empty())
        strCommand += " '" + strArgument + "'";
    FILE* pPipe = popen((strCommand + " 2>/dev/null").c_str(), "r");
    if (!pPipe)
        return "";
    std::string strOut;
    char szLine[256];
    // The figures' line; the player's own lines are left out.
    while (fgets(szLine, sizeof szLine, pPipe))
        if (strncmp(szLine, "frames ", 7) == 0 || strncmp(szLine, "first ", 6) == 0)
            strOut = szLine;
    return pclose(pPipe) == 0 ? strOut : "";
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

struct SFrames {
    int nFrames = 0;
    double fWall = 0.0, fCpu = 0.0;
    long nResidentKb = 0;
    bool read(const std::string& strLine)
    {
        return sscanf(strLine.c_str(), "frames %d wall %lf cpu %lf rss %ld", &nFrames, &fWall, &fCpu,
                      &nResidentKb) == 4 &&
               nFrames > 0;
    }
    double cpuMsPerFrame() const { return fCpu / nFrames * 1e3; }
};

void PrintFrames(const char* pszName, const SFrames& frames)
{
    printf("%-6s %6.1f frames/s  %6.2f ms CPU/frame  %5.0f%% of a core  resident %6.1f MB\n", pszName,
           frames.nFrames / frames.fWall, frames.cpuMsPerFrame(), frames.fCpu / frames.fWall * 100.0,
           frames.nResidentKb / 1024.0);
}

// Milliseconds from starting the child to its first frame and to its
// menu; false when it failed.
bool TimeLaunch(const char* pszSelf, const char* pszMode, std::vector<double>& first, std::vector<double>& menu)
{
    const double fStart = MonotonicMs();
    double fFirst = 0.0, fMenu = 0.0;
    if (sscanf(RunChild(pszSelf, pszMode).c_str(), "first %lf menu %lf", &fFirst, &fMenu) != 2) {
        fprintf(stderr, "bench_game: a launch failed\n");
        return false;
    }
    first.push_back(fFirst - fStart);
    menu.push_back(fMenu - fStart);
    return true;
}

int MeasureIn(const char* pszSelf, const std::string& strHome)
{
    // Game and floor launches take turns, so a busy machine weighs on both.
    std::vector<double> first, menu, floorFirst, floorMenu;
    for (int i = 0; i < kLaunches; ++i)
        if (!TimeLaunch(pszSelf, "--launch", first, menu) ||
            !TimeLaunch(pszSelf, "--floor-launch", floorFirst, floorMenu))
            return 1;
    printf("launch (median of %d): first frame %.0f ms, interactive main menu %.0f ms; "
           "floor first frame %.0f ms\n",
           kLaunches, Median(first), Median(menu), Median(floorFirst));
    SFrames floor, game;
    if (!floor.read(RunChild(pszSelf, "--floor")) || !game.read(RunChild(pszSelf, "--play", strHome + "/play"))) {
        fprintf(stderr, "bench_game: a run failed\n");
        return 1;
    }
    printf("window: %s\n", getenv("DISPLAY") ? "X display" : "offscreen");
    PrintFrames("floor", floor);
    PrintFrames("game", game);
    printf("game CPU/frame %.2fx floor\n", game.cpuMsPerFrame() / floor.cpuMsPerFrame());
    return 0;
}

int Measure(const char* pszSelf)
{
    // The children keep their players' files in a folder of their own.
    char szHome[] = "/tmp/bench-game-XXXXXX";
    if (!mkdtemp(szHome))
        return 1;
    setenv("XDG_DATA_HOME", szHome, 1);
    const int nResult = MeasureIn(pszSelf, szHome);
    const std::string strRemove = std::string("rm -rf '") + szHome + "'";
    return system(strRemove.c_str()) == 0 ? nResult : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!getenv("DISPLAY"))
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    try {
        if (argc >= 2 && strcmp(argv[1], "--floor") == 0) {
            Vantile::CResourceManager::Instance().Init(CGameContext::gameFolder(), true);
            return RunFloor();
        }
        if (argc >= 2 && strcmp(argv[1], "--floor-launch") == 0) {
            Vantile::CResourceManager::Instance().Init(CGameContext::gameFolder(), true);
            return RunFloorLaunch();
        }
        if (argc >= 2 && strcmp(argv[1], "--launch") == 0)
            return RunGame(false, "");
        if (argc >= 3 && strcmp(argv[1], "--play") == 0)
            return RunGame(true, argv[2]);
        return Measure(argv[0]);
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_game: %s\n", e.getDetails().c_str());
        return 1;
    }
}
