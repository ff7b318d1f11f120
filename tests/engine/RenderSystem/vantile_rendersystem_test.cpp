#include "RenderSystem/vantile_rendersystem.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Core/vantile_exception.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "d3d/d3d8_testhooks.h"
#include "support/log_capture.h"

using namespace Vantile;

namespace {

// Writes down the order of the notices it receives.
class CRecordingListener : public IOnLostDeviceNotify {
public:
    CRecordingListener(std::vector<std::string>* pLog, const std::string& strName)
        : m_pLog(pLog), m_strName(strName)
    {
    }
    void OnDeviceRestored() override { m_pLog->push_back(m_strName + " restored"); }
    void OnDeviceLost() override { m_pLog->push_back(m_strName + " lost"); }

private:
    std::vector<std::string>* m_pLog;
    std::string m_strName;
};

// The game window, made headless through the render system as the game
// makes it.
class RenderWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
        renderSystem.SetInstance(GetModuleHandleA(nullptr));
        const int nMode = renderSystem.FindVideoMode(800, 600, 32);
        ASSERT_GE(nMode, 0) << "800 x 600 x 32 is always offered";
        m_pWindow = renderSystem.CreateRenderWindow(nMode, "Test window", false);
        ASSERT_NE(m_pWindow, nullptr);
    }
    void TearDown() override { CD3D9RenderSystem::Instance().Shutdown(); }

    static void Pump()
    {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    void Send(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        PostMessageA(m_pWindow->GetWindowHandle(), nMessage, wParam, lParam);
        Pump();
    }

    CD3D9RenderWindow* m_pWindow = nullptr;
};

TEST_F(RenderWindowTest, OpensAnExact800x600WindowWithADevice)
{
    EXPECT_EQ(m_pWindow->GetWidth(), 800);
    EXPECT_EQ(m_pWindow->GetHeight(), 600);
    EXPECT_TRUE(m_pWindow->IsActive());
    EXPECT_FALSE(m_pWindow->IsClosed());
    const D3DPRESENT_PARAMETERS& pp = m_pWindow->GetPresentParameters();
    EXPECT_EQ(pp.BackBufferWidth, 800u);
    EXPECT_EQ(pp.BackBufferHeight, 600u);
    EXPECT_TRUE(pp.Windowed);
    EXPECT_TRUE(pp.EnableAutoDepthStencil);
    EXPECT_EQ(pp.AutoDepthStencilFormat, D3DFMT_D24S8);
    ASSERT_NE(CD3D9RenderSystem::Instance().GetDevice(), nullptr);
    EXPECT_NE(m_pWindow->GetRenderTarget(), nullptr);
    m_pWindow->Update();
    EXPECT_FALSE(CD3D9RenderSystem::Instance().IsDeviceLost());
}

TEST_F(RenderWindowTest, LostDeviceIsResetWithListenersCalledInOrder)
{
    std::vector<std::string> notices;
    CRecordingListener first(&notices, "first"), second(&notices, "second");
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    renderSystem.AddLostDeviceListener(&first);
    renderSystem.AddLostDeviceListener(&second);

    D3DForceDeviceLost(renderSystem.GetDevice());
    m_pWindow->Update();
    EXPECT_TRUE(renderSystem.IsDeviceLost()) << "the failed present marks the loss";
    EXPECT_TRUE(notices.empty());
    m_pWindow->Update();
    EXPECT_FALSE(renderSystem.IsDeviceLost());
    EXPECT_EQ(notices, (std::vector<std::string>{"first lost", "second lost", "first restored", "second restored"}));
    EXPECT_EQ(renderSystem.GetDevice()->TestCooperativeLevel(), D3D_OK);

    renderSystem.RemoveLostDeviceListener(&first);
    renderSystem.RemoveLostDeviceListener(&second);
}

TEST_F(RenderWindowTest, DeviceThatCannotResetYetSkipsFramesUntilRestored)
{
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    PlatformMinimizeWindow(m_pWindow->GetWindowHandle());
    Pump();
    m_pWindow->Update();
    EXPECT_TRUE(renderSystem.IsDeviceLost()) << "a minimised window cannot present";
    m_pWindow->Update();
    EXPECT_TRUE(renderSystem.IsDeviceLost()) << "still minimised: no reset, no present";

    PlatformRestoreWindow(m_pWindow->GetWindowHandle());
    Pump();
    m_pWindow->Update();
    EXPECT_FALSE(renderSystem.IsDeviceLost());
}

// A window manager moves the window when it first maps it, and players
// drag it about: neither touches the back buffer, so neither may reset the
// device or report it lost.
TEST_F(RenderWindowTest, MovingTheWindowKeepsTheDevice)
{
    CLogCapture log;
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    Send(WM_MOVE, 0, MAKELPARAM(30, 40));
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(800, 600));
    Send(WM_ENTERSIZEMOVE);
    Send(WM_MOVE, 0, MAKELPARAM(10, 10));
    Send(WM_EXITSIZEMOVE);
    EXPECT_FALSE(renderSystem.IsDeviceLost());
    m_pWindow->Update();
    EXPECT_FALSE(renderSystem.IsDeviceLost());
    EXPECT_EQ(log.text().find("Lost"), std::string::npos) << log.text();
    EXPECT_EQ(log.text().find("resetting"), std::string::npos) << log.text();
}

