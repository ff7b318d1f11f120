#include "main/autoplay/monkey.h"

#include <csignal>
#include <cstring>
#include <unistd.h>

#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Core/vantile_root.h"
#include "Game/Session/game.h"
#include "levellab/labbot.h"
#include "main/autoplay/shotqueue.h"
#include "main/clientapplication.h"

namespace {

// The pictures come after the last render queue: the frame as shown.
const size_t SHOT_QUEUE = 1;
// A screen reached for the first time is pictured once it has stood
// still this many frames.
const long SHOT_FRAMES = 12;
// A target clicked is taken to lead to the screen that comes within this
// many frames.
const long LEAD_FRAMES = 90;

// ---- the crash note --------------------------------------------------------
// Written from a signal handler, so only with write() and from text made
// ready beforehand; the handler then hands the signal on to the one that
// was there before it (the crash reporter's, or the default).
const int CRASH_SIGNALS[] = {SIGSEGV, SIGABRT, SIGFPE, SIGILL, SIGBUS};
const int CRASH_SIGNAL_COUNT = int(sizeof CRASH_SIGNALS / sizeof CRASH_SIGNALS[0]);
struct sigaction g_Previous[CRASH_SIGNAL_COUNT];
bool g_bInstalled = false;
volatile long g_nStep = 0;
volatile long g_nFrame = 0;
const char* volatile g_pszScreen = "start";
// "seed 7; replay: quellon --monkey ..." made when the monkey starts.
char g_szReplay[512];

void writeText(const char* szText)
{
    size_t nLeft = strlen(szText);
    while (nLeft > 0) {
        const ssize_t nWritten = write(STDERR_FILENO, szText, nLeft);
        if (nWritten <= 0)
            return;
        szText += nWritten;
        nLeft -= size_t(nWritten);
    }
}

void writeNumber(long nValue)
{
    char szDigits[24];
    int n = 0;
    if (nValue < 0)
        nValue = 0;
    do {
        szDigits[n++] = char('0' + nValue % 10);
        nValue /= 10;
    } while (nValue > 0 && n < 20);
    char szText[24];
    for (int i = 0; i < n; ++i)
        szText[i] = szDigits[n - 1 - i];
    szText[n] = '\0';
    writeText(szText);
}

void writeCrashNote(const char* szWhat)
{
    writeText("\nmonkey: ");
    writeText(szWhat);
    writeText(" at step ");
    writeNumber(g_nStep);
    writeText(" (frame ");
    writeNumber(g_nFrame);
    writeText(", screen ");
    writeText(g_pszScreen);
    writeText("), ");
    writeText(g_szReplay);
    writeText("\n");
}

const char* signalName(int nSignal)
{
    switch (nSignal) {
    case SIGSEGV: return "crash (SIGSEGV)";
    case SIGABRT: return "crash (SIGABRT)";
    case SIGFPE: return "crash (SIGFPE)";
    case SIGILL: return "crash (SIGILL)";
    case SIGBUS: return "crash (SIGBUS)";
    default: return "crash";
    }
}

void onCrash(int nSignal)
{
    writeCrashNote(signalName(nSignal));
    // The signal comes again, to the handler before this one, once this
    // one returns: raised, or by the faulting instruction run again.
    for (int i = 0; i < CRASH_SIGNAL_COUNT; ++i)
        if (CRASH_SIGNALS[i] == nSignal)
            sigaction(nSignal, &g_Previous[i], nullptr);
    raise(nSignal);
}

void onSanitizerDeath()
{
    writeCrashNote("sanitizer report");
}

}  // namespace

// Present in a program built with a sanitizer, which calls it after its
// report and before the process ends.
extern "C" void __sanitizer_set_death_callback(void (*callback)(void)) __attribute__((weak));

namespace {

void installCrashNote()
{
    struct sigaction action {};
    action.sa_handler = onCrash;
    action.sa_flags = SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int i = 0; i < CRASH_SIGNAL_COUNT; ++i)
        sigaction(CRASH_SIGNALS[i], &action, &g_Previous[i]);
    g_bInstalled = true;
    if (__sanitizer_set_death_callback)
        __sanitizer_set_death_callback(onSanitizerDeath);
}

void removeCrashNote()
{
    if (!g_bInstalled)
        return;
    for (int i = 0; i < CRASH_SIGNAL_COUNT; ++i)
        sigaction(CRASH_SIGNALS[i], &g_Previous[i], nullptr);
    g_bInstalled = false;
}

std::string minutesText(double dMinutes)
{
    char szText[32];
    snprintf(szText, sizeof szText, "%g", dMinutes);
    return szText;
}

