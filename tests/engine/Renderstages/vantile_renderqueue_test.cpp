#include "Renderstages/vantile_renderqueue.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Effects/vantile_effect.h"
#include "Scene/vantile_camera.h"
#include "Scene/vantile_light.h"

using namespace Vantile;

namespace {

typedef std::vector<std::string> Journal;

// An effect that writes its calls, and the drawables it draws, to a journal.
class CJournalEffect : public CFxEffect {
public:
    CJournalEffect(const std::string& strName, Journal& journal, const std::string& strContainer = "nosort",
                   int nPriority = 0)
        : CFxEffect(strName), m_Journal(journal)
    {
        m_strContainerName = strContainer;
        m_nPriority = nPriority;
    }
    void Begin() override { m_Journal.push_back("begin " + m_strName); }
    void Render(const SRenderItem& item) override { item.pTarget->Render(int(item.nMaterial)); }
    void End() override { m_Journal.push_back("end " + m_strName); }

private:
    Journal& m_Journal;
};

// A drawable at a position with one material.
class CJournalTarget : public CNode {
public:
    CJournalTarget(const std::string& strName, float fZ, CFxEffect* pEffect, Journal& journal)
        : CNode(strName, IdentityMatrix()), m_Journal(journal)
    {
        m_mWorld._43 = fZ;
        m_Material.pEffect = pEffect;
    }
    void Render(int nSubset) override { m_Journal.push_back("draw " + m_strName); }
    const SMaterial* GetMaterial(size_t nIndex) const override { return &m_Material; }

private:
    Journal& m_Journal;
    SMaterial m_Material;
};

class RenderQueueTest : public ::testing::Test {
protected:
    RenderQueueTest() : m_Camera("eye", IdentityMatrix(), 43.0f, 1.0f, 100.0f)
    {
        m_Queue.MakeCurrent();
        m_Queue.AddCamera(&m_Camera);
        m_Queue.SetCamera(0);
    }

    CFxEffect* Effect(const std::string& strName, const std::string& strContainer, int nPriority = 0)
    {
        return m_Queue.AddEffect(new CJournalEffect(strName, m_Journal, strContainer, nPriority));
    }
    void Add(const std::string& strName, float fZ, CFxEffect* pEffect)
    {
        m_Targets.emplace_back(new CJournalTarget(strName, fZ, pEffect, m_Journal));
        m_Queue.Enqueue({m_Targets.back().get(), 0});
    }
    Journal Draws()
    {
        m_Journal.clear();
        m_Queue.RenderContainers();
        Journal draws;
        for (const std::string& strLine : m_Journal) {
            if (strLine.compare(0, 5, "draw ") == 0)
                draws.push_back(strLine.substr(5));
        }
        return draws;
    }

