// The story art: the comic panels of content/story/story.txt with their
// lettering, the story backdrop and the title picture behind the loading
// bar. Private to the story group: its cast, scenery and lettering, drawn
// in pixels with y down, comic style (flat colour, dark outline, a touch
// of light from above).
#pragma once

#include <cairo.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "art_tables.h"

namespace Art {

// One panel of the script.
struct SStoryPanel {
    std::string strName;
    int nWidth = 0;
    int nHeight = 0;
    std::string strCaption;
    std::string strSay;
};

// The panels of the script "story.txt"; a malformed line throws
// std::runtime_error naming the file and line.
std::vector<SStoryPanel> ReadStoryScript(const std::string& strPath);

struct SStoryArt {
    std::map<std::string, SKind> kinds;
};

// Draws the picture of a panel with its speech balloon; the caption box
// and the frame come after, at the top unless the panel wants it below.
struct SPanelPainter {
    std::function<void(cairo_t*, const SStoryArt&, const SStoryPanel&, double w, double h)> fnPaint;
    bool bCaptionBelow = false;
};
const std::map<std::string, SPanelPainter>& PanelPainters();

// ---- The cast. (x, y) is where the feet (or the belly) touch, s = 1
// makes a standing figure about 100 pixels tall; bFlip faces left.
enum class EPose { Stand, Wave, Cheer, Swim, Hold, Sit, Dive };
void PaintMira(cairo_t* c, double x, double y, double s, EPose pose, bool bFlip = false, bool bMaskOn = false);
void PaintGrandpa(cairo_t* c, double x, double y, double s, bool bHelmet, bool bFlip = false);
void PaintTurtle(cairo_t* c, double x, double y, double s, bool bFlip = false);
// A board item kind ("clown", "angler", "trunk", ...) centred at (x, y),
// fSize pixels across.
void PaintKindAt(cairo_t* c, const SStoryArt& art, const std::string& strKind, double x, double y, double fSize,
                 bool bFlip = false, double fSway = 0.0);
void PaintPip(cairo_t* c, const SStoryArt& art, double x, double y, double fSize, bool bFlip = false);
void PaintTrunkAt(cairo_t* c, const SStoryArt& art, double x, double y, double fSize, bool bOpen = false);

// ---- Scenery.
// Fills the current path with a gradient from top to bottom and ends it.
void FillDown(cairo_t* c, double fTop, double fBottom, const SColour& top, const SColour& bottom);
void PaintDaySky(cairo_t* c, double w, double fHorizon, double fSunset);
void PaintNightSky(cairo_t* c, double w, double fHorizon, unsigned nSeed);
void PaintSeaSurface(cairo_t* c, double w, double h, double fHorizon, double fDark);
void PaintUnderwater(cairo_t* c, double w, double h, double fDepth);
void PaintRays(cairo_t* c, double w, double h, double fAlpha);
void PaintSeabed(cairo_t* c, double w, double h, double y, unsigned nSeed);
void PaintBubbles(cairo_t* c, double w, double h, int nCount, unsigned nSeed);
void PaintIsland(cairo_t* c, double cx, double y, double fWidth);
void PaintPalm(cairo_t* c, double x, double y, double s);
void PaintHut(cairo_t* c, double x, double y, double s);
void PaintPier(cairo_t* c, double x0, double x1, double y, bool bBroken);
void PaintBoat(cairo_t* c, double x, double y, double s, bool bSunk, bool bSail);
void PaintCoral(cairo_t* c, double x, double y, double s, const std::string& strColour, unsigned nSeed);
void PaintKelp(cairo_t* c, double x, double y, double fHeight, double fSway, double fDark);
void PaintGlowAt(cairo_t* c, double x, double y, double r, const std::string& strColour, double fAlpha);
void PaintCompass(cairo_t* c, double x, double y, double r);
void PaintParchment(cairo_t* c, double x, double y, double w, double h, double fTilt);

// ---- Lettering in the comic hand.
// A caption box along the top (or bottom) edge; returns its height.
double LetterCaption(cairo_t* c, double w, double h, const std::string& strText, bool bBottom);
// A speech balloon whose text block is centred at (cx, cy) and whose tail
// points at (tx, ty).
void LetterSpeech(cairo_t* c, double cx, double cy, double fMaxWidth, const std::string& strText, double tx,
                  double ty);
// Big outlined sound-effect letters centred at (cx, cy).
void LetterShout(cairo_t* c, double cx, double cy, double fSize, const std::string& strText, const std::string& strFill);

}  // namespace Art
