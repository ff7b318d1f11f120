// Window input: focus, the mouse on the board and the screens, and the
// keys, with the diagnostic ones.
#include "Game/Session/game.h"

#include "Business/profilesstore.h"
#include "Core/vantile_frametimer.h"
#include "Core/vantile_log.h"
#include "Game/Board/gamefield.h"
#include "Game/Context/gameevents.h"
#include "Game/Hud/timeoutmessage.h"
#include "Game/MiniGame/minigame.h"
#include "Game/Session/gamemenus.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "system/win32.h"

namespace {

const float DEBUG_FROZEN_SECONDS = 20.0f;
const char* const SCREENSHOT = "/screenshot.bmp";

bool isPlayOrMiniGame(int nState)
{
    return nState == CGame::ePlay || nState == CGame::eMiniGame;
}

}  // namespace

bool CGame::handleInput(const Vantile::InputEvent& evt)
{
    switch (evt.type) {
    case Vantile::INPUT_ACTIVATE: handleActivate(evt); break;
    case Vantile::INPUT_MOUSE: handleMouse(evt); break;
    case Vantile::INPUT_KEY: handleKey(evt); break;
    default: break;
    }
    return true;
}

// Losing the focus during play pauses the game clock (the fader dims the
// screen and shows the pause picture); only a click resumes it.
void CGame::handleActivate(const Vantile::InputEvent& evt)
{
    Vantile::CFrameTimer& timer = Vantile::CFrameTimer::Instance();
    if (LOWORD(evt.activate.wParam) == 0) {
        if (isPlayOrMiniGame(m_nState))
            timer.pause(true);
        CGameContext::Instance().fadeOutAllMusic(1.0f);
    } else if (!timer.isPaused()) {
        chooseMusic();
    }
}

void CGame::handleMouse(const Vantile::InputEvent& evt)
{
    // Board units are the 800 x 600 screen's, centred, y up.
    m_vMouse = D3DXVECTOR3(float(evt.mouse.x) - 400.0f, 300.0f - float(evt.mouse.y), 0.0f);
    CGameContext::Instance().m_vMouse = m_vMouse;
    switch (evt.mouse.action) {
    case Vantile::MOUSE_LEFT_DOWN: leftButtonDown(); break;
    case Vantile::MOUSE_MOVE:
        if (m_nState == ePlay)
            m_pField->mouseMove(m_vMouse);
        else if (m_nState == eMiniGame)
            m_pMiniGame->onMouseMove(m_vMouse);
        break;
    case Vantile::MOUSE_LEFT_UP: leftButtonUp(); break;
    default: break;
    }
    m_pMenus->setMenuCursor(m_bMouseDown);
}

void CGame::leftButtonDown()
{
    Vantile::CFrameTimer& timer = Vantile::CFrameTimer::Instance();
    if (timer.isPaused() && isPlayOrMiniGame(m_nState)) {
        timer.pause(false);
        chooseMusic();
    }
    m_bMouseDown = true;
    if (m_nState == eMiniGame)
        miniGameMouseDown();
    if (m_nState != ePlay)
        return;
    m_IdleHint.reset();
    tooltipClick();
    if (!isTimeOut() && !isTooltipShowing())
        m_pField->mouseDown(m_vMouse);
}

void CGame::leftButtonUp()
{
    m_bMouseDown = false;
    switch (m_nState) {
    case eMap: leaveMap(); break;
    case ePlay:
        // Without its windows the HUD's time-out message takes a click on
        // where its button would be.
        if (!m_bHudWindows && m_Hud.isTimeoutVisible() && CTimeoutMessage::isOnOk(m_vMouse))
            m_Hud.onTimeoutOk();
        if (!isTooltipShowing()) {
            m_pField->mouseUp(m_vMouse);
            m_Scoring.setPlayerMoved();
        }
        keepTooltips();
        break;
    case eLevelStart: clickChooser(); break;
    case eWon: requestState(m_bWonLastLevel ? eFinalStory : eMap); break;
    case eGameOver: requestState(eMainMenu); break;
    case eLost: requestState(eMiniGame); break;
    case eFinalStory:
    case eStory: storyClick(); break;
    default: break;
    }
}

void CGame::handleKey(const Vantile::InputEvent& evt)
{
    const int nKey = evt.key.vk;
    if (evt.key.down) {
        storyKey(nKey);
        if (nKey == 'Z' && m_nState == ePlay) {
            m_pField->dump();
            saveScreenshot();
        }
        return;
    }
    switch (nKey) {
    case VK_F7: m_Hud.slideIn(); break;
    case VK_F8: m_Hud.addFrozenTime(DEBUG_FROZEN_SECONDS); break;
    case VK_F5:
        if (m_nState == ePlay)
            m_Hud.slideOut();
        break;
    case VK_ESCAPE:
        if (m_nState == ePlay)
            CGameContext::Instance().postEvent(eEventMainMenu);
        break;
    default: afterWinKey(nKey); break;
    }
}

// The back buffer as a bitmap in the per-user folder.
void CGame::saveScreenshot() const
{
    IDirect3DDevice8* pDevice = Vantile::CD3D9RenderSystem::Instance().GetDevice();
    if (!pDevice)
        return;
    IDirect3DSurface8* pBuffer = nullptr;
    if (FAILED(pDevice->GetBackBuffer(0, D3DBACKBUFFER_TYPE_MONO, &pBuffer)))
        return;
    const std::string strPath = m_strScreenshotFolder + SCREENSHOT;
    if (FAILED(D3DXSaveSurfaceToFileA(strPath.c_str(), D3DXIFF_BMP, pBuffer, nullptr, nullptr)))
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR, "Could not save the screenshot " + strPath);
    pBuffer->Release();
}
