// The display modes the game accepts on one adapter.
#pragma once

#include <string>
#include <vector>

#include "d3d/d3d8.h"

namespace Vantile {

class CD3D9Driver;

class CD3D9VideoMode {
public:
    CD3D9VideoMode(const D3DDISPLAYMODE& mode);

    UINT getWidth() const { return m_Mode.Width; }
    UINT getHeight() const { return m_Mode.Height; }
    UINT getRefreshRate() const { return m_Mode.RefreshRate; }
    D3DFORMAT getFormat() const { return m_Mode.Format; }
    int getColourDepth() const;
    int getSerial() const { return m_nSerial; }
    std::string getDescription() const;

    void raiseRefreshRate(UINT nRate);

private:
    D3DDISPLAYMODE m_Mode;
    int m_nSerial;
};

class CD3D9VideoModeList {
public:
    explicit CD3D9VideoModeList(CD3D9Driver* pDriver);

    size_t count() const { return m_Modes.size(); }
    const CD3D9VideoMode& item(size_t nIndex) const;
    // The first mode with exactly this size and depth, or -1.
    int find(UINT nWidth, UINT nHeight, int nDepth) const;

    // Adds one adapter mode by the list's rules: only the three game sizes
    // are kept, and a repeat of a size and format only raises the rate.
    void consider(const D3DDISPLAYMODE& mode);

private:
    std::vector<CD3D9VideoMode> m_Modes;
};

}  // namespace Vantile
