// The shipped start-up script against the art's table of item layers: the
// art generator draws what the table lists, so the script must register
// exactly that, or an item plays frames nobody drew.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "Game/Context/gamecontext.h"
#include "Game/Items/animationmanager.h"
#include "Game/Script/gamescript.h"
#include "Resources/vantile_resourcemanager.h"

namespace {

const std::map<std::string, int> kTypes = {
    {"e01", 1}, {"e02", 2}, {"e03", 3}, {"e04", 4}, {"e05", 5}, {"e06", 6}, {"e07", 7}, {"e08", 8},
    {"e09", 9}, {"e10", 10}, {"eHorz", 11}, {"eVert", 12}, {"eVertHorz", 13}, {"eTrunk", 14},
    {"eHeart", 15}, {"eTimeFreeze", 16}};
const std::map<std::string, int> kStates = {
    {"eCursor", eCursor}, {"eNormal", eNormal}, {"eMoving", eMoving}, {"eDeleting", eDeleting},
    {"eDeleting2", eDeleting2}, {"eFalling", eFalling}, {"eTrunkFall", eTrunkFall}, {"eTrunkOpen", eTrunkOpen}};
const std::map<std::string, int> kColours = {
    {"eUseWhiteColor", 0}, {"eUseColor1", 1}, {"eUseColor2", 2}, {"eUseColor3", 3}};

std::string artTable()
{
    std::ifstream file(std::string(getenv("QUELLON_SOURCE_DIR")) + "/content/art/item_layers.txt");
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

class ShippedScriptTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CAnimationManager::Instance().clear();
        Vantile::CResourceManager::Instance().Init("game", true);
        RunStartupScript("init.lua");
    }
    void TearDown() override { CAnimationManager::Instance().clear(); }
};

TEST_F(ShippedScriptTest, RegistersExactlyTheArtsLayersAndColours)
{
    std::istringstream lines(artTable());
    size_t nLayers = 0, nColours = 0;
    for (std::string strLine; std::getline(lines, strLine);) {
        std::istringstream words(strLine);
        std::string strKind, strType;
        words >> strKind >> strType;
        if (strKind == "layer") {
            std::string strState, strName, strTexture, strLimited, strBlocking, strColour;
            int nFrames, nFps, nRepeat;
            words >> strState >> strName >> strTexture >> nFrames >> nFps >> nRepeat >> strLimited >> strBlocking >>
                strColour;
            SCOPED_TRACE(strType + " " + strName);
            ++nLayers;
            const CAnimationManager::AniDataList& list =
                CAnimationManager::Instance().getAniData(kTypes.at(strType), kStates.at(strState));
            ASSERT_EQ(1u, list.size());
            EXPECT_EQ(strName, list[0].strName);
            EXPECT_EQ(strTexture, list[0].strTexture);
            EXPECT_EQ(nRepeat, list[0].nRepeatCount);
            EXPECT_EQ(strLimited == "true", list[0].bLimited);
            EXPECT_EQ(strBlocking == "true", list[0].bBlocking);
            EXPECT_EQ(kColours.at(strColour), list[0].nColor);
        } else if (strKind == "color") {
            std::string strColour[3];
            words >> strColour[0] >> strColour[1] >> strColour[2];
            SCOPED_TRACE(strType);
            ++nColours;
            const COLOR_INFO& colours = CAnimationManager::Instance().getTypeColorInfo(kTypes.at(strType));
            EXPECT_EQ(parseHexColor(strColour[0]), colours.color1);
            EXPECT_EQ(parseHexColor(strColour[1]), colours.color2);
            EXPECT_EQ(parseHexColor(strColour[2]), colours.color3);
        }
    }
    // Fifteen board items with six layers each, the trunk with four, and
    // colours for all sixteen types.
    EXPECT_EQ(15u * 6 + 4, nLayers);
    EXPECT_EQ(16u, nColours);
    EXPECT_EQ(55, CGameContext::Instance().m_nCellSize);
}

}  // namespace
