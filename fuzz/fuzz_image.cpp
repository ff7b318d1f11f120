// The image decoders behind the texture loader on arbitrary file bytes:
// reading the header and decoding must refuse bad files cleanly, and what
// they accept must be consistent.
#include <cstdint>
#include <cstdlib>

#include "d3d/d3dx8.h"
#include "d3d/d3dx8_image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    D3DXIMAGE_INFO header = {};
    const HRESULT hrHeader = D3DXGetImageInfoFromFileInMemory(data, UINT(size), &header);
    d3dx8::SImage image;
    D3DXIMAGE_INFO info = {};
    if (FAILED(d3dx8::DecodeImage(data, UINT(size), &image, &info)))
        return 0;
    // A file that decodes has a readable header describing what came out.
    if (FAILED(hrHeader) || header.Width != image.m_nWidth || header.Height != image.m_nHeight)
        abort();
    if (image.m_Rgba.size() != size_t(image.m_nWidth) * image.m_nHeight * 4)
        abort();
    volatile unsigned nSum = 0;
    for (uint8_t byValue : image.m_Rgba)
        nSum = nSum + byValue;
    return 0;
}
