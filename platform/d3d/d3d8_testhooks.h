// Hooks for tests and benchmarks: they put a device into states a real
// display would cause (another program taking the screen), which a headless
// run never sees, count what the device sends to the driver and show where
// it draws.
#pragma once

#include "d3d/d3d8.h"

#include <vector>

// The device behaves as after a real loss: the next Present returns
// D3DERR_DEVICELOST, TestCooperativeLevel reports D3DERR_DEVICENOTRESET
// from then on until a successful Reset.
void D3DForceDeviceLost(IDirect3DDevice8* device);

// Draw calls the device has sent to GL since it was made.
UINT D3DDeviceDrawCalls(IDirect3DDevice8* device);

// Whether the back buffer is the window's own buffer (drawn straight into,
// no copy in Present) rather than an FBO copied into the window.
bool D3DDeviceDrawsToWindow(IDirect3DDevice8* device);

// What the window's buffer holds, as rows of r, g, b, a bytes, top row
// first, at the drawable's size.
std::vector<BYTE> D3DDeviceReadWindow(IDirect3DDevice8* device, int* width, int* height);