// "12:03.4": minutes and seconds of game time.
std::string clockText(double dSeconds)
{
    char szText[32];
    snprintf(szText, sizeof szText, "%ld:%04.1f", long(dSeconds / 60.0), dSeconds - 60.0 * long(dSeconds / 60.0));
    return szText;
}

}  // namespace

CMonkey::CMonkey(Vantile::CClientApplication& application, const SAutoplayOptions& options)
    : m_Application(application),
      m_Options(options),
      m_Input(application),
      m_pShots(std::make_shared<CShotQueue>()),
      m_nRandom(options.nSeed),
      m_Start(Clock::now())
{
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, m_pShots);
    Vantile::CRoot::Instance().addFrameHandler(this);
    const std::string strReplay = "seed " + std::to_string(m_Options.nSeed) +
                                  "; replay: quellon --monkey --seed " + std::to_string(m_Options.nSeed) +
                                  " --minutes " + minutesText(m_Options.dMinutes) +
                                  (m_Options.bFixedStep ? " --fixed-step" : "");
    snprintf(g_szReplay, sizeof g_szReplay, "%s", strReplay.c_str());
    installCrashNote();
    const std::string strSteps = m_Options.strShots + "/monkey-steps.txt";
    m_pStepLog = fopen(strSteps.c_str(), "w");
    if (m_pStepLog)
        fprintf(m_pStepLog, "# %s\n# step frame game-time screen: action\n", g_szReplay);
    printf("monkey: seed %u, %s minutes of %s, steps in %s\n", m_Options.nSeed,
           minutesText(m_Options.dMinutes).c_str(), m_Options.bFixedStep ? "game time (fixed step)" : "real time",
           strSteps.c_str());
    fflush(stdout);
}

CMonkey::~CMonkey()
{
    removeCrashNote();
    if (m_pStepLog)
        fclose(m_pStepLog);
    Vantile::CRoot::Instance().removeFrameHandler(this);
    Vantile::CRoot::Instance().setRenderQueue(SHOT_QUEUE, nullptr);
}

int CMonkey::visits(Screen screen) const
{
    const auto it = m_Visits.find(screen);
    return it == m_Visits.end() ? 0 : it->second;
}

double CMonkey::gameSeconds() const
{
    if (m_Options.bFixedStep)
        return m_nFrame * FIXED_STEP_MS / 1000.0;
    return std::chrono::duration<double>(Clock::now() - m_Start).count();
}

bool CMonkey::isTimeUp() const
{
    return gameSeconds() >= m_Options.dMinutes * 60.0;
}

bool CMonkey::frameStarted(const Vantile::FrameEvent&)
{
    ++m_nFrame;
    g_nFrame = m_nFrame;
    if (isTimeUp()) {
        m_bTimeUp = true;
        writeStep("time is up");
        return false;
    }
    CGame* pGame = m_Application.game();
    if (!pGame)
        return true;
    const Screen screen = DetectScreen(*pGame);
    if (screen != m_Screen)
        onNewScreen(*pGame, screen);
    ++m_nScreenFrames;
    if (!m_Pictured.count(m_Screen) && m_nScreenFrames >= SHOT_FRAMES && IsScreenSettled(*pGame))
        takeShot(m_Screen);
    runChecks(*pGame);
    sendDueInputs(*pGame);
    if (m_Inputs.empty() && --m_nWait <= 0) {
        g_nStep = ++m_nStep;
        nextStep(*pGame);
    }
    return true;
}

void CMonkey::onNewScreen(CGame& game, Screen screen)
{
    const Screen previous = m_Screen;
    m_Screen = screen;
    g_pszScreen = ScreenName(screen);
    m_nScreenFrames = 0;
    const int nVisits = ++m_Visits[screen];
    if (nVisits == 1) {
        m_FirstStep[screen] = m_nStep;
        printf("monkey: step %ld (%s): %s\n", m_nStep, clockText(gameSeconds()).c_str(), ScreenName(screen));
        fflush(stdout);
    }
    writeStep(std::string("screen ") + ScreenName(screen));
    if (m_nLastTargetFrame >= 0 && m_nFrame - m_nLastTargetFrame <= LEAD_FRAMES &&
        m_LastTarget.first == previous)
        m_LeadsTo[m_LastTarget] = screen;
    m_nLastTargetFrame = -1;
    if (screen == Screen::DeleteQuestion)
        ++m_nDeletesAllowed;
    if (screen == Screen::RenameDialog)
        ++m_nRenamesAllowed;
    if (screen == Screen::MiniGame && previous != Screen::MiniGame)
        m_SeenKinds.clear();
    if (IsLevelScreen(screen) && !IsLevelScreen(previous)) {
        m_pBot.reset();
        chooseMood();
        (void)game;
    }
}

