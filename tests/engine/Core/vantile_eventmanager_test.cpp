#include "Core/vantile_eventmanager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Vantile::CEventManager;
using Vantile::FrameEvent;

namespace {

// Records commands; some commands change the schedule while it runs.
class CRecordingExecutor : public Vantile::ICommandExecutor {
public:
    void ExecuteCommand(const std::string& strCommand) override
    {
        m_Run.push_back(strCommand);
        if (strCommand == "clear")
            CEventManager::Instance().clearEvents();
        if (strCommand == "again")
            CEventManager::Instance().addEvent(CEventManager::AFTER_DELAY, 10, "again");
    }
    std::vector<std::string> m_Run;
};

class EventManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager().clearEvents();
        manager().setExecutor(&m_executor);
    }
    void TearDown() override
    {
        manager().clearEvents();
        manager().setExecutor(nullptr);
    }
    static CEventManager& manager() { return CEventManager::Instance(); }
    void frame(double dDelta, double dTotal) { manager().frameStarted(FrameEvent{dDelta, dTotal}); }

    CRecordingExecutor m_executor;
};

TEST_F(EventManagerTest, BothKindsFireInOneFrameInListOrder)
{
    manager().addEvent(CEventManager::AFTER_DELAY, 30, "first");
    manager().addEvent(CEventManager::AT_TOTAL_TIME, 500, "second");
    manager().addEvent(CEventManager::AFTER_DELAY, 30, "third");
    manager().addEvent(CEventManager::AFTER_DELAY, 50, "later");
    frame(40, 540);
    EXPECT_EQ(m_executor.m_Run, (std::vector<std::string>{"first", "second", "third"}));
    ASSERT_EQ(manager().events().size(), 1u);
    EXPECT_FLOAT_EQ(manager().events().front().time, 10.0f) << "each entry is advanced once";
}

TEST_F(EventManagerTest, PastTotalTimeFiresInTheNextFrame)
{
    manager().addEvent(CEventManager::AT_TOTAL_TIME, 100, "past");
    frame(16, 100);
    EXPECT_TRUE(m_executor.m_Run.empty()) << "fires only once the total has passed the time";
    frame(16, 116);
    EXPECT_EQ(m_executor.m_Run, (std::vector<std::string>{"past"}));
}

TEST_F(EventManagerTest, UnknownKindNeverFires)
{
    manager().addEvent(7, 0, "never");
    frame(100, 10000);
    EXPECT_TRUE(m_executor.m_Run.empty());
    EXPECT_EQ(manager().events().size(), 1u);
}

TEST_F(EventManagerTest, CommandsMayClearOrRescheduleWhileTheFrameRuns)
{
    manager().addEvent(CEventManager::AFTER_DELAY, 0, "clear");
    manager().addEvent(CEventManager::AFTER_DELAY, 0, "due too");
    manager().addEvent(CEventManager::AFTER_DELAY, 500, "pending");
    frame(16, 16);
    EXPECT_EQ(m_executor.m_Run, (std::vector<std::string>{"clear", "due too"}))
        << "a command that was due when the frame began still runs";
    EXPECT_TRUE(manager().events().empty()) << "the clear removed what was still waiting";

    manager().addEvent(CEventManager::AFTER_DELAY, 0, "again");
    frame(16, 32);
    frame(16, 48);
    EXPECT_EQ(manager().events().size(), 1u) << "a self-scheduling command keeps exactly one entry";
}

}  // namespace
