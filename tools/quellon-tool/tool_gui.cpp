// quellon-tool gui --out FILE.png: an 800 x 600 review sheet of every GUI
// look drawn offscreen with the game's GUI data: the "MenuTexts" captions
// as main-menu, dialog and HUD buttons, a text button and an image button
// in each state, a list box with a selection, the high-score list, a
// slider, the check box both ways and a text box with its caret.
//
// A state such as hover exists for one widget at a time (there is one
// mouse), so the sheet is drawn once per state and each sample is cut from
// the frame in which it had that state.
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include <CEGUI/CEGUI.h>

#include <functional>
#include <vector>

#include "Core/vantile_exception.h"
#include "Game/Context/gamecontext.h"
#include "Game/Sprites/sprite.h"
#include "Game/Sprites/spriteloader.h"
#include "Game/Sprites/spritescreen.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "Resources/vantile_resourcemanager.h"
#include "gui/Framework/basewindow.h"
#include "gui/Framework/guifactory.h"
#include "gui/Framework/guinames.h"
#include "gui/System/guidriver.h"
#include "tool_commands.h"

namespace {

const D3DCOLOR SEA = 0xFF0B3550;

// Every caption of the "MenuTexts" image set, by the button that shows it.
const char* const MAIN_MENU_CAPTIONS[] = {"PlayGame", "Options", "HighScores", "Rules",
                                          "Quit",     "NewGame", "ContinueGame", "MainMenu"};
const char* const DIALOG_CAPTIONS[] = {"Ok", "Cancel", "Rename", "Delete", "Yes", "No"};

struct SRect {
    int x, y, w, h;
};

// Rows of the frame as ARGB, top first.
typedef std::vector<uint32_t> Picture;

class CSheetWindow : public CBaseWindow {
public:
    void create() override;
    void render() override {}

