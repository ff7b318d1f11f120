// A cairo picture being drawn by the art generator, and the file formats it
// is written in: uncompressed A8R8G8B8 DDS for sprites, JPEG for the opaque
// field pictures, PNG for previews, and ".ifl" frame lists.
#pragma once

#include <cairo.h>

#include <string>
#include <vector>

namespace Art {

class CCanvas {
public:
    CCanvas(int nWidth, int nHeight);
    ~CCanvas();
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;

    cairo_t* Context() const { return m_pCairo; }
    cairo_surface_t* Surface() const { return m_pSurface; }
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

    // Straight (not premultiplied) RGBA bytes, top row first.
    std::vector<unsigned char> StraightRgba() const;
    void WriteDds(const std::string& strPath) const;
    void WriteJpeg(const std::string& strPath, int nQuality) const;
    void WritePng(const std::string& strPath) const;

private:
    int m_nWidth;
    int m_nHeight;
    cairo_surface_t* m_pSurface;
    cairo_t* m_pCairo;
};

// The DDS bytes for straight RGBA pixels: the 128-byte header of an
// uncompressed 32-bit A8R8G8B8 surface, then the rows top first.
std::vector<unsigned char> EncodeDds(int nWidth, int nHeight, const std::vector<unsigned char>& rgba);

// "#FPS" then one frame name a line.
void WriteIfl(const std::string& strPath, int nFps, const std::vector<std::string>& frames);

// "<base>_NNNN.dds" for frame nIndex of the list "<base>.ifl".
std::string FrameName(const std::string& strBase, int nIndex);

// Writes bytes whole or throws std::runtime_error naming the file.
void WriteFileBytes(const std::string& strPath, const void* pData, size_t nSize);

}  // namespace Art
