// The board drawn offscreen with small generated art: each cell's tile of
// the field picture, holes, items centred in their cells, the selection's
// look, cleared backgrounds and the hint highlight, read back as pixels.
#include "board_fixture.h"

#include "Game/Rules/boardscreen.h"
#include "Game/Board/scorepopups.h"
#include "Game/Items/animationmanager.h"
#include "Game/Sprites/spritelayervisual.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "Game/Sprites/spritevbarray.h"
#include "Renderstages/vantile_renderqueue.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "Resources/vantile_texturemanager.h"
#include "support/image_builder.h"
#include "support/offscreen_device.h"
#include "support/temp_folder.h"

namespace {

const uint32_t FISH = 0xFFE02020;
const uint32_t CURSOR = 0xFF20E020;
const uint32_t CLEARED = 0xFF808080;
const uint32_t POSSIBLE = 0xFFF0F000;
const uint32_t OTHER = 0xFF2020E0;

// Every tile of the picture has its own colour; the unused right and
// bottom margins are white, so a tile cut too wide or flipped shows.
uint32_t TileColour(int nRow, int nColumn)
{
    return 0xFF000000u | uint32_t(20 + 28 * nRow) << 16 | uint32_t(20 + 28 * nColumn) << 8 | 0x60u;
}

ArgbImage Filled(uint32_t nSide, uint32_t dwColour)
{
    ArgbImage image;
    image.nWidth = image.nHeight = nSide;
    image.pixels.assign(size_t(nSide) * nSide, dwColour);
    return image;
}

ArgbImage FieldPicture()
{
    ArgbImage image = Filled(512, 0xFFFFFFFF);
    for (uint32_t y = 0; y < 440; ++y)
        for (uint32_t x = 0; x < 440; ++x)
            image.pixels[y * 512 + x] = TileColour(int(y / 55), int(x / 55));
    return image;
}

const Layout BOARD = {
    "12121212",
    "21212121",
    "12#21212",
    "21212121",
    "12121212",
    "21212121",
    "12121212",
    "21212121",
};

}  // namespace

class BoardDrawTest : public BoardTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_Device.IsReady()) << m_Device.Error();
        Vantile::CD3D9RenderSystem::Instance().SetDevice(m_Device.Device());
        writeArt();
        Vantile::CResourceManager::Instance().Init(m_Temp.path() + "/game", true);
        CSpriteLoader::Instance().setFinished(true);
        CAnimationManager::Instance().setVisualSource(&m_Source);
        m_pScreen = std::make_unique<CBoardScreen>(&LoadSpriteScreenEffect);
        BoardTest::SetUp();
        load(BOARD, "0102");
        settle();
        // Settling ran frames that were never drawn: what they queued
        // points at layers that may be gone by the first drawn frame.
        Vantile::CRenderQueue::Current()->ClearContainers();
    }

    void TearDown() override
    {
        BoardTest::TearDown();
        m_pScreen.reset();
        CBoardScreen::closeDrawing();
        CSpriteLoader::Instance().setFinished(false);
        for (const std::string& strName : m_Textures)
            Vantile::CTextureManager::Instance().RemoveTexture(strName);
        Vantile::CD3D9RenderSystem::Instance().SetDevice(nullptr);
    }

    // Item layers: the resting look is a 30 x 30 red square, the selected
    // look a green one; every other look of the board is blue.
    void writeArt()
    {
        writeImage("field.jpg", EncodePng(FieldPicture()));
        writeImage("fish.png", EncodePng(Filled(30, FISH)));
        writeImage("cursor.png", EncodePng(Filled(30, CURSOR)));
        writeImage("other.png", EncodePng(Filled(30, OTHER)));
        writeImage("burst.png", EncodePng(Filled(165, 0xFFFFFFFF)));
        writeImage("clear_burst.ifl", "#30\nburst.png\nburst.png\n");
        writeImage("glyph.png", EncodePng(Filled(32, 0xFFFFFFFF)));
        std::string strGlyphs = "#1\n";
        for (int i = 0; i < 11; ++i)
            strGlyphs += "glyph.png\n";
        writeImage("score_digits.ifl", strGlyphs);
        writeImage("cell_bg_a.dds", EncodeDds(Filled(55, CLEARED), 32));
        writeImage("cell_possible.dds", EncodeDds(Filled(55, POSSIBLE), 32));
        writeImage("select-1.dds", EncodeDds(Filled(55, OTHER), 32));
        writeImage("double_delete.dds", EncodeDds(Filled(8, OTHER), 32));
        writeImage("normal.ifl", "fish.png\n");
        writeImage("cursor.ifl", "cursor.png\n");
        for (const char* pszList : {"falling", "move", "delete", "delete2", "trunk_fall", "trunk_open",
                                    "double_delete", "cell_disintigrate"})
            writeImage(std::string(pszList) + ".ifl", "#30\nother.png\nother.png\n");
    }

    // The texture cache outlives the test's device; every name is dropped
    // from it afterwards.
    void writeImage(const std::string& strName, const std::string& strBytes)
    {
        m_Temp.write("game/" + strName, strBytes);
        m_Textures.push_back(strName);
    }

    void drawFrame() { m_pScreen->frame(*m_pDriver); }

    // The pixel at an offset in board units from a cell's centre.
    uint32_t pixelAt(int nRow, int nColumn, int dx = 0, int dy = 0) const
    {
        const D3DXVECTOR3 vCentre = CGameField::cellCentre(nRow, nColumn);
        return m_Device.Pixel(UINT(vCentre.x + 400.0f + float(dx)), UINT(300.0f - vCentre.y - float(dy)));
    }
    // Inside the cell but clear of its 30 x 30 item, towards each corner.
    static constexpr int EDGE = 21;

    COffscreenDevice m_Device;
    CTempFolder m_Temp;
    CSpriteLayerVisualSource m_Source;
    std::unique_ptr<CBoardScreen> m_pScreen;
    std::vector<std::string> m_Textures;
};

