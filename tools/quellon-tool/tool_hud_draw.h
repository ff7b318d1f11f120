// The HUD's pictures for `quellon-tool`: a level with the HUD slid in and
// a tooltip showing, the power-up chooser, and the loading screen.
#pragma once

#include <memory>
#include <string>

class CGameField;
class CGameGui;
class CToolText;
class CToolHudWindows;

// The HUD as it stands some way into a level: panels in, part of the time
// used, both bars charging, a possible move shown by its tooltip.
class CHudShot {
public:
    explicit CHudShot(const std::string& strLevel);
    ~CHudShot();

    // Once the board has settled.
    void showTooltip(CGameField& field);
    // Every frame, over the board.
    void draw(float fSeconds);

private:
    std::unique_ptr<CToolText> m_pText;
    std::unique_ptr<CGameGui> m_pHud;
    bool m_bTooltip = false;
};

// Each opens the device itself and returns the tool's exit status.
int DrawChooserShot(const std::string& strOut);
int DrawLoadingShot(const std::string& strOut, int nPercent);

// Locale texts for the pictures, from the data folder's "locale.xml".
void LoadToolLocale();
