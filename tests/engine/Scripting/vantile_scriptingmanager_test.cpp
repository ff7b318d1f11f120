#include "Scripting/vantile_scriptingmanager.h"

#include <gtest/gtest.h>

#include "Core/vantile_application.h"
#include "Core/vantile_eventmanager.h"
#include "Core/vantile_root.h"
#include "Resources/vantile_resourcemanager.h"
#include "Scripting/vantile_luabind.h"
#include "support/temp_folder.h"

using namespace Vantile;

namespace {

class CCameraApplication : public CApplication {
public:
    CCameraApplication() : CApplication(nullptr) {}
    ~CCameraApplication() override { CRoot::Instance().setApplication(nullptr); }
    void changeCamera(const char* szName) override { m_strCalls += std::string("change ") + szName + ";"; }
    void fadeToNextCamera() override { m_strCalls += "fade;"; }
    int createScene() override { return 0; }
    void destroyScene() override {}

    std::string m_strCalls;
};

class ScriptingManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CEventManager::Instance().clearEvents();
        // Other tests hand the timed commands to executors of their own.
        CEventManager::Instance().setExecutor(&CScriptingManager::Instance());
        run("fired = nil");
    }
    void TearDown() override { CEventManager::Instance().clearEvents(); }

    static void run(const std::string& strChunk) { CScriptingManager::Instance().ExecuteCommand(strChunk); }

    // The exception's details, or "" when the chunk ran.
    static std::string failure(const std::string& strChunk)
    {
        try {
            run(strChunk);
        } catch (const Exception& e) {
            EXPECT_EQ("CScriptingManager::ExecuteCommand", e.getFunc());
            EXPECT_EQ(0, e.getCode());
            EXPECT_NE(0, e.getLine());
            return e.getDetails();
        }
        return "";
    }
};

TEST_F(ScriptingManagerTest, OnlyTheBaseLibraryIsOpen)
{
    EXPECT_EQ("", failure("assert(string == nil and table == nil and math == nil and io == nil and os == nil)"));
    EXPECT_EQ("", failure("assert(pairs and ipairs and tostring and tonumber and pcall)"));
    EXPECT_NE("", failure("local n = string.len('abc')"));
}

TEST_F(ScriptingManagerTest, NoFunctionLoadsOtherChunks)
{
    EXPECT_EQ("", failure("assert(dofile == nil and loadfile == nil and load == nil and loadstring == nil)"));
    EXPECT_EQ("", failure("assert(require == nil and package == nil and debug == nil)"));
}

// A script past a limit fails like any script error, and names where it
// was; the state stays usable for the next chunk.
TEST_F(ScriptingManagerTest, EndlessLoopsAndAllocationsStopAtTheirLine)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x = 1\nwhile true do end", "]:2: the script ran past 2000000 instructions"},
        {"local s = 'x'\nfor i = 1, 12 do s = s .. s end\nt = {}\nlocal n = 0\n"
         "while true do n = n + 1; t[n] = s .. n end",
         "]:5: the script holds more than"},
        {"local s = 'x'\nwhile true do s = s .. s end", "]:2: not enough memory"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        const std::string strFailure = failure(c.first);
        EXPECT_NE(std::string::npos, strFailure.find(c.second)) << strFailure;
        run("t = nil");
        EXPECT_EQ("", failure("fired = 1; assert(fired == 1)"));
    }
}

