// Small images in every file format the texture loader reads, encoded here
// so tests and fuzz seeds need no binary files. Pixels are given and
// compared as ARGB values (D3DCOLOR).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ArgbImage {
    uint32_t nWidth = 0;
    uint32_t nHeight = 0;
    std::vector<uint32_t> pixels;  // rows top first

    uint32_t At(uint32_t x, uint32_t y) const { return pixels[y * nWidth + x]; }
};

// Flat 4 x 4 blocks of distinct colours, so every format (block
// compression and JPEG included) can reproduce them closely.
ArgbImage BlockPattern(uint32_t nWidth, uint32_t nHeight, bool bAlpha);

std::string EncodePng(const ArgbImage& image);
std::string EncodeJpeg(const ArgbImage& image);
std::string EncodeBmp(const ArgbImage& image);
std::string EncodeTga(const ArgbImage& image);
// Uncompressed DDS: 32-bit A8R8G8B8 or 24-bit R8G8B8 (alpha dropped).
std::string EncodeDds(const ArgbImage& image, int nBits);
// Block-compressed DDS of an image made of flat 4 x 4 blocks: "DXT1",
// "DXT3" or "DXT5". Colours are kept to 5:6:5, so use BlockPattern.
std::string EncodeDdsBlocks(const ArgbImage& image, const char* pszFourCC);
// The colour a 5:6:5 block-compressed texel comes back as.
uint32_t Quantise565(uint32_t argb);
