// The GUI generator's sources and packing: good lines read, malformed ones
// refused naming the file and line, frames cut into the images the looks
// name, pictures packed without overlap, and a missing font face reported
// with the package that installs it.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "gui_atlas.h"
#include "gui_fonts.h"
#include "gui_sources.h"
#include "support/temp_folder.h"

namespace {

using namespace GuiArt;

std::string ErrorOf(const std::function<void()>& fnRun)
{
    try {
        fnRun();
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "";
}

TEST(GuiGenSourcesTest, CaptionsAndPiecesRead)
{
    CTempFolder folder;
    const std::vector<SCaption> captions = ReadCaptions(
        folder.write("captions.txt", "# comment\n\nmm_Quit plank 237 52  Quit the game\nEmpty empty 125 36\n"));
    ASSERT_EQ(2u, captions.size());
    EXPECT_EQ("Quit the game", captions[0].strText);
    EXPECT_EQ((std::vector<std::string>{"mm_Quit_normal", "mm_Quit_hover"}), CaptionImageNames(captions[0]));
    EXPECT_EQ((std::vector<std::string>{"Empty"}), CaptionImageNames(captions[1]));

    const std::vector<SPiece> pieces = ReadPieces(folder.write("pieces.txt", "Thumb arrow:up_hover 14 16 v3:5,6\n"));
    ASSERT_EQ(1u, pieces.size());
    EXPECT_EQ("arrow", pieces[0].strPainter);
    EXPECT_EQ("up_hover", pieces[0].strVariant);
    const std::vector<SImage> images = SliceImages(pieces[0]);
    ASSERT_EQ(3u, images.size());
    EXPECT_EQ("ThumbMiddle", images[1].strName);
    EXPECT_EQ(5, images[1].y);
    EXPECT_EQ(5, images[1].nHeight);
    EXPECT_EQ(10, images[2].y);
}

TEST(GuiGenSourcesTest, AFrameIsCutIntoNineImagesThatTileThePiece)
{
    SPiece piece;
    piece.strName = "Panel";
    piece.nWidth = 64;
    piece.nHeight = 48;
    piece.strSlice = "nine";
    piece.cuts = {20, 10, 12, 8};
    const std::vector<SImage> images = SliceImages(piece);
    ASSERT_EQ(9u, images.size());
    int nArea = 0;
    for (const SImage& image : images)
        nArea += image.nWidth * image.nHeight;
    EXPECT_EQ(64 * 48, nArea);
    EXPECT_EQ("PanelFill", images[4].strName);
    EXPECT_EQ(20, images[4].x);
    EXPECT_EQ(32, images[4].nWidth);
    EXPECT_EQ("PanelBottomRight", images[8].strName);
    EXPECT_EQ(52, images[8].x);
    EXPECT_EQ(40, images[8].y);
}

TEST(GuiGenSourcesTest, MalformedLinesAreRefusedNamingFileAndLine)
{
    const struct { const char* pszFile; const char* pszText; } kBad[] = {
        {"captions.txt", "mm_Quit plank 237\n"},
        {"captions.txt", "mm_Quit plank 237 52\n"},            // a caption without text
        {"captions.txt", "Empty empty 125 36 text\n"},         // an empty image with text
        {"captions.txt", "mm_Quit plank 0 52 Quit\n"},
        {"pieces.txt", "List list 32 32 nine:9,9,9\n"},
        {"pieces.txt", "List list 32 32 nine:16,9,16,9\n"},    // no middle left
        {"pieces.txt", "List list 32 32 spiral:1,2\n"},
        {"pieces.txt", "List list 600 32 whole\n"},
        {"fonts.txt", "font stylo.font Stylo 12 /x.ttf\n"},
        {"fonts.txt", "colour red\n"},
    };
    for (const auto& bad : kBad) {
        SCOPED_TRACE(bad.pszText);
        CTempFolder folder;
        const std::string strPath = folder.write(bad.pszFile, "# first\n" + std::string(bad.pszText));
        const std::string strError = ErrorOf([&] {
            if (std::string(bad.pszFile) == "captions.txt")
                ReadCaptions(strPath);
            else if (std::string(bad.pszFile) == "pieces.txt")
                ReadPieces(strPath);
            else
                ReadFonts(strPath);
        });
        EXPECT_NE(std::string::npos, strError.find(strPath + ":2:")) << strError;
    }
}

TEST(GuiGenFontsTest, AMissingFaceNamesItsPackage)
{
    const std::string strError = ErrorOf([] { CFace face("/no/such/Face.ttf", "fonts-example"); });
    EXPECT_NE(std::string::npos, strError.find("/no/such/Face.ttf")) << strError;
    EXPECT_NE(std::string::npos, strError.find("install the Debian package fonts-example")) << strError;
    CTempFolder folder;
    const std::string strFonts = folder.write(
        "fonts.txt", "font stylo.font Stylo 12 /no/such/Face.ttf fonts-example\ndisplay /no/such/D.ttf fonts-d\n");
    const std::string strWrite = ErrorOf([&] { WriteFonts(ReadFonts(strFonts), folder.path()); });
    EXPECT_NE(std::string::npos, strWrite.find("fonts-example")) << strWrite;
}

TEST(GuiGenAtlasTest, PicturesArePackedApartInAPowerOfTwoTexture)
{
    std::vector<SPicture> pictures;
    for (int i = 0; i < 7; ++i)
        pictures.push_back(
            {100 + i, 40 + 3 * i, [](cairo_t*) {}, {{"image" + std::to_string(i), 0, 0, 100 + i, 40 + 3 * i}}});
    const SAtlas atlas = PackAtlas(pictures, 256);
    EXPECT_EQ(256, atlas.pCanvas->Width());
    EXPECT_EQ(256, atlas.pCanvas->Height());
    ASSERT_EQ(7u, atlas.images.size());
    for (size_t a = 0; a < atlas.images.size(); ++a)
        for (size_t b = a + 1; b < atlas.images.size(); ++b) {
            const SImage &p = atlas.images[a], &q = atlas.images[b];
            const bool bApart = p.x + p.nWidth < q.x || q.x + q.nWidth < p.x || p.y + p.nHeight < q.y ||
                                q.y + q.nHeight < p.y;
            EXPECT_TRUE(bApart) << p.strName << " touches " << q.strName;
        }
    const std::string strXml = ImagesetXml(atlas, "Test", "Test.png");
    EXPECT_NE(std::string::npos, strXml.find("<Imageset version=\"2\" name=\"Test\" imagefile=\"Test.png\""));

    pictures.push_back({10, 10, [](cairo_t*) {}, {{"image0", 0, 0, 10, 10}}});
    EXPECT_NE(std::string::npos, ErrorOf([&] { PackAtlas(pictures, 256); }).find("two images are named image0"));
    const std::vector<SPicture> tall(30, SPicture{200, 60, [](cairo_t*) {}, {}});
    EXPECT_NE(std::string::npos, ErrorOf([&] { PackAtlas(tall, 256); }).find("1024"));
}

}  // namespace
