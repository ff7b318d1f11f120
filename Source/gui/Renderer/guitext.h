// Text the game draws itself with a GUI font, outside any window (a prompt
// on the map, the power-up chooser's text). Call draw every frame it is to
// be seen, after the GUI frame handler's frameStarted and before the GUI
// render stage; unchanged text reuses its nodes.
#pragma once

#include <string>

#include <CEGUI/Colour.h>
#include <CEGUI/String.h>
#include <CEGUI/Vector.h>

namespace CEGUI {
class GeometryBuffer;
}

class CGuiText {
public:
    CGuiText();
    ~CGuiText();
    CGuiText(const CGuiText&) = delete;
    CGuiText& operator=(const CGuiText&) = delete;

    // The text's top-left corner at the pixel; an unknown font draws
    // nothing. Without a font name, the GUI's default font.
    void draw(const CEGUI::String& strFont, const CEGUI::String& strText, const CEGUI::Vector2f& vPosition,
              const CEGUI::Colour& colour, float fScale = 1.0f);

private:
    CEGUI::GeometryBuffer* m_pBuffer;
    CEGUI::String m_strFont;
    CEGUI::String m_strText;
    CEGUI::Vector2f m_vPosition = CEGUI::Vector2f(-1.0f, -1.0f);
    CEGUI::Colour m_Colour;
    float m_fScale = 0.0f;
};
