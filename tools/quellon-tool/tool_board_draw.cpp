#include "tool_board_draw.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "Core/vantile_input.h"
#include "Core/vantile_random.h"
#include "Game/Aquarium/aquariumscreen.h"
#include "Game/Rules/boarddriver.h"
#include "Game/Rules/boardscreen.h"
#include "Game/Board/gamecell.h"
#include "Game/Board/gamefield.h"
#include "Game/Items/gameitem.h"
#include "Game/Script/gamescript.h"
#include "RenderSystem/vantile_framepicture.h"
#include "RenderSystem/vantile_rendersystem.h"
#include "RenderSystem/vantile_renderwindow.h"
#include "tool_commands.h"
#include "tool_hud_draw.h"

namespace {

// Enough for the backgrounds' disintegrations and the items' first looks
// to play out before the picture is taken.
const int MIN_SHOT_FRAMES = 90;
const int MAX_SHOT_FRAMES = 2000;
// Moves the bot plays behind an aquarium shot; the picture is taken once
// the last one has settled, while its food still sinks.
const int AQUARIUM_SHOT_MOVES = 4;

// Mouse input in board units for the board, Esc to leave.
class CBoardInput : public Vantile::IInputHandler {
public:
    explicit CBoardInput(CGameField& field) : m_Field(field) {}

    bool handleInput(const Vantile::InputEvent& evt) override
    {
        if (evt.type == Vantile::INPUT_KEY && evt.key.down && evt.key.vk == VK_ESCAPE)
            m_bQuit = true;
        if (evt.type != Vantile::INPUT_MOUSE)
            return true;
        const D3DXVECTOR3 vPoint(float(evt.mouse.x) - 400.0f, 300.0f - float(evt.mouse.y), 0.0f);
        if (evt.mouse.action == Vantile::MOUSE_LEFT_DOWN)
            m_Field.mouseDown(vPoint);
        else if (evt.mouse.action == Vantile::MOUSE_LEFT_UP)
            m_Field.mouseUp(vPoint);
        else if (evt.mouse.action == Vantile::MOUSE_MOVE)
            m_Field.mouseMove(vPoint);
        return true;
    }

    bool wantsToQuit() const { return m_bQuit; }

private:
    CGameField& m_Field;
    bool m_bQuit = false;
};

void DispatchMessages()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void RestoreBackgrounds(CGameField& field, const SBoardLayout& layout)
{
    for (int k = 0; k < CLevel::CELL_COUNT; ++k)
        if (layout.cleared[k])
            field.cell(k / CGameField::SIZE, k % CGameField::SIZE)->clearBackground();
}

}  // namespace

SBoardLayout CaptureLayout(const CGameField& field)
{
    SBoardLayout layout;
    for (int k = 0; k < CLevel::CELL_COUNT; ++k) {
        const CGameCell* pCell = field.cell(k / CGameField::SIZE, k % CGameField::SIZE);
        CLevel::CellRecord& record = layout.cells[k];
        record.m_bExists = pCell->exists();
        record.m_nType = pCell->item() ? pCell->item()->getType() : 0;
        record.m_nLives = pCell->item() ? pCell->item()->getHits() : 0;
        layout.cleared[k] = pCell->isCleared();
    }
    return layout;
}

int DrawBoardShot(const SBoardLayout& layout, const std::string& strPicture, const std::string& strOut,
                  const std::string& strHudLevel)
{
    // The picture is made offscreen even on a desktop.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool board"))
        return ToolFail("board", "no 800 x 600 device");
    bool bSaved = false;
    {
        CGameField field;
        field.initCells(strPicture);
        CBoardDriver driver(field, true);
        field.applyLevel(layout.cells);
        RestoreBackgrounds(field, layout);
        // With the HUD the GUI draws the frames; without it the board screen.
        std::unique_ptr<CHudShot> pHud(strHudLevel.empty() ? nullptr : new CHudShot(strHudLevel));
        std::unique_ptr<CBoardScreen> pScreen(pHud ? nullptr : new CBoardScreen);
        const float fSeconds = CBoardDriver::FRAME_MS / 1000.0f;
        for (int i = 0; i < MAX_SHOT_FRAMES && (i < MIN_SHOT_FRAMES || !driver.isSettled()); ++i) {
            if (!pHud) {
                pScreen->frame(driver);
                continue;
            }
            if (i >= MIN_SHOT_FRAMES / 2 && driver.isSettled())
                pHud->showTooltip(field);
            pHud->frame(driver, fSeconds);
        }
        bSaved = Vantile::SaveFramePicture(strOut);
    }
    CBoardScreen::closeDrawing();
    return bSaved ? 0 : ToolFail(strOut, "cannot write the picture");
}

int DrawAquariumShot(const SBoardLayout& layout, const std::string& strLevel, unsigned nSeed, const std::string& strOut)
{
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    if (!CBoardScreen::openDevice("quellon-tool board"))
        return ToolFail("board", "no 800 x 600 device");
    bool bSaved = false;
    {
        Vantile::SeedRandom(nSeed);
        CAquariumScreen screen;
        screen.startLevel(AquariumLevelOf(strLevel));
        CGameField field;
        field.setAquarium(&screen.aquarium());
        field.initCells(FieldPictureOf(strLevel));
        CBoardDriver driver(field, true, nSeed);
        field.applyLevel(layout.cells);
        RestoreBackgrounds(field, layout);
        // The fish spread out while the bot plays.
        for (int nMove = 0; nMove <= AQUARIUM_SHOT_MOVES; ++nMove) {
            for (int i = 0; i < MAX_SHOT_FRAMES && (i < MIN_SHOT_FRAMES || !driver.isSettled()); ++i)
                screen.frame(driver);
            std::pair<CGameCell*, CGameCell*> move;
            if (nMove < AQUARIUM_SHOT_MOVES && driver.chooseMove(move))
                driver.playMove(move.first, move.second);
        }
        bSaved = Vantile::SaveFramePicture(strOut);
        field.setAquarium(nullptr);
    }
    CBoardScreen::closeDrawing();
    return bSaved ? 0 : ToolFail(strOut, "cannot write the picture");
}

int PlayBoardWindow(const std::string& strLevel, const std::string& strBytes, unsigned nSeed)
{
    if (!CBoardScreen::openDevice("Quellon - " + strLevel))
        return ToolFail("board", "no 800 x 600 window");
    RunStartupScript("init.lua");
    Vantile::SeedRandom(nSeed);
    {
        CGameField field;
        field.initCells(FieldPictureOf(strLevel.substr(strLevel.find_last_of('/') + 1)));
        CBoardDriver driver(field, false, nSeed);
        field.LoadBytes(strLevel, strBytes);
        CBoardInput input(field);
        Vantile::CD3D9RenderWindow* pWindow = Vantile::CD3D9RenderSystem::Instance().GetRenderWindow();
        pWindow->SetInputHandler(&input);
        CBoardScreen screen;
        while (!input.wantsToQuit() && !pWindow->IsClosed()) {
            DispatchMessages();
            if (pWindow->IsDrawable())
                screen.frame(driver);
            pWindow->Update();
            // A won level starts again once its trunk has opened.
            if (driver.isWon() && driver.isSettled()) {
                field.reset();
                field.LoadBytes(strLevel, strBytes);
                driver.clearRecords();
            }
        }
        pWindow->SetInputHandler(nullptr);
    }
    CBoardScreen::closeDrawing();
    return 0;
}
