// The board art as the build wrote it into the data folder beside the test
// programs: the files the board, its destructors and the start-up script
// name, at the sizes and lengths the board's timers rely on.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>

#include "Resources/vantile_ifl.h"
#include "d3d/d3dx8_image.h"

namespace {

std::string ReadBytes(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return file ? bytes.str() : std::string();
}

uint32_t U32(const std::string& strBytes, size_t nAt)
{
    uint32_t n = 0;
    memcpy(&n, strBytes.data() + nAt, 4);
    return n;
}

// Empty when the file is an uncompressed A8R8G8B8 DDS of that size.
std::string DdsFault(const std::string& strName, uint32_t nWidth, uint32_t nHeight)
{
    const std::string strBytes = ReadBytes("game/" + strName);
    if (strBytes.size() < 128)
        return strName + " is missing or short";
    if (strBytes.compare(0, 4, "DDS ") != 0 || U32(strBytes, 4) != 124 || U32(strBytes, 76) != 32)
        return strName + " has no DDS header";
    if (U32(strBytes, 80) != 0x41 || U32(strBytes, 88) != 32 || U32(strBytes, 92) != 0xFF0000 ||
        U32(strBytes, 100) != 0xFF || U32(strBytes, 104) != 0xFF000000)
        return strName + " is not A8R8G8B8";
    if (U32(strBytes, 16) != nWidth || U32(strBytes, 12) != nHeight)
        return strName + " is " + std::to_string(U32(strBytes, 16)) + "x" + std::to_string(U32(strBytes, 12));
    if (strBytes.size() != 128 + size_t(nWidth) * nHeight * 4)
        return strName + " has the wrong amount of pixels";
    d3dx8::SImage image;
    D3DXIMAGE_INFO info;
    if (FAILED(d3dx8::DecodeImage(strBytes.data(), UINT(strBytes.size()), &image, &info)))
        return strName + " is refused by the image decoder";
    return "";
}

Vantile::IflList ReadList(const std::string& strName)
{
    const std::string strText = ReadBytes("game/" + strName);
    return Vantile::ParseIfl(strText.data(), strText.size());
}

struct SpriteCase {
    const char* pszName;
    uint32_t nWidth, nHeight;
    size_t nMinFrames;  // 0 for a still
};

// Sizes are screen sizes (a sprite is drawn at its picture's size).
const SpriteCase kBoardSprites[] = {
    {"cell_bg_a.dds", 55, 55, 0},          {"cell_possible.dds", 55, 55, 0},   {"select-1.dds", 55, 55, 0},
    {"double_delete.dds", 55, 55, 0},      {"double_delete.ifl", 55, 55, 2},   {"cell_disintigrate.ifl", 55, 55, 2},
    {"flare.ifl", 128, 128, 2},            {"seaurchin.ifl", 64, 64, 2},       {"seaurchin_fade_in.ifl", 64, 64, 2},
    {"cara_spray.ifl", 320, 320, 2},       {"cara_fade_out.ifl", 96, 96, 2},   {"pearl_lev1.ifl", 55, 55, 2},
    {"pearl_lev2.ifl", 80, 80, 2},         {"flash-02.dds", 512, 512, 0},      {"ray_fade_out.ifl", 96, 96, 2},
    {"turtle_move.ifl", 72, 72, 2},        {"crab_move.ifl", 64, 64, 2},       {"crab_move_ver.ifl", 64, 64, 2},
    {"seastar_move.ifl", 64, 64, 2},       {"particle_seastar.ifl", 64, 24, 2}, {"trunk_effect.dds", 256, 256, 0},
};

TEST(BoardArtTest, EveryBoardSpriteAndFrameIsAValidPictureOfItsSize)
{
    for (const SpriteCase& sprite : kBoardSprites) {
        SCOPED_TRACE(sprite.pszName);
        if (sprite.nMinFrames == 0) {
            EXPECT_EQ("", DdsFault(sprite.pszName, sprite.nWidth, sprite.nHeight));
            continue;
        }
        const Vantile::IflList list = ReadList(sprite.pszName);
        EXPECT_GE(list.frames.size(), sprite.nMinFrames);
        for (const std::string& strFrame : list.frames)
            EXPECT_EQ("", DdsFault(strFrame, sprite.nWidth, sprite.nHeight));
    }
}

double Length(const std::string& strList)
{
    const Vantile::IflList list = ReadList(strList);
    return list.frames.size() / double(list.fFPS);
}

// The board's timers are these animations' lengths.
TEST(BoardArtTest, AnimationLengthsSuitTheBoardTimers)
{
    EXPECT_GT(Length("cara_spray.ifl"), 0.3) << "the ink block vanishes 0.3 s before the spray ends";
    EXPECT_GE(Length("trunk_fall.ifl"), 0.9) << "the trunk's fall must end before its fall look does";
    EXPECT_GT(Length("flare.ifl"), 0.0);
    EXPECT_GT(Length("trunk_open.ifl"), 0.0);
    EXPECT_LE(Length("cell_disintigrate.ifl"), 0.8);
    EXPECT_GE(Length("cell_disintigrate.ifl"), 0.3);
}

struct LayerLine {
    std::string strType, strState, strName, strTexture;
    size_t nFrames = 0;
    float fFps = 0;
};

std::vector<LayerLine> ReadLayerTable()
{
    const char* pszData = getenv("QUELLON_SOURCE_DIR");
    std::ifstream file(std::string(pszData ? pszData : "") + "/content/art/item_layers.txt");
    std::vector<LayerLine> layers;
    std::string strLine;
    while (std::getline(file, strLine)) {
        std::istringstream words(strLine);
        std::string strKind;
        LayerLine layer;
        if (words >> strKind && strKind == "layer" &&
            words >> layer.strType >> layer.strState >> layer.strName >> layer.strTexture >> layer.nFrames >> layer.fFps)
            layers.push_back(layer);
    }
    return layers;
}

TEST(BoardArtTest, EveryItemLayerOfTheTableIsShippedWithItsFramesAndRate)
{
    const std::vector<LayerLine> layers = ReadLayerTable();
    ASSERT_EQ(15u * 6 + 4, layers.size()) << "six layers for each of 15 item types, four for the trunk";
    for (const LayerLine& layer : layers) {
        SCOPED_TRACE(layer.strTexture);
        const Vantile::IflList list = ReadList(layer.strTexture);
        EXPECT_EQ(layer.nFrames, list.frames.size());
        EXPECT_EQ(layer.fFps, list.fFPS);
        for (const std::string& strFrame : list.frames)
            EXPECT_EQ("", DdsFault(strFrame, 55, 55));
        if (layer.strName == "delete")
            EXPECT_GE(list.frames.size(), 11u) << "the rest look is switched off at frame 10";
    }
}

TEST(BoardArtTest, EveryLevelHasAFieldPictureOfFullSize)
{
    for (int i = 1; i <= 50; ++i) {
        char szName[32];
        snprintf(szName, sizeof szName, "field%02d.jpg", i);
        SCOPED_TRACE(szName);
        const std::string strBytes = ReadBytes(std::string("game/") + szName);
        D3DXIMAGE_INFO info;
        ASSERT_EQ(D3D_OK, d3dx8::ReadImageInfo(strBytes.data(), UINT(strBytes.size()), &info));
        EXPECT_EQ(512u, info.Width);
        EXPECT_EQ(512u, info.Height);
    }
}

}  // namespace