    Journal m_Journal;
    CRenderQueue m_Queue;
    CCamera m_Camera;
    std::vector<std::unique_ptr<CJournalTarget>> m_Targets;
};

TEST_F(RenderQueueTest, SortedContainersOrderByDepth)
{
    CFxEffect* pDesc = Effect("desc.fx", "descsort");
    CFxEffect* pAsc = Effect("asc.fx", "ascsort");
    Add("near", 5.0f, pDesc);
    Add("far", 50.0f, pDesc);
    Add("middle", 20.0f, pDesc);
    Add("near2", 5.0f, pAsc);
    Add("far2", 50.0f, pAsc);
    EXPECT_EQ(Draws(), (Journal{"far", "middle", "near", "near2", "far2"}));
}

TEST_F(RenderQueueTest, PriorityDecidesBeforeDistance)
{
    CFxEffect* pHighDesc = Effect("high.fx", "descsort", 5);
    CFxEffect* pLowDesc = Effect("low.fx", "descsort", 1);
    CFxEffect* pHighAsc = Effect("high_asc.fx", "ascsort", 5);
    CFxEffect* pLowAsc = Effect("low_asc.fx", "ascsort", 1);
    Add("low far", 90.0f, pLowDesc);
    Add("high near", 1.0f, pHighDesc);
    Add("high near asc", 1.0f, pHighAsc);
    Add("low far asc", 90.0f, pLowAsc);
    EXPECT_EQ(Draws(), (Journal{"high near", "low far", "low far asc", "high near asc"}));
}

TEST_F(RenderQueueTest, EqualKeysKeepInsertionOrderAscendingAndReverseItDescending)
{
    CFxEffect* pDesc = Effect("desc.fx", "descsort");
    CFxEffect* pAsc = Effect("asc.fx", "ascsort");
    CFxEffect* pPlain = Effect("plain.fx", "nosort");
    for (const char* pszName : {"d1", "d2", "d3"})
        Add(pszName, 10.0f, pDesc);
    for (const char* pszName : {"a1", "a2"})
        Add(pszName, 10.0f, pAsc);
    Add("n1", 99.0f, pPlain);
    Add("n2", 1.0f, pPlain);
    EXPECT_EQ(Draws(), (Journal{"n1", "n2", "d3", "d2", "d1", "a1", "a2"}));
}

TEST_F(RenderQueueTest, NoSortBracketsEveryItemAndSortedRunsShareBeginAndEnd)
{
    CFxEffect* pPlain = Effect("plain.fx", "nosort");
    CFxEffect* pA = Effect("a.fx", "ascsort", 1);
    CFxEffect* pB = Effect("b.fx", "ascsort", 2);
    Add("p1", 0.0f, pPlain);
    Add("p2", 0.0f, pPlain);
    Add("a1", 1.0f, pA);
    Add("a2", 2.0f, pA);
    Add("b1", 3.0f, pB);
    m_Journal.clear();
    m_Queue.RenderContainers();
    EXPECT_EQ(m_Journal, (Journal{"begin plain.fx", "draw p1", "end plain.fx", "begin plain.fx", "draw p2", "end plain.fx",
                                  "begin a.fx", "draw a1", "draw a2", "end a.fx", "begin b.fx", "draw b1", "end b.fx"}));
}

TEST_F(RenderQueueTest, UnknownContainerOrDuplicateNameFallsBack)
{
    CFxEffect* pDefault = Effect("TranspNoZForGui.fx", "nosort");
    m_Queue.SetDefaultEffect(pDefault);
    EXPECT_EQ(Effect("odd.fx", "zsort"), pDefault);
    EXPECT_EQ(m_Queue.GetEffect("odd.fx", false), pDefault) << "the rejected effect is not cached";

    CFxEffect* pFirst = Effect("twice.fx", "descsort");
    EXPECT_EQ(Effect("twice.fx", "ascsort"), pFirst);
    EXPECT_EQ(m_Queue.GetEffect("twice.fx", false), pFirst);
    EXPECT_EQ(m_Queue.GetEffect("missing.fx", false), pDefault);
}

TEST_F(RenderQueueTest, GetEffectLoadsOnceAndFallsBackWhenLoadingFails)
{
    int nLoads = 0;
    m_Queue.SetEffectLoader([&](const std::string& strName) -> CFxEffect* {
        ++nLoads;
        return strName == "broken.fx" ? nullptr : new CJournalEffect(strName, m_Journal);
    });
    CFxEffect* pDefault = Effect("default.fx", "nosort");
    m_Queue.SetDefaultEffect(pDefault);
    CFxEffect* pLoaded = m_Queue.GetEffect("Diffuse.fx", true);
    EXPECT_EQ(pLoaded->GetName(), "Diffuse.fx");
    EXPECT_EQ(m_Queue.GetEffect("Diffuse.fx", true), pLoaded);
    EXPECT_EQ(m_Queue.GetEffect("broken.fx", true), pDefault);
    EXPECT_EQ(nLoads, 2);
}

TEST_F(RenderQueueTest, ClearContainersForgetsItemsAndLights)
{
    CFxEffect* pPlain = Effect("plain.fx", "nosort");
    Add("p1", 0.0f, pPlain);
    CLight light("lamp", IdentityMatrix());
    EXPECT_EQ(light.Enqueue(), 1);
    light.SetOn(false);
    EXPECT_EQ(light.Enqueue(), 0);
    EXPECT_EQ(m_Queue.GetLightCount(), 1u);
    m_Queue.ClearContainers();
    EXPECT_EQ(m_Queue.GetLightCount(), 0u);
    EXPECT_TRUE(Draws().empty());
}

// A window closed or a sprite replaced between its enqueueing and the draw
// stage: its items leave every queue with it, in every kind of container,
// and the rest still draw.
TEST_F(RenderQueueTest, ATargetDestroyedWhileQueuedLeavesEveryQueue)
{
    CFxEffect* pEffects[] = {Effect("plain.fx", "nosort"), Effect("far.fx", "descsort"), Effect("near.fx", "ascsort")};
    CRenderQueue other;
    CFxEffect* pOtherEffect = other.AddEffect(new CJournalEffect("other.fx", m_Journal));
    for (CFxEffect* pEffect : pEffects) {
        Add("kept " + pEffect->GetName(), 1.0f, pEffect);
        Add("gone " + pEffect->GetName(), 2.0f, pEffect);
    }
    auto pShared = std::make_unique<CJournalTarget>("shared", 3.0f, pOtherEffect, m_Journal);
    other.Enqueue({pShared.get(), 0});
    EXPECT_EQ(other.GetQueuedCount(), 1u);
    for (std::unique_ptr<CJournalTarget>& pTarget : m_Targets) {
        if (pTarget->GetName().compare(0, 4, "gone") == 0)
            pTarget.reset();
    }
    pShared.reset();
    EXPECT_EQ(m_Queue.GetQueuedCount(), 3u);
    EXPECT_EQ(other.GetQueuedCount(), 0u);
    EXPECT_EQ(Draws(), (Journal{"kept plain.fx", "kept far.fx", "kept near.fx"}));
}

TEST_F(RenderQueueTest, ClosestLightsComeNearestFirst)
{
    CNode root;
    std::vector<CLight*> lights;
    for (float fX : {30.0f, -5.0f, 12.0f}) {
        D3DXMATRIX mAt = IdentityMatrix();
        mAt._41 = fX;
        lights.push_back(new CLight("lamp", mAt));
        root.AddChild(lights.back());
    }
    root.Process(PROCESS_UPDATE | PROCESS_ENQUEUE);
    EXPECT_EQ(m_Queue.GetClosestLights(D3DXVECTOR3(10, 0, 0), 2), (std::vector<CLight*>{lights[2], lights[1]}));
    EXPECT_EQ(m_Queue.GetClosestLights(D3DXVECTOR3(10, 0, 0), 9).size(), 3u);
}

TEST(RenderQueueStagesTest, StagesRunInOrderAndOwnedOnesAreDeleted)
{
    Journal journal;
    struct CStage : IRenderStage {
        CStage(Journal& j, const char* psz, int* pDeleted) : m_Journal(j), m_pszName(psz), m_pDeleted(pDeleted) {}
        ~CStage() override { ++*m_pDeleted; }
        void Render() override { m_Journal.push_back(m_pszName); }
        Journal& m_Journal;
        const char* m_pszName;
        int* m_pDeleted;
    };
    int nDeleted = 0;
    CStage kept(journal, "kept", &nDeleted);
    {
        CRenderQueue queue;
        queue.AddStage(new CStage(journal, "first", &nDeleted), true);
        queue.AddStage(&kept, false);
        queue.Render();
        EXPECT_EQ(journal, (Journal{"first", "kept"}));
    }
    EXPECT_EQ(nDeleted, 1);
}

}  // namespace
