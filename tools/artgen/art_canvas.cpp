#include "art_canvas.h"

#include <cstdio>
#include <stdexcept>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace Art {

namespace {

void PutU32(std::vector<unsigned char>& out, size_t nAt, unsigned int nValue)
{
    for (int i = 0; i < 4; ++i)
        out[nAt + i] = (unsigned char)(nValue >> (8 * i));
}

void AppendBytes(void* pContext, void* pData, int nSize)
{
    auto* pOut = static_cast<std::vector<unsigned char>*>(pContext);
    const auto* pBytes = static_cast<const unsigned char*>(pData);
    pOut->insert(pOut->end(), pBytes, pBytes + nSize);
}

}  // namespace

CCanvas::CCanvas(int nWidth, int nHeight)
    : m_nWidth(nWidth),
      m_nHeight(nHeight),
      m_pSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, nWidth, nHeight)),
      m_pCairo(cairo_create(m_pSurface))
{
}

CCanvas::~CCanvas()
{
    cairo_destroy(m_pCairo);
    cairo_surface_destroy(m_pSurface);
}

std::vector<unsigned char> CCanvas::StraightRgba() const
{
    cairo_surface_flush(m_pSurface);
    const unsigned char* pData = cairo_image_surface_get_data(m_pSurface);
    const int nStride = cairo_image_surface_get_stride(m_pSurface);
    std::vector<unsigned char> rgba(size_t(m_nWidth) * m_nHeight * 4);
    for (int y = 0; y < m_nHeight; ++y) {
        const auto* pRow = reinterpret_cast<const unsigned int*>(pData + size_t(y) * nStride);
        for (int x = 0; x < m_nWidth; ++x) {
            // cairo keeps premultiplied native-endian ARGB words.
            const unsigned int p = pRow[x];
            const unsigned int a = p >> 24;
            unsigned char* pOut = &rgba[(size_t(y) * m_nWidth + x) * 4];
            for (int c = 0; c < 3; ++c) {
                const unsigned int v = (p >> (16 - 8 * c)) & 0xFF;
                pOut[c] = a ? (unsigned char)((v * 255 + a / 2) / a) : 0;
            }
            pOut[3] = (unsigned char)a;
        }
    }
    return rgba;
}

std::vector<unsigned char> EncodeDds(int nWidth, int nHeight, const std::vector<unsigned char>& rgba)
{
    std::vector<unsigned char> out(128, 0);
    out[0] = 'D', out[1] = 'D', out[2] = 'S', out[3] = ' ';
    PutU32(out, 4, 124);
    PutU32(out, 8, 0x100F);  // caps, height, width, pitch, pixel format
    PutU32(out, 12, nHeight);
    PutU32(out, 16, nWidth);
    PutU32(out, 20, nWidth * 4);
    PutU32(out, 76, 32);
    PutU32(out, 80, 0x41);  // RGB with alpha
    PutU32(out, 88, 32);
    PutU32(out, 92, 0x00FF0000);
    PutU32(out, 96, 0x0000FF00);
    PutU32(out, 100, 0x000000FF);
    PutU32(out, 104, 0xFF000000);
    PutU32(out, 108, 0x1000);  // a texture
    out.reserve(out.size() + rgba.size());
    for (size_t i = 0; i + 3 < rgba.size(); i += 4) {
        const unsigned char bgra[4] = {rgba[i + 2], rgba[i + 1], rgba[i], rgba[i + 3]};
        out.insert(out.end(), bgra, bgra + 4);
    }
    return out;
}

void CCanvas::WriteDds(const std::string& strPath) const
{
    const std::vector<unsigned char> bytes = EncodeDds(m_nWidth, m_nHeight, StraightRgba());
    WriteFileBytes(strPath, bytes.data(), bytes.size());
}

void CCanvas::WriteJpeg(const std::string& strPath, int nQuality) const
{
    const std::vector<unsigned char> rgba = StraightRgba();
    std::vector<unsigned char> rgb;
    rgb.reserve(rgba.size() / 4 * 3);
    for (size_t i = 0; i < rgba.size(); i += 4)
        rgb.insert(rgb.end(), &rgba[i], &rgba[i] + 3);
    std::vector<unsigned char> bytes;
    if (!stbi_write_jpg_to_func(AppendBytes, &bytes, m_nWidth, m_nHeight, 3, rgb.data(), nQuality))
        throw std::runtime_error(strPath + ": JPEG encoding failed");
    WriteFileBytes(strPath, bytes.data(), bytes.size());
}

void CCanvas::WritePng(const std::string& strPath) const
{
    if (cairo_surface_write_to_png(m_pSurface, strPath.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error(strPath + ": cannot write PNG");
}

void WriteIfl(const std::string& strPath, int nFps, const std::vector<std::string>& frames)
{
    std::string strText = "#" + std::to_string(nFps) + "\n";
    for (const std::string& strFrame : frames)
        strText += strFrame + "\n";
    WriteFileBytes(strPath, strText.data(), strText.size());
}

std::string FrameName(const std::string& strBase, int nIndex)
{
    char szIndex[16];
    snprintf(szIndex, sizeof szIndex, "_%04d.dds", nIndex);
    return strBase + szIndex;
}

void WriteFileBytes(const std::string& strPath, const void* pData, size_t nSize)
{
    FILE* pFile = fopen(strPath.c_str(), "wb");
    if (!pFile)
        throw std::runtime_error(strPath + ": cannot create");
    const bool bWritten = fwrite(pData, 1, nSize, pFile) == nSize;
    if (fclose(pFile) != 0 || !bWritten)
        throw std::runtime_error(strPath + ": write failed");
}

}  // namespace Art
