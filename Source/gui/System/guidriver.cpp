#include "gui/System/guidriver.h"

#include <cctype>
#include <vector>

#include "Game/Context/gameevents.h"
#include "Scene/vantile_device.h"
#include "gui/Renderer/ceguirenderer.h"
#include "system/win32.h"

CGuiDriver::CGuiDriver()
{
    m_Queue.MakeCurrent();
    m_pHandler = std::make_unique<Vantile::CGUIFrameHandler>();
    m_pStage = std::make_unique<CGUIRenderStage>(m_pHandler->getRenderer());
}

CGuiDriver::~CGuiDriver()
{
    m_pStage.reset();
    m_pHandler.reset();
    m_Queue.ClearContainers();
}

void CGuiDriver::frame(D3DCOLOR dwClear, const std::function<void()>& drawBehind, float fSeconds)
{
    m_pHandler->frameStarted({fSeconds * 1000.0, 0.0});
    IDirect3DDevice8* pDevice = Vantile::SceneDevice();
    pDevice->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, dwClear, 1.0f, 0);
    pDevice->BeginScene();
    if (drawBehind)
        drawBehind();
    m_pStage->Render();
    m_Queue.RenderContainers();
    pDevice->EndScene();
    m_Queue.ClearContainers();
}

void CGuiDriver::moveMouse(int x, int y)
{
    m_nMouseX = x;
    m_nMouseY = y;
    sendMouse(Vantile::MOUSE_MOVE);
}

void CGuiDriver::click(int x, int y)
{
    moveMouse(x, y);
    pressLeft();
    releaseLeft();
}

void CGuiDriver::doubleClick(int x, int y)
{
    click(x, y);
    sendMouse(Vantile::MOUSE_LEFT_DOUBLECLICK);
    releaseLeft();
}

void CGuiDriver::pressLeft()
{
    sendMouse(Vantile::MOUSE_LEFT_DOWN);
}

void CGuiDriver::releaseLeft()
{
    sendMouse(Vantile::MOUSE_LEFT_UP);
}

void CGuiDriver::sendMouse(int nAction)
{
    Vantile::InputEvent evt = {};
    evt.type = Vantile::INPUT_MOUSE;
    evt.mouse = {uint32_t(m_nMouseX), uint32_t(m_nMouseY), nAction};
    m_pHandler->handleInput(evt);
}

void CGuiDriver::typeText(const std::string& strText)
{
    for (char ch : strText) {
        const int nVirtualKey = std::isalnum(static_cast<unsigned char>(ch)) ? std::toupper(ch) : VK_SPACE;
        sendKey(nVirtualKey, ch, true);
        sendKey(nVirtualKey, 0, false);
    }
}

// The key-down carries the character the window finds for it, as the
// window's own input does (Enter gives a carriage return).
void CGuiDriver::pressKey(int nVirtualKey)
{
    WORD character = 0;
    if (ToAscii(UINT(nVirtualKey), 0, nullptr, &character, 0) != 1)
        character = 0;
    sendKey(nVirtualKey, char(character), true);
    sendKey(nVirtualKey, 0, false);
}

// The scan code goes where the window puts it, in bits 16 to 23.
void CGuiDriver::sendKey(int nVirtualKey, char ch, bool bDown)
{
    Vantile::InputEvent evt = {};
    evt.type = Vantile::INPUT_KEY;
    const uint32_t nScan = MapVirtualKeyA(UINT(nVirtualKey), 0) & 0xFF;
    evt.key = {ch, nVirtualKey, bDown, false, false, nScan << 16, uint32_t(nVirtualKey)};
    m_pHandler->handleInput(evt);
}

size_t CGuiDriver::runDeferredCalls()
{
    CGameContext& context = CGameContext::Instance();
    std::vector<GameEvent> others;
    size_t nRun = 0;
    GameEvent event;
    while (context.peekEvent(event)) {
        context.popEvent();
        if (event.nCode != eEventDeferredCall) {
            others.push_back(event);
            continue;
        }
        static_cast<CDeferredCallPayload&>(*event.pPayload).m_Call();
        ++nRun;
    }
    for (const GameEvent& other : others)
        context.postEvent(other);
    return nRun;
}
