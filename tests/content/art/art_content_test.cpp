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
