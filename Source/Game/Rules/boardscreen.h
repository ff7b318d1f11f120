// The board drawn on its own into the 800 x 600 back buffer, without the
// game session's stages: the tool's shot and window, the tests and the
// benchmark draw a board driver's frames through it.
#pragma once

#include <functional>
#include <string>

#include "Renderstages/vantile_renderqueue.h"

class CBoardDriver;

// The level's field picture, as "game.gam" names it; empty when the level
// is not listed there.
std::string FieldPictureOf(const std::string& strLevel);

class CBoardScreen {
public:
    // The deep water the board floats in until the aquarium scenes draw
    // there.
    static constexpr D3DCOLOR SEA_COLOUR = 0xFF0A2E4C;

    // Opens the 800 x 600 device and lets items, cells and effects draw
    // through sprites from then on; false when there is no device.
    static bool openDevice(const std::string& strTitle);
    // Items draw their layers through sprites from then on.
    static void attachItemVisuals();
    // Sprites and batches hold textures of the device, so they go first.
    static void closeDrawing();

    // Makes its own render queue current. Without a loader the effects
    // come from the data folder's effect files.
    explicit CBoardScreen(Vantile::CRenderQueue::EffectLoader loader = nullptr);

    // One frame: the board's update and render, drawn over the sea colour;
    // drawOver queues what goes on top of the board (a HUD, tooltips).
    void frame(CBoardDriver& driver, const std::function<void()>& drawOver = nullptr);
    // One frame of something else drawn over the sea colour.
    void frame(const std::function<void()>& draw);

private:
    void scene(const std::function<void()>& draw);

    Vantile::CRenderQueue m_Queue;
};
