// The one game window and its device. Its window procedure turns mouse,
// key and activation messages into input events and keeps the device's
// back buffer in step with the window.
#pragma once

#include <string>

#include "Core/vantile_framepacer.h"
#include "Core/vantile_input.h"
#include "d3d/d3d8.h"

namespace Vantile {

class CD3D9Driver;

class CD3D9RenderWindow {
public:
    CD3D9RenderWindow(HINSTANCE hInstance, CD3D9Driver* pDriver);
    ~CD3D9RenderWindow();

    void Create(HWND hParent, const std::string& strTitle, int nWidth, int nHeight, int nColourDepth,
                bool bFullScreen, D3DMULTISAMPLE_TYPE nMultiSample, int nReserved);
    void createD3DResources();
    // Once per frame after the scene: recovers a lost device, presents,
    // then waits as long as the frame pacer asks (not at all under the frame
    // timer's fixed step).
    void Update();
    // False while minimised or hidden: the loops then draw nothing.
    bool IsDrawable() const;
    const CFramePacer& GetFramePacer() const { return m_Pacer; }
    void SetWindowedSize(int nWidth, int nHeight);
    // Switches between windowed and full screen at 800 x 600; the device
    // is reset with the new size on the next frame.
    void SetFullScreen(bool bFullScreen);
    void OnMoveOrSize();
    void Destroy();

    HWND GetWindowHandle() const { return m_hWnd; }
    bool IsClosed() const { return m_bClosed; }
    bool IsActive() const { return m_bActive; }
    bool IsFullScreen() const { return !m_PresentParams.Windowed; }
    bool GetShowCursor() const { return m_bShowCursor; }
    void SetShowCursor(bool bShow) { m_bShowCursor = bShow; }
    IInputHandler* GetInputHandler() const { return m_pInputHandler; }
    void SetInputHandler(IInputHandler* pHandler) { m_pInputHandler = pHandler; }
    D3DPRESENT_PARAMETERS& GetPresentParameters() { return m_PresentParams; }
    IDirect3DSurface8* GetRenderTarget() const { return m_pRenderTarget; }
    int GetWidth() const { return m_nWidth; }
    int GetHeight() const { return m_nHeight; }
    const std::string& GetTitle() const { return m_strTitle; }
    void SetTitle(const std::string& strTitle);

    static LRESULT WndProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

private:
    LRESULT handleMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
    bool hideCursorOverClient();
    void sendMouse(UINT nMessage, LPARAM lParam);
    void sendKey(bool bDown, WPARAM wParam, LPARAM lParam);
    void sendActivate(WPARAM wParam, LPARAM lParam);
    void sendInput(const InputEvent& evt);

    void fillPresentParameters();
    D3DFORMAT chooseDepthFormat() const;
    DWORD chooseVertexProcessing() const;
    UINT findPerfHudAdapter(D3DDEVTYPE* pType) const;
    void fetchDefaultSurfaces();
    void forgetDefaultSurfaces();
    bool recoverLostDevice();
    void swapBuffers();
    void choosePace();
    void readGeometry();
    bool takeClientSize();

    HINSTANCE m_hInstance;
    CD3D9Driver* m_pDriver;
    HWND m_hWnd = nullptr;
    bool m_bExternal = false;
    bool m_bFullScreen = false;
    bool m_bActive = false;
    bool m_bClosed = false;
    bool m_bSizeMove = false;
    bool m_bShowCursor = true;
    int m_nLeft = 0;
    int m_nTop = 0;
    int m_nWidth = 0;
    int m_nHeight = 0;
    int m_nColourDepth = 32;
    bool m_bDepthBuffer = true;
    std::string m_strTitle;
    IInputHandler* m_pInputHandler = nullptr;
    D3DPRESENT_PARAMETERS m_PresentParams = {};
    IDirect3DSurface8* m_pRenderTarget = nullptr;
    IDirect3DSurface8* m_pDepthSurface = nullptr;
    D3DMULTISAMPLE_TYPE m_nMultiSample = D3DMULTISAMPLE_NONE;
    CFramePacer m_Pacer;
};

}  // namespace Vantile
