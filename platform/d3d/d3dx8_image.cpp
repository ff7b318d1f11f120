// Image files: DDS by our own reader, PNG by libpng, JPEG by
// libjpeg-turbo, and only BMP and TGA, which no library of the system
// reads from memory, through stb_image.
#include "d3d/d3dx8_image.h"
#include "d3d/d3dx8_dds.h"
#include "d3d/d3dx8_pngjpeg.h"

#include <cstdint>
#include <cstring>

#define STB_IMAGE_IMPLEMENTATION
// PNG stays compiled for the tools and tests that read back pictures they
// wrote; the loader itself hands PNG to libpng.
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace d3dx8 {

namespace {

// No picture of the game comes near this; a header that claims more is a
// damaged file, and decoding it anyway would spend seconds and a gigabyte
// filling pixels from nothing.
const UINT MAX_IMAGE_SIDE = 4096;
// The densest file stb_image reads, a run-length TGA of one byte a pixel,
// holds at most 128 pixels in two bytes. A BMP or TGA claiming more pixels
// than its bytes can hold is cut off, and stb_image would make up the rest
// from nothing, for seconds on a large picture.
const uint64_t MAX_STB_PIXELS_PER_BYTE = 64;

bool FitsItsBytes(D3DXIMAGE_FILEFORMAT format, UINT nWidth, UINT nHeight, UINT size)
{
    if (format != D3DXIFF_BMP && format != D3DXIFF_TGA)
        return true;
    return uint64_t(nWidth) * nHeight <= uint64_t(size) * MAX_STB_PIXELS_PER_BYTE;
}

D3DXIMAGE_FILEFORMAT FileFormatOf(const BYTE* p, UINT size)
{
    if (size >= 8 && std::memcmp(p, "\x89PNG", 4) == 0)
        return D3DXIFF_PNG;
    if (size >= 2 && p[0] == 0xFF && p[1] == 0xD8)
        return D3DXIFF_JPG;
    if (size >= 2 && p[0] == 'B' && p[1] == 'M')
        return D3DXIFF_BMP;
    return D3DXIFF_TGA;
}

// Width, height and alpha of a PNG, JPEG, BMP or TGA header.
bool ReadHeader(const BYTE* bytes, UINT size, D3DXIMAGE_FILEFORMAT format, UINT& nWidth, UINT& nHeight, bool& bAlpha)
{
    bAlpha = false;
    if (format == D3DXIFF_PNG)
        return ReadPngHeader(bytes, size, nWidth, nHeight, bAlpha);
    if (format == D3DXIFF_JPG)
        return ReadJpegHeader(bytes, size, nWidth, nHeight);
    int width = 0, height = 0, components = 0;
    if (!stbi_info_from_memory(bytes, (int)size, &width, &height, &components) || width <= 0 || height <= 0)
        return false;
    nWidth = (UINT)width;
    nHeight = (UINT)height;
    bAlpha = components == 2 || components == 4;
    return true;
}

bool DecodeWithStb(const void* data, UINT size, SImage* image)
{
    int width = 0, height = 0, components = 0;
    stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(data), (int)size, &width,
                                            &height, &components, 4);
    if (!pixels)
        return false;
    image->m_nWidth = (UINT)width;
    image->m_nHeight = (UINT)height;
    image->m_Rgba.assign(pixels, pixels + (size_t)width * height * 4);
    stbi_image_free(pixels);
    return true;
}

}  // namespace

HRESULT ReadImageInfo(const void* data, UINT size, D3DXIMAGE_INFO* info)
{
    if (!data || !info || size == 0 || size > 0x7fffffff)
        return D3DXERR_INVALIDDATA;
    if (IsDds(data, size))
        return ReadDdsInfo(data, size, info);
    const BYTE* bytes = static_cast<const BYTE*>(data);
    const D3DXIMAGE_FILEFORMAT format = FileFormatOf(bytes, size);
    UINT nWidth = 0, nHeight = 0;
    bool bAlpha = false;
    if (!ReadHeader(bytes, size, format, nWidth, nHeight, bAlpha) || nWidth == 0 || nHeight == 0 ||
        nWidth > MAX_IMAGE_SIDE || nHeight > MAX_IMAGE_SIDE || !FitsItsBytes(format, nWidth, nHeight, size))
        return D3DXERR_INVALIDDATA;
    *info = D3DXIMAGE_INFO{nWidth, nHeight, 1, 1, bAlpha ? D3DFMT_A8R8G8B8 : D3DFMT_R8G8B8, D3DRTYPE_TEXTURE,
                           format};
    return D3D_OK;
}

HRESULT DecodeImage(const void* data, UINT size, SImage* image, D3DXIMAGE_INFO* info)
{
    HRESULT hr = ReadImageInfo(data, size, info);
    if (FAILED(hr))
        return hr;
    bool bDecoded = false;
    switch (info->ImageFileFormat) {
    case D3DXIFF_DDS:
        return DecodeDds(data, size, image, info);
    case D3DXIFF_PNG:
        bDecoded = DecodePng(data, size, image);
        break;
    case D3DXIFF_JPG:
        bDecoded = DecodeJpeg(data, size, image);
        break;
    default:
        bDecoded = DecodeWithStb(data, size, image);
        break;
    }
    return bDecoded ? D3D_OK : D3DXERR_INVALIDDATA;
}

}  // namespace d3dx8

HRESULT D3DXGetImageInfoFromFileInMemory(const void* data, UINT size, D3DXIMAGE_INFO* info)
{
    return d3dx8::ReadImageInfo(data, size, info);
}
