// Hooks for tests and benchmarks: they put a device into states a real
// display would cause (another program taking the screen), which a headless
// run never sees, and count what the device sends to the driver.
#pragma once

#include "d3d/d3d8.h"

// The device behaves as after a real loss: the next Present returns
// D3DERR_DEVICELOST, TestCooperativeLevel reports D3DERR_DEVICENOTRESET
// from then on until a successful Reset.
void D3DForceDeviceLost(IDirect3DDevice8* device);

// Draw calls the device has sent to GL since it was made.
UINT D3DDeviceDrawCalls(IDirect3DDevice8* device);
