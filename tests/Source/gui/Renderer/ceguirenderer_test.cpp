// The renderer bridge: geometry buffers become cached mesh nodes, one per
// run of one texture; textures come from the engine's cache; CEGUI's files
// come from the file system.
#include <CEGUI/CEGUI.h>

#include <cstring>

#include "Core/vantile_exception.h"
#include "Resources/vantile_texturemanager.h"
#include "gui/Framework/basedialogwindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Renderer/ceguigeometrybuffer.h"
#include "gui/Renderer/ceguirenderer.h"
#include "gui/Renderer/ceguiresourceprovider.h"
#include "gui/Renderer/ceguitexture.h"
#include "gui/System/guidriver.h"
#include "support/log_capture.h"
#include "support/gui_scene.h"

namespace {

class CeguiRenderer : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        start(false);
    }
    CCEGUIRenderer& renderer() { return m_pDriver->renderer(); }
    CCEGUIGeometryBuffer& newBuffer()
    {
        return static_cast<CCEGUIGeometryBuffer&>(renderer().createGeometryBuffer());
    }
    // Two triangles covering the rectangle, texture coordinates 0..1.
    static void addQuad(CEGUI::GeometryBuffer& buffer, float fLeft, float fTop, float fRight, float fBottom)
    {
        const float afCorners[4][4] = {{fLeft, fTop, 0, 0}, {fRight, fTop, 1, 0}, {fLeft, fBottom, 0, 1},
                                       {fRight, fBottom, 1, 1}};
        CEGUI::Vertex corners[4];
        for (int i = 0; i < 4; ++i) {
            corners[i].position = CEGUI::Vector3f(afCorners[i][0], afCorners[i][1], 0);
            corners[i].tex_coords = CEGUI::Vector2f(afCorners[i][2], afCorners[i][3]);
            corners[i].colour_val = CEGUI::Colour(0xFFFFFFFF);
        }
        const CEGUI::Vertex triangles[6] = {corners[0], corners[3], corners[2], corners[0], corners[1], corners[3]};
        buffer.appendGeometry(triangles, 6);
    }
    static std::vector<SGuiVertex> vertices(const Vantile::CMeshNode& node)
    {
        const std::vector<uint8_t>& bytes = node.GetMesh()->GetVertexData();
        std::vector<SGuiVertex> out(bytes.size() / sizeof(SGuiVertex));
        memcpy(out.data(), bytes.data(), out.size() * sizeof(SGuiVertex));
        return out;
    }
};

TEST_F(CeguiRenderer, RunsOfOneTextureBecomeOneNodeEachInSubmissionOrder)
{
    CEGUI::Texture& a = renderer().createTexture("a");
    CEGUI::Texture& b = renderer().createTexture("b");
    CCEGUIGeometryBuffer& buffer = newBuffer();
    buffer.setClippingRegion(CEGUI::Rectf(0, 0, 800, 600));
    for (CEGUI::Texture* pTexture : {&a, &a, &b, &a}) {
        buffer.setActiveTexture(pTexture);
        addQuad(buffer, 10, 10, 20, 20);
    }
    renderer().beginRendering();
    buffer.draw();
    ASSERT_EQ(buffer.getNodes().size(), 3u);
    const size_t counts[] = {12, 6, 6};
    for (size_t i = 0; i < 3; ++i) {
        const Vantile::CMeshNode& node = *buffer.getNodes()[i];
        EXPECT_EQ(node.GetName(), "ceguiquad");
        EXPECT_EQ(node.GetMesh()->GetFVF(), 0x144u);
        EXPECT_EQ(node.GetMesh()->GetVertexCount(), counts[i]);
        EXPECT_NE(node.GetMaterials().at(0).pEffect, nullptr) << "drawn through the GUI effect";
    }
    EXPECT_EQ(renderer().getFrameNodes().size(), 3u);
}

TEST_F(CeguiRenderer, AnUnchangedBufferDrawsTheSameNodesAndAMovedOneIsRebuilt)
{
    CCEGUIGeometryBuffer& buffer = newBuffer();
    buffer.setClippingRegion(CEGUI::Rectf(0, 0, 800, 600));
    addQuad(buffer, 10, 10, 20, 20);
    renderer().beginRendering();
    buffer.draw();
    const Vantile::CMeshNode* pFirst = buffer.getNodes().at(0).get();
    renderer().beginRendering();
    buffer.draw();
    EXPECT_EQ(buffer.getNodes().at(0).get(), pFirst);
    EXPECT_EQ(buffer.getBuildCount(), 1u);
    EXPECT_EQ(renderer().getFrameNodes(), std::vector<Vantile::CMeshNode*>{buffer.getNodes()[0].get()});

    buffer.setTranslation(CEGUI::Vector3f(100, 50, 0));
    renderer().beginRendering();
    buffer.draw();
    EXPECT_EQ(buffer.getBuildCount(), 2u);
    // The half-pixel shift puts texel centres on pixel centres.
    EXPECT_FLOAT_EQ(vertices(*buffer.getNodes()[0])[0].x, 109.5f);
    EXPECT_FLOAT_EQ(vertices(*buffer.getNodes()[0])[0].y, 59.5f);
    EXPECT_FLOAT_EQ(vertices(*buffer.getNodes()[0])[0].rhw, 1.0f);
}

