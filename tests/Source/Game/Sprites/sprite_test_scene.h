// A headless 800 x 600 device with a render queue that draws sprites
// through the fixed-function screen effect, a data folder of generated
// images and atlases, and an exact frame clock.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Renderstages/vantile_renderqueue.h"
#include "engine/Scene/scene_test_support.h"
#include "support/image_builder.h"
#include "support/offscreen_device.h"
#include "support/temp_folder.h"

class CSpriteScreenEffect;

// Colours of the generated art.
const uint32_t RED = 0xFFFF0000;
const uint32_t WHITE_ARGB = 0xFFFFFFFF;
const uint32_t BLACK = 0xFF000000;
// Frame k of "ten.ifl" and of "strip.map" is filled with FrameColour(k).
uint32_t FrameColour(int nFrame);

class SpriteScene : public ::testing::Test {
protected:
    // "red.png" 40 x 30, "white.png" 8 x 8, "ten.ifl" (10 frames of 8 x 8
    // at 10 per second), "strip.png" with "strip.map" (4 frames of 16 x 16
    // side by side at 8 per second).
    void SetUp() override;
    void TearDown() override;

    void writeFile(const std::string& strName, const std::string& strBytes) const;
    // "NAME.ifl" at nFps frames a second, its frames "NAME_k.dds" of 32 bits
    // with texel(k, x, y) at (x, y); the data folder is listed again, and
    // the texture leaves the cache when the test ends.
    void writeAnimation(const std::string& strName, int nFps, int nFrames, int nWidth, int nHeight,
                        const std::function<uint32_t(int, int, int)>& texel);
    // Clears to black, draws everything queued, and empties the queue.
    void renderFrame();
    uint32_t pixel(int x, int y) const { return m_Device.Pixel(UINT(x), UINT(y)); }
    CSpriteScreenEffect* effect(const char* pszName);

    COffscreenDevice m_Device;
    CTempFolder m_Temp;
    Vantile::CRenderQueue m_Queue;
    CSceneClock m_Clock;
    std::vector<std::string> m_Textures;
};
