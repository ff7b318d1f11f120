// The window stack and the dialog base on real CEGUI windows: what is on
// screen after each request, what waits for the fade's midpoint (the
// driver's deferred calls), and repeated requests within one fade.
#include <CEGUI/CEGUI.h>

#include "Game/Context/gamecontext.h"
#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/Framework/windowstack.h"
#include "gui/System/guidriver.h"
#include "support/gui_scene.h"

namespace {

class CTestDialog : public CBaseDialogWindow {
public:
    bool validate() override
    {
        ++m_nValidations;
        return m_bValid;
    }
    void render() override { ++m_nRenders; }

    bool m_bValid = true;
    int m_nValidations = 0;
    int m_nRenders = 0;
};

// Records the order of dialog events and, on OK, can show another window.
class CEventLog {
public:
    bool onOk(const CEGUI::EventArgs& args)
    {
        m_Events.push_back("OnOk");
        m_pDialog = static_cast<const CDialogEventArgs&>(args).m_pDialog;
        if (m_pShowOnOk)
            m_pShowOnOk->show();
        return true;
    }
    bool onCancel(const CEGUI::EventArgs&)
    {
        m_Events.push_back("OnCancel");
        return true;
    }
    bool onClosing(const CEGUI::EventArgs&)
    {
        m_Events.push_back("OnClosing");
        return true;
    }
    void listenTo(CBaseDialogWindow& dialog)
    {
        dialog.subscribeEvent(GuiEvent::OnOk, CEGUI::Event::Subscriber(&CEventLog::onOk, this));
        dialog.subscribeEvent(GuiEvent::OnCancel, CEGUI::Event::Subscriber(&CEventLog::onCancel, this));
        dialog.subscribeEvent(GuiEvent::OnClosing, CEGUI::Event::Subscriber(&CEventLog::onClosing, this));
    }

    std::vector<std::string> m_Events;
    CBaseDialogWindow* m_pDialog = nullptr;
    CBaseWindow* m_pShowOnOk = nullptr;
};

class WindowStack : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start();
        for (auto& pWindow : m_Windows) {
            pWindow = std::make_unique<CTestDialog>();
            pWindow->create();
        }
    }
    void TearDown() override
    {
        for (auto& pWindow : m_Windows)
            pWindow.reset();
        drainEvents();
        GuiScene::TearDown();
    }
    CWindowStack& stack() { return CWindowStack::instance(); }
    CTestDialog& window(int n) { return *m_Windows[n]; }
    CEGUI::Window* sheet() { return CEGUI::System::getSingleton().getDefaultGUIContext().getRootWindow(); }
    bool onScreen(CTestDialog& dialog) { return dialog.getRoot()->getParent() != nullptr; }
    size_t midpoint() { return m_pDriver->runDeferredCalls(); }
    static void drainEvents()
    {
        GameEvent event;
        while (CGameContext::Instance().peekEvent(event))
            CGameContext::Instance().popEvent();
    }

    std::unique_ptr<CTestDialog> m_Windows[3];
};

TEST_F(WindowStack, TheFirstWindowShowsAtOnceAndTheNextAtTheFadesMidpoint)
{
    window(0).show();
    EXPECT_EQ(stack().current(), &window(0));
    EXPECT_TRUE(onScreen(window(0)));
    EXPECT_EQ(window(0).getRoot()->getParent(), sheet()) << "the panel is the sheet";
    EXPECT_TRUE(window(0).getRoot()->isActive());

    window(1).show();
    EXPECT_EQ(stack().current(), &window(0)) << "nothing changes before the midpoint";
    EXPECT_TRUE(stack().isSwitchPending());
    EXPECT_EQ(midpoint(), 1u);
    EXPECT_EQ(stack().current(), &window(1));
    EXPECT_FALSE(onScreen(window(0)));
    EXPECT_EQ(stack().history(), std::vector<CBaseWindow*>{&window(0)});

    stack().renderTop();
    EXPECT_EQ(window(1).m_nRenders, 1);
    EXPECT_EQ(window(0).m_nRenders, 0);
}

TEST_F(WindowStack, ClosingBringsBackTheWindowBelowAndTheLastLeavesTheBlankSheet)
{
    window(0).show();
    window(1).show();
    midpoint();
    stack().closeTop();
    EXPECT_EQ(stack().current(), &window(0));
    EXPECT_TRUE(onScreen(window(0)));
    EXPECT_FALSE(onScreen(window(1)));
    stack().closeTop();
    EXPECT_EQ(stack().current(), nullptr);
    CEGUI::Window* pBlank = sheet();
    EXPECT_EQ(pBlank->getChildCount(), 0u) << "no menu on screen";
    stack().closeTop();
    EXPECT_EQ(stack().current(), nullptr) << "closing with nothing open does nothing";

    window(2).show();
    EXPECT_EQ(stack().current(), &window(2));
    EXPECT_NE(sheet(), pBlank) << "the panel is put back before the window shows";
    EXPECT_EQ(window(2).getRoot()->getParent(), sheet());
}