TEST_F(CeguiRenderer, ClippingCutsGeometryAtTheRegionAndKeepsTheTextureMapping)
{
    CCEGUIGeometryBuffer& buffer = newBuffer();
    buffer.setClippingRegion(CEGUI::Rectf(25, 25, 75, 75));
    addQuad(buffer, 0, 0, 100, 100);
    buffer.setClippingActive(false);
    addQuad(buffer, 200, 0, 300, 100);
    buffer.draw();
    ASSERT_EQ(buffer.getNodes().size(), 1u) << "clipped and unclipped parts of one texture share a node";
    float fMinX = 1e9f, fMaxX = -1e9f;
    for (const SGuiVertex& v : vertices(*buffer.getNodes()[0])) {
        if (v.x > 150.0f)
            continue;
        fMinX = std::min(fMinX, v.x);
        fMaxX = std::max(fMaxX, v.x);
        EXPECT_NEAR(v.u, (v.x + 0.5f) / 100.0f, 1e-5f);
        EXPECT_NEAR(v.v, (v.y + 0.5f) / 100.0f, 1e-5f);
        EXPECT_GE(v.y, 24.5f);
        EXPECT_LE(v.y, 74.5f);
    }
    EXPECT_FLOAT_EQ(fMinX, 24.5f);
    EXPECT_FLOAT_EQ(fMaxX, 74.5f);
    const std::vector<SGuiVertex> all = vertices(*buffer.getNodes()[0]);
    EXPECT_FLOAT_EQ(all.back().x, 299.5f) << "the unclipped quad keeps its corner";
}

TEST_F(CeguiRenderer, MemoryTexturesAreNumberedAndReportTheSquareTheyWerePackedInto)
{
    std::vector<uint8_t> pixels(100 * 50 * 4, 0xFF);
    CCEGUITexture& first = static_cast<CCEGUITexture&>(renderer().createTexture("first", CEGUI::Sizef(1, 1)));
    const int nBefore = CCEGUITexture::memoryTextureCount();
    first.loadFromMemory(pixels.data(), CEGUI::Sizef(100, 50), CEGUI::Texture::PF_RGBA);
    CCEGUITexture& second = static_cast<CCEGUITexture&>(renderer().createTexture("second"));
    second.loadFromMemory(pixels.data(), CEGUI::Sizef(10, 10), CEGUI::Texture::PF_RGB);
    EXPECT_EQ(first.getTexture().GetTexture()->GetName(), "tex_" + std::to_string(nBefore + 1));
    EXPECT_EQ(second.getTexture().GetTexture()->GetName(), "tex_" + std::to_string(nBefore + 2));
    EXPECT_EQ(first.getSize(), CEGUI::Sizef(100, 100));
    EXPECT_EQ(first.getOriginalDataSize(), CEGUI::Sizef(100, 50));
    EXPECT_FLOAT_EQ(first.getTexelScaling().d_y, 0.01f);
    EXPECT_THROW(renderer().createTexture("first"), CEGUI::AlreadyExistsException);
}

// Start-up loads every window's image set; only the size of a picture is
// read then, and its pixels are decoded once, when it is first drawn.
TEST_F(CeguiRenderer, AFilePictureIsDecodedWhenFirstDrawn)
{
    Vantile::CTextureManager& textures = Vantile::CTextureManager::Instance();
    textures.RemoveTexture("fixture.png");
    CCEGUITexture& texture = static_cast<CCEGUITexture&>(renderer().createTexture("late", "fixture.png", ""));
    EXPECT_EQ(texture.getSize(), CEGUI::Sizef(32, 32));
    EXPECT_EQ(texture.getOriginalDataSize(), CEGUI::Sizef(32, 32));
    EXPECT_TRUE(texture.isPending());
    EXPECT_EQ(textures.FindTexture("fixture.png"), nullptr);

    CCEGUIGeometryBuffer& buffer = newBuffer();
    buffer.setActiveTexture(&texture);
    addQuad(buffer, 0, 0, 32, 32);
    buffer.draw();
    EXPECT_FALSE(texture.isPending());
    ASSERT_NE(textures.FindTexture("fixture.png"), nullptr);
    EXPECT_EQ(texture.getTexture().GetTexture(), textures.FindTexture("fixture.png"));
    EXPECT_EQ(texture.getSize(), CEGUI::Sizef(32, 32));

    // A second texture on the same file shares the decoded picture.
    CCEGUITexture& again = static_cast<CCEGUITexture&>(renderer().createTexture("again", "fixture.png", ""));
    EXPECT_FALSE(again.isPending());
    EXPECT_EQ(again.getTexture().GetTexture(), textures.FindTexture("fixture.png"));
}

