// The GUI fixture with what the HUD, hints and chooser need besides: text
// windows ("Velmora/DoubleText", "Velmora/CenteredText"), the menu
// button's images and the game's sprite effects. Started with its data.
#pragma once

#include <string>
#include <vector>

#include "support/gui_scene.h"

class HudGuiScene : public GuiScene {
protected:
    void SetUp() override;
    // The codes of the game events waiting, which leave the queue.
    static std::vector<int> drainEvents();
};
