// What the monkey does next: one step, an action of one or more inputs
// spread over the next frames, picked at random with weights that depend
// on the screen and, in level play, on the level's mood.
#include "main/autoplay/monkey.h"

#include <algorithm>
#include <cmath>

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>
#include <CEGUI/Window.h>
#include <CEGUI/widgets/ButtonBase.h>
#include <CEGUI/widgets/Editbox.h>
#include <CEGUI/widgets/Listbox.h>
#include <CEGUI/widgets/MultiColumnList.h>
#include <CEGUI/widgets/Scrollbar.h>
#include <CEGUI/widgets/Slider.h>
#include <CEGUI/widgets/ToggleButton.h>

#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Level/level.h"
#include "Game/MiniGame/minigame.h"
#include "Game/MiniGame/minigamecell.h"
#include "Game/Session/game.h"
#include "Game/Session/sessiondriver.h"
#include "levellab/labbot.h"
#include "main/autoplay/strategies.h"
#include "system/win32.h"

namespace {

// Frames between two steps: a frantic player's pace, up to ten actions a
// second of game time.
const int MIN_PAUSE = 2;
const int MAX_PAUSE = 14;
// The HUD's button back to the main menu, and the main menu's Quit, by
// the images they show.
const char* const QUIT_IMAGE = "mm_Quit";
const char* const HUD_MENU_IMAGE = "gm_Menu";
const char* const OK_IMAGE = "dm_Ok";
// The game choice's Continue and a question's Cancel keep the player's
// progress.
const char* const CONTINUE_IMAGE = "mm_ContinueGame";
const char* const CANCEL_IMAGE = "dm_Cancel";

enum Action {
    TARGET_CLICK,
    RANDOM_CLICK,
    MOVES,
    DOUBLE_CLICK,
    DRAG,
    HOLD,
    RIGHT_CLICK,
    KEY,
    TYPING,
    FOCUS_LOSS,
    MINIMIZE,
    FULL_SCREEN,
    BOT_MOVE,
    MEMORY_MOVE,
    WAIT,
    ACTION_COUNT
};

struct SKey {
    int nKey;
    double dWeight;
};

std::string widgetProperty(const CEGUI::Window& window, const char* szName)
{
    return window.isPropertyPresent(szName) ? std::string(window.getProperty(szName).c_str()) : std::string();
}

bool isInteractive(CEGUI::Window* pWindow)
{
    return dynamic_cast<CEGUI::ButtonBase*>(pWindow) || dynamic_cast<CEGUI::Listbox*>(pWindow) ||
           dynamic_cast<CEGUI::Slider*>(pWindow) || dynamic_cast<CEGUI::Editbox*>(pWindow) ||
           dynamic_cast<CEGUI::Scrollbar*>(pWindow) || dynamic_cast<CEGUI::MultiColumnList*>(pWindow);
}

}  // namespace

// ---- random numbers: the monkey's own, apart from the game's --------------

int CMonkey::randomInt(int nLow, int nHigh)
{
    // A 32-bit xorshift: the same numbers from a seed on every machine.
    m_nRandom ^= m_nRandom << 13;
    m_nRandom ^= m_nRandom >> 17;
    m_nRandom ^= m_nRandom << 5;
    if (nHigh <= nLow)
        return nLow;
    return nLow + int(m_nRandom % uint32_t(nHigh - nLow + 1));
}

bool CMonkey::chance(double dProbability)
{
    return randomInt(0, 9999) < int(dProbability * 10000.0);
}

// ---- the screen's places ---------------------------------------------------

void CMonkey::collectTargets(CGame& game)
{
    m_Targets.clear();
    m_Forbidden.clear();
    addWidgetTargets();
    addGameTargets(game);
}

