// The scene graph node and the drawable interface the render queue calls
// back into. A node owns its children and its animator; once per frame a
// render stage walks a tree with Process(mask).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "d3d/d3dx8.h"

namespace Vantile {

class CNodeAnimator;
struct SMaterial;

D3DXMATRIX IdentityMatrix();

// The bits of the Process mask.
enum ProcessMask : unsigned {
    PROCESS_UPDATE = 1,   // recompute world matrices
    PROCESS_ENQUEUE = 2,  // hand drawables to the current render queue
    PROCESS_ANIMATE = 4,  // advance animations (seen in the next frame)
    PROCESS_ALL = 7,
};

// A render queue holds a target's address from Enqueue until its clear
// stage; a target destroyed in between (a window closed, a sprite replaced
// during the frame) takes itself out of every queue, so no queue draws
// through a freed target.
class IRenderTarget {
public:
    virtual ~IRenderTarget();
    virtual size_t GetWorldMatrixCount() const { return 0; }
    virtual D3DXMATRIX GetWorldMatrix(size_t nIndex) const;
    // Draws one subset; -1 draws everything.
    virtual void Render(int nSubset) = 0;
    virtual const SMaterial* GetMaterial(size_t nIndex) const { return nullptr; }
};

class CNode : public IRenderTarget {
public:
    CNode();
    CNode(const std::string& strName, const D3DXMATRIX& mLocal);
    // Deletes the children (last first), leaves the parent, deletes the
    // animator.
    ~CNode() override;
    CNode(const CNode&) = delete;
    CNode& operator=(const CNode&) = delete;

    size_t GetWorldMatrixCount() const override { return 1; }
    D3DXMATRIX GetWorldMatrix(size_t nIndex) const override { return m_mWorld; }
    void Render(int nSubset) override {}

    virtual D3DXMATRIX* GetLocalMatrix() { return &m_mLocal; }
    virtual const D3DXMATRIX& UpdateWorldMatrix(const D3DXMATRIX& mParentWorld);
    // Returns how many things were queued.
    virtual int Enqueue() { return 0; }
    virtual void Animate();
    virtual CNode* Clone() const;
    virtual void PlayAnimation(bool bLoop, bool bRecursive, float fSpeed);
    virtual void PauseAnimation(bool bRecursive);
    virtual void StopAnimation(bool bRecursive);
    virtual void SetAnimationApply(bool bApply);
    virtual void SetAnimationTime(float fTime, bool bRecursive);

    // Null is ignored; returns the child count.
    size_t AddChild(CNode* pChild);
    bool RemoveChild(CNode* pChild);
    size_t GetChildCount() const { return m_Children.size(); }
    CNode* GetChild(size_t nIndex) const;
    CNode* GetParent() const { return m_pParent; }
    // Depth-first, pre-order, ignoring case; never the node itself.
    CNode* FindChild(const char* pszName) const;
    CNode* FindChild(const std::string& strName) const { return FindChild(strName.c_str()); }

    const std::string& GetName() const { return m_strName; }
    void SetName(const char* pszName);

    bool SetEnabled(bool bEnabled);
    bool IsEnabled() const { return m_bEnabled; }
    void AddGroup(const std::string& strGroup) { m_Groups.push_back(strGroup); }
    const std::vector<std::string>& GetGroups() const { return m_Groups; }
    void SelectGroup(const std::string& strGroup, bool bRecursive);
    bool IsInGroup() const { return m_bInGroup; }

    void SetAlpha(float fAlpha);
    void SetAlphaRecursive(float fAlpha);
    float GetAlpha() const { return m_fAlpha; }

    const D3DXMATRIX& GetWorld() const { return m_mWorld; }
    // The local matrices up to the root, without the cached world matrices.
    D3DXMATRIX GetCombinedLocalMatrix() const;

    CNodeAnimator* GetAnimator() const { return m_pAnimator.get(); }
    // Creates an empty animator when the node has none.
    CNodeAnimator& GetOrCreateAnimator();
    void SetAnimator(std::unique_ptr<CNodeAnimator> pAnimator);
    float GetAnimationLength(const std::string& strTrack, bool bRecursive) const;

    void Process(unsigned nMask);

protected:
    // The node part of a deep copy: name, matrices, a copy of the animator,
    // then clones of the children in order.
    void CopyInto(CNode& target) const;

    CNode* m_pParent = nullptr;
    std::string m_strName;
    D3DXMATRIX m_mWorld;
    D3DXMATRIX m_mLocal;
    std::vector<CNode*> m_Children;
    std::vector<std::string> m_Groups;
    bool m_bEnabled = true;
    bool m_bInGroup = true;
    float m_fAlpha = 1.0f;
    std::unique_ptr<CNodeAnimator> m_pAnimator;
};

}  // namespace Vantile