TEST_F(RenderWindowTest, ResizingResetsTheDeviceOnceWhenTheDragEnds)
{
    CLogCapture log;
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    HWND hWnd = m_pWindow->GetWindowHandle();
    Send(WM_ENTERSIZEMOVE);
    RECT rect = {0, 0, 640, 480};
    AdjustWindowRect(&rect, GetWindowLongA(hWnd, GWL_STYLE), FALSE);
    SetWindowPos(hWnd, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top, SWP_NOMOVE | SWP_NOZORDER);
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_FALSE(renderSystem.IsDeviceLost()) << "not while the drag goes on";
    Send(WM_EXITSIZEMOVE);
    EXPECT_TRUE(renderSystem.IsDeviceLost());
    m_pWindow->Update();
    EXPECT_FALSE(renderSystem.IsDeviceLost());
    EXPECT_EQ(m_pWindow->GetPresentParameters().BackBufferWidth, 640u);
    EXPECT_EQ(m_pWindow->GetPresentParameters().BackBufferHeight, 480u);
    EXPECT_TRUE(log.contains("[INFO] D3D9 : resetting the device: the window's size is now 640x480\n")) << log.text();
    EXPECT_EQ(log.text().find("Lost"), std::string::npos) << "a new size is no loss";
}

TEST_F(RenderWindowTest, ResetRefusedForAnyReasonButLossIsFatal)
{
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    IDirect3DTexture8* pTarget = nullptr;
    ASSERT_EQ(renderSystem.GetDevice()->CreateTexture(64, 64, 1, D3DUSAGE_RENDERTARGET, D3DFMT_A8R8G8B8,
                                                       D3DPOOL_DEFAULT, &pTarget),
              D3D_OK);
    renderSystem.DeviceLost();
    try {
        m_pWindow->Update();
        FAIL() << "a reset refused while default-pool resources live must throw";
    } catch (const Exception& e) {
        EXPECT_EQ(e.getCode(), 5);
        EXPECT_EQ(e.getFunc(), "CD3D9RenderWindow::restoreLostDevice");
        EXPECT_EQ(e.getDetails().rfind("Cannot reset device! ", 0), 0u) << e.getDetails();
    }
    pTarget->Release();
}

TEST_F(RenderWindowTest, FullScreenSwitchResetsAt800x600)
{
    CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
    m_pWindow->SetFullScreen(true);
    EXPECT_TRUE(m_pWindow->IsFullScreen());
    EXPECT_TRUE(renderSystem.IsDeviceLost());
    m_pWindow->Update();
    EXPECT_FALSE(renderSystem.IsDeviceLost());
    EXPECT_EQ(m_pWindow->GetPresentParameters().BackBufferWidth, 800u);
    EXPECT_EQ(m_pWindow->GetPresentParameters().BackBufferHeight, 600u);

    m_pWindow->SetFullScreen(false);
    m_pWindow->Update();
    EXPECT_FALSE(m_pWindow->IsFullScreen());
    EXPECT_EQ(m_pWindow->GetWidth(), 800);
    EXPECT_EQ(m_pWindow->GetHeight(), 600);
}

TEST_F(RenderWindowTest, ProjectAndUnprojectAreInverse)
{
    IDirect3DDevice8* pDevice = CD3D9RenderSystem::Instance().GetDevice();
    D3DXMATRIX mView, mProjection;
    const D3DXVECTOR3 vEye(0, 0, -500), vAt(0, 0, 0), vUp(0, 1, 0);
    D3DXMatrixLookAtLH(&mView, &vEye, &vAt, &vUp);
    D3DXMatrixPerspectiveFovLH(&mProjection, 0.785f, 800.0f / 600.0f, 1.0f, 2000.0f);
    pDevice->SetTransform(D3DTS_VIEW, &mView);
    pDevice->SetTransform(D3DTS_PROJECTION, &mProjection);
    const D3DXVECTOR3 vCentre = CD3D9RenderSystem::Instance().Project(D3DXVECTOR3(0, 0, 0));
    EXPECT_NEAR(vCentre.x, 400.0f, 1e-3);
    EXPECT_NEAR(vCentre.y, 300.0f, 1e-3);
    const D3DXVECTOR3 vWorld(120, -45, 30);
    const D3DXVECTOR3 vBack =
        CD3D9RenderSystem::Instance().Unproject(CD3D9RenderSystem::Instance().Project(vWorld));
    EXPECT_NEAR(vBack.x, vWorld.x, 1e-2);
    EXPECT_NEAR(vBack.y, vWorld.y, 1e-2);
    EXPECT_NEAR(vBack.z, vWorld.z, 0.05) << "depth has the least precision";
}

}  // namespace