// The GUI's buttons, check boxes, lists, sliders, scroll bars and fields
// that show and take the mouse, wherever they are in the GUI's tree.
void CMonkey::addWidgetTargets()
{
    CEGUI::System* pSystem = CEGUI::System::getSingletonPtr();
    CEGUI::Window* pRoot = pSystem ? pSystem->getDefaultGUIContext().getRootWindow() : nullptr;
    if (!pRoot)
        return;
    const bool bKeepPlaying = IsLevelScreen(m_Screen) && m_Mood != Mood::Leave;
    std::vector<CEGUI::Window*> pending = {pRoot};
    while (!pending.empty()) {
        CEGUI::Window* pWindow = pending.back();
        pending.pop_back();
        if (!pWindow->isEffectiveVisible())
            continue;
        for (size_t i = 0; i < pWindow->getChildCount(); ++i)
            pending.push_back(pWindow->getChildAtIdx(i));
        if (!isInteractive(pWindow))
            continue;
        const CEGUI::Rectf rect = pWindow->getUnclippedOuterRect().get();
        STarget target = {std::max(0, int(rect.left())), std::max(0, int(rect.top())),
                          std::min(799, int(rect.right()) - 1), std::min(599, int(rect.bottom()) - 1), ""};
        if (target.x1 - target.x0 < 2 || target.y1 - target.y0 < 2)
            continue;
        const std::string strImage = widgetProperty(*pWindow, "Image");
        if (strImage.find(QUIT_IMAGE) != std::string::npos ||
            (bKeepPlaying && strImage.find(HUD_MENU_IMAGE) != std::string::npos)) {
            m_Forbidden.push_back(target);
            continue;
        }
        if (pWindow->isEffectiveDisabled())
            continue;
        target.strLabel = std::string(pWindow->getType().c_str()) + " " + strImage + " \"" +
                          std::string(pWindow->getText().c_str()).substr(0, 24) + "\" @" +
                          std::to_string(target.x0) + "," + std::to_string(target.y0);
        m_Targets.push_back(target);
    }
    // The tree's order, not the walk's, so that a seed replays.
    std::sort(m_Targets.begin(), m_Targets.end(),
              [](const STarget& a, const STarget& b) { return a.strLabel < b.strLabel; });
}

// The game's own places, which are not GUI windows.
void CMonkey::addGameTargets(CGame& game)
{
    switch (m_Screen) {
    case Screen::Logo:
    case Screen::Loading:
    case Screen::Story:
    case Screen::FinalStory:
    case Screen::Map:
    case Screen::Won:
    case Screen::Lost:
    case Screen::GameOver: m_Targets.push_back({0, 0, 799, 599, "screen"}); break;
    case Screen::Play:
    case Screen::Tooltip:
    case Screen::TimeOut: {
        int x0 = 800, y0 = 600, x1 = 0, y1 = 0;
        CGameField& field = game.field();
        for (int r = 0; r < 8; ++r)
            for (int c = 0; c < 8; ++c) {
                const SPixel p = BoardPixel(CGameField::cellCentre(r, c));
                x0 = std::min(x0, p.nX);
                y0 = std::min(y0, p.nY);
                x1 = std::max(x1, p.nX);
                y1 = std::max(y1, p.nY);
            }
        (void)field;
        m_Targets.push_back({std::max(0, x0 - 20), std::max(0, y0 - 20), std::min(799, x1 + 20),
                             std::min(599, y1 + 20), "board"});
        m_Targets.push_back({CSessionDriver::QUIET_SPOT_X - 20, CSessionDriver::QUIET_SPOT_Y - 5,
                             CSessionDriver::QUIET_SPOT_X + 20, CSessionDriver::QUIET_SPOT_Y + 5, "below the board"});
        break;
    }
    case Screen::MiniGame: {
        const auto& cells = game.miniGame().cells();
        if (cells.empty())
            break;
        int x0 = 800, y0 = 600, x1 = 0, y1 = 0;
        for (const auto& pCell : cells) {
            const SPixel p = BoardPixel(pCell->position());
            x0 = std::min(x0, p.nX);
            y0 = std::min(y0, p.nY);
            x1 = std::max(x1, p.nX);
            y1 = std::max(y1, p.nY);
        }
        m_Targets.push_back({std::max(0, x0 - 25), std::max(0, y0 - 25), std::min(799, x1 + 25),
                             std::min(599, y1 + 25), "memory cells"});
        break;
    }
    default: break;
    }
}

