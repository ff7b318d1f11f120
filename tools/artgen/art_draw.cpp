#include "art_draw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace Art {

SColour ParseColour(const std::string& strHex)
{
    const bool bAlpha = strHex.size() == 8;
    char* pEnd = nullptr;
    const unsigned long n = strtoul(strHex.c_str(), &pEnd, 16);
    if ((strHex.size() != 6 && !bAlpha) || *pEnd != '\0')
        throw std::runtime_error("bad colour \"" + strHex + "\"");
    SColour c;
    c.a = bAlpha ? ((n >> 24) & 0xFF) / 255.0 : 1.0;
    c.r = ((n >> 16) & 0xFF) / 255.0;
    c.g = ((n >> 8) & 0xFF) / 255.0;
    c.b = (n & 0xFF) / 255.0;
    return c;
}

SColour Mix(const SColour& a, const SColour& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

SColour Lighter(const SColour& c, double t) { return Mix(c, {1, 1, 1, c.a}, t); }
SColour Darker(const SColour& c, double t) { return Mix(c, {0, 0, 0, c.a}, t); }

void SetColour(cairo_t* pCairo, const SColour& c, double fAlpha)
{
    cairo_set_source_rgba(pCairo, c.r, c.g, c.b, c.a * fAlpha);
}

void FillVertical(cairo_t* pCairo, double fTop, double fBottom, const SColour& top, const SColour& bottom)
{
    cairo_pattern_t* pGradient = cairo_pattern_create_linear(0, fTop, 0, fBottom);
    cairo_pattern_add_color_stop_rgba(pGradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pGradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(pCairo, pGradient);
    cairo_fill_preserve(pCairo);
    cairo_pattern_destroy(pGradient);
}

void PaintGlow(cairo_t* pCairo, double x, double y, double fRadius, const SColour& c, double fAlpha)
{
    if (fRadius <= 0 || fAlpha <= 0)
        return;
    cairo_pattern_t* pGlow = cairo_pattern_create_radial(x, y, 0, x, y, fRadius);
    cairo_pattern_add_color_stop_rgba(pGlow, 0, c.r, c.g, c.b, fAlpha);
    cairo_pattern_add_color_stop_rgba(pGlow, 0.4, c.r, c.g, c.b, fAlpha * 0.45);
    cairo_pattern_add_color_stop_rgba(pGlow, 1, c.r, c.g, c.b, 0);
    cairo_set_source(pCairo, pGlow);
    cairo_arc(pCairo, x, y, fRadius, 0, 2 * kPi);
    cairo_fill(pCairo);
    cairo_pattern_destroy(pGlow);
}

void DrawSparkle(cairo_t* pCairo, double x, double y, double fSize, double fAlpha)
{
    PaintGlow(pCairo, x, y, fSize * 0.8, {1, 1, 0.9, 1}, fAlpha * 0.6);
    cairo_save(pCairo);
    cairo_translate(pCairo, x, y);
    for (int i = 0; i < 4; ++i) {
        cairo_move_to(pCairo, 0, -fSize);
        cairo_curve_to(pCairo, fSize * 0.08, -fSize * 0.1, fSize * 0.1, -fSize * 0.08, fSize * 0.0, 0);
        cairo_curve_to(pCairo, -fSize * 0.1, -fSize * 0.08, -fSize * 0.08, -fSize * 0.1, 0, -fSize);
        cairo_rotate(pCairo, kPi / 2);
    }
    cairo_set_source_rgba(pCairo, 1, 1, 1, fAlpha);
    cairo_fill(pCairo);
    cairo_restore(pCairo);
}

void DrawBubble(cairo_t* pCairo, double x, double y, double fRadius, double fAlpha)
{
    if (fAlpha <= 0 || fRadius <= 0)
        return;
    cairo_pattern_t* pBody = cairo_pattern_create_radial(x, y, fRadius * 0.3, x, y, fRadius);
    cairo_pattern_add_color_stop_rgba(pBody, 0, 0.7, 0.9, 1, 0.08 * fAlpha);
    cairo_pattern_add_color_stop_rgba(pBody, 0.85, 0.8, 0.95, 1, 0.3 * fAlpha);
    cairo_pattern_add_color_stop_rgba(pBody, 1, 1, 1, 1, 0.75 * fAlpha);
    cairo_set_source(pCairo, pBody);
    cairo_arc(pCairo, x, y, fRadius, 0, 2 * kPi);
    cairo_fill(pCairo);
    cairo_pattern_destroy(pBody);
    cairo_set_source_rgba(pCairo, 1, 1, 1, 0.9 * fAlpha);
    cairo_arc(pCairo, x - fRadius * 0.38, y - fRadius * 0.38, fRadius * 0.22, 0, 2 * kPi);
    cairo_fill(pCairo);
}

namespace {

// One horizontal and one vertical running-sum pass over premultiplied words.
void BoxPass(std::vector<unsigned int>& px, int w, int h, int r, bool bHorizontal)
{
    const int nLines = bHorizontal ? h : w, nLength = bHorizontal ? w : h;
    std::vector<unsigned int> line(nLength);
    for (int l = 0; l < nLines; ++l) {
        auto at = [&](int i) -> unsigned int& { return bHorizontal ? px[size_t(l) * w + i] : px[size_t(i) * w + l]; };
        for (int i = 0; i < nLength; ++i)
            line[i] = at(i);
        for (int c = 0; c < 4; ++c) {
            const int nShift = c * 8;
            int nSum = 0;
            for (int i = -r; i <= r; ++i)
                nSum += (i >= 0 && i < nLength) ? (line[i] >> nShift) & 0xFF : 0;
            for (int i = 0; i < nLength; ++i) {
                unsigned int& p = at(i);
                p = (p & ~(0xFFu << nShift)) | (unsigned(nSum / (2 * r + 1)) << nShift);
                const int nIn = i + r + 1, nOut = i - r;
                nSum += (nIn < nLength) ? (line[nIn] >> nShift) & 0xFF : 0;
                nSum -= (nOut >= 0) ? (line[nOut] >> nShift) & 0xFF : 0;
            }
        }
    }
}

}  // namespace

void BlurSurface(cairo_surface_t* pSurface, int nRadius)
{
    if (nRadius <= 0)
        return;
    cairo_surface_flush(pSurface);
    const int w = cairo_image_surface_get_width(pSurface), h = cairo_image_surface_get_height(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    unsigned char* pData = cairo_image_surface_get_data(pSurface);
    std::vector<unsigned int> px(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        std::copy_n(reinterpret_cast<unsigned int*>(pData + size_t(y) * nStride), w, &px[size_t(y) * w]);
    const int nBox = std::max(1, nRadius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        BoxPass(px, w, h, nBox, true);
        BoxPass(px, w, h, nBox, false);
    }
    for (int y = 0; y < h; ++y)
        std::copy_n(&px[size_t(y) * w], w, reinterpret_cast<unsigned int*>(pData + size_t(y) * nStride));
    cairo_surface_mark_dirty(pSurface);
}

void DrawWithShadow(cairo_t* pCairo, const std::function<void(cairo_t*)>& fnDraw, double dx, double dy,
                    int nBlur, double fShadowAlpha)
{
    cairo_surface_t* pTarget = cairo_get_target(pCairo);
    const int w = cairo_image_surface_get_width(pTarget), h = cairo_image_surface_get_height(pTarget);
    cairo_surface_t* pLayer = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* pLayerCairo = cairo_create(pLayer);
    cairo_matrix_t matrix;
    cairo_get_matrix(pCairo, &matrix);
    cairo_set_matrix(pLayerCairo, &matrix);
    fnDraw(pLayerCairo);
    cairo_destroy(pLayerCairo);

    cairo_surface_t* pShadow = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* pShadowCairo = cairo_create(pShadow);
    cairo_set_source_rgba(pShadowCairo, 0.0, 0.03, 0.1, fShadowAlpha);
    cairo_mask_surface(pShadowCairo, pLayer, dx, dy);
    cairo_destroy(pShadowCairo);
    BlurSurface(pShadow, nBlur);

    cairo_save(pCairo);
    cairo_identity_matrix(pCairo);
    cairo_set_source_surface(pCairo, pShadow, 0, 0);
    cairo_paint(pCairo);
    cairo_set_source_surface(pCairo, pLayer, 0, 0);
    cairo_paint(pCairo);
    cairo_restore(pCairo);
    cairo_surface_destroy(pShadow);
    cairo_surface_destroy(pLayer);
}

namespace {

double Lattice(int x, int y, unsigned int nSeed)
{
    unsigned int n = unsigned(x) * 374761393u + unsigned(y) * 668265263u + nSeed * 2246822519u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return ((n ^ (n >> 16)) & 0xFFFFFF) / double(0xFFFFFF);
}

double Smooth(double t) { return t * t * (3 - 2 * t); }

}  // namespace

double ValueNoise(double x, double y, unsigned int nSeed)
{
    const int ix = int(std::floor(x)), iy = int(std::floor(y));
    const double fx = Smooth(x - ix), fy = Smooth(y - iy);
    const double a = Lattice(ix, iy, nSeed), b = Lattice(ix + 1, iy, nSeed);
    const double c = Lattice(ix, iy + 1, nSeed), d = Lattice(ix + 1, iy + 1, nSeed);
    return (a + (b - a) * fx) + ((c + (d - c) * fx) - (a + (b - a) * fx)) * fy;
}

double FractalNoise(double x, double y, unsigned int nSeed, int nOctaves)
{
    double fSum = 0, fWeight = 0, fAmplitude = 1, fFrequency = 1;
    for (int i = 0; i < nOctaves; ++i) {
        fSum += ValueNoise(x * fFrequency, y * fFrequency, nSeed + i * 101) * fAmplitude;
        fWeight += fAmplitude;
        fAmplitude *= 0.5;
        fFrequency *= 2.03;
    }
    return fSum / fWeight;
}

double Caustic(double x, double y, double fPhase)
{
    // Two warped sine sheets; light gathers where both are near their crest.
    const double u = x + 0.6 * std::sin(y * 1.3 + fPhase) + 0.3 * std::sin(y * 2.9 - fPhase);
    const double v = y + 0.6 * std::sin(x * 1.1 - fPhase) + 0.3 * std::sin(x * 3.1 + fPhase);
    const double a = std::fabs(std::sin(u * 2.1)), b = std::fabs(std::sin(v * 2.1));
    const double fLine = std::pow(1.0 - std::min(a, b), 6.0);
    return std::min(1.0, fLine * 1.4);
}

double CRandom::Next()
{
    m_nState = m_nState * 1664525u + 1013904223u;
    return (m_nState >> 8) / double(1u << 24);
}

}  // namespace Art