TEST_F(BoardDrawTest, EachCellShowsItsOwnTileAndItsItemCentred)
{
    drawFrame();
    const std::pair<int, int> cells[] = {{0, 0}, {0, 7}, {7, 0}, {7, 7}, {3, 5}, {5, 2}};
    for (const auto& cell : cells) {
        SCOPED_TRACE(testing::Message() << "row " << cell.first << " column " << cell.second);
        const uint32_t dwTile = TileColour(cell.first, cell.second);
        EXPECT_EQ(pixelAt(cell.first, cell.second, -EDGE, EDGE), dwTile);
        EXPECT_EQ(pixelAt(cell.first, cell.second, EDGE, -EDGE), dwTile);
        EXPECT_EQ(pixelAt(cell.first, cell.second), FISH);
        EXPECT_EQ(pixelAt(cell.first, cell.second, -13, 13), FISH);
        EXPECT_EQ(pixelAt(cell.first, cell.second, 13, -13), FISH);
    }
    // The hole shows the water behind the board, and nothing is drawn
    // left of the first column.
    EXPECT_EQ(pixelAt(2, 2), CBoardScreen::SEA_COLOUR);
    EXPECT_EQ(pixelAt(2, 2, -EDGE, EDGE), CBoardScreen::SEA_COLOUR);
    EXPECT_EQ(pixelAt(4, 0, -34, 0), CBoardScreen::SEA_COLOUR);
}

TEST_F(BoardDrawTest, TheSelectedItemShowsItsCursorLookAndADeselectRestoresIt)
{
    const D3DXVECTOR3 vCell = at(4, 3)->position();
    m_Field.mouseDown(vCell);
    m_Field.mouseUp(vCell);
    drawFrame();
    EXPECT_EQ(pixelAt(4, 3), CURSOR);
    EXPECT_EQ(pixelAt(4, 4), FISH);
    EXPECT_EQ(pixelAt(4, 3, -EDGE, EDGE), TileColour(4, 3));
    m_Field.mouseDown(vCell);
    m_Field.mouseUp(vCell);
    drawFrame();
    EXPECT_EQ(pixelAt(4, 3), FISH);
}

