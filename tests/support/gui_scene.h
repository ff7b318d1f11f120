// A headless 800 x 600 device running the GUI through its driver, on the
// game's data or on a data folder of small GUI files written here: the game's GUI effect, a font
// face from the system, four fonts on it and a scheme whose looks draw flat
// colour blocks, so tests can tell states apart by their pixels.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/offscreen_device.h"
#include "support/temp_folder.h"

class CGuiDriver;

// Colours of the fixture's images.
namespace GuiFixture {
const uint32_t RED = 0xFFFF0000;     // "MenuTexts/dm_Ok_normal"
const uint32_t GREEN = 0xFF00FF00;   // "MenuTexts/dm_Ok_hover"
const uint32_t BLUE = 0xFF0000FF;    // "MenuTexts/dm_Cancel_normal"
const uint32_t YELLOW = 0xFFFFFF00;  // "MenuTexts/dm_Cancel_hover"
const uint32_t WHITE = 0xFFFFFFFF;   // text box and list backgrounds
const uint32_t CYAN = 0xFF00FFFF;    // "Velmora/ListBoxBrush"
const uint32_t MAGENTA = 0xFFFF00FF; // slider and scroll bar thumbs
const uint32_t BACKGROUND = 0xFF102030;

// Writes every fixture file into the folder; the scheme and its parts can
// be replaced afterwards to test bad data.
void Write(const CTempFolder& folder, const std::string& strSubfolder);
}  // namespace GuiFixture

class GuiScene : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes or replaces a data file before start().
    void writeFile(const std::string& strName, const std::string& strBytes) const;
    void removeFile(const std::string& strName) const;
    // Opens the file system on the fixture and the GUI; loads fonts and
    // scheme when asked.
    void start(bool bLoadData = true);
    // The same on another data folder, such as the game's own.
    void startOn(const std::string& strFolder, bool bLoadData);
    void frame();
    uint32_t pixel(int x, int y) const { return m_Device.Pixel(UINT(x), UINT(y)); }

    COffscreenDevice m_Device;
    CTempFolder m_Temp;
    std::unique_ptr<CGuiDriver> m_pDriver;
    // Image files the GUI loads, dropped from the texture cache afterwards.
    std::vector<std::string> m_ImageFiles = {"fixture.png"};
};

// Whether two colours differ by at most nTolerance in every channel.
::testing::AssertionResult ColourNear(uint32_t dwActual, uint32_t dwExpected, int nTolerance = 8);
