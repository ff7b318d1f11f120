#include "support/image_builder.h"

#include <cstring>

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

namespace {

const uint32_t kPalette[] = {0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffffff, 0xff000000,
                             0xffffff00, 0xff00ffff, 0xffff00ff, 0xff808080};

void Append32(std::string& strOut, uint32_t dwValue)
{
    for (int i = 0; i < 4; ++i)
        strOut += char(dwValue >> (8 * i));
}

void Append16(std::string& strOut, uint16_t wValue)
{
    strOut += char(wValue & 0xff);
    strOut += char(wValue >> 8);
}

std::vector<uint8_t> ToRgba(const ArgbImage& image)
{
    std::vector<uint8_t> rgba;
    for (uint32_t argb : image.pixels)
        for (int nShift : {16, 8, 0, 24})
            rgba.push_back(uint8_t(argb >> nShift));
    return rgba;
}

void AppendToString(void* pvContext, void* pvData, int nSize)
{
    static_cast<std::string*>(pvContext)->append(static_cast<const char*>(pvData), size_t(nSize));
}

uint16_t To565(uint32_t argb)
{
    return uint16_t((((argb >> 19) & 0x1f) << 11) | (((argb >> 10) & 0x3f) << 5) | ((argb >> 3) & 0x1f));
}

// Header fields per the DDS file layout: 124-byte header with a 32-byte
// pixel format inside.
std::string DdsHeader(const ArgbImage& image, uint32_t dwFlags, uint32_t dwPitch, uint32_t dwPfFlags,
                      uint32_t dwFourCC, uint32_t dwBits, uint32_t dwAlphaMask)
{
    std::string strOut = "DDS ";
    for (uint32_t dwValue : {124u, dwFlags, image.nHeight, image.nWidth, dwPitch, 0u, 1u})
        Append32(strOut, dwValue);
    for (int i = 0; i < 11; ++i)
        Append32(strOut, 0);
    for (uint32_t dwValue : {32u, dwPfFlags, dwFourCC, dwBits, dwBits ? 0x00ff0000u : 0u,
                             dwBits ? 0x0000ff00u : 0u, dwBits ? 0x000000ffu : 0u, dwAlphaMask})
        Append32(strOut, dwValue);
    for (uint32_t dwValue : {0x1000u, 0u, 0u, 0u, 0u})
        Append32(strOut, dwValue);
    return strOut;
}

void AppendColourBlock(std::string& strOut, uint32_t argb)
{
    // Both end points equal and every index 0: the block is one colour in
    // every DXT variant.
    Append16(strOut, To565(argb));
    Append16(strOut, To565(argb));
    Append32(strOut, 0);
}

void AppendAlphaBlock(std::string& strOut, uint32_t argb, bool bExplicit)
{
    const uint8_t byAlpha = uint8_t(argb >> 24);
    if (bExplicit) {
        const uint8_t byNibbles = uint8_t((byAlpha >> 4) * 0x11);
        strOut.append(8, char(byNibbles));
        return;
    }
    strOut += char(byAlpha);
    strOut += char(byAlpha);
    strOut.append(6, '\0');
}

}  // namespace

ArgbImage BlockPattern(uint32_t nWidth, uint32_t nHeight, bool bAlpha)
{
    ArgbImage image;
    image.nWidth = nWidth;
    image.nHeight = nHeight;
    for (uint32_t y = 0; y < nHeight; ++y)
        for (uint32_t x = 0; x < nWidth; ++x) {
            uint32_t argb = kPalette[(x / 4 + 3 * (y / 4)) % (sizeof(kPalette) / sizeof(kPalette[0]))];
            if (bAlpha)
                argb = (argb & 0x00ffffff) | (uint32_t(0x11 * ((x / 4 + y / 4) % 16)) << 24);
            image.pixels.push_back(argb);
        }
    return image;
}

std::string EncodePng(const ArgbImage& image)
{
    std::string strOut;
    const std::vector<uint8_t> rgba = ToRgba(image);
    stbi_write_png_to_func(AppendToString, &strOut, int(image.nWidth), int(image.nHeight), 4, rgba.data(),
                           int(image.nWidth * 4));
    return strOut;
}

std::string EncodeJpeg(const ArgbImage& image)
{
    std::string strOut;
    const std::vector<uint8_t> rgba = ToRgba(image);
    stbi_write_jpg_to_func(AppendToString, &strOut, int(image.nWidth), int(image.nHeight), 4, rgba.data(), 100);
    return strOut;
}

std::string EncodeBmp(const ArgbImage& image)
{
    std::string strOut;
    const std::vector<uint8_t> rgba = ToRgba(image);
    stbi_write_bmp_to_func(AppendToString, &strOut, int(image.nWidth), int(image.nHeight), 4, rgba.data());
    return strOut;
}

std::string EncodeTga(const ArgbImage& image)
{
    std::string strOut;
    const std::vector<uint8_t> rgba = ToRgba(image);
    stbi_write_tga_to_func(AppendToString, &strOut, int(image.nWidth), int(image.nHeight), 4, rgba.data());
    return strOut;
}

std::string EncodeDds(const ArgbImage& image, int nBits)
{
    const uint32_t dwPitch = image.nWidth * uint32_t(nBits / 8);
    const bool bAlpha = nBits == 32;
    std::string strOut = DdsHeader(image, 0x100f, dwPitch, bAlpha ? 0x41u : 0x40u, 0, uint32_t(nBits),
                                   bAlpha ? 0xff000000u : 0u);
    for (uint32_t argb : image.pixels)
        strOut.append(reinterpret_cast<const char*>(&argb), size_t(nBits / 8));  // B, G, R (, A)
    return strOut;
}

std::string EncodeDdsBlocks(const ArgbImage& image, const char* pszFourCC)
{
    uint32_t dwFourCC = 0;
    memcpy(&dwFourCC, pszFourCC, 4);
    const bool bDxt1 = strcmp(pszFourCC, "DXT1") == 0;
    const uint32_t nBlocksX = (image.nWidth + 3) / 4;
    const uint32_t nBlocksY = (image.nHeight + 3) / 4;
    std::string strOut = DdsHeader(image, 0x81007, nBlocksX * nBlocksY * (bDxt1 ? 8 : 16), 0x4, dwFourCC, 0, 0);
    for (uint32_t by = 0; by < nBlocksY; ++by)
        for (uint32_t bx = 0; bx < nBlocksX; ++bx) {
            const uint32_t argb = image.At(bx * 4, by * 4);
            if (!bDxt1)
                AppendAlphaBlock(strOut, argb, strcmp(pszFourCC, "DXT3") == 0);
            AppendColourBlock(strOut, argb);
        }
    return strOut;
}

uint32_t Quantise565(uint32_t argb)
{
    const uint16_t w = To565(argb);
    const uint32_t r = (w >> 11) & 0x1f, g = (w >> 5) & 0x3f, b = w & 0x1f;
    return (argb & 0xff000000u) | (((r << 3) | (r >> 2)) << 16) | (((g << 2) | (g >> 4)) << 8) | ((b << 3) | (b >> 2));
}
