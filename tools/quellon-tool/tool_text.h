// Text for the tool's pictures without the GUI system: lines set with
// cairo into textures of their own and drawn as sprites. It stands in for
// the GUI's fonts, so a picture shows the texts of tooltips, hints, the
// level title and messages where the game draws them.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "Game/Hints/hintmanager.h"
#include "Game/Hints/textpainter.h"
#include "Game/Hud/chargebutton.h"
#include "Game/Hud/hudwindows.h"

class CSprite;

class CToolText : public ITextPainter {
public:
    CToolText();
    ~CToolText() override;

    // fScale 1 is the GUI's default font size.
    void drawWrapped(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                     bool bCentred) override;

private:
    CSprite& sprite(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                    bool bCentred);

    std::map<std::string, std::unique_ptr<CSprite>> m_Sprites;
};

// The HUD's windows as the tool draws them: the level title on its plate
// and the time-out text; buttons take no clicks.
class CToolHudWindows : public IHudWindows {
public:
    explicit CToolHudWindows(CToolText& text) : m_Text(text) {}

    void showSheet() override {}
    void setMenuButtonPixel(float, float) override {}
    void setLevelTitlePixel(float fX, float fY) override;
    void setLevelTitle(const std::string& strTitle) override { m_strTitle = strTitle; }
    std::unique_ptr<IChargeButtonWindow> makeChargeButton(const std::string&, float, float) override
    {
        return nullptr;
    }
    void showTimeoutMessage(const std::string& strText) override { m_strMessage = strText; }
    void hideTimeoutMessage() override { m_strMessage.clear(); }

private:
    CToolText& m_Text;
    std::string m_strTitle;
    std::string m_strMessage;
};

// A hover hint's text window, drawn wherever the bubble puts it.
class CToolHintText : public IHintTextWindow {
public:
    CToolHintText(CToolText& text, const std::string& strText) : m_Text(text), m_strText(strText) {}
    void attach(float fWidth, float fHeight) override;
    void detach() override { m_bAttached = false; }
    void place(float fX, float fY, float fAlpha) override;

private:
    CToolText& m_Text;
    std::string m_strText;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
    bool m_bAttached = false;
};
