#include "RenderSystem/vantile_videomodelist.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"
#include "RenderSystem/vantile_driverlist.h"

namespace Vantile {

namespace {

int s_nNextSerial = 1;

bool IsGameSize(UINT nWidth, UINT nHeight)
{
    return (nWidth == 640 && nHeight == 480) || (nWidth == 800 && nHeight == 600) ||
           (nWidth == 1024 && nHeight == 768);
}

}  // namespace

CD3D9VideoMode::CD3D9VideoMode(const D3DDISPLAYMODE& mode) : m_Mode(mode), m_nSerial(s_nNextSerial++)
{
}

int CD3D9VideoMode::getColourDepth() const
{
    switch (m_Mode.Format) {
    case D3DFMT_X8R8G8B8:
    case D3DFMT_A8R8G8B8:
    case D3DFMT_R8G8B8:
        return 32;
    default:
        return 16;
    }
}

std::string CD3D9VideoMode::getDescription() const
{
    return FormatString("%d x %d @ %d-bit colour", m_Mode.Width, m_Mode.Height, getColourDepth());
}

void CD3D9VideoMode::raiseRefreshRate(UINT nRate)
{
    if (nRate > m_Mode.RefreshRate)
        m_Mode.RefreshRate = nRate;
}

CD3D9VideoModeList::CD3D9VideoModeList(CD3D9Driver* pDriver)
{
    if (!pDriver || !pDriver->getD3D())
        throw Exception(4, "pDriver parameter is NULL", "CD3D9VideoModeList::CD3D9VideoModeList",
                        __FILE__, __LINE__);
    IDirect3D8* pD3D = pDriver->getD3D();
    const UINT nAdapter = pDriver->getAdapterNumber();
    const UINT nModes = pD3D->GetAdapterModeCount(nAdapter);
    for (UINT i = 0; i < nModes; ++i) {
        D3DDISPLAYMODE mode;
        if (SUCCEEDED(pD3D->EnumAdapterModes(nAdapter, i, &mode)))
            consider(mode);
    }
}

void CD3D9VideoModeList::consider(const D3DDISPLAYMODE& mode)
{
    if (!IsGameSize(mode.Width, mode.Height))
        return;
    for (CD3D9VideoMode& kept : m_Modes) {
        if (kept.getWidth() == mode.Width && kept.getHeight() == mode.Height &&
            kept.getFormat() == mode.Format) {
            kept.raiseRefreshRate(mode.RefreshRate);
            return;
        }
    }
    m_Modes.emplace_back(mode);
}

const CD3D9VideoMode& CD3D9VideoModeList::item(size_t nIndex) const
{
    if (nIndex >= m_Modes.size())
        throw Exception(0, "Invalid videomode index", "CD3D9VideoModeList::item", __FILE__, __LINE__);
    return m_Modes[nIndex];
}

int CD3D9VideoModeList::find(UINT nWidth, UINT nHeight, int nDepth) const
{
    for (size_t i = 0; i < m_Modes.size(); ++i) {
        const CD3D9VideoMode& mode = m_Modes[i];
        if (mode.getWidth() == nWidth && mode.getHeight() == nHeight && mode.getColourDepth() == nDepth)
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace Vantile
