#include "png_pixels.h"

#include <cairo.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

struct PngSource {
    const std::string& strBytes;
    size_t nOffset;
};

cairo_status_t readPng(void* pClosure, unsigned char* pData, unsigned int nLength)
{
    PngSource& source = *static_cast<PngSource*>(pClosure);
    if (source.strBytes.size() - source.nOffset < nLength)
        return CAIRO_STATUS_READ_ERROR;
    memcpy(pData, source.strBytes.data() + source.nOffset, nLength);
    source.nOffset += nLength;
    return CAIRO_STATUS_SUCCESS;
}

// cairo keeps premultiplied native-endian ARGB words.
void unpackPixel(uint32_t nArgb, unsigned char* pOut, int nChannels)
{
    const unsigned nAlpha = nArgb >> 24;
    const unsigned rgb[3] = {(nArgb >> 16) & 0xff, (nArgb >> 8) & 0xff, nArgb & 0xff};
    for (int c = 0; c < 3; ++c)
        pOut[c] = static_cast<unsigned char>(nAlpha ? (rgb[c] * 255 + nAlpha / 2) / nAlpha : 0);
    if (nChannels == 4)
        pOut[3] = static_cast<unsigned char>(nAlpha);
}

}  // namespace

unsigned char* DecodePng(const std::string& strPng, int* pWidth, int* pHeight, int nChannels)
{
    PngSource source{strPng, 0};
    cairo_surface_t* pSurface = cairo_image_surface_create_from_png_stream(readPng, &source);
    if (cairo_surface_status(pSurface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(pSurface);
        return nullptr;
    }
    cairo_surface_flush(pSurface);
    const int nWidth = cairo_image_surface_get_width(pSurface), nHeight = cairo_image_surface_get_height(pSurface);
    const int nStride = cairo_image_surface_get_stride(pSurface);
    const unsigned char* pRows = cairo_image_surface_get_data(pSurface);
    auto* pPixels = static_cast<unsigned char*>(malloc(size_t(nWidth) * nHeight * nChannels));
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x) {
            uint32_t nArgb;
            memcpy(&nArgb, pRows + size_t(y) * nStride + size_t(x) * 4, 4);
            unpackPixel(nArgb, pPixels + (size_t(y) * nWidth + x) * nChannels, nChannels);
        }
    cairo_surface_destroy(pSurface);
    *pWidth = nWidth;
    *pHeight = nHeight;
    return pPixels;
}
