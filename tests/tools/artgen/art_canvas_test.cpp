// The art writers: the DDS bytes the game's image decoder reads back, the
// unpremultiplied pixels, and frame lists the game's ".ifl" reader parses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "Resources/vantile_ifl.h"
#include "art_canvas.h"
#include "d3d/d3dx8_image.h"
#include "support/temp_folder.h"

namespace {

// A 2 x 2 canvas: opaque red top-left, half-transparent white top-right,
// clear below, so row order, channel order and alpha all show.
void PaintProbe(Art::CCanvas& canvas)
{
    cairo_t* c = canvas.Context();
    cairo_set_operator(c, CAIRO_OPERATOR_SOURCE);
    cairo_rectangle(c, 0, 0, 1, 1);
    cairo_set_source_rgba(c, 1, 0, 0, 1);
    cairo_fill(c);
    cairo_rectangle(c, 1, 0, 1, 1);
    cairo_set_source_rgba(c, 1, 1, 1, 0.5);
    cairo_fill(c);
}

TEST(ArtCanvasTest, DdsDecodesToTheDrawnPixelsTopRowFirst)
{
    Art::CCanvas canvas(2, 2);
    PaintProbe(canvas);
    const std::vector<unsigned char> bytes = Art::EncodeDds(2, 2, canvas.StraightRgba());
    ASSERT_EQ(128u + 16u, bytes.size());
    d3dx8::SImage image;
    D3DXIMAGE_INFO info;
    ASSERT_EQ(D3D_OK, d3dx8::DecodeImage(bytes.data(), UINT(bytes.size()), &image, &info));
    ASSERT_EQ(2u, image.m_nWidth);
    ASSERT_EQ(2u, image.m_nHeight);
    const std::vector<BYTE> expected = {255, 0, 0, 255, 255, 255, 255, 128, 0, 0, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(expected.size(), image.m_Rgba.size());
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(expected[i], image.m_Rgba[i], 1) << "byte " << i;
}

TEST(ArtCanvasTest, FrameListsParseBackWithTheirRateAndNames)
{
    CTempFolder folder;
    const std::string strPath = folder.path() + "/probe.ifl";
    Art::WriteIfl(strPath, 24, {Art::FrameName("probe", 0), Art::FrameName("probe", 13)});
    std::ifstream file(strPath);
    std::stringstream text;
    text << file.rdbuf();
    const Vantile::IflList list = Vantile::ParseIfl(text.str().data(), text.str().size());
    EXPECT_EQ(24.0f, list.fFPS);
    EXPECT_EQ((std::vector<std::string>{"probe_0000.dds", "probe_0013.dds"}), list.frames);
}

TEST(ArtCanvasTest, WritingIntoAMissingFolderThrowsNamingTheFile)
{
    Art::CCanvas canvas(1, 1);
    try {
        canvas.WriteDds("/nonexistent-folder/x.dds");
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("/nonexistent-folder/x.dds"));
    }
}

}  // namespace
