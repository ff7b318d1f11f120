// PNG and JPEG reading for the image loader (d3dx8_image.cpp), by libpng
// and libjpeg-turbo: libraries kept up for files from anywhere.
#pragma once

#include "d3d/d3dx8_image.h"

namespace d3dx8 {

// The header's size and whether the picture has alpha; false for anything
// the library refuses.
bool ReadPngHeader(const void* data, UINT size, UINT& nWidth, UINT& nHeight, bool& bAlpha);
bool DecodePng(const void* data, UINT size, SImage* image);
bool ReadJpegHeader(const void* data, UINT size, UINT& nWidth, UINT& nHeight);
bool DecodeJpeg(const void* data, UINT size, SImage* image);

}  // namespace d3dx8