bool CMonkey::isForbidden(int nX, int nY) const
{
    for (const STarget& rect : m_Forbidden)
        if (nX >= rect.x0 && nX <= rect.x1 && nY >= rect.y0 && nY <= rect.y1)
            return true;
    return false;
}

// Targets clicked least are favoured, and those that led to screens seen
// least. In a level played to its end, none that led out of it.
const CMonkey::STarget* CMonkey::chooseTarget()
{
    if (m_Targets.empty())
        return nullptr;
    const bool bKeepPlaying = IsLevelScreen(m_Screen) && m_Mood != Mood::Leave;
    std::vector<double> weights;
    double dTotal = 0.0;
    for (const STarget& target : m_Targets) {
        const TargetKey key(m_Screen, target.strLabel);
        const auto itClicks = m_Clicks.find(key);
        const int nClicks = itClicks == m_Clicks.end() ? 0 : itClicks->second;
        double dWeight = 1.0 / (1.0 + nClicks);
        if (goal() != Goal::Any && (target.strLabel.find(CONTINUE_IMAGE) != std::string::npos ||
                                    (m_Screen == Screen::Question && target.strLabel.find(CANCEL_IMAGE) != std::string::npos)))
            dWeight *= 6.0;
        const auto itLead = m_LeadsTo.find(key);
        if (itLead == m_LeadsTo.end()) {
            dWeight += 0.5;
        } else {
            dWeight += 2.0 / (1.0 + visits(itLead->second));
            if (bKeepPlaying && IsMenuScreen(itLead->second))
                dWeight = 0.0;
        }
        weights.push_back(dWeight);
        dTotal += dWeight;
    }
    if (dTotal <= 0.0)
        return nullptr;
    double dPick = randomInt(0, 999999) / 1000000.0 * dTotal;
    for (size_t i = 0; i < m_Targets.size(); ++i) {
        dPick -= weights[i];
        if (dPick < 0.0 && weights[i] > 0.0)
            return &m_Targets[i];
    }
    return &m_Targets.back();
}

void CMonkey::pointIn(const STarget& target, int& nX, int& nY)
{
    // Mostly well inside, sometimes on the edge.
    const int nInsetX = chance(0.8) ? (target.x1 - target.x0) / 5 : 0;
    const int nInsetY = chance(0.8) ? (target.y1 - target.y0) / 5 : 0;
    nX = randomInt(target.x0 + nInsetX, target.x1 - nInsetX);
    nY = randomInt(target.y0 + nInsetY, target.y1 - nInsetY);
}

void CMonkey::randomPoint(int& nX, int& nY)
{
    if (!m_Targets.empty() && chance(0.5)) {
        pointIn(m_Targets[size_t(randomInt(0, int(m_Targets.size()) - 1))], nX, nY);
        return;
    }
    nX = randomInt(0, 799);
    nY = randomInt(0, 599);
}

// The screens deepest in the game are sought in turn: a won level, then
// the levels with the memory game and the power-up chooser, then the end
// of the player's lives.
CMonkey::Goal CMonkey::goal() const
{
    if (visits(Screen::Won) == 0)
        return Goal::Win;
    if (visits(Screen::MiniGame) == 0 || visits(Screen::LevelStart) == 0)
        return Goal::Progress;
    if (visits(Screen::GameOver) == 0)
        return Goal::Lose;
    return Goal::Any;
}

// Each level is played in a mood: to win, to lose on the clock, or to be
// left early, as the goal asks.
void CMonkey::chooseMood()
{
    double dWin = 0.45, dLose = 0.4;
    switch (goal()) {
    case Goal::Win:
    case Goal::Progress:
        dWin = 0.85;
        dLose = 0.1;
        break;
    case Goal::Lose:
        dWin = 0.1;
        dLose = 0.8;
        break;
    case Goal::Any: break;
    }
    const double dPick = randomInt(0, 9999) / 10000.0;
    m_Mood = dPick < dWin ? Mood::Win : (dPick < dWin + dLose ? Mood::Lose : Mood::Leave);
    writeStep(std::string("mood ") + (m_Mood == Mood::Win ? "win" : m_Mood == Mood::Lose ? "lose" : "leave"));
}