    SRect m_TextHover, m_TextPushed, m_ImageHover, m_ImagePushed;
    CEGUI::Window* m_pTextBox = nullptr;

private:
    void add(CEGUI::Window* pWindow) { m_pRoot->addChild(pWindow); }
    CEGUI::Window* addImageButton(const CEGUI::String& strType, const SRect& rect, const std::string& strImage);
    void addCaptions();
    void addButtonStates();
    void addLists();
    void addControls();
};

CEGUI::Window* CSheetWindow::addImageButton(const CEGUI::String& strType, const SRect& rect,
                                            const std::string& strImage)
{
    CEGUI::Window* pButton = createGuiWindow(strType);
    placeInPixels(pButton, float(rect.x), float(rect.y), float(rect.w), float(rect.h));
    pButton->setProperty(GuiProperty::Image, MENU_TEXTS_PREFIX + strImage.c_str());
    pButton->setProperty(GuiProperty::HoverImage, MENU_TEXTS_PREFIX + strImage.c_str());
    add(pButton);
    return pButton;
}

void CSheetWindow::create()
{
    CBaseWindow::create();
    addCaptions();
    addButtonStates();
    addLists();
    addControls();
}

// Left: each main-menu caption, normal and hovered; bottom: the dialog
// and HUD captions, normal above hovered, and the invisible "Empty".
void CSheetWindow::addCaptions()
{
    for (int i = 0; i < 8; ++i) {
        const std::string strName = std::string("mm_") + MAIN_MENU_CAPTIONS[i];
        addImageButton(GuiWidget::MainMenuButton, {8, 8 + 56 * i, 237, 52}, strName + "_normal");
        addImageButton(GuiWidget::MainMenuButton, {250, 8 + 56 * i, 237, 52}, strName + "_hover");
    }
    for (int i = 0; i < 6; ++i) {
        const std::string strName = std::string("dm_") + DIALOG_CAPTIONS[i];
        addImageButton(GuiWidget::DialogButton, {8 + 103 * i, 462, 99, 46}, strName + "_normal");
        addImageButton(GuiWidget::DialogButton, {8 + 103 * i, 512, 99, 46}, strName + "_hover");
    }
    addImageButton(GuiWidget::DialogButton, {630, 462, 126, 39}, "gm_Menu_normal");
    addImageButton(GuiWidget::DialogButton, {630, 505, 126, 39}, "gm_Menu_hover");
    addImageButton(GuiWidget::DialogButton, {630, 550, 125, 36}, "Empty");
}

// Right, top: a text button and an image button, each normal, hovered,
// pushed and disabled.
void CSheetWindow::addButtonStates()
{
    for (int i = 0; i < 4; ++i) {
        CEGUI::Window* pText = createTextButton(float(500 + (i % 2) * 150), float(8 + (i / 2) * 28), "Play");
        add(pText);
        pText->setEnabled(i != 3);
        CEGUI::Window* pImage = createImageButton(float(500 + (i % 2) * 150), float(66 + (i / 2) * 50), 99, 46,
                                                  "dm_Ok_normal", "dm_Ok_hover");
        add(pImage);
        pImage->setEnabled(i != 3);
    }
    m_TextHover = {650, 8, 100, 24};
    m_TextPushed = {500, 36, 100, 24};
    m_ImageHover = {650, 66, 99, 46};
    m_ImagePushed = {500, 116, 99, 46};
}

CEGUI::ListboxTextItem* makeItem(const CEGUI::String& strText)
{
    auto* pItem = new CEGUI::ListboxTextItem(strText);
    pItem->setSelectionBrushImage("Velmora/ListBoxBrush");
    return pItem;
}

// The profile list with more players than it shows, one chosen; the
// high-score table without header, as the menus use it.
void CSheetWindow::addLists()
{
    auto* pList = static_cast<CEGUI::Listbox*>(createGuiWindow(GuiWidget::Listbox));
    placeInPixels(pList, 500, 168, 202, 66);
    pList->setFont(DOMCASL_FONT);
    for (const char* pszName : {"Marina", "Captain Finn", "Coral", "Nemo", "Pearl"})
        pList->addItem(makeItem(pszName));
    pList->setItemSelectState(size_t(1), true);
    add(pList);

    auto* pScores = static_cast<CEGUI::MultiColumnList*>(createGuiWindow(GuiWidget::MultiColumnList));
    placeInPixels(pScores, 500, 240, 221, 139);
    pScores->setFont(DOMCASL_FONT);
    pScores->addColumn("name", 0, CEGUI::UDim(0.44f, 0));
    pScores->addColumn("score", 1, CEGUI::UDim(0.43f, 0));
    pScores->getListHeader()->setHeight(CEGUI::UDim(0, 0));
    pScores->setShowHorzScrollbar(false);
    const char* const rows[][2] = {{"Marina", "48250"}, {"Captain Finn", "36120"}, {"Coral", "21900"},
                                   {"Nemo", "12480"},   {"Pearl", "8015"},         {"Shelly", "2300"}};
    for (const auto& row : rows) {
        const CEGUI::uint nRow = pScores->addRow();
        pScores->setItem(makeItem(row[0]), 0, nRow);
        pScores->setItem(makeItem(row[1]), 1, nRow);
    }
    add(pScores);
}

void CSheetWindow::addControls()
{
    auto* pSlider = static_cast<CEGUI::Slider*>(createGuiWindow(GuiWidget::Slider));
    placeInPixels(pSlider, 500, 386, 209, 30);
    pSlider->setMaxValue(50.0f);
    pSlider->setCurrentValue(32.0f);
    add(pSlider);
    for (int i = 0; i < 2; ++i) {
        auto* pCheck = static_cast<CEGUI::ToggleButton*>(createGuiWindow(GuiWidget::Checkbox));
        placeInPixels(pCheck, float(720 + 40 * i), 380, 41, 40);
        pCheck->setSelected(i == 1);
        add(pCheck);
    }
    m_pTextBox = createGuiWindow(GuiWidget::TextBox);
    placeInPixels(m_pTextBox, 500, 420, 202, 41);
    m_pTextBox->setFont(STYLO_FONT);
    m_pTextBox->setProperty("MaxTextLength", "15");
    add(m_pTextBox);
}

Picture ReadFrame()
{
    Picture picture(800 * 600, 0xFF000000);
    IDirect3DSurface8* pTarget = nullptr;
    if (FAILED(Vantile::CD3D9RenderSystem::Instance().GetDevice()->GetRenderTarget(&pTarget)))
        return picture;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(pTarget->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
        for (int y = 0; y < 600; ++y) {
            const uint32_t* pRow =
                reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(locked.pBits) + size_t(y) * locked.Pitch);
            for (int x = 0; x < 800; ++x)
                picture[size_t(y) * 800 + x] = pRow[x] | 0xFF000000u;
        }
        pTarget->UnlockRect();
    }
    pTarget->Release();
    return picture;
}

