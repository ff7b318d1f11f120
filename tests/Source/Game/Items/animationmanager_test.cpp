#include "Game/Items/animationmanager.h"

#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "support/log_capture.h"

namespace {

class AnimationManagerTest : public ::testing::Test {
protected:
    void SetUp() override { manager().clear(); }
    void TearDown() override { manager().clear(); }

    static CAnimationManager& manager() { return CAnimationManager::Instance(); }

    static ANIDATA layer(const std::string& strName, const std::string& strTexture = "fish.ifl")
    {
        ANIDATA data;
        data.strName = strName;
        data.strTexture = strTexture;
        return data;
    }

    // The exception's details, or "" when nothing was thrown.
    template <class F>
    static std::string failure(F call)
    {
        try {
            call();
        } catch (const Vantile::Exception& e) {
            return e.getFunc() + ": " + e.getDetails();
        }
        return "";
    }

    CLogCapture m_Log;
};

TEST_F(AnimationManagerTest, DuplicateColourInfoIsLoggedAndTheFirstStays)
{
    manager().setTypeColorInfo(3, {0xFF000001, 0xFF000002, 0xFF000003});
    manager().setTypeColorInfo(3, {0x11, 0x22, 0x33});
    EXPECT_TRUE(m_Log.contains("[INFO] Adding ItemType[3] COLOR_INFO[0xff000001][0xff000002][0xff000003] \n"));
    EXPECT_TRUE(m_Log.contains("[ERROR] Duplicate adding COLOR_INFO for item type [3]\n"));
    EXPECT_EQ(0xFF000002u, manager().getTypeColorInfo(3).color2);
}

TEST_F(AnimationManagerTest, TintsFollowTheUseColourAndMissingInfoThrows)
{
    manager().setTypeColorInfo(5, {0xFF0000AA, 0xFF0000BB, 0xFF0000CC});
    const std::pair<int, uint32_t> cases[] = {
        {eUseWhiteColor, 0xFFFFFFFFu}, {eUseColor1, 0xFF0000AAu}, {eUseColor2, 0xFF0000BBu},
        {eUseColor3, 0xFF0000CCu},     {4, 0xFFFFFFFFu},          {-1, 0xFFFFFFFFu},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first);
        EXPECT_EQ(c.second, manager().tintFor(5, c.first));
    }
    // Even the white look asks for the type's colours first.
    EXPECT_EQ("getTypeColorInfo: Failed to get COLOR_INFO for item type [6]",
              failure([] { manager().tintFor(6, eUseWhiteColor); }));
}

TEST_F(AnimationManagerTest, ActiveTypesComeFromTheTypesText)
{
    struct Case {
        const char* szText;
        std::vector<int> types;
    };
    const Case cases[] = {
        {"0103", {1, 3}},
        {"", {}},
        {"0A0A10", {10, 10, 11}},
        // Codes that name no item are left out: the refill could not make them.
        {"010B0016", {1}},
        {"0102030", {1, 2, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szText);
        manager().refillItemTypes() = {7};
        manager().setActiveItemTypes(c.szText);
        EXPECT_EQ(c.types, manager().activeItemTypes());
        EXPECT_TRUE(manager().refillItemTypes().empty());
    }
    EXPECT_TRUE(m_Log.contains("[INFO] Adding active item type [1]\n"));
    EXPECT_TRUE(m_Log.contains("[INFO] Adding active item type [3]\n"));
    EXPECT_TRUE(m_Log.contains("[ERROR] Skipping invalid item type code [0B]\n"));
}

TEST_F(AnimationManagerTest, LayersKeepTheirOrderPerTypeAndState)
{
    ANIDATA glow = layer("glow:normal", "glow.map");
    glow.nColor = eUseColor2;
    glow.nRepeatCount = 3;
    glow.bLimited = true;
    manager().addAniData(1, eNormal, layer("normal"));
    manager().addAniData(1, eNormal, glow);
    EXPECT_TRUE(m_Log.contains("[INFO] add ANIDATA [1][1][glow:normal][glow.map][2][3][1][0]\n"));
    const CAnimationManager::AniDataList& list = manager().getAniData(1, eNormal);
    ASSERT_EQ(2u, list.size());
    EXPECT_EQ("normal", list[0].strName);
    EXPECT_EQ("glow:normal", list[1].strName);
    // Names become ids once, here: the animator compares only those.
    EXPECT_EQ(list[0].nNameId, layerNameId("normal"));
    EXPECT_EQ(list[0].nReplacesId, 0);
    EXPECT_EQ(list[1].nNameId, layerNameId("glow:normal"));
    EXPECT_EQ(list[1].nReplacesId, list[0].nNameId);
    EXPECT_NE(list[0].nNameId, list[1].nNameId);
    EXPECT_EQ(SLayerNames::ids().nNormal, list[0].nNameId);
    EXPECT_TRUE(manager().getAniData(1, eMoving).empty());
    EXPECT_TRUE(manager().getAniData(2, eNormal).empty());
}

TEST_F(AnimationManagerTest, ASecondFallingLayerInOneListThrows)
{
    manager().addAniData(11, eFalling, layer("falling"));
    manager().addAniData(11, eMoving, layer("falling"));
    EXPECT_EQ("CAnimationManager::addAniData(): type 10 already contains animation named \"falling\"",
              failure([] { manager().addAniData(11, eFalling, layer("falling")); }));
    EXPECT_EQ(1u, manager().getAniData(11, eFalling).size());
}

TEST_F(AnimationManagerTest, CheckWantsAFallingLayerForEveryTypeWithData)
{
    EXPECT_EQ("", failure([] { manager().checkAniData(); }));
    manager().addAniData(2, eFalling, layer("falling"));
    EXPECT_EQ("", failure([] { manager().checkAniData(); }));

    manager().addAniData(10, eFalling, layer("fall"));
    EXPECT_EQ("CAnimationManager::checkAniData(): type 0a does't contains animation named \"falling\"",
              failure([] { manager().checkAniData(); }));
    // Types are checked in ascending order, so type 4 is reported first.
    manager().addAniData(4, eNormal, layer("normal"));
    EXPECT_EQ("CAnimationManager::checkAniData(): type 04 does't contains eFalling animation",
              failure([] { manager().checkAniData(); }));
}

}  // namespace