// ---- the step ---------------------------------------------------------------

void CMonkey::nextStep(CGame& game)
{
    collectTargets(game);
    double weights[ACTION_COUNT] = {};
    weights[TARGET_CLICK] = 40;
    weights[RANDOM_CLICK] = 12;
    weights[MOVES] = 8;
    weights[DOUBLE_CLICK] = 6;
    weights[DRAG] = 6;
    weights[HOLD] = 4;
    weights[RIGHT_CLICK] = 2;
    weights[KEY] = 10;
    weights[TYPING] = 2;
    weights[FOCUS_LOSS] = 1.5;
    weights[MINIMIZE] = 0.4;
    weights[WAIT] = 3;
    switch (m_Screen) {
    case Screen::NameDialog:
    case Screen::RenameDialog:
        weights[TYPING] = 25;
        weights[KEY] = 15;
        break;
    case Screen::Options: weights[FULL_SCREEN] = 12; break;
    case Screen::MiniGame:
        weights[MEMORY_MOVE] = m_Mood == Mood::Lose ? 5 : 35;
        weights[TARGET_CLICK] = 30;
        break;
    case Screen::Play:
    case Screen::Tooltip:
        if (m_Mood == Mood::Win) {
            weights[BOT_MOVE] = 50;
            weights[TARGET_CLICK] = 10;
            weights[DRAG] = 10;
            weights[KEY] = 4;
        } else if (m_Mood == Mood::Lose) {
            weights[TARGET_CLICK] = 15;
            weights[DRAG] = 8;
            weights[KEY] = 5;
        }
        break;
    default: break;
    }
    double dTotal = 0.0;
    for (double dWeight : weights)
        dTotal += dWeight;
    double dPick = randomInt(0, 999999) / 1000000.0 * dTotal;
    int nAction = 0;
    for (; nAction < ACTION_COUNT - 1; ++nAction) {
        dPick -= weights[nAction];
        if (dPick < 0.0 && weights[nAction] > 0.0)
            break;
    }
    std::string strAction;
    switch (nAction) {
    case TARGET_CLICK: strAction = doTargetClick(); break;
    case RANDOM_CLICK: strAction = doRandomClick(); break;
    case MOVES: strAction = doMoves(); break;
    case DOUBLE_CLICK: strAction = doDoubleClick(); break;
    case DRAG: strAction = doDrag(game); break;
    case HOLD: strAction = doHold(); break;
    case RIGHT_CLICK: strAction = doRightClick(); break;
    case KEY: strAction = doKey(); break;
    case TYPING: strAction = doTyping(); break;
    case FOCUS_LOSS: strAction = doFocusLoss(); break;
    case MINIMIZE: strAction = doMinimize(); break;
    case FULL_SCREEN: strAction = doFullScreen(); break;
    case BOT_MOVE: strAction = doBotMove(game); break;
    case MEMORY_MOVE: strAction = doMemoryMove(game); break;
    default: strAction = doWait(); break;
    }
    writeStep(strAction);
    m_nWait = randomInt(MIN_PAUSE, MAX_PAUSE);
}

void CMonkey::queue(long nDelay, InputKind kind, int nX, int nY, int nKey)
{
    // Inputs of one action keep their order; delays count from now.
    m_Inputs.push_back({m_nFrame + nDelay, kind, nX, nY, nKey});
}

void CMonkey::queueClick(long nDelay, int nX, int nY)
{
    queue(nDelay, InputKind::Move, nX, nY);
    queue(nDelay, InputKind::LeftDown, nX, nY);
    queue(nDelay + randomInt(0, 3), InputKind::LeftUp, nX, nY);
}

namespace {

std::string at(const char* szWhat, int nX, int nY)
{
    return std::string(szWhat) + " " + std::to_string(nX) + "," + std::to_string(nY);
}

}  // namespace

