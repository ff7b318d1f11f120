// The engine's single gateway to the device: adapters and video modes, the
// one game window with its device, and the protocol that survives a lost
// device. Holders of default-pool resources register as listeners and are
// called around every reset.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "RenderSystem/vantile_lostdevicenotify.h"
#include "d3d/d3d8.h"
#include "d3d/d3dx8.h"

namespace Vantile {

class CD3D9DriverList;
class CD3D9RenderWindow;

class CD3D9RenderSystem {
public:
    // Throws code 9 when no Direct3D object can be made (no display).
    static CD3D9RenderSystem& Instance();
    virtual ~CD3D9RenderSystem();

    void SetInstance(HINSTANCE hInstance) { m_hInstance = hInstance; }
    CD3D9DriverList* GetDriverList();
    // Index of the first mode of driver 0 with exactly this size and depth,
    // or -1.
    int FindVideoMode(UINT nWidth, UINT nHeight, int nDepth);

    CD3D9RenderWindow* CreateRenderWindow(int nVideoMode, const std::string& strTitle, bool bFullscreen);
    CD3D9RenderWindow* CreateRenderWindow(HWND hParent, int nWidth, int nHeight,
                                          const std::string& strTitle);
    CD3D9RenderWindow* GetRenderWindow() const { return m_pWindow; }

    IDirect3D8* GetD3D() const { return m_pD3D; }
    IDirect3DDevice8* GetDevice() const { return m_pDevice; }
    void SetDevice(IDirect3DDevice8* pDevice) { m_pDevice = pDevice; }

    static std::string GetErrorDescription(HRESULT hr);

    // True while the device waits for a reset: it was lost, or the back
    // buffer's size or the screen mode changed.
    bool IsDeviceLost() const { return m_bDeviceLost; }
    void DeviceLost();
    // The next frame resets the device; the reason goes to the log.
    void RequestReset(const std::string& strReason);
    // Listeners' lost notice, reset, listeners' restored notice. A reset
    // that reports loss again leaves the device lost for the next frame.
    void restoreLostDevice();

    void AddLostDeviceListener(IOnLostDeviceNotify* pListener);
    void RemoveLostDeviceListener(IOnLostDeviceNotify* pListener);

    // Between screen and world space with the device's viewport, view and
    // projection, and an identity world.
    virtual D3DXVECTOR3 Unproject(const D3DXVECTOR3& vScreen);
    virtual D3DXVECTOR3 Project(const D3DXVECTOR3& vWorld);

    // Deletes the window, releases the device and forgets the adapters, as
    // at exit. A new window may be created afterwards.
    void Shutdown();

private:
    CD3D9RenderSystem();
    CD3D9RenderSystem(const CD3D9RenderSystem&) = delete;
    CD3D9RenderSystem& operator=(const CD3D9RenderSystem&) = delete;

    CD3D9RenderWindow* createWindow(HWND hParent, const std::string& strTitle, int nWidth, int nHeight,
                                    int nDepth, bool bFullscreen);
    void unbindStreams();

    struct ViewState {
        D3DVIEWPORT8 viewport;
        D3DXMATRIX mProjection;
        D3DXMATRIX mView;
        D3DXMATRIX mWorld;
    };
    ViewState readViewState() const;

    IDirect3D8* m_pD3D = nullptr;
    IDirect3DDevice8* m_pDevice = nullptr;
    std::unique_ptr<CD3D9DriverList> m_pDriverList;
    HINSTANCE m_hInstance = nullptr;
    CD3D9RenderWindow* m_pWindow = nullptr;
    bool m_bDeviceLost = false;
    std::vector<IOnLostDeviceNotify*> m_Listeners;
    // Streams bound through SetStreamSource are unbound before a reset; no
    // caller binds streams it would need to record yet.
    UINT m_nBoundStreams = 0;
};

}  // namespace Vantile
