// Text drawn straight onto the screen in the GUI's default font, word-wrapped
// inside a pixel rectangle: the tooltips and the power-up chooser use it.
// The GUI layer provides it; without one no text is drawn.
#pragma once

#include <string>

#include "d3d/d3dx8.h"

struct SPixelRect {
    float fLeft = 0.0f;
    float fTop = 0.0f;
    float fRight = 0.0f;
    float fBottom = 0.0f;
};

class ITextPainter {
public:
    virtual ~ITextPainter() = default;
    // With bCentred the lines are centred across and the block down the
    // rectangle; otherwise they start at its top left.
    virtual void drawWrapped(const std::string& strText, const SPixelRect& rect, float fScale, D3DCOLOR dwColour,
                             bool bCentred) = 0;
    // One line in the named font, centred on the pixel; nothing when the
    // font does not exist.
    virtual void drawLine(const std::string& strFont, const std::string& strText, float fX, float fY, float fScale,
                          D3DCOLOR dwColour) = 0;
};

// The painter the GUI layer set, or none.
ITextPainter* TextPainter();
void SetTextPainter(ITextPainter* pPainter);
