// The display adapters and, for each, the device made on it.
#pragma once

#include <memory>
#include <vector>

#include "RenderSystem/vantile_videomodelist.h"
#include "d3d/d3d8.h"

namespace Vantile {

class CD3D9Driver {
public:
    CD3D9Driver(IDirect3D8* pD3D, UINT nAdapter, const D3DADAPTER_IDENTIFIER8& identifier,
                const D3DDISPLAYMODE& displayMode);

    IDirect3D8* getD3D() const { return m_pD3D; }
    UINT getAdapterNumber() const { return m_nAdapter; }
    const D3DADAPTER_IDENTIFIER8& getIdentifier() const { return m_Identifier; }
    const D3DDISPLAYMODE& getDisplayMode() const { return m_DisplayMode; }

    IDirect3DDevice8* getDevice() const { return m_pDevice; }
    void setDevice(IDirect3DDevice8* pDevice) { m_pDevice = pDevice; }

    CD3D9VideoModeList* getVideoModeList();

private:
    IDirect3D8* m_pD3D;
    UINT m_nAdapter;
    D3DADAPTER_IDENTIFIER8 m_Identifier;
    D3DDISPLAYMODE m_DisplayMode;
    IDirect3DDevice8* m_pDevice = nullptr;
    std::unique_ptr<CD3D9VideoModeList> m_pVideoModeList;
};

class CD3D9DriverList {
public:
    explicit CD3D9DriverList(IDirect3D8* pD3D);

    size_t count() const { return m_Drivers.size(); }
    CD3D9Driver* item(size_t nIndex) { return nIndex < m_Drivers.size() ? m_Drivers[nIndex].get() : nullptr; }

private:
    std::vector<std::unique_ptr<CD3D9Driver>> m_Drivers;
};

}  // namespace Vantile
