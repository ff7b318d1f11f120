// A camera node: its view matrix follows its world matrix, its projection
// follows the field of view (horizontal, degrees), the planes and the
// viewport's aspect.
#pragma once

#include "Scene/vantile_node.h"

namespace Vantile {

class CCamera : public CNode {
public:
    CCamera(const std::string& strName, const D3DXMATRIX& mLocal, float fFov, float fNear, float fFar);

    const D3DXMATRIX& UpdateWorldMatrix(const D3DXMATRIX& mParentWorld) override;
    void Animate() override;
    CNode* Clone() const override;

    void SetFov(float fFov);
    void SetNear(float fNear);
    void SetFar(float fFar);
    void SetOrthographic(bool bOrthographic);
    // Width / height; taken from the device's viewport when the camera is
    // made (4 / 3 without a device).
    void SetAspect(float fAspect);

    float GetFov() const { return m_fFov; }
    float GetNear() const { return m_fNear; }
    float GetFar() const { return m_fFar; }
    bool IsOrthographic() const { return m_bOrthographic; }
    const D3DXMATRIX& GetViewMatrix() const { return m_mView; }
    const D3DXMATRIX& GetProjectionMatrix() const { return m_mProjection; }

private:
    void UpdateProjection();
    void UpdateView();

    float m_fFov;
    float m_fNear;
    float m_fFar;
    float m_fAspect;
    bool m_bOrthographic = false;
    D3DXMATRIX m_mProjection;
    D3DXMATRIX m_mView;
};

}  // namespace Vantile
