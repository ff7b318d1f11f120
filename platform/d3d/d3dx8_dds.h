// DDS reading for the image loader (d3dx8_image.cpp).
#pragma once

#include "d3d/d3dx8_image.h"

namespace d3dx8 {

bool IsDds(const void* data, UINT size);
HRESULT ReadDdsInfo(const void* data, UINT size, D3DXIMAGE_INFO* info);
HRESULT DecodeDds(const void* data, UINT size, SImage* image, D3DXIMAGE_INFO* info);

}  // namespace d3dx8
