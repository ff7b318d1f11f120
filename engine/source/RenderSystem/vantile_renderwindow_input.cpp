// The window procedure: input events for the game and the GUI, and the
// window's own housekeeping.
#include "RenderSystem/vantile_renderwindow.h"

namespace Vantile {

namespace {

struct MouseMessage {
    UINT nMessage;
    int nAction;
};

const MouseMessage MOUSE_MESSAGES[] = {
    {WM_LBUTTONDOWN, MOUSE_LEFT_DOWN}, {WM_RBUTTONDOWN, MOUSE_RIGHT_DOWN},
    {WM_LBUTTONUP, MOUSE_LEFT_UP},     {WM_RBUTTONUP, MOUSE_RIGHT_UP},
    {WM_MOUSEMOVE, MOUSE_MOVE},        {WM_LBUTTONDBLCLK, MOUSE_LEFT_DOUBLECLICK},
};

}  // namespace

LRESULT CD3D9RenderWindow::WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_CREATE) {
        const CREATESTRUCTA* pCreate = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(hWnd, GWLP_USERDATA, reinterpret_cast<intptr_t>(pCreate->lpCreateParams));
        return 0;
    }
    auto* pWindow = reinterpret_cast<CD3D9RenderWindow*>(GetWindowLongPtrA(hWnd, GWLP_USERDATA));
    if (!pWindow)
        return DefWindowProcA(hWnd, nMessage, wParam, lParam);
    return pWindow->handleMessage(nMessage, wParam, lParam);
}

LRESULT CD3D9RenderWindow::handleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    HWND hWnd = m_hWnd;
    switch (nMessage) {
    case WM_MOVE:
    case WM_SIZE:
        // During a drag the device is reset once, when the drag ends.
        if (!m_bSizeMove)
            OnMoveOrSize();
        break;
    case WM_ENTERSIZEMOVE:
        m_bSizeMove = true;
        break;
    case WM_EXITSIZEMOVE:
        OnMoveOrSize();
        m_bSizeMove = false;
        break;
    case WM_ACTIVATE:
        m_bActive = LOWORD(wParam) != 0;
        sendActivate(wParam, lParam);
        break;
    case WM_CLOSE:
        Destroy();
        m_bClosed = true;
        return 0;
    case WM_SETCURSOR:
        if (hideCursorOverClient())
            return 1;
        break;
    case WM_GETMINMAXINFO: {
        MINMAXINFO* pInfo = reinterpret_cast<MINMAXINFO*>(lParam);
        pInfo->ptMinTrackSize.x = 100;
        pInfo->ptMinTrackSize.y = 100;
        break;
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
        sendKey(nMessage == WM_KEYDOWN, wParam, lParam);
        break;
    default:
        sendMouse(nMessage, lParam);
        break;
    }
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}

bool CD3D9RenderWindow::hideCursorOverClient()
{
    if (m_bShowCursor || !m_hWnd)
        return false;
    POINT cursor;
    POINT origin = {0, 0};
    RECT client;
    GetCursorPos(&cursor);
    ClientToScreen(m_hWnd, &origin);
    GetClientRect(m_hWnd, &client);
    client.left += origin.x;
    client.right += origin.x;
    client.top += origin.y;
    client.bottom += origin.y;
    if (!PtInRect(&client, cursor))
        return false;
    SetCursor(nullptr);
    return true;
}

void CD3D9RenderWindow::sendInput(const InputEvent& evt)
{
    if (m_pInputHandler)
        m_pInputHandler->handleInput(evt);
}

// Other messages are not mouse messages and are ignored here.
void CD3D9RenderWindow::sendMouse(UINT nMessage, LPARAM lParam)
{
    for (const MouseMessage& mouse : MOUSE_MESSAGES) {
        if (mouse.nMessage != nMessage)
            continue;
        InputEvent evt = {};
        evt.type = INPUT_MOUSE;
        evt.mouse.x = LOWORD(lParam);
        evt.mouse.y = HIWORD(lParam);
        evt.mouse.action = mouse.nAction;
        sendInput(evt);
        return;
    }
}

void CD3D9RenderWindow::sendKey(bool bDown, WPARAM wParam, LPARAM lParam)
{
    BYTE keyState[256];
    GetKeyboardState(keyState);
    WORD character = 0;
    const UINT nScanCode = (static_cast<UINT>(lParam) >> 16) & 0xff;
    if (ToAscii(static_cast<UINT>(wParam), nScanCode, keyState, &character, 0) != 1)
        character = 0;
    InputEvent evt = {};
    evt.type = INPUT_KEY;
    evt.key.ch = static_cast<char>(character);
    evt.key.vk = static_cast<int32_t>(wParam);
    evt.key.down = bDown;
    evt.key.shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    evt.key.ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    evt.key.lParam = static_cast<uint32_t>(lParam);
    evt.key.wParam = static_cast<uint32_t>(wParam);
    sendInput(evt);
}

void CD3D9RenderWindow::sendActivate(WPARAM wParam, LPARAM lParam)
{
    InputEvent evt = {};
    evt.type = INPUT_ACTIVATE;
    evt.activate.lParam = static_cast<uint32_t>(lParam);
    evt.activate.wParam = static_cast<uint32_t>(wParam);
    evt.activate.reserved = 0;
    sendInput(evt);
}

}  // namespace Vantile
