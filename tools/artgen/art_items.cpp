// Animation layers of the board items. Every layer is drawn from the same
// painter with a pose per frame, so a kind reads the same selected, moving
// or bursting as it does at rest.
#include <cmath>
#include <stdexcept>

#include "art_canvas.h"
#include "art_items.h"
#include "art_shapes.h"

namespace Art {

namespace {

const int kItemPixels = 55;

// How one frame shows the item, and what surrounds it.
struct SPose {
    SMotion motion;
    double fScale = 1, fAngle = 0, fBob = 0;
    double fWhite = 0;  // flash towards white
    double fAlpha = 1;
    double fHalo = 0;   // selection glow behind
    double fLift = 0;   // raised off the board: a farther, softer shadow
    double fRing = 0;   // burst ring radius, 0 for none
    double fRingAlpha = 0;
    double fBurst = -1;  // bubbles flying out, progress in [0, 1]
};

SPose PoseFor(const std::string& strLayer, int i, int n)
{
    const double t = double(i) / n, wave = std::sin(2 * kPi * t);
    SPose pose;
    pose.motion = {wave, t, 0};
    if (strLayer == "normal") {
        pose.fBob = 2.5 * std::sin(2 * kPi * t + 0.8);
    } else if (strLayer == "cursor") {
        // Picked up: lifted and larger, on a pulsing warm halo.
        pose.fScale = 1.14 + 0.03 * wave;
        pose.fBob = -3;
        pose.fLift = 1;
        pose.fHalo = 0.8 + 0.2 * wave;
    } else if (strLayer == "move") {
        pose.motion.fSway = std::sin(4 * kPi * t);
        pose.fScale = 1.03;
    } else if (strLayer == "delete") {
        // Frames 0-9 play over the kept rest look, so they keep the item
        // whole and a little larger; it bursts from frame 10 on.
        const double g = std::min(1.0, i / 9.0);
        pose.fScale = 1.06 + 0.2 * g;
        pose.fWhite = 0.85 * g * g;
        pose.fRing = 28 + 20 * g;
        pose.fRingAlpha = 0.7 * g;
        if (i >= 10) {
            pose.fAlpha = 0;
            pose.fBurst = (i - 9.0) / (n - 9.0);
            pose.fRing = 48 + 8 * pose.fBurst;
            pose.fRingAlpha = 0.7 * (1 - pose.fBurst);
        }
    } else if (strLayer == "delete2") {
        const double g = double(i) / (n - 1);
        pose.fScale = 1.0 - 0.85 * g;
        pose.fAngle = 2.5 * g;
        pose.fAlpha = 1 - g * g;
        pose.fBurst = 0.2 + 0.8 * g;
    } else if (strLayer == "trunk_fall") {
        pose.fAngle = 0.1 * std::sin(4 * kPi * t);
        pose.fHalo = 0.4 * t;
    } else if (strLayer == "trunk_open") {
        const double g = double(i) / (n - 1);
        pose.motion.fOpen = std::min(1.0, g * 1.6);
        pose.fHalo = g;
        pose.fScale = 1 + 0.08 * g;
    } else {
        throw std::runtime_error("no animation for layer \"" + strLayer + "\"");
    }
    return pose;
}

// Droplets in the item's colour and bubbles flying out of the cell.
void PaintBurst(cairo_t* c, const SKind& kind, double fProgress)
{
    CRandom random(7);
    for (int i = 0; i < 10; ++i) {
        const double a = 2 * kPi * i / 10 + 0.3, d = 14 + 40 * std::sqrt(fProgress) * random.Range(0.8, 1.1);
        cairo_arc(c, std::cos(a) * d, std::sin(a) * d, 4.5 * (1 - fProgress) + 1, 0, 2 * kPi);
        SetColour(c, Lighter(kind.Get("body"), 0.2), 1 - fProgress);
        cairo_fill(c);
    }
    for (int i = 0; i < 9; ++i) {
        const double a = 2 * kPi * i / 9 + random.Range(-0.3, 0.3), d = 10 + 36 * fProgress * random.Range(0.7, 1.1);
        DrawBubble(c, std::cos(a) * d, std::sin(a) * d - 6 * fProgress, random.Range(3.5, 7) * (1.1 - 0.4 * fProgress),
                   1 - fProgress * fProgress);
    }
    DrawSparkle(c, 0, 0, 26 * (1 - fProgress), 1 - fProgress);
}

// A warm glow filling the cell behind a picked-up item, rimmed by a
// bright ring at the cell's edge.
void PaintHalo(cairo_t* c, double fStrength)
{
    const SColour warm = {1.0, 0.84, 0.25, 1};
    PaintGlow(c, 0, 0, 50, warm, fStrength);
    cairo_new_sub_path(c);
    cairo_arc(c, 0, 0, 45, 0, 2 * kPi);
    cairo_set_source_rgba(c, 0.35, 0.2, 0.0, 0.5 * fStrength);
    cairo_set_line_width(c, 7);
    cairo_stroke_preserve(c);
    cairo_set_source_rgba(c, 1, 0.93, 0.45, fStrength);
    cairo_set_line_width(c, 4);
    cairo_stroke(c);
}

void PaintFrame(cairo_t* c, ItemPainter pPainter, const SKind& kind, const SPose& pose)
{
    if (pose.fHalo > 0)
        PaintHalo(c, pose.fHalo);
    if (pose.fAlpha > 0)
        DrawWithShadow(
            c,
            [&](cairo_t* p) {
                cairo_push_group(p);
                cairo_translate(p, 0, pose.fBob);
                cairo_rotate(p, pose.fAngle);
                cairo_scale(p, pose.fScale * 0.86, pose.fScale * 0.86);
                pPainter(p, kind, pose.motion);
                if (pose.fWhite > 0) {
                    cairo_set_operator(p, CAIRO_OPERATOR_ATOP);
                    const SColour flash = Lighter(kind.Get("body"), 0.7);
                    cairo_set_source_rgba(p, flash.r, flash.g, flash.b, pose.fWhite);
                    cairo_paint(p);
                }
                cairo_pop_group_to_source(p);
                cairo_paint_with_alpha(p, pose.fAlpha);
            },
            2 + 2 * pose.fLift, 3 + 2.5 * pose.fLift, 3 + int(2 * pose.fLift), (0.55 - 0.1 * pose.fLift) * pose.fAlpha);
    if (pose.fRingAlpha > 0) {
        cairo_arc(c, 0, 0, pose.fRing, 0, 2 * kPi);
        SetColour(c, Lighter(kind.Get("body"), 0.35), pose.fRingAlpha);
        cairo_set_line_width(c, 4);
        cairo_stroke(c);
    }
    if (pose.fBurst >= 0)
        PaintBurst(c, kind, pose.fBurst);
}

}  // namespace

void PaintItemFrame(cairo_t* c, const std::string& strKind, const SKind& kind, const std::string& strLayer, int i,
                    int n)
{
    PaintFrame(c, FindPainter(strKind), kind, PoseFor(strLayer, i, n));
}

namespace {

void RenderItemFrame(const std::string& strPath, ItemPainter pPainter, const SKind& kind, const SPose& pose)
{
    CCanvas canvas(kItemPixels, kItemPixels);
    cairo_t* c = canvas.Context();
    cairo_translate(c, kItemPixels / 2.0, kItemPixels / 2.0);
    cairo_scale(c, kItemPixels / 100.0, kItemPixels / 100.0);
    PaintFrame(c, pPainter, kind, pose);
    canvas.WriteDds(strPath);
}

std::string KindOf(const SLayerLine& layer)
{
    if (layer.strType == "eTrunk")
        return "trunk";
    const std::string strBase = TextureBase(layer.strTexture), strPrefix = "item_", strSuffix = "_" + layer.strName;
    if (strBase.compare(0, strPrefix.size(), strPrefix) != 0 || strBase.size() <= strPrefix.size() + strSuffix.size())
        throw std::runtime_error(layer.strTexture + ": not named item_KIND_" + layer.strName + ".ifl");
    return strBase.substr(strPrefix.size(), strBase.size() - strPrefix.size() - strSuffix.size());
}

// A falling item shows its move frames (the trunk, having none, its rest
// frames): both are driven by their path, so they only need to loop.
const SLayerLine& FallingSource(const std::vector<SLayerLine>& layers, const SLayerLine& falling)
{
    const SLayerLine* pSource = nullptr;
    for (const SLayerLine& layer : layers)
        if (layer.strType == falling.strType && (layer.strName == "move" || (!pSource && layer.strName == "normal")))
            pSource = &layer;
    if (!pSource || pSource->nFrames != falling.nFrames)
        throw std::runtime_error(falling.strTexture + ": needs a move or normal layer of as many frames");
    return *pSource;
}

}  // namespace

ItemPainter FindPainter(const std::string& strKind)
{
    ItemPainter pPainter = FindFishPainter(strKind);
    if (!pPainter)
        pPainter = FindSpecialPainter(strKind);
    if (!pPainter)
        throw std::runtime_error("no painter for item kind \"" + strKind + "\"");
    return pPainter;
}

std::vector<std::string> WriteItemLayers(const std::vector<SLayerLine>& layers,
                                         const std::map<std::string, SKind>& kinds, const std::string& strOutDir)
{
    std::vector<std::string> written;
    for (const SLayerLine& layer : layers) {
        const std::string strKind = KindOf(layer);
        const auto itKind = kinds.find(strKind);
        if (itKind == kinds.end())
            throw std::runtime_error(layer.strTexture + ": kind \"" + strKind + "\" has no colours");
        const bool bShared = layer.strName == "falling";
        const std::string strFrameBase = TextureBase(bShared ? FallingSource(layers, layer).strTexture : layer.strTexture);
        std::vector<std::string> frames;
        for (int i = 0; i < layer.nFrames; ++i) {
            frames.push_back(FrameName(strFrameBase, i));
            if (bShared)
                continue;
            RenderItemFrame(strOutDir + "/" + frames.back(), FindPainter(strKind), itKind->second,
                            PoseFor(layer.strName, i, layer.nFrames));
            written.push_back(frames.back());
        }
        WriteIfl(strOutDir + "/" + layer.strTexture, layer.nFps, frames);
        written.push_back(layer.strTexture);
    }
    return written;
}

}  // namespace Art