TEST_F(ScriptingManagerTest, ErrorsEndTheChunkAndKeepTheStateUsable)
{
    const std::pair<const char*, const char*> cases[] = {
        {"x = = 1", "unexpected symbol"},
        {"fired = 1; error('stop here'); fired = 2", "stop here"},
        {"error({})", "(error object is not a string)"},
        {"error()", "(error object is not a string)"},
        {"ChangeCamera(1, 2)", "No matching overload found"},
        {"AddEvent('yes', 10, 'x')", "No matching overload found"},
        {"EnableNode('x', true)", "No matching overload found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_NE(std::string::npos, failure(c.first).find(c.second));
    }
    // What ran before the error stays done.
    EXPECT_EQ("", failure("assert(fired == 1)"));
    EXPECT_TRUE(CEventManager::Instance().events().empty());
}

TEST_F(ScriptingManagerTest, EngineExceptionsInRegisteredFunctionsBecomeLuaErrors)
{
    luabind::module(CScriptingManager::Instance().GetLuaState())[luabind::def("failingCall", +[](int nValue) {
        GuardScriptCall("failingCall", [nValue] {
            if (nValue > 0)
                VANTILE_EXCEPT(0, "bad value", "failingCall");
        });
    })];
    EXPECT_EQ("", failure("failingCall(0)"));
    EXPECT_EQ("failingCall() threw an exception", failure("failingCall(1)"));
    EXPECT_EQ("", failure("assert(not pcall(failingCall, 1))"));
}

TEST_F(ScriptingManagerTest, AddEventSchedulesByTotalTimeOrByDelay)
{
    run("AddEvent(true, 5000, 'fired = 1'); AddEvent(false, 250.5, 'x = 2')");
    const std::list<CEventManager::TimedCommand>& events = CEventManager::Instance().events();
    ASSERT_EQ(2u, events.size());
    EXPECT_EQ(CEventManager::AT_TOTAL_TIME, events.front().kind);
    EXPECT_FLOAT_EQ(5000.0f, events.front().time);
    EXPECT_EQ("fired = 1", events.front().command);
    EXPECT_EQ(CEventManager::AFTER_DELAY, events.back().kind);
    EXPECT_FLOAT_EQ(250.5f, events.back().time);

    // Due commands run through the manager from the frame loop.
    CEventManager::Instance().frameStarted({100.0, 5001.0});
    EXPECT_EQ("", failure("assert(fired == 1)"));
    run("ClearEvents()");
    EXPECT_TRUE(events.empty());
}

TEST_F(ScriptingManagerTest, CameraCallsReachTheApplication)
{
    EXPECT_EQ("", failure("ChangeCamera('none yet'); FadeToNextCamera()"));
    CCameraApplication application;
    run("ChangeCamera('cam_map'); FadeToNextCamera()");
    EXPECT_EQ("change cam_map;fade;", application.m_strCalls);
}

TEST_F(ScriptingManagerTest, SceneCallsWithoutEffectAcceptTheirArguments)
{
    EXPECT_EQ("", failure("LoadObject('fish.object'); EnableNode(true, 'node'); "
                          "SetAnimationTime('node', 1.5); LoadHierarchy('scene.xml')"));
}

TEST(ScriptingManagerFiles, RunFileReadsThroughTheResourceManager)
{
    CTempFolder data;
    data.write("game/empty.lua", "");
    data.write("game/zero.lua", std::string("zeroed = 1\0zeroed = 2", 21));
    data.write("game/broken.lua", "zeroed = 3\nerror('late')");
    CResourceManager::Instance().Init(data.path() + "/game", true);
    CScriptingManager& scripts = CScriptingManager::Instance();

    scripts.RunFile("empty.lua");
    scripts.RunFile("ZERO.lua");
    scripts.ExecuteCommand("assert(zeroed == 1)");
    EXPECT_THROW(scripts.RunFile("broken.lua"), Exception);
    scripts.ExecuteCommand("assert(zeroed == 3)");
    EXPECT_THROW(scripts.RunFile("missing.lua"), Exception);

    // A file's errors name the file and the line.
    data.write("game/endless.lua", "a = 1\n\nrepeat until false\n");
    CResourceManager::Instance().Init(data.path() + "/game", true);
    try {
        scripts.RunFile("endless.lua");
        ADD_FAILURE() << "an endless script finished";
    } catch (const Exception& e) {
        EXPECT_EQ(0u, e.getDetails().find("endless.lua:3: the script ran past")) << e.getDetails();
    }
}

}  // namespace
