#include "RenderSystem/vantile_rendersystem.h"

#include <algorithm>
#include <cassert>

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "RenderSystem/vantile_driverlist.h"
#include "RenderSystem/vantile_renderwindow.h"

namespace Vantile {

CD3D9RenderSystem& CD3D9RenderSystem::Instance()
{
    static CD3D9RenderSystem renderSystem;
    return renderSystem;
}

CD3D9RenderSystem::CD3D9RenderSystem()
{
    CLog::Instance().Write(LOG_INFO, "CD3D9 : Direct3D9 Rendering System created.");
    m_pD3D = Direct3DCreate8(D3D_SDK_VERSION);
    if (!m_pD3D)
        throw Exception(9, std::string("Failed to create Direct3D9 object: ") + PlatformLastError(),
                        "CD3D9RenderSystem::CD3D9RenderSystem", __FILE__, __LINE__);
}

CD3D9RenderSystem::~CD3D9RenderSystem()
{
    Shutdown();
    if (m_pD3D)
        m_pD3D->Release();
    CLog::Instance().Write(LOG_INFO, "D3D9 : Shutting down cleanly.");
}

void CD3D9RenderSystem::Shutdown()
{
    delete m_pWindow;
    m_pWindow = nullptr;
    if (m_pDevice) {
        unbindStreams();
        m_pDevice->Release();
        m_pDevice = nullptr;
        if (m_pDriverList && m_pDriverList->item(0))
            m_pDriverList->item(0)->setDevice(nullptr);
    }
    m_pDriverList.reset();
    m_bDeviceLost = false;
}

CD3D9DriverList* CD3D9RenderSystem::GetDriverList()
{
    assert((m_pD3D) && ("m_pD3D = NULL"));
    if (!m_pDriverList)
        m_pDriverList = std::make_unique<CD3D9DriverList>(m_pD3D);
    return m_pDriverList.get();
}

int CD3D9RenderSystem::FindVideoMode(UINT nWidth, UINT nHeight, int nDepth)
{
    CD3D9Driver* pDriver = GetDriverList()->item(0);
    if (!pDriver)
        return -1;
    return pDriver->getVideoModeList()->find(nWidth, nHeight, nDepth);
}

CD3D9RenderWindow* CD3D9RenderSystem::CreateRenderWindow(int nVideoMode, const std::string& strTitle,
                                                         bool bFullscreen)
{
    CLog::Instance().Write(LOG_INFO, "D3D9: System Initialization");
    CD3D9Driver* pDriver = GetDriverList()->item(0);
    if (!pDriver)
        throw Exception(4, "No display driver", "CD3D9RenderSystem::CreateRenderWindow", __FILE__, __LINE__);
    const CD3D9VideoMode& mode = pDriver->getVideoModeList()->item(static_cast<size_t>(nVideoMode));
    return createWindow(nullptr, strTitle, mode.getWidth(), mode.getHeight(), mode.getColourDepth(),
                        bFullscreen);
}

CD3D9RenderWindow* CD3D9RenderSystem::CreateRenderWindow(HWND hParent, int nWidth, int nHeight,
                                                         const std::string& strTitle)
{
    CLog::Instance().Write(LOG_INFO, "D3D9: System Initialization");
    return createWindow(hParent, strTitle, nWidth, nHeight, 32, false);
}

CD3D9RenderWindow* CD3D9RenderSystem::createWindow(HWND hParent, const std::string& strTitle, int nWidth,
                                                   int nHeight, int nDepth, bool bFullscreen)
{
    assert(m_hInstance);
    CD3D9Driver* pDriver = GetDriverList()->item(0);
    if (!pDriver)
        throw Exception(4, "No display driver", "CD3D9RenderSystem::CreateRenderWindow", __FILE__, __LINE__);
    auto pWindow = std::make_unique<CD3D9RenderWindow>(m_hInstance, pDriver);
    pWindow->Create(hParent, strTitle, nWidth, nHeight, nDepth, bFullscreen, D3DMULTISAMPLE_NONE, 0);
    delete m_pWindow;
    m_pWindow = pWindow.release();
    m_pDevice = pDriver->getDevice();
    return m_pWindow;
}

std::string CD3D9RenderSystem::GetErrorDescription(HRESULT hr)
{
    return DXGetErrorString8(hr);
}

void CD3D9RenderSystem::DeviceLost()
{
    CLog::Instance().Write(LOG_INFO, "!!! Direct3D Device Lost!");
    m_bDeviceLost = true;
}

void CD3D9RenderSystem::RequestReset(const std::string& strReason)
{
    CLog::Instance().Write(LOG_INFO, "D3D9 : resetting the device: " + strReason);
    m_bDeviceLost = true;
}

void CD3D9RenderSystem::unbindStreams()
{
    for (UINT nStream = 0; nStream < m_nBoundStreams; ++nStream)
        m_pDevice->SetStreamSource(nStream, nullptr, 0);
    m_nBoundStreams = 0;
}

void CD3D9RenderSystem::restoreLostDevice()
{
    unbindStreams();
    // Copies: a listener may unregister itself while it is being told.
    const std::vector<IOnLostDeviceNotify*> listeners = m_Listeners;
    for (IOnLostDeviceNotify* pListener : listeners)
        pListener->OnDeviceLost();
    const HRESULT hr = m_pDevice->Reset(&m_pWindow->GetPresentParameters());
    if (hr == D3DERR_DEVICELOST)
        return;
    if (FAILED(hr))
        throw Exception(5, "Cannot reset device! " + GetErrorDescription(hr),
                        "CD3D9RenderWindow::restoreLostDevice", __FILE__, __LINE__);
    for (IOnLostDeviceNotify* pListener : listeners)
        pListener->OnDeviceRestored();
    m_bDeviceLost = false;
}

void CD3D9RenderSystem::AddLostDeviceListener(IOnLostDeviceNotify* pListener)
{
    m_Listeners.push_back(pListener);
}

void CD3D9RenderSystem::RemoveLostDeviceListener(IOnLostDeviceNotify* pListener)
{
    m_Listeners.erase(std::remove(m_Listeners.begin(), m_Listeners.end(), pListener), m_Listeners.end());
}

CD3D9RenderSystem::ViewState CD3D9RenderSystem::readViewState() const
{
    ViewState state;
    m_pDevice->GetViewport(&state.viewport);
    m_pDevice->GetTransform(D3DTS_PROJECTION, &state.mProjection);
    m_pDevice->GetTransform(D3DTS_VIEW, &state.mView);
    D3DXMatrixIdentity(&state.mWorld);
    return state;
}

D3DXVECTOR3 CD3D9RenderSystem::Unproject(const D3DXVECTOR3& vScreen)
{
    const ViewState state = readViewState();
    D3DXVECTOR3 vWorld;
    D3DXVec3Unproject(&vWorld, &vScreen, &state.viewport, &state.mProjection, &state.mView, &state.mWorld);
    return vWorld;
}

D3DXVECTOR3 CD3D9RenderSystem::Project(const D3DXVECTOR3& vWorld)
{
    const ViewState state = readViewState();
    D3DXVECTOR3 vScreen;
    D3DXVec3Project(&vScreen, &vWorld, &state.viewport, &state.mProjection, &state.mView, &state.mWorld);
    return vScreen;
}

}  // namespace Vantile
