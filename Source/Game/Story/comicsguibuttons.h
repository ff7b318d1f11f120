// The story screen's buttons in the GUI: a root sheet holding a container
// with "skip" and "next" in the locale's words.
#pragma once

#include "Game/Story/comicsbuttons.h"

namespace CEGUI {
class Window;
}

class CComicsGuiButtons : public IComicsButtons {
public:
    static constexpr float SKIP_X = 290.0f;
    static constexpr float NEXT_X = 405.0f;
    static constexpr float BUTTONS_Y = 552.0f;

    // Needs the GUI system with the game's scheme and fonts.
    CComicsGuiButtons();
    ~CComicsGuiButtons() override;
    CComicsGuiButtons(const CComicsGuiButtons&) = delete;
    CComicsGuiButtons& operator=(const CComicsGuiButtons&) = delete;

    void showSheet() override;
    bool isSkipPushed() const override;

private:
    CEGUI::Window* m_pRoot;
    CEGUI::Window* m_pSkip;
};
