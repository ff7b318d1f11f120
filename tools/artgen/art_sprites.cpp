// The sprite table: which painter draws each named sprite, and how its
// frames become files.
#include "art_sprites.h"

#include <cmath>
#include <functional>
#include <stdexcept>

#include "art_canvas.h"
#include "art_cells.h"
#include "art_effects.h"
#include "art_items.h"
#include "art_session.h"

namespace Art {

namespace {

using SpritePainter = std::function<void(cairo_t*, const SSpriteContext&, double)>;

void PaintCrabWalk(cairo_t* c, const SSpriteContext& context, const char* pszKind, double t)
{
    SMotion motion;
    motion.fBeat = t;
    cairo_translate(c, 0, 2 * std::abs(std::sin(2 * kPi * t)));
    FindPainter(pszKind)(c, context.kinds.at(pszKind), motion);
}

const std::map<std::string, SpritePainter>& Painters()
{
    using C = const SSpriteContext&;
    static const std::map<std::string, SpritePainter> kPainters = {
        {"cell_bg_a", [](cairo_t* c, C x, double) { PaintClearedCell(c, x); }},
        {"cell_possible", [](cairo_t* c, C x, double) { PaintPossible(c, x); }},
        {"select-1", [](cairo_t* c, C x, double) { PaintSelectMarker(c, x); }},
        {"double_delete_marker", [](cairo_t* c, C x, double) { PaintDoubleMarker(c, x); }},
        {"double_delete", PaintNetTear},
        {"cell_disintigrate", PaintSandPuff},
        {"flare", PaintFlare},
        {"seaurchin", [](cairo_t* c, C x, double t) { PaintSeaUrchin(c, x, t, 1.0); }},
        {"seaurchin_fade_in", [](cairo_t* c, C x, double t) { PaintSeaUrchin(c, x, t, 0.15 + 0.85 * t); }},
        {"cara_spray", PaintInkSpray},
        {"cara_fade_out", PaintCuttlefishFade},
        {"pearl_lev1", PaintPearl},
        {"pearl_lev2", PaintPearlHalo},
        {"flash-02", [](cairo_t* c, C x, double) { PaintBolt(c, x); }},
        {"ray_fade_out", PaintRayFade},
        {"turtle_move", PaintTurtle},
        {"crab_move", [](cairo_t* c, C x, double t) { PaintCrabWalk(c, x, "crab_h", t); }},
        {"crab_move_ver", [](cairo_t* c, C x, double t) { PaintCrabWalk(c, x, "crab_v", t); }},
        {"seastar_move", PaintStarSpin},
        {"particle_seastar", PaintStarParticle},
        {"trunk_effect", [](cairo_t* c, C x, double) { PaintTrunkBeam(c, x); }},
        {"clear_burst", PaintClearBurst},
        {"score_digits", PaintScoreGlyph},
        {"pause", [](cairo_t* c, C x, double) { PaintPauseSign(c, x); }},
        {"cursor", PaintCursor},
        {"bubble_00", [](cairo_t* c, C, double t) { PaintRisingBubble(c, t, 0.08); }},
        {"bubble_01", [](cairo_t* c, C, double t) { PaintRisingBubble(c, t, 0.06); }},
        {"bubble_02", [](cairo_t* c, C, double t) { PaintRisingBubble(c, t, 0.04); }},
    };
    return kPainters;
}

// "double_delete.dds" and "double_delete.ifl" share a base name but are
// different pictures: the still is the net, the list its tearing.
std::string PainterKey(const SSpriteLine& sprite)
{
    const std::string strBase = TextureBase(sprite.strName);
    return strBase == "double_delete" && sprite.nFrames == 1 ? "double_delete_marker" : strBase;
}

}  // namespace

SColour SSpriteContext::Colour(const std::string& strName) const
{
    const auto it = palette.find(strName);
    if (it == palette.end())
        throw std::runtime_error("palette has no colour \"" + strName + "\"");
    return it->second;
}

void PaintSprite(cairo_t* pCairo, const SSpriteContext& context, const SSpriteLine& sprite, int i)
{
    const auto it = Painters().find(PainterKey(sprite));
    if (it == Painters().end())
        throw std::runtime_error(sprite.strName + ": no painter draws it");
    cairo_save(pCairo);
    cairo_translate(pCairo, sprite.nWidth / 2.0, sprite.nHeight / 2.0);
    cairo_scale(pCairo, sprite.nWidth / 100.0, sprite.nHeight / 100.0);
    it->second(pCairo, context, double(i) / sprite.nFrames);
    cairo_restore(pCairo);
}

std::vector<std::string> WriteSprites(const std::vector<SSpriteLine>& sprites, const SSpriteContext& context,
                                      const std::string& strOutDir)
{
    std::vector<std::string> written;
    for (const SSpriteLine& sprite : sprites) {
        const bool bList = sprite.strName.find(".ifl") != std::string::npos;
        std::vector<std::string> frames;
        for (int i = 0; i < sprite.nFrames; ++i) {
            CCanvas canvas(sprite.nWidth, sprite.nHeight);
            PaintSprite(canvas.Context(), context, sprite, i);
            frames.push_back(bList ? FrameName(TextureBase(sprite.strName), i) : sprite.strName);
            // The pause picture is a PNG by its name; the rest are DDS.
            if (sprite.strName.size() > 4 && sprite.strName.compare(sprite.strName.size() - 4, 4, ".png") == 0)
                canvas.WritePng(strOutDir + "/" + frames.back());
            else
                canvas.WriteDds(strOutDir + "/" + frames.back());
            written.push_back(frames.back());
        }
        if (bList) {
            WriteIfl(strOutDir + "/" + sprite.strName, sprite.nFps, frames);
            written.push_back(sprite.strName);
        }
    }
    return written;
}

}  // namespace Art