std::string CMonkey::doTargetClick()
{
    const STarget* pTarget = chooseTarget();
    if (!pTarget)
        return doRandomClick();
    int nX, nY;
    pointIn(*pTarget, nX, nY);
    // Sometimes the mouse travels there first.
    long nDelay = 0;
    if (chance(0.3)) {
        queue(0, InputKind::Move, (m_Input.mouseX() + nX) / 2, (m_Input.mouseY() + nY) / 2);
        nDelay = randomInt(1, 3);
    }
    queueClick(nDelay, nX, nY);
    const TargetKey key(m_Screen, pTarget->strLabel);
    ++m_Clicks[key];
    m_LastTarget = key;
    m_nLastTargetFrame = m_nFrame;
    return at("click", nX, nY) + " on " + pTarget->strLabel;
}

std::string CMonkey::doRandomClick()
{
    int nX, nY;
    randomPoint(nX, nY);
    queueClick(0, nX, nY);
    return at("click", nX, nY);
}

std::string CMonkey::doMoves()
{
    const int nCount = randomInt(1, 6);
    long nDelay = 0;
    int nX = 0, nY = 0;
    for (int i = 0; i < nCount; ++i) {
        randomPoint(nX, nY);
        queue(nDelay, InputKind::Move, nX, nY);
        nDelay += randomInt(1, 3);
    }
    return std::to_string(nCount) + " moves to " + std::to_string(nX) + "," + std::to_string(nY);
}

std::string CMonkey::doDoubleClick()
{
    int nX, nY;
    const STarget* pTarget = chance(0.7) ? chooseTarget() : nullptr;
    if (pTarget)
        pointIn(*pTarget, nX, nY);
    else
        randomPoint(nX, nY);
    queue(0, InputKind::Move, nX, nY);
    queue(0, InputKind::DoubleClick, nX, nY);
    if (pTarget) {
        const TargetKey key(m_Screen, pTarget->strLabel);
        ++m_Clicks[key];
        m_LastTarget = key;
        m_nLastTargetFrame = m_nFrame;
    }
    return at("double click", nX, nY) + (pTarget ? " on " + pTarget->strLabel : "");
}

// A press, the mouse dragged a few steps, a release: in play mostly from a
// fish to its neighbour, as a player swaps them by dragging.
std::string CMonkey::doDrag(CGame& game)
{
    int nX0, nY0, nX1, nY1;
    bool bBoard = false;
    if ((m_Screen == Screen::Play || m_Screen == Screen::Tooltip) && chance(0.6)) {
        const int r = randomInt(0, 7), c = randomInt(0, 7);
        const int nDirection = randomInt(0, 3);
        const int r2 = std::clamp(r + (nDirection == 0) - (nDirection == 1), 0, 7);
        const int c2 = std::clamp(c + (nDirection == 2) - (nDirection == 3), 0, 7);
        const SPixel a = BoardPixel(CGameField::cellCentre(r, c));
        const SPixel b = BoardPixel(CGameField::cellCentre(r2, c2));
        nX0 = a.nX, nY0 = a.nY, nX1 = b.nX, nY1 = b.nY;
        bBoard = true;
    } else {
        randomPoint(nX0, nY0);
        randomPoint(nX1, nY1);
    }
    (void)game;
    queue(0, InputKind::Move, nX0, nY0);
    queue(0, InputKind::LeftDown, nX0, nY0);
    const int nMoves = randomInt(1, 8);
    long nDelay = 0;
    for (int i = 1; i <= nMoves; ++i) {
        nDelay += randomInt(1, 3);
        queue(nDelay, InputKind::Move, nX0 + (nX1 - nX0) * i / nMoves, nY0 + (nY1 - nY0) * i / nMoves);
    }
    queue(nDelay + randomInt(0, 2), InputKind::LeftUp, nX1, nY1);
    return at(bBoard ? "drag on the board from" : "drag from", nX0, nY0) + at(" to", nX1, nY1);
}

std::string CMonkey::doHold()
{
    int nX, nY;
    randomPoint(nX, nY);
    queue(0, InputKind::Move, nX, nY);
    queue(0, InputKind::LeftDown, nX, nY);
    const long nFrames = randomInt(10, 90);
    if (chance(0.3)) {
        nX += randomInt(-15, 15);
        nY += randomInt(-15, 15);
        queue(nFrames / 2, InputKind::Move, nX, nY);
    }
    queue(nFrames, InputKind::LeftUp, nX, nY);
    return at("hold", nX, nY) + " for " + std::to_string(nFrames) + " frames";
}

