#include "Objects/vantile_object.h"

#include <gtest/gtest.h>

#include <cstring>
#include <typeinfo>

#include "Core/vantile_exception.h"
#include "Scene/vantile_meshnode.h"
#include "Scene/vantile_nodeanimator.h"
#include "Scene/vantile_skinnode.h"
#include "Scene/vantile_splinenode.h"
#include "object_samples.h"
#include "object_test_folder.h"

using namespace Vantile;

namespace {

bool SameMatrix(const D3DXMATRIX& a, const D3DXMATRIX& b)
{
    return memcmp(&a, &b, sizeof(a)) == 0;
}

void ExpectMeshEqual(const CMeshNode& node, const SNodeRecord& record)
{
    const CMesh& mesh = *node.GetMesh();
    EXPECT_EQ(mesh.GetFVF(), record.dwFVF);
    EXPECT_EQ(mesh.GetVertexData(), record.Vertices);
    EXPECT_EQ(mesh.GetIndices(), record.Indices);
    ASSERT_EQ(mesh.GetSubsets().size(), record.Subsets.size());
    ASSERT_EQ(node.GetMaterials().size(), record.Subsets.size());
    for (size_t i = 0; i < record.Subsets.size(); ++i) {
        EXPECT_EQ(mesh.GetSubsets()[i].nFirstTriangle, record.Subsets[i].nFirstTriangle);
        EXPECT_EQ(mesh.GetSubsets()[i].nTriangleCount, record.Subsets[i].nTriangleCount);
    }
}

// The loaded tree against the records it came from, node for node.
void ExpectTreeEqual(const CNode& node, const SNodeRecord& record)
{
    SCOPED_TRACE(record.strName);
    EXPECT_EQ(node.GetName(), record.strName);
    EXPECT_TRUE(SameMatrix(*const_cast<CNode&>(node).GetLocalMatrix(), record.mLocal));
    switch (record.nType) {
    case OBJECT_NODE_PLAIN: EXPECT_EQ(typeid(node), typeid(CNode)); break;
    case OBJECT_NODE_MESH: ExpectMeshEqual(dynamic_cast<const CMeshNode&>(node), record); break;
    case OBJECT_NODE_SPLINE: EXPECT_EQ(dynamic_cast<const CSplineNode&>(node).GetPoints(), record.Points); break;
    default: {
        const CSkinNode& skin = dynamic_cast<const CSkinNode&>(node);
        ExpectMeshEqual(skin, record);
        ASSERT_EQ(skin.GetBones().size(), record.Bones.size());
        for (size_t i = 0; i < record.Bones.size(); ++i) {
            EXPECT_EQ(skin.GetBones()[i].strName, record.Bones[i].strName);
            EXPECT_EQ(skin.GetBones()[i].Influences, record.Bones[i].Influences);
            EXPECT_TRUE(SameMatrix(skin.GetBones()[i].mOffset, record.Bones[i].mOffset));
        }
    }
    }
    ASSERT_EQ(node.GetChildCount(), record.Children.size());
    for (size_t i = 0; i < record.Children.size(); ++i)
        ExpectTreeEqual(*node.GetChild(i), record.Children[i]);
}

class ObjectTest : public ::testing::Test {
protected:
    CObjectTestFolder m_Data;
};

TEST_F(ObjectTest, AWrittenObjectLoadsBackNodeForNode)
{
    const SObjectFile fish = SampleFish();
    m_Data.Write("fish.object", fish);
    CObject object("fish.object");
    ASSERT_NE(object.GetRoot(), nullptr);
    ExpectTreeEqual(*object.GetRoot(), fish.Root);
    EXPECT_EQ(object.GetMeshNodeCount(), 2u);
    ASSERT_EQ(object.GetMaterialLibrary().size(), 1u);
    EXPECT_EQ(object.GetMaterialLibrary()[0].strEffect, "rigid.fx");
}

TEST_F(ObjectTest, MaterialsComeFromTheLibraryAndUnknownIdsAreNeverDrawn)
{
    m_Data.Write("fish.object", SampleFish());
    CObject object("fish.object");
    const CMeshNode* pBody = dynamic_cast<const CMeshNode*>(object.GetRoot()->FindChild("Body"));
    ASSERT_NE(pBody, nullptr);
    const SMaterial& known = pBody->GetMaterials()[0];
    ASSERT_NE(known.pEffect, nullptr);
    EXPECT_EQ(known.pEffect->GetName(), "rigid.fx");
    EXPECT_EQ(known.nId, 10u);
    EXPECT_FLOAT_EQ(known.afColorA[0], 1.0f);
    EXPECT_FLOAT_EQ(known.afColorA[1], 64 / 255.0f);
    EXPECT_FLOAT_EQ(known.afColorA[2], 32 / 255.0f);
    EXPECT_FLOAT_EQ(known.afColorA[3], 128 / 255.0f);
    EXPECT_NE(known.aTextures[0].GetTexture(), nullptr);
    EXPECT_EQ(known.aTextures[3].GetTexture(), nullptr) << "the fourth name is not a channel";
    EXPECT_EQ(pBody->GetMaterials()[1].pEffect, nullptr);
    EXPECT_EQ(const_cast<CMeshNode*>(pBody)->Enqueue(), 1);
}

TEST_F(ObjectTest, RebuildingMaterialsTakesTheEffectsOfTheCurrentQueue)
{
    m_Data.Write("fish.object", SampleFish());
    CObject object("fish.object");
    const CMeshNode* pBody = dynamic_cast<const CMeshNode*>(object.GetRoot()->FindChild("Body"));
    CFxEffect* pBefore = pBody->GetMaterials()[0].pEffect;
    CRenderQueue other;
    other.SetEffectLoader([](const std::string& strName) { return new CFxEffect(strName); });
    other.MakeCurrent();
    object.RebuildMaterials();
    EXPECT_NE(pBody->GetMaterials()[0].pEffect, pBefore);
    EXPECT_EQ(pBody->GetMaterials()[0].pEffect, other.GetEffect("rigid.fx", false));
    EXPECT_EQ(pBody->GetMaterials()[1].pEffect, nullptr);
    m_Data.Queue().MakeCurrent();
    object.RebuildMaterials();
}

TEST_F(ObjectTest, TheAnimationSetReachesItsTargetsByName)
{
    m_Data.Write("fish.object", SampleFish());
    CObject object("fish.object");
    CNode* pRoot = object.GetRoot();
    ASSERT_NE(pRoot->GetAnimator(), nullptr) << "the root is a target by its own name";
    EXPECT_EQ(pRoot->GetAnimator()->GetCurrentTrack()->GetName(), "swim");
    EXPECT_FLOAT_EQ(pRoot->GetAnimationLength("swim", true), 2.0f);
    ASSERT_NE(pRoot->FindChild("Tail")->GetAnimator(), nullptr);
    EXPECT_EQ(pRoot->FindChild("Body")->GetAnimator(), nullptr);
    ASSERT_NE(object.FindAnimationSet("swim"), nullptr);
    EXPECT_EQ(object.FindAnimationSet("swim")->Animations.size(), 3u) << "an absent target is skipped, not dropped";
}

TEST_F(ObjectTest, APackAddsTheAnimationsOfItsLaterFiles)
{
    m_Data.Write("fish.object", SampleFish());
    m_Data.Write("turn.object", SampleAnimation("turn", 3.0f));
    m_Data.Write("dive.object", SampleAnimation("dive", 5.0f));
    m_Data.Write("fish.ani", "<pack><animation value=\"fish.object\"/><other/><animation value=\"turn.object\"/>"
                             "<animation value=\"dive.object\"/></pack>");
    CObject object("fish.ani");
    EXPECT_EQ(object.GetRoot()->GetName(), "FishRoot");
    EXPECT_EQ(object.GetAnimationSets().size(), 3u);
    CNodeAnimator* pTail = object.GetRoot()->FindChild("Tail")->GetAnimator();
    EXPECT_EQ(pTail->GetTrackCount(), 3u);
    EXPECT_EQ(pTail->GetCurrentTrack()->GetName(), "swim");
    EXPECT_FLOAT_EQ(object.GetRoot()->GetAnimationLength("dive", true), 5.0f);
    EXPECT_NE(object.FindAnimationSet("turn"), nullptr);
}

TEST_F(ObjectTest, BrokenPacksAreRefused)
{
    m_Data.Write("fish.object", SampleFish());
    const struct {
        const char* pszName;
        const char* pszText;
    } cases[] = {
        {"torn.ani", "<pack><animation value=\"fish.object\"></pack>"},
        {"empty.ani", "<pack/>"},
        {"nameless.ani", "<pack><animation/></pack>"},
        {"self.ani", "<pack><animation value=\"self.ani\"/></pack>"},
        {"blank.ani", ""},
    };
    for (const auto& test : cases)
        m_Data.Write(test.pszName, test.pszText);
    for (const auto& test : cases) {
        try {
            CObject object(test.pszName);
            ADD_FAILURE() << test.pszName << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.getFunc(), "CObject::LoadAniPack");
            EXPECT_EQ(e.getDetails().find("Failed to parse file [" + std::string(test.pszName) + "]"), 0u) << e.getDetails();
        }
    }
}

TEST_F(ObjectTest, AMissingFileThrowsTheResourceError)
{
    try {
        CObject object("nothing.object");
        FAIL() << "loaded a missing file";
    } catch (const Exception& e) {
        EXPECT_EQ(e.getCode(), 4);
    }
}

}  // namespace
