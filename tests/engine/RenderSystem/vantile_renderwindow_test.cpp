#include "RenderSystem/vantile_renderwindow.h"

#include <gtest/gtest.h>

#include <vector>

#include "RenderSystem/vantile_rendersystem.h"

using namespace Vantile;

namespace {

class CRecordingInput : public IInputHandler {
public:
    bool handleInput(const InputEvent& evt) override
    {
        m_Events.push_back(evt);
        return true;
    }
    std::vector<InputEvent> m_Events;
};

class WindowInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CD3D9RenderSystem& renderSystem = CD3D9RenderSystem::Instance();
        renderSystem.SetInstance(GetModuleHandleA(nullptr));
        m_pWindow = renderSystem.CreateRenderWindow(renderSystem.FindVideoMode(800, 600, 32), "Input", false);
        m_pWindow->SetInputHandler(&m_input);
    }
    void TearDown() override { CD3D9RenderSystem::Instance().Shutdown(); }

    void Send(UINT nMessage, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        PostMessageA(m_pWindow->GetWindowHandle(), nMessage, wParam, lParam);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    // Key messages carry the scan code and, for releases, the transition
    // bits, as the system sends them.
    void Key(UINT nVirtualKey, bool bDown)
    {
        const LPARAM lParam = 1 | (MapVirtualKeyA(nVirtualKey, MAPVK_VK_TO_VSC) << 16) |
                              (bDown ? 0 : (3u << 30));
        Send(bDown ? WM_KEYDOWN : WM_KEYUP, nVirtualKey, lParam);
    }

    CD3D9RenderWindow* m_pWindow = nullptr;
    CRecordingInput m_input;
};

TEST_F(WindowInputTest, MouseMessagesBecomeMouseEvents)
{
    const struct {
        UINT nMessage;
        int nAction;
    } cases[] = {
        {WM_LBUTTONDOWN, MOUSE_LEFT_DOWN}, {WM_RBUTTONDOWN, MOUSE_RIGHT_DOWN}, {WM_LBUTTONUP, MOUSE_LEFT_UP},
        {WM_RBUTTONUP, MOUSE_RIGHT_UP},    {WM_MOUSEMOVE, MOUSE_MOVE},          {WM_LBUTTONDBLCLK, MOUSE_LEFT_DOUBLECLICK},
    };
    for (const auto& c : cases) {
        m_input.m_Events.clear();
        Send(c.nMessage, 0, MAKELPARAM(799, 598));
        ASSERT_EQ(m_input.m_Events.size(), 1u) << c.nMessage;
        const InputEvent& evt = m_input.m_Events[0];
        EXPECT_EQ(evt.type, INPUT_MOUSE);
        EXPECT_EQ(evt.mouse.action, c.nAction) << c.nMessage;
        EXPECT_EQ(evt.mouse.x, 799u);
        EXPECT_EQ(evt.mouse.y, 598u);
    }
}

TEST_F(WindowInputTest, KeysCarryTheirCharacterAndModifiers)
{
    Key('A', true);
    Key('A', false);
    Key(VK_SHIFT, true);
    Key('A', true);
    Key('1', true);
    Key(VK_SHIFT, false);
    Key(VK_CONTROL, true);
    Key('C', true);
    Key(VK_CONTROL, false);
    Key(VK_F2, true);

    struct Expected {
        int vk;
        char ch;
        bool down, shift, ctrl;
    };
    const Expected expected[] = {
        {'A', 'a', true, false, false}, {'A', 'a', false, false, false}, {VK_SHIFT, 0, true, true, false},
        {'A', 'A', true, true, false},  {'1', '!', true, true, false},   {VK_SHIFT, 0, false, false, false},
        {VK_CONTROL, 0, true, false, true}, {'C', 3, true, false, true}, {VK_CONTROL, 0, false, false, false},
        {VK_F2, 0, true, false, false},
    };
    ASSERT_EQ(m_input.m_Events.size(), std::size(expected));
    for (size_t i = 0; i < std::size(expected); ++i) {
        const KeyInput& key = m_input.m_Events[i].key;
        EXPECT_EQ(m_input.m_Events[i].type, INPUT_KEY) << i;
        EXPECT_EQ(key.vk, expected[i].vk) << i;
        EXPECT_EQ(key.ch, expected[i].ch) << i;
        EXPECT_EQ(key.down, expected[i].down) << i;
        EXPECT_EQ(key.shift, expected[i].shift) << i;
        EXPECT_EQ(key.ctrl, expected[i].ctrl) << i;
        EXPECT_EQ(key.wParam, static_cast<uint32_t>(expected[i].vk)) << i;
    }
}

TEST_F(WindowInputTest, ActivationIsTrackedAndReported)
{
    Send(WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_FALSE(m_pWindow->IsActive());
    Send(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_TRUE(m_pWindow->IsActive());
    ASSERT_EQ(m_input.m_Events.size(), 2u);
    EXPECT_EQ(m_input.m_Events[0].type, INPUT_ACTIVATE);
    EXPECT_EQ(LOWORD(m_input.m_Events[0].activate.wParam), 0);
    EXPECT_NE(LOWORD(m_input.m_Events[1].activate.wParam), 0);
}

TEST_F(WindowInputTest, WithoutAHandlerNothingIsDelivered)
{
    m_pWindow->SetInputHandler(nullptr);
    Send(WM_LBUTTONDOWN, 0, MAKELPARAM(1, 1));
    EXPECT_TRUE(m_input.m_Events.empty());
}

TEST_F(WindowInputTest, CloseDestroysTheWindowAndMarksItClosed)
{
    Send(WM_CLOSE);
    EXPECT_TRUE(m_pWindow->IsClosed());
    EXPECT_EQ(m_pWindow->GetWindowHandle(), nullptr);
}

}  // namespace