std::string CMonkey::doRightClick()
{
    int nX, nY;
    randomPoint(nX, nY);
    queue(0, InputKind::Move, nX, nY);
    queue(0, InputKind::RightDown, nX, nY);
    queue(randomInt(0, 3), InputKind::RightUp, nX, nY);
    return at("right click", nX, nY);
}

// Keys a player presses, the game's and the GUI's: Escape leaves a level
// only when the level's mood allows.
std::string CMonkey::doKey()
{
    const bool bKeepPlaying = IsLevelScreen(m_Screen) && m_Mood != Mood::Leave;
    const bool bText = m_Screen == Screen::NameDialog || m_Screen == Screen::RenameDialog;
    std::vector<SKey> keys = {
        {VK_ESCAPE, bKeepPlaying ? 0.0 : 3.0},
        {VK_RETURN, 3.0},
        {VK_SPACE, 2.0},
        {VK_LEFT, 1.0},
        {VK_RIGHT, 1.0},
        {VK_UP, 1.0},
        {VK_DOWN, 1.0},
        {VK_TAB, 1.0},
        {VK_BACK, bText ? 3.0 : 0.5},
        {VK_DELETE, 0.3},
        {VK_HOME, 0.3},
        {VK_END, 0.3},
        {VK_F5, 0.8},
        {VK_F7, 0.8},
        {VK_F8, 0.8},
        {'Z', 0.4},
    };
    for (int nF = VK_F1; nF <= VK_F12; ++nF)
        if (nF != VK_F5 && nF != VK_F7 && nF != VK_F8)
            keys.push_back({nF, 0.1});
    for (int ch = 'A'; ch <= 'Z'; ++ch)
        keys.push_back({ch, 0.12});
    for (int ch = '0'; ch <= '9'; ++ch)
        keys.push_back({ch, 0.05});
    if (IsLevelScreen(m_Screen) && m_Mood == Mood::Leave)
        keys.front().dWeight = 6.0;
    double dTotal = 0.0;
    for (const SKey& key : keys)
        dTotal += key.dWeight;
    double dPick = randomInt(0, 999999) / 1000000.0 * dTotal;
    int nKey = keys.back().nKey;
    for (const SKey& key : keys) {
        dPick -= key.dWeight;
        if (dPick < 0.0 && key.dWeight > 0.0) {
            nKey = key.nKey;
            break;
        }
    }
    const bool bShift = chance(0.1);
    if (bShift)
        queue(0, InputKind::KeyDown, 0, 0, VK_SHIFT);
    queue(0, InputKind::KeyDown, 0, 0, nKey);
    // Now and then a key is held a while.
    const long nHold = chance(0.1) ? randomInt(10, 40) : randomInt(0, 3);
    queue(nHold, InputKind::KeyUp, 0, 0, nKey);
    if (bShift)
        queue(nHold, InputKind::KeyUp, 0, 0, VK_SHIFT);
    return std::string("key ") + (bShift ? "shift+" : "") + std::to_string(nKey);
}

std::string CMonkey::doTyping()
{
    const int nCount = randomInt(1, 10);
    std::string strTyped;
    long nDelay = 0;
    for (int i = 0; i < nCount; ++i) {
        const int nPick = randomInt(0, 39);
        const int nKey = nPick < 26 ? 'A' + nPick : nPick < 36 ? '0' + nPick - 26 : VK_SPACE;
        const bool bShift = nPick < 26 && chance(0.3);
        if (bShift)
            queue(nDelay, InputKind::KeyDown, 0, 0, VK_SHIFT);
        queue(nDelay, InputKind::KeyDown, 0, 0, nKey);
        queue(nDelay + 1, InputKind::KeyUp, 0, 0, nKey);
        if (bShift)
            queue(nDelay + 1, InputKind::KeyUp, 0, 0, VK_SHIFT);
        nDelay += randomInt(1, 3);
        strTyped += nKey == VK_SPACE ? ' ' : char(bShift || nKey < 'A' ? nKey : nKey - 'A' + 'a');
    }
    return "type \"" + strTyped + "\"";
}