void CMonkey::takeShot(Screen screen)
{
    if (m_pShots->isPending())
        return;
    m_Pictured.insert(screen);
    char szName[16];
    snprintf(szName, sizeof szName, "%03d-", ++m_nShots);
    m_pShots->request(m_Options.strShots + "/" + szName + ScreenName(screen) + ".png");
}

void CMonkey::writeStep(const std::string& strAction)
{
    if (!m_pStepLog)
        return;
    fprintf(m_pStepLog, "%ld %ld %s %s: %s\n", m_nStep, m_nFrame, clockText(gameSeconds()).c_str(),
            ScreenName(m_Screen), strAction.c_str());
    fflush(m_pStepLog);
}

void CMonkey::addFinding(const std::string& strText)
{
    if (!m_FindingTexts.insert(strText).second)
        return;
    m_Findings.push_back({m_nStep, m_Screen, strText});
    fprintf(stderr, "monkey: finding at step %ld (frame %ld, screen %s), %s: %s\n", m_nStep, m_nFrame,
            ScreenName(m_Screen), g_szReplay, strText.c_str());
    fflush(stderr);
    writeStep("FINDING " + strText);
}

void CMonkey::sendDueInputs(CGame& game)
{
    while (!m_Inputs.empty() && m_Inputs.front().nFrame <= m_nFrame) {
        const SInput input = m_Inputs.front();
        m_Inputs.pop_front();
        send(input, game);
    }
}

void CMonkey::send(const SInput& input, CGame& game)
{
    int nX = input.nX, nY = input.nY;
    // The main menu's Quit would end the run: the press lands beside it.
    if (isForbidden(nX, nY))
        nY = nY < 300 ? nY + 80 : nY - 80;
    switch (input.kind) {
    case InputKind::Move: m_Input.moveMouse(nX, nY); break;
    case InputKind::LeftDown: m_Input.leftDown(nX, nY); break;
    case InputKind::LeftUp: m_Input.leftUp(nX, nY); break;
    case InputKind::DoubleClick: m_Input.doubleClick(nX, nY); break;
    case InputKind::RightDown: m_Input.rightDown(nX, nY); break;
    case InputKind::RightUp: m_Input.rightUp(nX, nY); break;
    case InputKind::KeyDown: m_Input.keyDown(input.nKey); break;
    case InputKind::KeyUp: m_Input.keyUp(input.nKey); break;
    case InputKind::Deactivate: m_Input.activate(false); break;
    case InputKind::Activate: m_Input.activate(true); break;
    case InputKind::Minimize: m_Input.minimize(); break;
    case InputKind::Restore: m_Input.restore(); break;
    }
    (void)game;
}

int CMonkey::report()
{
    checkFilesAtEnd();
    const double dReal = std::chrono::duration<double>(Clock::now() - m_Start).count();
    printf("monkey: %s; %ld steps in %s of game time, %ld frames, %.1f s real (%.1f frames a second)\n",
           g_szReplay, m_nStep, clockText(gameSeconds()).c_str(), m_nFrame, dReal, dReal > 0 ? m_nFrame / dReal : 0.0);
    printf("monkey: %d full-screen toggles, %d focus losses; pictures and steps in %s\n", m_nFullScreenToggles,
           m_nFocusLosses, m_Options.strShots.c_str());
    int nReached = 0;
    std::string strMissing;
    for (Screen screen : AllScreens()) {
        if (screen == Screen::OtherMenu)
            continue;
        const int nVisits = visits(screen);
        if (nVisits > 0) {
            ++nReached;
            printf("monkey:   %-16s %6d visits, first at step %ld\n", ScreenName(screen), nVisits,
                   m_FirstStep.at(screen));
        } else {
            strMissing += std::string(strMissing.empty() ? "" : ", ") + ScreenName(screen);
        }
    }
    if (visits(Screen::OtherMenu) > 0)
        printf("monkey:   %-16s %6d visits (a window no screen names)\n", ScreenName(Screen::OtherMenu),
               visits(Screen::OtherMenu));
    printf("monkey: %d of %d screens reached%s%s\n", nReached, int(AllScreens().size()) - 1,
           strMissing.empty() ? "" : "; not reached: ", strMissing.c_str());
    for (const SFinding& finding : m_Findings)
        printf("monkey: FINDING at step %ld on %s: %s\n", finding.nStep, ScreenName(finding.screen),
               finding.strText.c_str());
    printf("monkey: %zu findings\n", m_Findings.size());
    fflush(stdout);
    return m_Findings.empty() ? 0 : 1;
}
