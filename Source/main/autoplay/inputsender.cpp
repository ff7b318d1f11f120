#include "main/autoplay/inputsender.h"

#include <algorithm>
#include <cctype>

#include "RenderSystem/vantile_renderwindow.h"
#include "main/clientapplication.h"
#include "system/win32.h"

namespace {

// The keys a keyboard sends with the extended flag.
bool isExtendedKey(int nVirtualKey)
{
    switch (nVirtualKey) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_HOME:
    case VK_END:
    case VK_PRIOR:
    case VK_NEXT: return true;
    default: return false;
    }
}

}  // namespace

bool CInputSender::post(unsigned nMessage, unsigned long wParam, long lParam)
{
    Vantile::CD3D9RenderWindow* pWindow = m_Application.getWindow();
    HWND hWnd = pWindow ? pWindow->GetWindowHandle() : nullptr;
    return hWnd && PostMessageA(hWnd, nMessage, WPARAM(wParam), LPARAM(lParam));
}

void CInputSender::postMouse(unsigned nMessage, int nX, int nY)
{
    m_nX = std::clamp(nX, 0, 799);
    m_nY = std::clamp(nY, 0, 599);
    post(nMessage, m_nButtons, MAKELPARAM(m_nX, m_nY));
}

void CInputSender::moveMouse(int nX, int nY)
{
    postMouse(WM_MOUSEMOVE, nX, nY);
}

void CInputSender::leftDown(int nX, int nY)
{
    m_nButtons |= MK_LBUTTON;
    postMouse(WM_LBUTTONDOWN, nX, nY);
}

void CInputSender::leftUp(int nX, int nY)
{
    m_nButtons &= ~unsigned(MK_LBUTTON);
    postMouse(WM_LBUTTONUP, nX, nY);
}

void CInputSender::click(int nX, int nY)
{
    moveMouse(nX, nY);
    leftDown(nX, nY);
    leftUp(nX, nY);
}

void CInputSender::doubleClick(int nX, int nY)
{
    click(nX, nY);
    m_nButtons |= MK_LBUTTON;
    postMouse(WM_LBUTTONDBLCLK, nX, nY);
    leftUp(nX, nY);
}

void CInputSender::rightDown(int nX, int nY)
{
    m_nButtons |= MK_RBUTTON;
    postMouse(WM_RBUTTONDOWN, nX, nY);
}

void CInputSender::rightUp(int nX, int nY)
{
    m_nButtons &= ~unsigned(MK_RBUTTON);
    postMouse(WM_RBUTTONUP, nX, nY);
}

// Repeat count 1, the scan code in bits 16 to 23, the extended flag, and
// for a release the previous-state and transition bits.
void CInputSender::postKey(bool bDown, int nVirtualKey)
{
    unsigned long nFlags = 1 | (MapVirtualKeyA(UINT(nVirtualKey), 0) & 0xFF) << 16;
    if (isExtendedKey(nVirtualKey))
        nFlags |= 1ul << 24;
    if (!bDown)
        nFlags |= 0xC0000000ul;
    post(bDown ? WM_KEYDOWN : WM_KEYUP, unsigned(nVirtualKey), long(nFlags));
}

void CInputSender::keyDown(int nVirtualKey)
{
    postKey(true, nVirtualKey);
}

void CInputSender::keyUp(int nVirtualKey)
{
    postKey(false, nVirtualKey);
}

void CInputSender::pressKey(int nVirtualKey)
{
    keyDown(nVirtualKey);
    keyUp(nVirtualKey);
}

void CInputSender::typeText(const std::string& strText)
{
    for (const char ch : strText) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (!std::isalnum(c)) {
            pressKey(VK_SPACE);
            continue;
        }
        const bool bShift = std::isupper(c) != 0;
        if (bShift)
            keyDown(VK_SHIFT);
        pressKey(std::toupper(c));
        if (bShift)
            keyUp(VK_SHIFT);
    }
}

void CInputSender::activate(bool bActive)
{
    post(WM_ACTIVATE, bActive ? WA_ACTIVE : WA_INACTIVE, 0);
}

void CInputSender::minimize()
{
    if (Vantile::CD3D9RenderWindow* pWindow = m_Application.getWindow())
        PlatformMinimizeWindow(pWindow->GetWindowHandle());
}

void CInputSender::restore()
{
    if (Vantile::CD3D9RenderWindow* pWindow = m_Application.getWindow())
        PlatformRestoreWindow(pWindow->GetWindowHandle());
}