void CopyRect(const Picture& from, const SRect& rect, Picture& to)
{
    for (int y = rect.y; y < rect.y + rect.h; ++y)
        for (int x = rect.x; x < rect.x + rect.w; ++x)
            to[size_t(y) * 800 + x] = from[size_t(y) * 800 + x];
}

bool WritePicture(const Picture& picture, const std::string& strPath)
{
    std::vector<uint8_t> rgb(picture.size() * 3);
    for (size_t i = 0; i < picture.size(); ++i) {
        rgb[i * 3] = uint8_t(picture[i] >> 16);
        rgb[i * 3 + 1] = uint8_t(picture[i] >> 8);
        rgb[i * 3 + 2] = uint8_t(picture[i]);
    }
    return stbi_write_png(strPath.c_str(), 800, 600, 3, rgb.data(), 800 * 3) != 0;
}

// The menu background behind the sheet when the data has one.
class CBackdrop {
public:
    CBackdrop()
    {
        if (Vantile::CResourceManager::Instance().GetVFS().GetFile(0, "_main_menu.jpg", m_Probe) > 0)
            m_pSprite = std::make_unique<CSprite>("_main_menu.jpg", CSprite::WHITE, false, true);
    }
    void draw()
    {
        SetSpriteScreenTransforms(Vantile::CD3D9RenderSystem::Instance().GetDevice());
        if (m_pSprite)
            m_pSprite->draw();
    }

private:
    Vantile::CVFSFile m_Probe;
    std::unique_ptr<CSprite> m_pSprite;
};

Picture DrawFrame(CGuiDriver& driver, CBackdrop& backdrop)
{
    driver.frame(SEA, [&] { backdrop.draw(); });
    return ReadFrame();
}

int DrawSheet(const std::string& strOut)
{
    CGuiDriver driver;
    driver.handler().loadData();
    CSheetWindow sheet;
    sheet.create();
    sheet.show();
    CBackdrop backdrop;
    driver.click(600, 440);
    driver.typeText("Marina");
    driver.moveMouse(sheet.m_TextHover.x + 50, sheet.m_TextHover.y + 12);
    const Picture textHover = DrawFrame(driver, backdrop);
    driver.moveMouse(sheet.m_ImageHover.x + 50, sheet.m_ImageHover.y + 23);
    const Picture imageHover = DrawFrame(driver, backdrop);
    driver.moveMouse(sheet.m_ImagePushed.x + 50, sheet.m_ImagePushed.y + 23);
    driver.pressLeft();
    const Picture imagePushed = DrawFrame(driver, backdrop);
    driver.releaseLeft();
    driver.moveMouse(sheet.m_TextPushed.x + 50, sheet.m_TextPushed.y + 12);
    driver.pressLeft();
    const Picture textPushed = DrawFrame(driver, backdrop);
    driver.releaseLeft();
    // The text box takes the keyboard again, so its caret shows.
    driver.click(690, 440);
    driver.moveMouse(795, 595);
    Picture sheetPicture = DrawFrame(driver, backdrop);
    CopyRect(textHover, sheet.m_TextHover, sheetPicture);
    CopyRect(imageHover, sheet.m_ImageHover, sheetPicture);
    CopyRect(imagePushed, sheet.m_ImagePushed, sheetPicture);
    CopyRect(textPushed, sheet.m_TextPushed, sheetPicture);
    return WritePicture(sheetPicture, strOut) ? 0 : ToolFail(strOut, "cannot write the picture");
}

}  // namespace

int ToolRun_gui(const ToolArgs& args)
{
    if (args[0] != "--out")
        return ToolFail("gui", "usage: quellon-tool gui --out FILE.png");
    const std::string strData = CGameContext::gameFolder();
    Vantile::CD3D9RenderSystem& renderSystem = Vantile::CD3D9RenderSystem::Instance();
    const int nMode = renderSystem.FindVideoMode(800, 600, 32);
    if (nMode < 0 || !renderSystem.CreateRenderWindow(nMode, "quellon-tool gui", false))
        return ToolFail("gui", "no 800 x 600 device");
    try {
        Vantile::CResourceManager::Instance().Init(strData, true);
        CSpriteLoader::Instance().setFinished(true);
        return DrawSheet(args[1]);
    } catch (const Vantile::Exception& e) {
        return ToolFail(strData, e.getDetails());
    }
}
