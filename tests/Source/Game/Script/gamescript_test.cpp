#include "Game/Script/gamescript.h"

#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Resources/vantile_resourcemanager.h"
#include "Scripting/vantile_scriptingmanager.h"
#include "support/log_capture.h"
#include "support/temp_folder.h"

namespace {

class GameScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterGameScript();
        CAnimationManager::Instance().clear();
    }
    void TearDown() override { CAnimationManager::Instance().clear(); }

    static CAnimationManager& manager() { return CAnimationManager::Instance(); }

    // The exception's details, or "" when the chunk ran.
    static std::string failure(const std::string& strChunk)
    {
        try {
            Vantile::CScriptingManager::Instance().ExecuteCommand(strChunk);
        } catch (const Vantile::Exception& e) {
            return e.getDetails();
        }
        return "";
    }

    CLogCapture m_Log;
};

TEST_F(GameScriptTest, ConstantTablesCarryTheirValues)
{
    EXPECT_EQ("", failure("assert(it.eTimeFreeze == 16 and it.e01 == 1 and it.e10 == 10 and it.eTrunk == 14)"));
    EXPECT_EQ("", failure("assert(at.eGameOver == 12 and at.eCursor == 0 and at.eTrunkOpen == 15)"));
    EXPECT_EQ("", failure("assert(ct.eUseWhiteColor == 0 and ct.eUseColor3 == 3)"));
    // Shaking (11) is the item's own state: no name in "at" has its value.
    EXPECT_EQ("", failure("for _, name in ipairs({'eCursor', 'eNormal', 'eMoving', 'eAppearing', 'eClick1', "
                          "'eClick2', 'eClick3', 'eMatching', 'eDeleting', 'eDeleting2', 'ePickUp', "
                          "'eGameOver', 'eFalling', 'eTrunkFall', 'eTrunkOpen'}) do "
                          "assert(at[name] ~= nil and at[name] ~= 11, name) end"));
    EXPECT_NE("", failure("local x = at.eShaking"));
}

TEST_F(GameScriptTest, ColoursAreHexadecimalTextsWithOrWithoutPrefix)
{
    EXPECT_EQ("", failure("setTypeColorInfo(it.e02, 'FF112233', '0xFF445566', 'not hex')"));
    EXPECT_EQ("", failure("setTypeColorInfo(it.e02, '0', '0', '0')"));
    const COLOR_INFO& colors = manager().getTypeColorInfo(2);
    EXPECT_EQ(0xFF112233u, colors.color1);
    EXPECT_EQ(0xFF445566u, colors.color2);
    EXPECT_EQ(0u, colors.color3);
    EXPECT_TRUE(m_Log.contains("[ERROR] Duplicate adding COLOR_INFO for item type [2]\n"));
    EXPECT_NE("", failure("setTypeColorInfo(it.e03, 0xFF112233, 'FF', 'FF')"));
}

TEST_F(GameScriptTest, AddAniDataFillsOneRecordFromItsNineArguments)
{
    EXPECT_EQ("", failure("addAniData(it.eTrunk, at.eTrunkFall, 'trunk_fall', 'trunk.map', ct.eUseColor2, 3, "
                          "true, false, true)"));
    const CAnimationManager::AniDataList& list = manager().getAniData(eTrunk, eTrunkFall);
    ASSERT_EQ(1u, list.size());
    EXPECT_EQ("trunk_fall", list[0].strName);
    EXPECT_EQ("trunk.map", list[0].strTexture);
    EXPECT_EQ(eUseColor2, list[0].nColor);
    EXPECT_EQ(3, list[0].nRepeatCount);
    EXPECT_TRUE(list[0].bLimited);
    EXPECT_FALSE(list[0].bBlocking);
    EXPECT_TRUE(list[0].bFitToDuration);
    EXPECT_TRUE(m_Log.contains("[INFO] add ANIDATA [14][14][trunk_fall][trunk.map][2][3][1][0]\n"));
    // Booleans must be booleans.
    EXPECT_NE(std::string::npos,
              failure("addAniData(1, 1, 'normal', 'a.ifl', 0, 1, 1, 0, 0)").find("No matching overload"));
}

TEST_F(GameScriptTest, FailuresOfTheAnimationTableEndTheChunk)
{
    EXPECT_EQ("addAniData() threw an exception",
              failure("addAniData(1, at.eFalling, 'falling', 'a.ifl', 0, 65535, false, true, false); "
                      "addAniData(1, at.eFalling, 'falling', 'b.ifl', 0, 65535, false, true, false); "
                      "addAniData(1, at.eNormal, 'normal', 'c.ifl', 0, 65535, false, false, false)"));
    EXPECT_TRUE(manager().getAniData(1, eNormal).empty());
    // The function's own report is in the log before the script's error.
    EXPECT_TRUE(m_Log.contains("Details: type 01 already contains animation named \"falling\". "));

    EXPECT_EQ("", failure("checkAniData()"));
    EXPECT_EQ("", failure("addAniData(2, at.eNormal, 'normal', 'c.ifl', 0, 65535, false, false, false)"));
    EXPECT_EQ("checkAniData() threw an exception", failure("checkAniData()"));
}

TEST_F(GameScriptTest, ParametersReadDecimalAndUnknownNamesAreIgnored)
{
    const std::pair<const char*, int> cases[] = {{"55", 55}, {"abc", 0}, {"40px", 40}, {"", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ("", failure(std::string("setParam('cellsize', '") + c.first + "')"));
        EXPECT_EQ(c.second, CGameContext::Instance().m_nCellSize);
    }
    const std::string strBefore = m_Log.text();
    EXPECT_EQ("", failure("setParam('minangle', '10'); setParam('fishfulltimer', 'x'); setParam('other', '1')"));
    EXPECT_EQ(0, CGameContext::Instance().m_nCellSize);
    EXPECT_EQ(strBefore, m_Log.text());
    EXPECT_NE("", failure("setParam('cellsize', 55)"));
}

TEST_F(GameScriptTest, TheStartupScriptRunsFromTheDataFolder)
{
    CTempFolder data;
    data.write("game/init.lua",
               "setTypeColorInfo(it.e01, 'FFFF8020', 'FFFFD040', 'FF803010')\n"
               "addAniData(it.e01, at.eNormal, 'normal', 'fish01_idle.ifl', ct.eUseWhiteColor, 65535, false, "
               "false, false)\n"
               "addAniData(it.e01, at.eFalling, 'falling', 'fish01_idle.ifl', ct.eUseWhiteColor, 65535, false, "
               "true, false)\n"
               "setParam('cellsize', '55')\n"
               "checkAniData()\n");
    data.write("other/init.lua", "setTypeColorInfo(it.e04, 'FF', 'FF', 'FF')\nsetParam('cellsize' '1')\n");
    Vantile::CResourceManager::Instance().Init(data.path() + "/game", true);
    RunStartupScript();
    EXPECT_EQ(0xFFFFD040u, manager().getTypeColorInfo(1).color2);
    EXPECT_EQ(1u, manager().getAniData(1, eFalling).size());
    EXPECT_EQ(55, CGameContext::Instance().m_nCellSize);

    // A syntax error anywhere stops the whole file before it runs.
    Vantile::CResourceManager::Instance().Init(data.path() + "/other", true);
    EXPECT_THROW(RunStartupScript(), Vantile::Exception);
    EXPECT_THROW(manager().getTypeColorInfo(4), Vantile::Exception);
}

}  // namespace