namespace {

d3dx8::SImage Decode(const std::string& strName)
{
    const std::string strBytes = ReadBytes("game/" + strName);
    d3dx8::SImage image;
    D3DXIMAGE_INFO info;
    if (FAILED(d3dx8::DecodeImage(strBytes.data(), UINT(strBytes.size()), &image, &info)))
        image = d3dx8::SImage();
    return image;
}

// The HUD's pictures whose sizes its layout relies on: windows, digits and
// other sprites are placed inside them by pixel.
const SpriteCase kHudPictures[] = {
    {"button_menu.dds", 150, 50, 0},          {"buttons-bonuses.dds", 146, 64, 0},
    {"button_shuffle-1.dds", 135, 36, 0},     {"button_shuffle-2.dds", 135, 36, 0},
    {"shine.dds", 75, 83, 0},                 {"shine_empty.dds", 75, 83, 0},
    {"name_level.dds", 146, 68, 0},           {"window-scores.dds", 152, 80, 0},
    {"shkala.dds", 48, 305, 0},               {"chain-2.dds", 120, 512, 0},
    {"heart_num.ifl", 60, 58, 2},             {"gear.ifl", 72, 72, 2},
    {"loading_bg.ifl", 1024, 64, 1},          {"loading_fg.ifl", 1024, 64, 1},
    {"ramka&backgr.dds", 640, 440, 0},        {"bonuses-boxes.dds", 104, 104, 0},
    {"ray.ifl", 64, 64, 2},                   {"turtle_stay.ifl", 64, 64, 2},
};

TEST(HudArtTest, PicturesTheLayoutPlacesThingsInHaveTheirSizes)
{
    for (const SpriteCase& picture : kHudPictures) {
        SCOPED_TRACE(picture.pszName);
        if (picture.nMinFrames == 0) {
            EXPECT_EQ("", DdsFault(picture.pszName, picture.nWidth, picture.nHeight));
            continue;
        }
        const Vantile::IflList list = ReadList(picture.pszName);
        EXPECT_GE(list.frames.size(), picture.nMinFrames);
        for (const std::string& strFrame : list.frames)
            EXPECT_EQ("", DdsFault(strFrame, picture.nWidth, picture.nHeight));
    }
    // The tooltip's size places the possible-move hint and its click spots.
    const d3dx8::SImage tooltip = Decode("tooltip_bg.png");
    EXPECT_EQ(320u, tooltip.m_nWidth);
    EXPECT_EQ(170u, tooltip.m_nHeight);
    for (const char* pszStill : {"ray_0000.dds", "pearl_0000.dds", "cara_0000.dds", "turtle_stay_0000.dds",
                                 "seaurchin_0000.dds", "_seaurchin_0000.dds", "kayuta.jpg", "message_bg.png",
                                 "win_hint.png", "powerup_hint.png", "x.png", "check.png"})
        EXPECT_FALSE(ReadBytes(std::string("game/") + pszStill).empty()) << pszStill;
}

// Ten equal rows, 0 at the bottom: the thin "1" just above it has less ink
// than the "0" below it and the "8" near the top (flipped, it would have
// more).
TEST(HudArtTest, DigitStripsHoldZeroInTheBottomRow)
{
    for (const char* pszStrip : {"numbers-tablo.png", "numbers-life.png"}) {
        SCOPED_TRACE(pszStrip);
        const d3dx8::SImage strip = Decode(pszStrip);
        ASSERT_EQ(0u, strip.m_nHeight % 10);
        const UINT nRow = strip.m_nHeight / 10;
        std::vector<int> ink(10, 0);
        for (UINT y = 0; y < strip.m_nHeight; ++y)
            for (UINT x = 0; x < strip.m_nWidth; ++x)
                ink[9 - y / nRow] += strip.m_Rgba[(size_t(y) * strip.m_nWidth + x) * 4 + 3] > 128 ? 1 : 0;
        EXPECT_LT(ink[1], ink[0]);
        EXPECT_LT(ink[1], ink[8]);
    }
}

// Only the bottom part of the time chain shows; the heart hangs from its
// lower end, 170 pixels above the picture's bottom and 97 from its right.
TEST(HudArtTest, TimeChainEndsWhereTheHeartHangs)
{
    const d3dx8::SImage chain = Decode("chain-2.dds");
    ASSERT_EQ(120u, chain.m_nWidth);
    auto alpha = [&](UINT x, UINT y) { return chain.m_Rgba[(size_t(y) * chain.m_nWidth + x) * 4 + 3]; };
    int nBelow = 0;
    for (UINT y = chain.m_nHeight - 160; y < chain.m_nHeight; ++y)
        for (UINT x = 0; x < chain.m_nWidth; ++x)
            nBelow += alpha(x, y) > 0 ? 1 : 0;
    EXPECT_EQ(0, nBelow);
    int nOnLine = 0;
    for (UINT y = 0; y < chain.m_nHeight - 180; ++y)
        nOnLine += alpha(120 - 97, y) > 128 ? 1 : 0;
    EXPECT_GT(nOnLine, int(chain.m_nHeight - 180) / 2);
}

}  // namespace
