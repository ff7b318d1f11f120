// Effects as the render queue sees them: Begin, one Render per queued item,
// End; listeners hear each step. CFxEffect adds the cache name and the
// container the effect's draws are sorted into.
#pragma once

#include <string>
#include <vector>

#include "Renderstages/vantile_renderitem.h"

namespace Vantile {

class IRenderQueueContainer;

class IEffectListener {
public:
    virtual ~IEffectListener() = default;
    virtual void Begin() {}
    virtual void Render(const SRenderItem& item) {}
    virtual void End() {}
};

class CBaseEffect {
public:
    virtual ~CBaseEffect();
    virtual const std::string& GetName() const = 0;
    virtual int GetPriority() const = 0;
    virtual const std::string& GetContainerName() const = 0;
    virtual void Begin();
    virtual void Render(const SRenderItem& item);
    virtual void End();

    // Owned listeners are deleted with the effect.
    void AddListener(IEffectListener* pListener, bool bOwned);

private:
    struct SListener {
        IEffectListener* pListener;
        bool bOwned;
    };
    std::vector<SListener> m_Listeners;
};

class CFxEffect : public CBaseEffect {
public:
    explicit CFxEffect(const std::string& strName) : m_strName(strName) {}

    const std::string& GetName() const override { return m_strName; }
    int GetPriority() const override { return m_nPriority; }
    const std::string& GetContainerName() const override { return m_strContainerName; }

    IRenderQueueContainer* GetContainer() const { return m_pContainer; }
    void SetContainer(IRenderQueueContainer* pContainer) { m_pContainer = pContainer; }

protected:
    IRenderQueueContainer* m_pContainer = nullptr;
    std::string m_strName;
    int m_nPriority = 0;
    std::string m_strContainerName = "nosort";
};

}  // namespace Vantile