TEST_F(BoardDrawTest, AClearedCellShowsThePlainBackgroundAndTheHintLiesUnderTheItem)
{
    at(6, 1)->clearBackground();
    at(1, 6)->background().setHighlight(true);
    for (int i = 0; i < 20; ++i)
        drawFrame();
    EXPECT_EQ(pixelAt(6, 1, -EDGE, EDGE), CLEARED);
    EXPECT_EQ(pixelAt(6, 1), FISH);
    EXPECT_EQ(pixelAt(6, 2, -EDGE, EDGE), TileColour(6, 2));
    EXPECT_EQ(pixelAt(1, 6, -EDGE, EDGE), POSSIBLE);
    EXPECT_EQ(pixelAt(1, 6), FISH);
    at(1, 6)->background().setHighlight(false);
    drawFrame();
    EXPECT_EQ(pixelAt(1, 6, -EDGE, EDGE), TileColour(1, 6));
}

// A clear bursts in its item's colour over the neighbouring cells, its
// points rise from the run in the combo's colour, and both are gone once
// they have played.
TEST_F(BoardDrawTest, AClearBurstsInItsItemsColourAndItsPointsRiseInTheCombosColour)
{
    const uint32_t dwBurst = 0xFF000000u | (CAnimationManager::Instance().getTypeColorInfo(1).color1 & 0xFFFFFFu);
    const uint32_t dwPoints = 0xFF000000u | CScorePopups::colour(1);
    ASSERT_NE(TileColour(2, 1), dwBurst);
    // Rows 0 and 1 each get a run of three in columns 0 to 2.
    m_pDriver->playMove(at(0, 1), at(1, 1));
    int nBurstFrames = 0, nPointFrames = 0, nRisen = 0;
    for (int i = 0; i < 90; ++i) {
        drawFrame();
        nBurstFrames += pixelAt(2, 1, -EDGE, EDGE) == dwBurst ? 1 : 0;
        nPointFrames += pixelAt(0, 1, 0, 2) == dwPoints ? 1 : 0;
        nRisen += pixelAt(0, 1, 0, 40) == dwPoints ? 1 : 0;
    }
    EXPECT_GT(nBurstFrames, 0) << "the burst reaches the cell below the run";
    EXPECT_LT(nBurstFrames, 10) << "the burst plays once";
    EXPECT_GT(nPointFrames, 0) << "the points start on the run";
    EXPECT_GT(nRisen, 0) << "and rise from it";
    EXPECT_EQ(pixelAt(2, 1, -EDGE, EDGE), TileColour(2, 1));
    EXPECT_NE(pixelAt(0, 1, 0, 40), dwPoints) << "the points fade away";
}

TEST(ScorePopupsTest, ChainsTurnFromWarmToColdAndPopupsExpire)
{
    EXPECT_EQ("+30", CScorePopups::text(30));
    EXPECT_EQ(CScorePopups::colour(1), CScorePopups::colour(0));
    EXPECT_EQ(CScorePopups::colour(7), CScorePopups::colour(12));
    for (int n = 1; n < 7; ++n)
        EXPECT_NE(CScorePopups::colour(n), CScorePopups::colour(n + 1));
    CScorePopups popups;
    popups.add(D3DXVECTOR3(0.0f, 0.0f, 0.0f), 30, 1);
    popups.update(CScorePopups::LIFE * 0.9f);
    EXPECT_EQ(1u, popups.count());
    popups.update(CScorePopups::LIFE * 0.2f);
    EXPECT_EQ(0u, popups.count());
}

// Three half-periods a second: the marker shows in the odd ones only, and
// once switched off it fades and is gone.
TEST_F(BoardDrawTest, TheHintMarkerBlinksAndGoesOnceSwitchedOff)
{
    at(3, 3)->background().setMarker(true);
    int nShown = 0, nHidden = 0;
    for (int i = 0; i < 125; ++i) {
        drawFrame();
        (pixelAt(3, 3, -EDGE, EDGE) == OTHER ? nShown : nHidden) += 1;
    }
    // About two seconds: three shown and three hidden half-periods.
    EXPECT_NEAR(nShown, nHidden, 25);
    EXPECT_GT(nShown, 40);
    at(3, 3)->background().setMarker(false);
    for (int i = 0; i < 60; ++i)
        drawFrame();
    EXPECT_FALSE(at(3, 3)->background().hasMarker());
    EXPECT_EQ(pixelAt(3, 3, -EDGE, EDGE), TileColour(3, 3));
}
