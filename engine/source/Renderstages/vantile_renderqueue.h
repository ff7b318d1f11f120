// The frame's render queue: the stages of the pipeline, the cameras, the
// lights queued this frame, the containers that sort queued items, and the
// effect cache. One queue is current; nodes and effects reach it through
// CRenderQueue::Current().
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Core/vantile_root.h"
#include "Renderstages/vantile_renderitem.h"
#include "Renderstages/vantile_renderstage.h"

namespace Vantile {

class CCamera;
class CFxEffect;
class CLight;

class IRenderQueueContainer {
public:
    virtual ~IRenderQueueContainer() = default;
    virtual void Add(const SRenderItem& item) = 0;
    virtual void Render() = 0;
    virtual void Clear() = 0;
    // Drops the items drawn through pTarget.
    virtual void Forget(const IRenderTarget* pTarget) = 0;
    virtual size_t GetItemCount() const = 0;
};

class CRenderQueue : public IRenderQueue {
public:
    // Builds an effect from its file; null when it cannot be built. Effect
    // files of our language by default.
    typedef std::function<CFxEffect*(const std::string&)> EffectLoader;

    class CNoSortingContainer;
    class CDepthSortingContainer;
    class CDescDepthSortingContainer;
    class CAscDepthSortingContainer;

    // Adds "nosort" (400), "descsort" (300) and "ascsort" (100).
    CRenderQueue();
    ~CRenderQueue() override;
    CRenderQueue(const CRenderQueue&) = delete;
    CRenderQueue& operator=(const CRenderQueue&) = delete;

    // Null when no queue is current.
    static CRenderQueue* Current();
    void MakeCurrent();
    // Every live queue drops the items of a target that goes away.
    static void ForgetTarget(const IRenderTarget* pTarget);

    // IRenderQueue: one frame is the stage list.
    void Render() override { RenderStages(); }

    CFxEffect* GetEffect(const std::string& strFileName, bool bLoad);
    // Takes ownership; returns the effect to use in its place.
    CFxEffect* AddEffect(CFxEffect* pEffect);
    void SetDefaultEffect(CFxEffect* pEffect) { m_pDefaultEffect = pEffect; }
    CFxEffect* GetDefaultEffect() const { return m_pDefaultEffect; }
    void SetEffectLoader(EffectLoader loader) { m_EffectLoader = std::move(loader); }

    // Takes ownership of the container.
    void AddContainer(const std::string& strName, int nPriority, IRenderQueueContainer* pContainer);
    void Enqueue(const SRenderItem& item);
    void RenderContainers();
    // Also forgets the lights queued so far.
    void ClearContainers();
    // Items queued and not yet cleared, in every container.
    size_t GetQueuedCount() const;

    void AddLight(CLight* pLight);
    // The nearest lights first, at most nMax of them.
    std::vector<CLight*> GetClosestLights(const D3DXVECTOR3& vPosition, size_t nMax) const;
    size_t GetLightCount() const { return m_Lights.size(); }

    void AddCamera(CCamera* pCamera) { m_Cameras.push_back(pCamera); }
    size_t GetCameraCount() const { return m_Cameras.size(); }
    void SetCamera(size_t nIndex);
    CCamera* GetCamera() const;
    bool HasCamera() const { return m_pCamera != nullptr; }

    void AddStage(IRenderStage* pStage, bool bOwned);
    void ClearStages();
    void RenderStages();

private:
    struct SContainer {
        int nPriority;
        std::string strName;
        std::unique_ptr<IRenderQueueContainer> pContainer;
    };
    struct SStage {
        IRenderStage* pStage;
        bool bOwned;
    };

    IRenderQueueContainer* FindContainer(const std::string& strName) const;

    std::map<std::string, std::unique_ptr<CFxEffect>> m_Effects;
    CFxEffect* m_pDefaultEffect = nullptr;
    EffectLoader m_EffectLoader;
    std::vector<SContainer> m_Containers;
    std::vector<CCamera*> m_Cameras;
    CCamera* m_pCamera = nullptr;
    std::vector<CLight*> m_Lights;
    std::vector<SStage> m_Stages;
};

// Items in the order they were queued.
class CRenderQueue::CNoSortingContainer : public IRenderQueueContainer {
public:
    void Add(const SRenderItem& item) override { m_Items.push_back(item); }
    void Render() override;
    void Clear() override { m_Items.clear(); }
    void Forget(const IRenderTarget* pTarget) override;
    size_t GetItemCount() const override { return m_Items.size(); }

private:
    std::vector<SRenderItem> m_Items;
};

// Items keyed by effect priority, then squared distance to the current
// camera. Equal keys keep insertion order, so walking backwards visits
// them in reverse.
class CRenderQueue::CDepthSortingContainer : public IRenderQueueContainer {
public:
    void Add(const SRenderItem& item) override;
    void Clear() override { m_Items.clear(); }
    void Forget(const IRenderTarget* pTarget) override;
    size_t GetItemCount() const override { return m_Items.size(); }

protected:
    struct SKey {
        int nPriority;
        float fDistanceSq;
        bool operator<(const SKey& other) const
        {
            return nPriority != other.nPriority ? nPriority < other.nPriority : fDistanceSq < other.fDistanceSq;
        }
    };
    typedef std::multimap<SKey, SRenderItem> ItemMap;

    // Consecutive items of one effect share its Begin and End.
    template <class Iterator>
    static void RenderRun(Iterator first, Iterator last);

    ItemMap m_Items;
};

class CRenderQueue::CDescDepthSortingContainer : public CDepthSortingContainer {
public:
    void Render() override;
};

class CRenderQueue::CAscDepthSortingContainer : public CDepthSortingContainer {
public:
    void Render() override;
};

}  // namespace Vantile
