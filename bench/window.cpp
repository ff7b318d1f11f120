// The board window left alone against a floor program in the same window
// and device: the floor clears, draws one full-screen blended quad of the
// level's field picture and presents, the least any frame of the game
// costs. Both run through the
// window's Update, so both are held by the same frame pacer. Prints, each
// beside the floor's:
//   - launch to the first frame shown (a fresh process each time);
//   - frames a second, CPU per frame (all threads: the software rasteriser
//     draws on its own), the share of a core, draw calls per frame.
// Run from the build's bin folder under a display (xvfb-run for a virtual
// one; without one the offscreen driver is used), or give the data folder
// and a level:
//   bench_window [DATA_FOLDER [LEVEL]]
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>
#include <string>
#include <vector>

#include "Core/vantile_exception.h"
#include "Core/vantile_random.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamefield.h"
#include "Game/Script/gamescript.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "Resources/vantile_resourcemanager.h"
#include "d3d/d3d8_testhooks.h"

namespace {

const int kLaunches = 5;
const int kRounds = 2;
const int kWarmUpFrames = 20;
const double kPhaseSeconds = 3.0;
const char kFirstFrame[] = "--first-frame";

typedef std::chrono::steady_clock Clock;

double ProcessCpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

void DispatchMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

IDirect3DDevice8* Device()
{
    return Vantile::CD3D9RenderSystem::Instance().GetDevice();
}

Vantile::CD3D9RenderWindow* Window()
{
    return Vantile::CD3D9RenderSystem::Instance().GetRenderWindow();
}

// Clear, one half-transparent quad over the whole back buffer, drawn the
// way the board draws its sprites (same effect, queue and device paths).
class CFloorScreen {
public:
    explicit CFloorScreen(const std::string& strTexture) : m_Quad(strTexture, 800.0f, 600.0f)
    {
        m_Quad.SetAlpha(0.5f);
    }

    void frame()
    {
        Vantile::CRenderQueue* pPrevious = Vantile::CRenderQueue::Current();
        m_Queue.MakeCurrent();
        IDirect3DDevice8* pDevice = Device();
        pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, CBoardScreen::SEA_COLOUR, 1.0f, 0);
        pDevice->BeginScene();
        SetSpriteScreenTransforms(pDevice);
        m_Quad.placeAt(D3DXVECTOR3(0.0f, 0.0f, 0.0f));
        m_Queue.RenderContainers();
        pDevice->EndScene();
        m_Queue.ClearContainers();
        if (pPrevious)
            pPrevious->MakeCurrent();
    }

private:
    Vantile::CRenderQueue m_Queue;
    CSprite m_Quad;
};

// The idle board a player sees after launch: items at rest, nobody moving.
class CIdleBoard {
public:
    explicit CIdleBoard(const std::string& strLevel) : m_Driver(m_Field, false, 1)
    {
        m_Field.initCells(FieldPictureOf(strLevel));
        m_Field.Load(strLevel);
    }
    void frame() { m_Screen.frame(m_Driver); }

private:
    CGameField m_Field;
    CBoardDriver m_Driver;
    CBoardScreen m_Screen;
};

struct SFrameFigures {
    double fWall = 0.0;
    double fCpu = 0.0;
    int nFrames = 0;
    unsigned nDrawCalls = 0;
};

void RunPhase(const std::function<void()>& drawFrame, SFrameFigures& figures)
{
    const Clock::time_point start = Clock::now();
    const double fCpuStart = ProcessCpuSeconds();
    const unsigned nCallsStart = D3DDeviceDrawCalls(Device());
    double fWall = 0.0;
    while (fWall < kPhaseSeconds) {
        DispatchMessages();
        drawFrame();
        Window()->Update();
        ++figures.nFrames;
        fWall = std::chrono::duration<double>(Clock::now() - start).count();
    }
    figures.fWall += fWall;
    figures.fCpu += ProcessCpuSeconds() - fCpuStart;
    figures.nDrawCalls += D3DDeviceDrawCalls(Device()) - nCallsStart;
}

