#include "Effects/vantile_fxparameters.h"

#include <strings.h>

#include <cctype>
#include <cstring>

#include "Core/vantile_frametimer.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_camera.h"

namespace Vantile {

namespace {

const CCamera* CurrentCamera()
{
    const CRenderQueue* pQueue = CRenderQueue::Current();
    return pQueue && pQueue->HasCamera() ? pQueue->GetCamera() : nullptr;
}

D3DXMATRIX CameraView()
{
    const CCamera* pCamera = CurrentCamera();
    return pCamera ? pCamera->GetViewMatrix() : IdentityMatrix();
}

D3DXMATRIX CameraProjection()
{
    const CCamera* pCamera = CurrentCamera();
    return pCamera ? pCamera->GetProjectionMatrix() : IdentityMatrix();
}

class CFxParamWorldMatrix : public IFxParameter {
public:
    bool IsPerObject() const override { return true; }
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem& item) const override
    {
        const bool bHasWorld = item.pTarget && item.pTarget->GetWorldMatrixCount() > 0;
        callback.SetMatrix(nHandle, bHasWorld ? item.pTarget->GetWorldMatrix(0) : IdentityMatrix());
    }
};

class CFxParamViewMatrix : public IFxParameter {
public:
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem&) const override
    {
        callback.SetMatrix(nHandle, CameraView());
    }
};

class CFxParamProjectionMatrix : public IFxParameter {
public:
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem&) const override
    {
        callback.SetMatrix(nHandle, CameraProjection());
    }
};

// Projection x view, without the world part: the effects written for it
// rely on that order.
class CFxParamWorldViewProjMatrix : public IFxParameter {
public:
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem&) const override
    {
        const D3DXMATRIX mProjection = CameraProjection();
        const D3DXMATRIX mView = CameraView();
        D3DXMATRIX mResult;
        callback.SetMatrix(nHandle, *D3DXMatrixMultiply(&mResult, &mProjection, &mView));
    }
};

// Bone n of a skin times the view; items with fewer matrices get the view.
class CFxParamWorldViewMatrix : public IFxParameter {
public:
    explicit CFxParamWorldViewMatrix(size_t nIndex) : m_nIndex(nIndex) {}
    bool IsPerObject() const override { return true; }
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem& item) const override
    {
        const D3DXMATRIX mView = CameraView();
        if (!item.pTarget || item.pTarget->GetWorldMatrixCount() <= m_nIndex) {
            callback.SetMatrix(nHandle, mView);
            return;
        }
        const D3DXMATRIX mWorld = item.pTarget->GetWorldMatrix(m_nIndex);
        D3DXMATRIX mResult;
        callback.SetMatrix(nHandle, *D3DXMatrixMultiply(&mResult, &mWorld, &mView));
    }

private:
    size_t m_nIndex;
};

enum TimeKind { TIME_TOTAL, TIME_LAST, TIME_ELAPSED };

class CFxParamTime : public IFxParameter {
public:
    explicit CFxParamTime(TimeKind kind) : m_Kind(kind) {}
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem&) const override
    {
        const CFrameTimer& timer = CFrameTimer::Instance();
        const double adValues[] = {timer.totalTime(), timer.totalTime() - timer.timeSinceLastFrame(),
                                   timer.timeSinceLastFrame()};
        callback.SetFloat(nHandle, float(adValues[m_Kind]));
    }

private:
    TimeKind m_Kind;
};

class CFxParamTextureChannel : public IFxParameter {
public:
    explicit CFxParamTextureChannel(size_t nChannel) : m_nChannel(nChannel) {}
    bool IsPerObject() const override { return true; }
    void Apply(IFxParameterCallback& callback, unsigned nHandle, const SRenderItem& item) const override
    {
        const SMaterial* pMaterial = item.GetMaterial();
        if (pMaterial && pMaterial->aTextures[m_nChannel].GetTexture())
            callback.SetTexture(nHandle, pMaterial->aTextures[m_nChannel]);
    }

private:
    size_t m_nChannel;
};

// Reserved for lights; nothing of this game draws with them.
class CFxParamReserved : public IFxParameter {
public:
    bool IsPerObject() const override { return true; }
    void Apply(IFxParameterCallback&, unsigned, const SRenderItem&) const override {}
};

// "prefix" followed by exactly nDigits digits no larger than nMax.
bool NumberedName(const std::string& strName, const char* pszPrefix, size_t nDigits, int nMax, size_t& nIndex)
{
    const size_t nPrefix = strlen(pszPrefix);
    if (strName.size() != nPrefix + nDigits || strncasecmp(strName.c_str(), pszPrefix, nPrefix) != 0)
        return false;
    int nValue = 0;
    for (size_t i = nPrefix; i < strName.size(); ++i) {
        if (!isdigit(static_cast<unsigned char>(strName[i])))
            return false;
        nValue = nValue * 10 + (strName[i] - '0');
    }
    nIndex = size_t(nValue);
    return nValue <= nMax;
}

}  // namespace

std::unique_ptr<IFxParameter> CreateFxParameter(const std::string& strName)
{
    const char* psz = strName.c_str();
    size_t nIndex = 0;
    if (strcasecmp(psz, "world") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamWorldMatrix());
    if (strcasecmp(psz, "view") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamViewMatrix());
    if (strcasecmp(psz, "projection") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamProjectionMatrix());
    if (strcasecmp(psz, "worldviewproj") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamWorldViewProjMatrix());
    if (strcasecmp(psz, "time") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamTime(TIME_TOTAL));
    if (strcasecmp(psz, "lasttime") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamTime(TIME_LAST));
    if (strcasecmp(psz, "elapsedtime") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamTime(TIME_ELAPSED));
    if (strcasecmp(psz, "vantile_lightpos") == 0 || strcasecmp(psz, "vantile_lightcolor") == 0)
        return std::unique_ptr<IFxParameter>(new CFxParamReserved());
    if (NumberedName(strName, "vantile_texchannel", 1, 7, nIndex))
        return std::unique_ptr<IFxParameter>(new CFxParamTextureChannel(nIndex));
    if (NumberedName(strName, "worldview", 2, 20, nIndex))
        return std::unique_ptr<IFxParameter>(new CFxParamWorldViewMatrix(nIndex));
    return nullptr;
}

}  // namespace Vantile
