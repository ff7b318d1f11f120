// How the framework makes CEGUI windows: every window is named by one
// process-wide counter ("1", "2", ...), never looked up by name, and placed
// in pixels of the 800 x 600 screen.
#pragma once

#include <string>

#include <CEGUI/String.h>

namespace CEGUI {
class Window;
}
class CSprite;

// A window of the type, named by the counter.
CEGUI::Window* createGuiWindow(const CEGUI::String& strType);
void placeInPixels(CEGUI::Window* pWindow, float fX, float fY, float fWidth, float fHeight);

// A 100 x 24 "Velmora/Button" with the text in the button font and the
// text colours of the menus.
CEGUI::Window* createTextButton(float fX, float fY, const CEGUI::String& strText);
// A "Velmora/DialogButton" showing two "MenuTexts" images, normal and
// hovered.
CEGUI::Window* createImageButton(float fX, float fY, float fWidth, float fHeight, const std::string& strNormal,
                                 const std::string& strHover);

// A window's painted background: the image with its top-left corner at the
// pixel (x, y), loaded at once.
CSprite* createBackgroundSprite(const std::string& strImage, float fX, float fY);
