#include "Core/vantile_application.h"

#include <gtest/gtest.h>

#include "Core/vantile_root.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"

using namespace Vantile;

namespace {

// Closes the window the way a player does, after a few frames.
class CClosingHandler : public CFrameHandler {
public:
    bool frameStarted(const FrameEvent& evt) override
    {
        if (++m_nFrames == 3)
            PostMessageA(CRoot::Instance().getRenderWindow()->GetWindowHandle(), WM_CLOSE, 0, 0);
        return true;
    }
    int m_nFrames = 0;
};

class CTestApplication : public CApplication {
public:
    explicit CTestApplication(int nSceneResult) : CApplication(GetModuleHandleA(nullptr)), m_nSceneResult(nSceneResult)
    {
        m_nVideoMode = CD3D9RenderSystem::Instance().FindVideoMode(800, 600, 32);
    }
    int createScene() override
    {
        m_bCreated = true;
        return m_nSceneResult;
    }
    void destroyScene() override { m_bDestroyed = true; }

    int m_nSceneResult;
    bool m_bCreated = false;
    bool m_bDestroyed = false;
};

TEST(Application, ClosingTheWindowEndsTheLoopAndDestroysTheScene)
{
    static CClosingHandler closer;
    CRoot::Instance().addFrameHandler(&closer);
    CTestApplication application(0);
    application.run();
    EXPECT_TRUE(application.m_bCreated);
    EXPECT_TRUE(application.m_bDestroyed);
    EXPECT_EQ(closer.m_nFrames, 4) << "the loop ends at the first frame after the close";
    EXPECT_TRUE(application.getWindow()->IsClosed());
    CD3D9RenderSystem::Instance().Shutdown();
}

TEST(Application, FailedSceneSkipsTheLoopAndTheTearDown)
{
    CTestApplication application(-1);
    application.run();
    EXPECT_TRUE(application.m_bCreated);
    EXPECT_FALSE(application.m_bDestroyed);
    CD3D9RenderSystem::Instance().Shutdown();
}

// Stops the loop from inside a frame, as the GUI's quit button does.
class CQuitHandler : public CFrameHandler {
public:
    bool frameEnded(const FrameEvent& evt) override
    {
        CRoot::Instance().queueEndRendering();
        ++m_nFrames;
        return true;
    }
    int m_nFrames = 0;
};

TEST(Application, QueuedEndStopsBeforeTheNextPass)
{
    static CQuitHandler quitter;
    CRoot::Instance().addFrameHandler(&quitter);
    CRoot::Instance().addFrameHandler(&quitter);
    CTestApplication application(0);
    application.run();
    EXPECT_EQ(quitter.m_nFrames, 1) << "registered once however often it is added";
    EXPECT_TRUE(application.m_bDestroyed);
    CD3D9RenderSystem::Instance().Shutdown();
}

}  // namespace
