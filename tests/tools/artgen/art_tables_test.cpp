// The text sources: good lines read, and every malformed line refused with
// the file named, since a silent default would ship wrong art.
#include <gtest/gtest.h>

#include "art_tables.h"
#include "support/temp_folder.h"

namespace {

std::string WriteText(const CTempFolder& folder, const std::string& strText)
{
    return folder.write("table.txt", strText);
}

TEST(ArtTablesTest, LayerLinesReadWithCommentsAndOtherLinesSkipped)
{
    CTempFolder folder;
    const std::string strPath = WriteText(folder,
                                          "# comment\n"
                                          "layer e01 eNormal normal item_puffer_normal.ifl 8 8 65535 false false x\n"
                                          "color e01 FF000000 FF000000 FF000000\n");
    const std::vector<Art::SLayerLine> layers = Art::ReadLayers(strPath);
    ASSERT_EQ(1u, layers.size());
    EXPECT_EQ("item_puffer_normal.ifl", layers[0].strTexture);
    EXPECT_EQ(8, layers[0].nFrames);
    EXPECT_EQ("item_puffer_normal", Art::TextureBase(layers[0].strTexture));
}

TEST(ArtTablesTest, MalformedLinesAreRefused)
{
    const char* kBad[] = {
        "layer e01 eNormal normal x.ifl 8\n",          // too few fields
        "layer e01 eNormal normal x.ifl eight 8\n",    // not a count
        "layer e01 eNormal normal x.ifl 0 8\n",        // no frames
        "layer e01 eNormal normal x.ifl 8 -3\n",       // negative rate
    };
    for (const char* pszText : kBad) {
        SCOPED_TRACE(pszText);
        CTempFolder folder;
        EXPECT_THROW(Art::ReadLayers(WriteText(folder, pszText)), std::runtime_error);
    }
    EXPECT_THROW(Art::ReadLayers("/nonexistent/table.txt"), std::runtime_error);
}

TEST(ArtTablesTest, ColoursParseOrAreRefused)
{
    const Art::SColour c = Art::ParseColour("80FF0000");
    EXPECT_NEAR(128 / 255.0, c.a, 1e-9);
    EXPECT_EQ(1.0, c.r);
    EXPECT_EQ(1.0, Art::ParseColour("00FF00").a);
    for (const char* pszBad : {"", "FF00", "GG000000", "FF0000001"})
        EXPECT_THROW(Art::ParseColour(pszBad), std::runtime_error) << pszBad;
    CTempFolder folder;
    EXPECT_THROW(Art::ReadKinds(WriteText(folder, "kind puffer body\n")), std::runtime_error);
    EXPECT_THROW(Art::ReadKinds(WriteText(folder, "kind puffer\n")).at("puffer").Get("body"), std::runtime_error);
}

}  // namespace