TEST_F(WindowStack, UnderASheetOfTheGamesOwnThePanelBecomesItsChild)
{
    CEGUI::Window* pHud = createGuiWindow(GuiWidget::DefaultWindow);
    CEGUI::System::getSingleton().getDefaultGUIContext().setRootWindow(pHud);
    window(0).show();
    EXPECT_EQ(sheet(), pHud);
    EXPECT_EQ(window(0).getRoot()->getParent()->getParent(), pHud);
    stack().closeTop();
    CEGUI::WindowManager::getSingleton().destroyWindow(pHud);
}

TEST_F(WindowStack, OkClosesAtTheMidpointAfterItsEventsAndAWindowShownOnOkGoesOnTop)
{
    window(0).show();
    window(1).show();
    midpoint();
    CEventLog log;
    log.listenTo(window(1));
    log.m_pShowOnOk = &window(2);
    window(1).onOk(CEGUI::EventArgs());
    EXPECT_EQ(log.m_Events, (std::vector<std::string>{"OnOk", "OnClosing"}));
    EXPECT_EQ(log.m_pDialog, &window(1));
    EXPECT_EQ(stack().current(), &window(1)) << "the dialog stays until the midpoint";
    EXPECT_EQ(midpoint(), 2u);
    EXPECT_EQ(stack().current(), &window(2));
    EXPECT_EQ(stack().history(), std::vector<CBaseWindow*>{&window(0)});
}

TEST_F(WindowStack, RepeatedRequestsWithinOneFadeCountOnce)
{
    window(0).show();
    window(1).show();
    window(2).show();
    window(1).show();
    EXPECT_EQ(midpoint(), 1u);
    EXPECT_EQ(stack().current(), &window(1));
    EXPECT_EQ(stack().history(), std::vector<CBaseWindow*>{&window(0)});

    CEventLog log;
    log.listenTo(window(1));
    window(1).onOk(CEGUI::EventArgs());
    window(1).onOk(CEGUI::EventArgs());
    window(1).onCancel(CEGUI::EventArgs());
    stack().closeTopLater();
    EXPECT_EQ(log.m_Events, (std::vector<std::string>{"OnOk", "OnClosing"}));
    midpoint();
    EXPECT_EQ(stack().current(), &window(0)) << "the window below the dialog stays";
}

TEST_F(WindowStack, AnOkThatDoesNotCloseCanBePressedAgain)
{
    window(0).show();
    window(0).setCloseOnOk(false);
    CEventLog log;
    log.listenTo(window(0));
    window(0).onOk(CEGUI::EventArgs());
    window(0).onOk(CEGUI::EventArgs());
    EXPECT_EQ(midpoint(), 0u);
    EXPECT_EQ(stack().current(), &window(0));
    EXPECT_EQ(log.m_Events.size(), 4u);
}

TEST_F(WindowStack, EnterAndEscapeAnswerTheDialogAndARefusedOkChangesNothing)
{
    struct Case {
        int nKey;
        bool bValid;
        std::vector<std::string> events;
    };
    const Case cases[] = {
        {VK_RETURN, true, {"OnOk", "OnClosing"}},
        {VK_RETURN, false, {}},
        {VK_ESCAPE, true, {"OnCancel", "OnClosing"}},
        {'A', true, {}},
    };
    window(0).show();
    for (const Case& c : cases) {
        window(1).m_bValid = c.bValid;
        window(1).show();
        midpoint();
        ASSERT_EQ(stack().current(), &window(1));
        CEventLog log;
        log.listenTo(window(1));
        // Escape cancels even when the Cancel button is disabled.
        window(1).getCancelButton()->setEnabled(false);
        m_pDriver->pressKey(c.nKey);
        EXPECT_EQ(log.m_Events, c.events) << "key " << c.nKey;
        midpoint();
        EXPECT_EQ(stack().current(), c.events.empty() ? &window(1) : &window(0)) << "key " << c.nKey;
        stack().closeAll();
        window(1).removeAllEvents();
        window(0).show();
    }
}

TEST_F(WindowStack, ADestroyedWindowLeavesTheStack)
{
    window(0).show();
    window(1).show();
    midpoint();
    window(2).show();
    m_Windows[1].reset();
    EXPECT_EQ(stack().current(), &window(0));
    midpoint();
    EXPECT_EQ(stack().current(), &window(2));
    m_Windows[2].reset();
    EXPECT_EQ(stack().current(), &window(0));
    EXPECT_TRUE(stack().history().empty());
}

}  // namespace
