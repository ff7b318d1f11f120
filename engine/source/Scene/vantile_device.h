// What scene nodes need from the device side: the device they draw with
// (null before a window exists: loaders and tools build trees without one),
// a scoped render state, and effects from the current render queue.
#pragma once

#include <string>

#include "d3d/d3d8.h"

namespace Vantile {

class CFxEffect;

IDirect3DDevice8* SceneDevice();

// The named effect from the current render queue (loaded on first use), or
// null without a current queue.
CFxEffect* SceneEffect(const std::string& strFileName);

// Sets one render state and puts the previous value back when the scope
// ends, so a node's draw leaves the device as it found it.
class CRenderStateScope {
public:
    CRenderStateScope(IDirect3DDevice8* pDevice, D3DRENDERSTATETYPE state, DWORD dwValue);
    ~CRenderStateScope();
    CRenderStateScope(const CRenderStateScope&) = delete;
    CRenderStateScope& operator=(const CRenderStateScope&) = delete;

private:
    IDirect3DDevice8* m_pDevice;
    D3DRENDERSTATETYPE m_State;
    DWORD m_dwPrevious = 0;
};

}  // namespace Vantile
