#include "Scene/vantile_node.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "Scene/vantile_nodeanimator.h"
#include "scene_test_support.h"

using namespace Vantile;

namespace {

// Records what the walk did to it, in order, into a shared journal.
class CJournalNode : public CNode {
public:
    CJournalNode(const std::string& strName, std::vector<std::string>& journal, const D3DXMATRIX& mLocal = IdentityMatrix())
        : CNode(strName, mLocal), m_Journal(journal)
    {
    }
    const D3DXMATRIX& UpdateWorldMatrix(const D3DXMATRIX& mParent) override
    {
        m_Journal.push_back("update " + m_strName);
        return CNode::UpdateWorldMatrix(mParent);
    }
    int Enqueue() override
    {
        m_Journal.push_back("enqueue " + m_strName);
        m_fWorldXAtEnqueue = m_mWorld._41;
        return 0;
    }
    void Animate() override
    {
        m_Journal.push_back("animate " + m_strName);
        m_mLocal._41 += 100.0f;
    }
    float m_fWorldXAtEnqueue = -1.0f;

private:
    std::vector<std::string>& m_Journal;
};

std::shared_ptr<CAnimationTrack> SlideTrack(float fLength)
{
    return std::make_shared<CAnimationTrack>("swim", std::vector<SVectorKey>{{0.0f, {0, 0, 0}}, {fLength, {fLength, 0, 0}}},
                                             std::vector<SRotationKey>(), std::vector<SVectorKey>());
}

TEST(NodeTest, FindChildSearchesDescendantsIgnoringCaseButNeverTheNodeItself)
{
    CNode root("Fish001", IdentityMatrix());
    CNode* pBody = new CNode("Body", IdentityMatrix());
    CNode* pTail = new CNode("Tail", IdentityMatrix());
    CNode* pFish = new CNode("Fish001", IdentityMatrix());
    root.AddChild(pBody);
    root.AddChild(pTail);
    pBody->AddChild(pFish);

    EXPECT_EQ(root.FindChild("fish001"), pFish);
    EXPECT_EQ(root.FindChild("TAIL"), pTail);
    EXPECT_EQ(pFish->FindChild("fish001"), nullptr);
    EXPECT_EQ(root.FindChild("Fin"), nullptr);
    EXPECT_EQ(root.FindChild(static_cast<const char*>(nullptr)), nullptr);
}

TEST(NodeTest, ChildrenAreOwnedAndLeaveTheirParentWhenDeleted)
{
    CNode root;
    CNode* pChild = new CNode("child", IdentityMatrix());
    EXPECT_EQ(root.AddChild(pChild), 1u);
    EXPECT_EQ(root.AddChild(nullptr), 1u);
    EXPECT_EQ(pChild->GetParent(), &root);
    delete pChild;
    EXPECT_EQ(root.GetChildCount(), 0u);

    CNode* pOther = new CNode("other", IdentityMatrix());
    root.AddChild(pOther);
    EXPECT_TRUE(root.RemoveChild(pOther));
    EXPECT_FALSE(root.RemoveChild(pOther));
    EXPECT_EQ(pOther->GetParent(), nullptr);
    EXPECT_EQ(root.GetChild(0), nullptr);
    delete pOther;
}

TEST(NodeTest, ProcessUpdatesParentsFirstAndAnimationOnlyMovesTheNextFrame)
{
    std::vector<std::string> journal;
    CJournalNode root("root", journal, Translation(10, 0, 0));
    CJournalNode* pChild = new CJournalNode("child", journal, Translation(1, 0, 0));
    root.AddChild(pChild);

    root.Process(PROCESS_ALL);
    EXPECT_EQ(journal, (std::vector<std::string>{"update root", "enqueue root", "animate root", "update child",
                                                 "enqueue child", "animate child"}));
    EXPECT_FLOAT_EQ(pChild->m_fWorldXAtEnqueue, 11.0f) << "this frame's world, before the animation moved it";

    journal.clear();
    root.Process(PROCESS_UPDATE);
    EXPECT_EQ(journal, (std::vector<std::string>{"update root", "update child"}));
    EXPECT_FLOAT_EQ(pChild->GetWorld()._41, 211.0f);
}

TEST(NodeTest, DisabledOrUngroupedSubtreesAreSkipped)
{
    std::vector<std::string> journal;
    CJournalNode root("root", journal);
    CJournalNode* pGrouped = new CJournalNode("grouped", journal);
    CJournalNode* pLeaf = new CJournalNode("leaf", journal);
    root.AddChild(pGrouped);
    pGrouped->AddChild(pLeaf);
    pGrouped->AddGroup("a");
    pGrouped->AddGroup("b");

    struct Case {
        bool bEnabled;
        const char* pszGroup;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {true, "b", {"update root", "update grouped", "update leaf"}},
        {true, "c", {"update root"}},
        {false, "a", {"update root"}},
    };
    for (const Case& test : cases) {
        journal.clear();
        pGrouped->SetEnabled(test.bEnabled);
        root.SelectGroup(test.pszGroup, true);
        root.Process(PROCESS_UPDATE);
        EXPECT_EQ(journal, test.expected) << test.pszGroup << " enabled " << test.bEnabled;
        EXPECT_TRUE(root.IsInGroup()) << "a node without groups is in every group";
    }
}

TEST(NodeTest, DisablingStopsTheSubtreesAnimations)
{
    CSceneClock clock;
    CNode root;
    CNode* pChild = new CNode("child", IdentityMatrix());
    root.AddChild(pChild);
    pChild->GetOrCreateAnimator().AddTrack("swim", SlideTrack(10.0f));
    root.PlayAnimation(true, true, 1.0f);

    clock.Step(50);
    root.Process(PROCESS_ANIMATE);
    EXPECT_FLOAT_EQ(pChild->GetAnimator()->GetTime(), 0.05f);
    EXPECT_FLOAT_EQ(pChild->GetLocalMatrix()->_41, 0.05f);

    root.SetEnabled(false);
    clock.Step(50);
    root.Process(PROCESS_ANIMATE);
    EXPECT_FLOAT_EQ(pChild->GetAnimator()->GetTime(), 0.05f);
}

TEST(NodeTest, CloneIsDeepAndIndependent)
{
    CNode root("root", Translation(1, 2, 3));
    CNode* pChild = new CNode("child", Translation(4, 0, 0));
    root.AddChild(pChild);
    root.GetOrCreateAnimator().AddTrack("swim", SlideTrack(2.0f));
    root.GetAnimator()->SetTime(1.5f);

    std::unique_ptr<CNode> pClone(root.Clone());
    ASSERT_EQ(pClone->GetChildCount(), 1u);
    EXPECT_NE(pClone->GetChild(0), pChild);
    EXPECT_EQ(pClone->GetChild(0)->GetName(), "child");
    EXPECT_EQ(pClone->GetChild(0)->GetParent(), pClone.get());
    EXPECT_TRUE(MatrixNear(*pClone->GetLocalMatrix(), Translation(1, 2, 3)));
    ASSERT_NE(pClone->GetAnimator(), root.GetAnimator());
    EXPECT_FLOAT_EQ(pClone->GetAnimator()->GetTime(), 1.5f);
    EXPECT_EQ(pClone->GetAnimator()->GetCurrentTrack(), root.GetAnimator()->GetCurrentTrack()) << "tracks are shared";

    pClone->GetAnimator()->SetTime(0.0f);
    EXPECT_FLOAT_EQ(root.GetAnimator()->GetTime(), 1.5f);
}

TEST(NodeTest, CombinedLocalMatrixIgnoresStaleWorldMatrices)
{
    CNode root("root", Translation(10, 0, 0));
    CNode* pChild = new CNode("child", Translation(0, 5, 0));
    root.AddChild(pChild);
    EXPECT_TRUE(MatrixNear(pChild->GetCombinedLocalMatrix(), Translation(10, 5, 0)));
    EXPECT_TRUE(MatrixNear(pChild->GetWorld(), IdentityMatrix()));
}

TEST(NodeTest, AnimationLengthIsTheLongestTrackOfThatName)
{
    CNode root;
    CNode* pChild = new CNode("child", IdentityMatrix());
    root.AddChild(pChild);
    root.GetOrCreateAnimator().AddTrack("swim", SlideTrack(2.0f));
    pChild->GetOrCreateAnimator().AddTrack("swim", SlideTrack(3.5f));
    pChild->GetAnimator()->AddTrack("turn", SlideTrack(9.0f));

    EXPECT_FLOAT_EQ(root.GetAnimationLength("swim", false), 2.0f);
    EXPECT_FLOAT_EQ(root.GetAnimationLength("swim", true), 3.5f);
    EXPECT_FLOAT_EQ(root.GetAnimationLength("Swim", true), 0.0f);
}

TEST(NodeTest, AlphaIsClampedAndNamesCannotBeCleared)
{
    CNode root("root", IdentityMatrix());
    root.AddChild(new CNode("child", IdentityMatrix()));
    root.SetAlphaRecursive(1.5f);
    EXPECT_FLOAT_EQ(root.GetChild(0)->GetAlpha(), 1.0f);
    root.SetAlpha(-2.0f);
    EXPECT_FLOAT_EQ(root.GetAlpha(), 0.0f);
    root.SetName("");
    root.SetName(nullptr);
    EXPECT_EQ(root.GetName(), "root");
}

}  // namespace
