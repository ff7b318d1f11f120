// The memory game's art as the build wrote it: every picture its kinds,
// cells and frame name, at the sizes the grid of 77-unit cells expects.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "Game/MiniGame/minigame.h"
#include "Resources/vantile_ifl.h"

namespace {

std::string ReadBytes(const std::string& strName)
{
    std::ifstream file("game/" + strName, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return file ? bytes.str() : std::string();
}

// Width and height of a DDS, or (0, 0) when the file is missing.
std::pair<uint32_t, uint32_t> DdsSize(const std::string& strName)
{
    const std::string strBytes = ReadBytes(strName);
    if (strBytes.size() < 128 || strBytes.compare(0, 4, "DDS ") != 0)
        return {0, 0};
    uint32_t nHeight = 0, nWidth = 0;
    memcpy(&nHeight, strBytes.data() + 12, 4);
    memcpy(&nWidth, strBytes.data() + 16, 4);
    return {nWidth, nHeight};
}

Vantile::IflList ReadList(const std::string& strName)
{
    const std::string strText = ReadBytes(strName);
    return Vantile::ParseIfl(strText.data(), strText.size());
}

TEST(MiniGameArtTest, EveryKindOpensOntoItsStillAndClosesBackToTheFirstFrame)
{
    const CMiniGame game(false);
    ASSERT_EQ(16u, game.kinds().size());
    for (const SMiniGameKind& kind : game.kinds()) {
        SCOPED_TRACE(kind.strOpen);
        const Vantile::IflList opening = ReadList(kind.strOpen);
        const Vantile::IflList closing = ReadList(kind.strClose);
        ASSERT_GE(opening.frames.size(), 2u);
        EXPECT_EQ(kind.strStill, opening.frames.back()) << "the open card is where the opening ends";
        ASSERT_EQ(opening.frames.size(), closing.frames.size());
        EXPECT_EQ(opening.frames.front(), closing.frames.back());
        for (const std::string& strFrame : opening.frames)
            EXPECT_EQ(std::make_pair(64u, 64u), DdsSize(strFrame)) << strFrame;
    }
}

TEST(MiniGameArtTest, CellsCoverAndFrameFitTheGrid)
{
    struct Case {
        const char* pszName;
        uint32_t nWidth, nHeight;
    };
    // The frame is 22 pixels thick; a corner piece covers its row's side
    // and the corner.
    const Case cases[] = {
        {"mg_cell_bg.dds", 77, 77},          {"mg_cell_active.dds", 77, 77},
        {"field-mini-game.dds", 512, 512},   {"mg_cell_v_edge.dds", 77, 22},
        {"mg_cell_bv_edge.dds", 77, 22},     {"mg_left_edge.dds", 22, 77},
        {"mg_right_edge.dds", 22, 77},       {"mg_left_top_edge.dds", 22, 99},
        {"mg_right_top_edge.dds", 22, 99},   {"mg_left_bottom_edge.dds", 22, 99},
        {"mg_right_bottom_edge.dds", 22, 99},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::make_pair(c.nWidth, c.nHeight), DdsSize(c.pszName)) << c.pszName;
    EXPECT_FALSE(ReadBytes(CMiniGame::BACKGROUND).empty());
    const Vantile::IflList sparkle = ReadList(CMiniGameCell::DECOY_EFFECT);
    EXPECT_GE(sparkle.frames.size(), 2u);
    EXPECT_GT(sparkle.fFPS, 0.0f);
}

}  // namespace
