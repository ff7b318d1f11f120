// The hints' and the chooser's pieces in the GUI: a hover hint's text
// window, the chooser's sheet with its OK button, and text drawn straight
// onto the screen in the GUI's fonts (tooltips, the chooser's
// instructions, the map's continue prompt).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "Game/Hints/hintmanager.h"
#include "Game/Hints/powerupchoosedialog.h"
#include "Game/Hints/textpainter.h"

namespace CEGUI {
class EventArgs;
class Font;
class GeometryBuffer;
class Window;
}

class CHintGuiText : public IHintTextWindow {
public:
    explicit CHintGuiText(const std::string& strText);
    ~CHintGuiText() override;
    CHintGuiText(const CHintGuiText&) = delete;
    CHintGuiText& operator=(const CHintGuiText&) = delete;

    void attach(float fWidth, float fHeight) override;
    void detach() override;
    void place(float fX, float fY, float fAlpha) override;

private:
    CEGUI::Window* m_pWindow;
    float m_fWidth = 0.0f;
    float m_fHeight = 0.0f;
};

class CChooserGuiWindows : public IChooserWindows {
public:
    CChooserGuiWindows();
    ~CChooserGuiWindows() override;
    CChooserGuiWindows(const CChooserGuiWindows&) = delete;
    CChooserGuiWindows& operator=(const CChooserGuiWindows&) = delete;

    void setOnOk(std::function<void()> onOk) override { m_OnOk = std::move(onOk); }
    void show() override;
    CEGUI::Window* okButton() const { return m_pOk; }

private:
    bool onOk(const CEGUI::EventArgs&);

    CEGUI::Window* m_pRoot;
    CEGUI::Window* m_pButtons;
    CEGUI::Window* m_pOk;
    std::function<void()> m_OnOk;
};

class CGuiTextPainter : public ITextPainter {
public:
    CGuiTextPainter();
    ~CGuiTextPainter() override;
    CGuiTextPainter(const CGuiTextPainter&) = delete;
    CGuiTextPainter& operator=(const CGuiTextPainter&) = delete;

    void drawWrapped(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                     bool bCentred) override;
    void drawLine(const std::string& strFont, const std::string& strText, float fX, float fY, float fScale,
                  D3DCOLOR dwColour) override;

private:
    CEGUI::GeometryBuffer& frameBuffer();

    // This frame's buffers; the last frame's are freed once the GUI has
    // drawn them.
    std::vector<CEGUI::GeometryBuffer*> m_Buffers;
    std::vector<CEGUI::GeometryBuffer*> m_Drawn;
    double m_dFrame = -1.0;
};

// The hint manager's text windows become GUI windows, and the screen's
// text is drawn in the GUI's fonts.
void UseGuiForHints(CGuiTextPainter& painter);
