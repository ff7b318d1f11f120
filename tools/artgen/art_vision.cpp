// Dichromacy by the Machado, Oliveira and Fernandes (2009) matrices at full
// severity, applied in linear light; greyscale is the Rec. 709 luminance.
#include "art_vision.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace Art {

namespace {

using Matrix = double[3][3];

const Matrix kProtan = {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}};
const Matrix kDeutan = {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}};
const Matrix kTritan = {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}};
const Matrix kGrey = {{0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}, {0.2126, 0.7152, 0.0722}};

double ToLinear(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }
double ToGamma(double v)
{
    v = std::min(1.0, std::max(0.0, v));
    return v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
}

const Matrix* MatrixOf(EVision vision)
{
    switch (vision) {
    case EVision::Protan:
        return &kProtan;
    case EVision::Deutan:
        return &kDeutan;
    case EVision::Tritan:
        return &kTritan;
    case EVision::Grey:
        return &kGrey;
    default:
        return nullptr;
    }
}

}  // namespace

bool ParseVision(const std::string& strName, EVision& vision)
{
    const struct { const char* pszName; EVision vision; } kNames[] = {
        {"deutan", EVision::Deutan}, {"protan", EVision::Protan}, {"tritan", EVision::Tritan}, {"grey", EVision::Grey}};
    for (const auto& name : kNames)
        if (strName == name.pszName) {
            vision = name.vision;
            return true;
        }
    return false;
}

void SimulatePixel(EVision vision, double rgb[3])
{
    const Matrix* pMatrix = MatrixOf(vision);
    if (!pMatrix)
        return;
    const double lin[3] = {ToLinear(rgb[0]), ToLinear(rgb[1]), ToLinear(rgb[2])};
    for (int i = 0; i < 3; ++i)
        rgb[i] = ToGamma((*pMatrix)[i][0] * lin[0] + (*pMatrix)[i][1] * lin[1] + (*pMatrix)[i][2] * lin[2]);
}

void SimulateVision(cairo_surface_t* pSurface, EVision vision)
{
    if (!MatrixOf(vision))
        return;
    cairo_surface_flush(pSurface);
    const int w = cairo_image_surface_get_width(pSurface), h = cairo_image_surface_get_height(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    unsigned char* pData = cairo_image_surface_get_data(pSurface);
    for (int y = 0; y < h; ++y) {
        auto* pRow = reinterpret_cast<uint32_t*>(pData + size_t(y) * nStride);
        for (int x = 0; x < w; ++x) {
            // Premultiplied: undo the alpha, convert, put it back.
            const uint32_t p = pRow[x], a = p >> 24;
            if (a == 0)
                continue;
            double rgb[3] = {((p >> 16) & 0xFF) / double(a), ((p >> 8) & 0xFF) / double(a), (p & 0xFF) / double(a)};
            SimulatePixel(vision, rgb);
            auto channel = [a](double v) { return uint32_t(std::lround(v * a)); };
            pRow[x] = a << 24 | channel(rgb[0]) << 16 | channel(rgb[1]) << 8 | channel(rgb[2]);
        }
    }
    cairo_surface_mark_dirty(pSurface);
}

}  // namespace Art
