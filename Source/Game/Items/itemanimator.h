// Plays an item's look: on every state change it builds the layers of the
// new state, moves them along the state's motion, and reports each layer
// that ends by name to its callback.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Game/Items/animationlayer.h"
#include "Game/Items/itempath.h"
#include "d3d/d3dx8.h"

class IAnimationCallback;

class CItemAnimator {
public:
    CItemAnimator(int nItemType, IAnimationCallback* pCallback);

    void setSpeed(float fSpeed) { m_fSpeed = fSpeed; }
    // From and to are offsets from the cell; a delay in milliseconds holds
    // the item as it is until the change applies.
    void setState(int nState, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo, float fDelay);
    int state() const { return m_nState; }

    // dt in milliseconds.
    void update(float fDt, const D3DXVECTOR3& vCell);
    void render(const D3DXVECTOR3& vCell);

    bool isLayerActive(const std::string& strName) const;
    bool isIdle() const;
    // Where the first layer was last drawn; the origin without layers.
    D3DXVECTOR3 position() const;

private:
    struct LayerEntry {
        std::unique_ptr<CBasePath> pPath;
        std::unique_ptr<CAnimationLayer> pLayer;
        bool bActive;
    };

    void applyState(int nState, const D3DXVECTOR3& vFrom, const D3DXVECTOR3& vTo);
    void startLayers();
    void startLayer(const ANIDATA& data);
    std::unique_ptr<CBasePath> makePath(float& fDuration) const;
    void removeInactive(int nNameId);
    void deactivate(int nNameId);
    bool deleteLayerPastNormalLook() const;
    std::vector<std::string> advanceLayers(float fDt, const D3DXVECTOR3& vCell);

    int m_nItemType;
    float m_fSpeed = 100.0f;
    float m_fClock;
    int m_nState = eNormal;
    std::vector<LayerEntry> m_Layers;
    D3DXVECTOR3 m_vPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vTarget = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    IAnimationCallback* m_pCallback;
    float m_fPendingDelay = 0.0f;
    int m_nPendingState = eNormal;
    D3DXVECTOR3 m_vPendingPosition = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    D3DXVECTOR3 m_vPendingTarget = D3DXVECTOR3(0.0f, 0.0f, 0.0f);
    // Grows with every rebuild of the layers, so a dispatch can tell that
    // the layers its names came from are gone.
    unsigned m_nGeneration = 0;
};