TEST_F(CeguiRenderer, AnImageThatCannotBeReadGivesAnEmptyTextureAndALogLine)
{
    CLogCapture log;
    CEGUI::Texture& texture = renderer().createTexture("lost", "lost.png", "");
    EXPECT_EQ(texture.getSize(), CEGUI::Sizef(0, 0));
    EXPECT_TRUE(log.contains("GUI image [lost.png] could not be loaded")) << log.text();
    Vantile::CTextureManager::Instance().RemoveTexture("lost.png");
}

TEST_F(CeguiRenderer, FixedFiguresAndARefusedTextureTarget)
{
    EXPECT_EQ(renderer().getMaxTextureSize(), 512u);
    EXPECT_EQ(renderer().getDisplayDPI(), CEGUI::Vector2f(96, 96));
    EXPECT_EQ(renderer().getDisplaySize(), CEGUI::Sizef(800, 600));
    EXPECT_EQ(renderer().createTextureTarget(), nullptr);
}

TEST_F(CeguiRenderer, AWindowAskingForItsOwnTextureIsDrawnDirectly)
{
    m_pDriver->handler().loadData();
    CBaseDialogWindow dialog;
    dialog.create();
    placeInPixels(dialog.getOkButton(), 100, 100, 99, 46);
    dialog.getRoot()->setUsingAutoRenderingSurface(true);
    dialog.show();
    frame();
    EXPECT_TRUE(ColourNear(pixel(150, 120), GuiFixture::RED));
}

TEST_F(CeguiRenderer, AFrameWithoutChangesDrawsTheSameNodes)
{
    m_pDriver->handler().loadData();
    CBaseDialogWindow dialog;
    dialog.create();
    placeInPixels(dialog.getOkButton(), 100, 100, 99, 46);
    dialog.show();
    frame();
    const std::vector<Vantile::CMeshNode*> nodes = renderer().getFrameNodes();
    ASSERT_FALSE(nodes.empty());
    frame();
    EXPECT_EQ(renderer().getFrameNodes(), nodes);
    m_pDriver->moveMouse(150, 120);
    frame();
    EXPECT_NE(renderer().getFrameNodes(), nodes) << "the hovered button was drawn again";
}

class CeguiResources : public GuiScene {
protected:
    void SetUp() override
    {
        GuiScene::SetUp();
        writeFile("Notes.txt", "sea");
        start(false);
    }
    CCEGUIResourceProvider m_Provider;
};

TEST_F(CeguiResources, AFileIsCopiedIntoTheContainerAndReleasedByUnload)
{
    CEGUI::RawDataContainer data;
    m_Provider.loadRawDataContainer("notes.TXT", data, "any group");
    ASSERT_EQ(data.getSize(), 3u);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.getDataPtr()), 3), "sea");
    m_Provider.unloadRawDataContainer(data);
    EXPECT_EQ(data.getDataPtr(), nullptr);
    EXPECT_EQ(data.getSize(), 0u);
}

TEST_F(CeguiResources, AMissingFileThrowsTheFileSystemsException)
{
    CEGUI::RawDataContainer data;
    try {
        m_Provider.loadRawDataContainer("missing.imageset", data, "");
        FAIL() << "no exception";
    } catch (const Vantile::Exception& e) {
        EXPECT_EQ(e.getCode(), 4);
        EXPECT_NE(e.getDetails().find("missing.imageset"), std::string::npos);
    }
    EXPECT_EQ(data.getDataPtr(), nullptr);
}

TEST_F(CeguiResources, AMissingFontFaceFallsBackToOneThatExists)
{
    CLogCapture log;
    CEGUI::RawDataContainer data;
    m_Provider.loadRawDataContainer("gone.ttf", data, "");
    EXPECT_GT(data.getSize(), 1000u);
    EXPECT_TRUE(log.contains("Font face [gone.ttf] is missing; using [face.ttf] instead")) << log.text();
    m_Provider.unloadRawDataContainer(data);
}

}  // namespace
