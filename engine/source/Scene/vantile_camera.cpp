#include "Scene/vantile_camera.h"

#include <cmath>
#include <cstring>

#include "Scene/vantile_device.h"

namespace Vantile {

namespace {

float ViewportAspect()
{
    D3DVIEWPORT8 viewport = {};
    IDirect3DDevice8* pDevice = SceneDevice();
    if (pDevice && SUCCEEDED(pDevice->GetViewport(&viewport)) && viewport.Width > 0 && viewport.Height > 0)
        return float(viewport.Width) / float(viewport.Height);
    return 4.0f / 3.0f;
}

}  // namespace

CCamera::CCamera(const std::string& strName, const D3DXMATRIX& mLocal, float fFov, float fNear, float fFar)
    : CNode(strName, mLocal), m_fFov(fFov), m_fNear(fNear), m_fFar(fFar), m_fAspect(ViewportAspect())
{
    UpdateProjection();
    UpdateView();
}

const D3DXMATRIX& CCamera::UpdateWorldMatrix(const D3DXMATRIX& mParentWorld)
{
    CNode::UpdateWorldMatrix(mParentWorld);
    UpdateView();
    return m_mWorld;
}

void CCamera::Animate()
{
    CNode::Animate();
    UpdateProjection();
}

CNode* CCamera::Clone() const
{
    CCamera* pClone = new CCamera(m_strName, m_mLocal, m_fFov, m_fNear, m_fFar);
    pClone->m_fAspect = m_fAspect;
    pClone->m_bOrthographic = m_bOrthographic;
    CopyInto(*pClone);
    pClone->UpdateProjection();
    pClone->UpdateView();
    return pClone;
}

void CCamera::SetFov(float fFov)
{
    m_fFov = fFov;
    UpdateProjection();
}

void CCamera::SetNear(float fNear)
{
    m_fNear = fNear;
    UpdateProjection();
}

void CCamera::SetFar(float fFar)
{
    m_fFar = fFar;
    UpdateProjection();
}

void CCamera::SetOrthographic(bool bOrthographic)
{
    m_bOrthographic = bOrthographic;
    UpdateProjection();
}

void CCamera::SetAspect(float fAspect)
{
    m_fAspect = fAspect;
    UpdateProjection();
}

void CCamera::UpdateProjection()
{
    memset(&m_mProjection, 0, sizeof(m_mProjection));
    if (m_bOrthographic) {
        // One unit per pixel of the 800 x 600 screen space.
        m_mProjection._11 = 0.0025f;
        m_mProjection._22 = 1.0f / 300.0f;
        m_mProjection._33 = 1.0f / (m_fFar - m_fNear);
        m_mProjection._43 = m_fNear / (m_fNear - m_fFar);
        m_mProjection._44 = 1.0f;
        return;
    }
    // The angle is horizontal; the data was made with pi cut to 3.141592.
    const float fAngle = m_fFov * 3.141592f / 180.0f;
    m_mProjection._11 = 1.0f / std::tan(fAngle / 2.0f);
    m_mProjection._22 = 1.0f / std::tan(fAngle / (2.0f * m_fAspect));
    m_mProjection._33 = m_fFar / (m_fFar - m_fNear);
    m_mProjection._34 = 1.0f;
    m_mProjection._43 = -m_fNear * m_fFar / (m_fFar - m_fNear);
}

void CCamera::UpdateView()
{
    D3DXVECTOR3 vZ(m_mWorld._31, m_mWorld._32, m_mWorld._33);
    const D3DXVECTOR3 vUp(m_mWorld._21, m_mWorld._22, m_mWorld._23);
    const D3DXVECTOR3 vPosition(m_mWorld._41, m_mWorld._42, m_mWorld._43);
    D3DXVECTOR3 vX, vY;
    D3DXVec3Normalize(&vZ, &vZ);
    D3DXVec3Cross(&vX, &vUp, &vZ);
    D3DXVec3Normalize(&vX, &vX);
    D3DXVec3Cross(&vY, &vZ, &vX);
    m_mView = D3DXMATRIX(vX.x, vY.x, vZ.x, 0.0f,
                         vX.y, vY.y, vZ.y, 0.0f,
                         vX.z, vY.z, vZ.z, 0.0f,
                         -D3DXVec3Dot(&vX, &vPosition), -D3DXVec3Dot(&vY, &vPosition), -D3DXVec3Dot(&vZ, &vPosition), 1.0f);
}

}  // namespace Vantile
