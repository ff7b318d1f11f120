// The HUD's pictures for `quellon-tool`: a level with the HUD slid in and
// a tooltip showing, the power-up chooser, and the loading screen, drawn
// offscreen with the game's art and its GUI.
#pragma once

#include <memory>
#include <string>

class CBoardDriver;
class CGameField;
class CGameGui;
class CGuiDriver;
class CGuiTextPainter;

// The HUD as it stands some way into a level: panels in, part of the time
// used, both bars charging, a possible move shown by its tooltip, the
// mouse resting on the score. Needs the open device.
class CHudShot {
public:
    explicit CHudShot(const std::string& strLevel);
    ~CHudShot();

    // Once the board has settled.
    void showTooltip(CGameField& field);
    // One frame: the board, the HUD over it, the GUI over both.
    void frame(CBoardDriver& driver, float fSeconds);

private:
    std::unique_ptr<CGuiDriver> m_pGui;
    std::unique_ptr<CGuiTextPainter> m_pPainter;
    std::unique_ptr<CGameGui> m_pHud;
    bool m_bTooltip = false;
};

// Each opens the device itself and returns the tool's exit status.
int DrawChooserShot(const std::string& strOut);
int DrawLoadingShot(const std::string& strOut, int nPercent);

// Locale texts for the pictures, from the data folder's "locale.xml".
void LoadToolLocale();
