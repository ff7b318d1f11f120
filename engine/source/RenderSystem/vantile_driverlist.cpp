#include "RenderSystem/vantile_driverlist.h"

#include "Core/vantile_exception.h"
#include "Core/vantile_log.h"

namespace Vantile {

CD3D9Driver::CD3D9Driver(IDirect3D8* pD3D, UINT nAdapter, const D3DADAPTER_IDENTIFIER8& identifier,
                         const D3DDISPLAYMODE& displayMode)
    : m_pD3D(pD3D), m_nAdapter(nAdapter), m_Identifier(identifier), m_DisplayMode(displayMode)
{
}

CD3D9VideoModeList* CD3D9Driver::getVideoModeList()
{
    if (!m_pVideoModeList)
        m_pVideoModeList = std::make_unique<CD3D9VideoModeList>(this);
    return m_pVideoModeList.get();
}

CD3D9DriverList::CD3D9DriverList(IDirect3D8* pD3D)
{
    if (!pD3D)
        throw Exception(4, "Direct3D9 interface pointer is NULL", "CD3D9DriverList::CD3D9DriverList",
                        __FILE__, __LINE__);
    CLog::Instance().Write(LOG_INFO, "D3D9: Driver Detection Starts");
    for (UINT nAdapter = 0; nAdapter < pD3D->GetAdapterCount(); ++nAdapter) {
        D3DADAPTER_IDENTIFIER8 identifier = {};
        D3DDISPLAYMODE displayMode = {};
        pD3D->GetAdapterIdentifier(nAdapter, 0, &identifier);
        pD3D->GetAdapterDisplayMode(nAdapter, &displayMode);
        m_Drivers.push_back(std::make_unique<CD3D9Driver>(pD3D, nAdapter, identifier, displayMode));
    }
    CLog::Instance().Write(LOG_INFO, "D3D9: Driver Detection Ends");
}

}  // namespace Vantile