void PrintFrames(const char* pszName, const SFrameFigures& figures, const SFrameFigures* pFloor)
{
    const double fFrames = figures.nFrames ? figures.nFrames : 1;
    const double fCpuPerFrame = figures.fCpu / fFrames * 1e3;
    printf("%-6s %6.1f frames/s  %6.2f ms CPU/frame  %5.0f%% of a core  %6.1f draw calls/frame", pszName,
           figures.nFrames / figures.fWall, fCpuPerFrame, figures.fCpu / figures.fWall * 100.0,
           figures.nDrawCalls / fFrames);
    if (pFloor)
        printf("  CPU/frame %.2fx floor", fCpuPerFrame / (pFloor->fCpu / std::max(1, pFloor->nFrames) * 1e3));
    printf("\n");
}

// The child of a launch: opens the window, draws and shows one frame, exits.
int FirstFrame(const std::string& strWhat, const std::string& strFolder, const std::string& strLevel)
{
    if (!CBoardScreen::openDevice("bench_window"))
        return 2;
    Vantile::CResourceManager::Instance().Init(strFolder, false);
    if (strWhat == "floor") {
        CFloorScreen floor(FieldPictureOf(strLevel));
        floor.frame();
        Window()->Update();
        return 0;
    }
    RunStartupScript("init.lua");
    CIdleBoard board(strLevel);
    board.frame();
    Window()->Update();
    CBoardScreen::closeDrawing();
    return 0;
}

// Wall time from fork to the child's exit, in milliseconds; negative when
// the child failed.
double TimeLaunch(const char* pszSelf, const char* pszWhat, const std::string& strFolder,
                  const std::string& strLevel)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(pszSelf, pszSelf, kFirstFrame, pszWhat, strFolder.c_str(), strLevel.c_str(), nullptr);
        _exit(127);
    }
    int nStatus = 0;
    if (pid < 0 || waitpid(pid, &nStatus, 0) != pid || !WIFEXITED(nStatus) || WEXITSTATUS(nStatus) != 0)
        return -1.0;
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

bool PrintLaunches(const char* pszSelf, const std::string& strFolder, const std::string& strLevel)
{
    std::vector<double> floor, board;
    for (int i = 0; i < kLaunches; ++i) {
        floor.push_back(TimeLaunch(pszSelf, "floor", strFolder, strLevel));
        board.push_back(TimeLaunch(pszSelf, "board", strFolder, strLevel));
        if (floor.back() < 0 || board.back() < 0) {
            fprintf(stderr, "bench_window: a first-frame child failed\n");
            return false;
        }
    }
    const double fFloor = Median(floor), fBoard = Median(board);
    printf("launch to first frame (median of %d): floor %.0f ms, board %.0f ms, %.2fx floor\n", kLaunches, fFloor,
           fBoard, fBoard / fFloor);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (!getenv("DISPLAY"))
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
    if (argc == 5 && strcmp(argv[1], kFirstFrame) == 0)
        return FirstFrame(argv[2], argv[3], argv[4]);
    const std::string strFolder = argc > 1 ? argv[1] : "game";
    const std::string strLevel = argc > 2 ? argv[2] : "level01.xml";
    try {
        if (!PrintLaunches(argv[0], strFolder, strLevel))
            return 1;
        if (!CBoardScreen::openDevice("bench_window"))
            throw Vantile::Exception(0, "no 800 x 600 window", "main", __FILE__, __LINE__);
        Vantile::CResourceManager::Instance().Init(strFolder, false);
        RunStartupScript("init.lua");
        Vantile::SeedRandom(1);
        SFrameFigures floor, board;
        {
            CFloorScreen floorScreen(FieldPictureOf(strLevel));
            CIdleBoard idle(strLevel);
            // Untimed first frames: shader programs are built on first use.
            for (int i = 0; i < kWarmUpFrames; ++i) {
                floorScreen.frame();
                Window()->Update();
                idle.frame();
                Window()->Update();
            }
            for (int i = 0; i < kRounds; ++i) {
                RunPhase([&floorScreen] { floorScreen.frame(); }, floor);
                RunPhase([&idle] { idle.frame(); }, board);
            }
        }
        CBoardScreen::closeDrawing();
        printf("window: %s, pacer at most %u frames/s\n", getenv("DISPLAY") ? "X display" : "offscreen",
               Window()->GetFramePacer().rate());
        PrintFrames("floor", floor, nullptr);
        PrintFrames("board", board, &floor);
    } catch (const Vantile::Exception& e) {
        fprintf(stderr, "bench_window: %s\n", e.getDetails().c_str());
        return 1;
    }
    return 0;
}
