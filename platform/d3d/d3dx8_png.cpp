// PNG through libpng's simplified reader, which handles its own errors.
#include "d3d/d3dx8_pngjpeg.h"

#include <cstring>

#include <png.h>

namespace d3dx8 {

namespace {

bool BeginRead(const void* data, UINT size, png_image& image)
{
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, data, size))
        return true;
    png_image_free(&image);
    return false;
}

}  // namespace

bool ReadPngHeader(const void* data, UINT size, UINT& nWidth, UINT& nHeight, bool& bAlpha)
{
    png_image image;
    if (!BeginRead(data, size, image))
        return false;
    nWidth = image.width;
    nHeight = image.height;
    bAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    png_image_free(&image);
    return true;
}

// The caller has checked the size against its limit.
bool DecodePng(const void* data, UINT size, SImage* pImage)
{
    png_image image;
    if (!BeginRead(data, size, image))
        return false;
    image.format = PNG_FORMAT_RGBA;
    pImage->m_nWidth = image.width;
    pImage->m_nHeight = image.height;
    pImage->m_Rgba.assign(PNG_IMAGE_SIZE(image), 0);
    if (png_image_finish_read(&image, nullptr, pImage->m_Rgba.data(), 0, nullptr))
        return true;
    png_image_free(&image);
    return false;
}

}  // namespace d3dx8
