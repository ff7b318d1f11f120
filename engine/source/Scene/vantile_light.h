// A light from a scene file. Switched-on lights join the render queue's
// light list each frame; nothing draws with them yet.
#pragma once

#include "Scene/vantile_node.h"

namespace Vantile {

class CLight : public CNode {
public:
    CLight(const std::string& strName, const D3DXMATRIX& mLocal);

    int Enqueue() override;
    CNode* Clone() const override;

    void SetColor(float fRed, float fGreen, float fBlue);
    const float* GetColor() const { return m_afColor; }
    void SetOn(bool bOn) { m_bOn = bOn; }
    bool IsOn() const { return m_bOn; }

    // The exporter's light kind and sizes, kept as read.
    void SetShape(int nType, float fTargetDistance, float fHotspot, float fFalloff);
    int GetType() const { return m_nType; }
    float GetTargetDistance() const { return m_fTargetDistance; }
    float GetHotspot() const { return m_fHotspot; }
    float GetFalloff() const { return m_fFalloff; }

private:
    int m_nType = 0;
    float m_fTargetDistance = 0.0f;
    float m_fHotspot = 0.0f;
    float m_fFalloff = 0.0f;
    float m_afColor[3] = {1.0f, 1.0f, 1.0f};
    bool m_bOn = true;
};

}  // namespace Vantile