// The focus goes to another window and comes back; a click resumes a
// paused level.
std::string CMonkey::doFocusLoss()
{
    ++m_nFocusLosses;
    const long nAway = randomInt(5, 90);
    queue(0, InputKind::Deactivate);
    queue(nAway, InputKind::Activate);
    if (chance(0.5)) {
        int nX, nY;
        randomPoint(nX, nY);
        queue(nAway + randomInt(1, 10), InputKind::Move, nX, nY);
        queue(nAway + 10, InputKind::LeftDown, nX, nY);
        queue(nAway + 11, InputKind::LeftUp, nX, nY);
    }
    return "focus away for " + std::to_string(nAway) + " frames";
}

std::string CMonkey::doMinimize()
{
    ++m_nFocusLosses;
    const long nAway = randomInt(3, 20);
    queue(0, InputKind::Minimize);
    queue(nAway, InputKind::Restore);
    return "minimised for " + std::to_string(nAway) + " frames";
}

// The options' full-screen box ticked or cleared, then OK: the window
// switches between windowed and full screen.
std::string CMonkey::doFullScreen()
{
    const STarget* pBox = nullptr;
    const STarget* pOk = nullptr;
    for (const STarget& target : m_Targets) {
        if (target.strLabel.find("Checkbox") != std::string::npos)
            pBox = &target;
        else if (target.strLabel.find(OK_IMAGE) != std::string::npos)
            pOk = &target;
    }
    if (!pBox || !pOk)
        return doTargetClick();
    int nX, nY;
    pointIn(*pBox, nX, nY);
    queueClick(0, nX, nY);
    const std::string strAction = at("full screen: box", nX, nY);
    pointIn(*pOk, nX, nY);
    queueClick(randomInt(4, 20), nX, nY);
    ++m_nFullScreenToggles;
    return strAction + at(", OK", nX, nY);
}

// The bot's swap, by two clicks or a drag; a tooltip is clicked away
// first, and a board without a move waits.
std::string CMonkey::doBotMove(CGame& game)
{
    CGameField& field = game.field();
    if (!m_pBot)
        m_pBot = std::make_unique<CLabBot>(m_Options.nSeed, field.level().m_nPowerups != 0);
    SPixel first, second;
    if (!ChooseBoardMove(field, *m_pBot, first, second))
        return doTargetClick();
    if (chance(0.7)) {
        queueClick(0, first.nX, first.nY);
        queueClick(randomInt(1, 4), second.nX, second.nY);
        return at("bot: click", first.nX, first.nY) + at(" and", second.nX, second.nY);
    }
    queue(0, InputKind::Move, first.nX, first.nY);
    queue(0, InputKind::LeftDown, first.nX, first.nY);
    queue(2, InputKind::Move, (first.nX + second.nX) / 2, (first.nY + second.nY) / 2);
    queue(4, InputKind::Move, second.nX, second.nY);
    queue(5, InputKind::LeftUp, second.nX, second.nY);
    return at("bot: drag", first.nX, first.nY) + at(" to", second.nX, second.nY);
}

std::string CMonkey::doMemoryMove(CGame& game)
{
    CMiniGame& miniGame = game.miniGame();
    if (miniGame.isSolved() || IsMemoryTurning(miniGame))
        return doTargetClick();
    RememberMemoryCells(miniGame, m_SeenKinds);
    const int nCell = ChooseMemoryCell(miniGame, m_SeenKinds);
    if (nCell < 0)
        return doTargetClick();
    const SPixel p = BoardPixel(miniGame.cells()[size_t(nCell)]->position());
    queueClick(0, p.nX, p.nY);
    return at("memory: cell", p.nX, p.nY);
}

std::string CMonkey::doWait()
{
    const long nFrames = randomInt(10, 60);
    queue(nFrames, InputKind::Move, m_Input.mouseX(), m_Input.mouseY());
    return "wait " + std::to_string(nFrames) + " frames";
}
