#include "Scene/vantile_node.h"

#include <strings.h>

#include <algorithm>

#include "Core/vantile_frametimer.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Scene/vantile_nodeanimator.h"

namespace Vantile {

D3DXMATRIX IdentityMatrix()
{
    D3DXMATRIX mIdentity;
    return *D3DXMatrixIdentity(&mIdentity);
}

IRenderTarget::~IRenderTarget()
{
    CRenderQueue::ForgetTarget(this);
}

D3DXMATRIX IRenderTarget::GetWorldMatrix(size_t nIndex) const
{
    return IdentityMatrix();
}

CNode::CNode() : m_mWorld(IdentityMatrix()), m_mLocal(IdentityMatrix()) {}

CNode::CNode(const std::string& strName, const D3DXMATRIX& mLocal)
    : m_strName(strName), m_mWorld(IdentityMatrix()), m_mLocal(mLocal)
{
}

CNode::~CNode()
{
    while (!m_Children.empty()) {
        CNode* pChild = m_Children.back();
        m_Children.pop_back();
        pChild->m_pParent = nullptr;
        delete pChild;
    }
    if (m_pParent)
        m_pParent->RemoveChild(this);
}

const D3DXMATRIX& CNode::UpdateWorldMatrix(const D3DXMATRIX& mParentWorld)
{
    D3DXMatrixMultiply(&m_mWorld, &m_mLocal, &mParentWorld);
    return m_mWorld;
}

void CNode::Animate()
{
    if (!m_pAnimator || !m_pAnimator->IsApplied())
        return;
    m_pAnimator->Advance(CFrameTimer::Instance().frameSeconds());
    if (m_pAnimator->GetCurrentTrack())
        m_mLocal = m_pAnimator->Sample();
}

CNode* CNode::Clone() const
{
    CNode* pClone = new CNode();
    CopyInto(*pClone);
    return pClone;
}

void CNode::CopyInto(CNode& target) const
{
    target.m_strName = m_strName;
    target.m_mLocal = m_mLocal;
    target.m_mWorld = m_mWorld;
    if (m_pAnimator)
        target.m_pAnimator.reset(new CNodeAnimator(*m_pAnimator));
    for (const CNode* pChild : m_Children)
        target.AddChild(pChild->Clone());
}

void CNode::PlayAnimation(bool bLoop, bool bRecursive, float fSpeed)
{
    if (m_pAnimator)
        m_pAnimator->Play(bLoop, fSpeed);
    if (bRecursive) {
        for (CNode* pChild : m_Children)
            pChild->PlayAnimation(bLoop, true, fSpeed);
    }
}

void CNode::PauseAnimation(bool bRecursive)
{
    if (m_pAnimator)
        m_pAnimator->Pause();
    if (bRecursive) {
        for (CNode* pChild : m_Children)
            pChild->PauseAnimation(true);
    }
}

void CNode::StopAnimation(bool bRecursive)
{
    if (m_pAnimator)
        m_pAnimator->Stop();
    if (bRecursive) {
        for (CNode* pChild : m_Children)
            pChild->StopAnimation(true);
    }
}

void CNode::SetAnimationApply(bool bApply)
{
    if (m_pAnimator)
        m_pAnimator->SetApply(bApply);
}

void CNode::SetAnimationTime(float fTime, bool bRecursive)
{
    if (m_pAnimator)
        m_pAnimator->SetTime(fTime);
    if (bRecursive) {
        for (CNode* pChild : m_Children)
            pChild->SetAnimationTime(fTime, true);
    }
}

size_t CNode::AddChild(CNode* pChild)
{
    if (pChild) {
        if (pChild->m_pParent)
            pChild->m_pParent->RemoveChild(pChild);
        pChild->m_pParent = this;
        m_Children.push_back(pChild);
    }
    return m_Children.size();
}

bool CNode::RemoveChild(CNode* pChild)
{
    const auto it = std::find(m_Children.begin(), m_Children.end(), pChild);
    if (it == m_Children.end())
        return false;
    m_Children.erase(it);
    pChild->m_pParent = nullptr;
    return true;
}

CNode* CNode::GetChild(size_t nIndex) const
{
    return nIndex < m_Children.size() ? m_Children[nIndex] : nullptr;
}

CNode* CNode::FindChild(const char* pszName) const
{
    if (!pszName)
        return nullptr;
    for (CNode* pChild : m_Children) {
        if (strcasecmp(pChild->m_strName.c_str(), pszName) == 0)
            return pChild;
        if (CNode* pFound = pChild->FindChild(pszName))
            return pFound;
    }
    return nullptr;
}

void CNode::SetName(const char* pszName)
{
    if (pszName && *pszName)
        m_strName = pszName;
}

bool CNode::SetEnabled(bool bEnabled)
{
    const bool bPrevious = m_bEnabled;
    m_bEnabled = bEnabled;
    return bPrevious;
}

void CNode::SelectGroup(const std::string& strGroup, bool bRecursive)
{
    m_bInGroup = m_Groups.empty() || std::find(m_Groups.begin(), m_Groups.end(), strGroup) != m_Groups.end();
    if (bRecursive) {
        for (CNode* pChild : m_Children)
            pChild->SelectGroup(strGroup, true);
    }
}

void CNode::SetAlpha(float fAlpha)
{
    m_fAlpha = std::min(std::max(fAlpha, 0.0f), 1.0f);
}

void CNode::SetAlphaRecursive(float fAlpha)
{
    SetAlpha(fAlpha);
    for (CNode* pChild : m_Children)
        pChild->SetAlphaRecursive(fAlpha);
}

D3DXMATRIX CNode::GetCombinedLocalMatrix() const
{
    D3DXMATRIX mResult = m_mLocal;
    for (const CNode* pNode = m_pParent; pNode; pNode = pNode->m_pParent)
        D3DXMatrixMultiply(&mResult, &mResult, &pNode->m_mLocal);
    return mResult;
}

CNodeAnimator& CNode::GetOrCreateAnimator()
{
    if (!m_pAnimator)
        m_pAnimator.reset(new CNodeAnimator());
    return *m_pAnimator;
}

void CNode::SetAnimator(std::unique_ptr<CNodeAnimator> pAnimator)
{
    m_pAnimator = std::move(pAnimator);
}

float CNode::GetAnimationLength(const std::string& strTrack, bool bRecursive) const
{
    float fLength = m_pAnimator ? m_pAnimator->GetLength(strTrack) : 0.0f;
    if (bRecursive) {
        for (const CNode* pChild : m_Children)
            fLength = std::max(fLength, pChild->GetAnimationLength(strTrack, true));
    }
    return fLength;
}

void CNode::Process(unsigned nMask)
{
    if (!m_bEnabled || !m_bInGroup)
        return;
    if (nMask & PROCESS_UPDATE) {
        UpdateWorldMatrix(m_pParent ? m_pParent->GetWorldMatrix(0) : IdentityMatrix());
    }
    if (nMask & PROCESS_ENQUEUE)
        Enqueue();
    if (nMask & PROCESS_ANIMATE)
        Animate();
    for (size_t i = 0; i < m_Children.size(); ++i)
        m_Children[i]->Process(nMask);
}

}  // namespace Vantile
