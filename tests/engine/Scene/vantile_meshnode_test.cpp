#include "Scene/vantile_meshnode.h"

#include <gtest/gtest.h>

#include "Effects/vantile_effect.h"
#include "Renderstages/vantile_renderqueue.h"
#include "Resources/vantile_texturemanager.h"
#include "scene_test_support.h"

using namespace Vantile;

namespace {

class MeshNodeTest : public ::testing::Test {
protected:
    MeshNodeTest()
    {
        m_Queue.SetEffectLoader([](const std::string& strName) { return new CFxEffect(strName); });
        m_Queue.MakeCurrent();
        m_Node.GetMaterials().resize(3);
        m_Node.GetMaterials()[0].pEffect = m_Queue.GetEffect("a.fx", true);
        m_Node.GetMaterials()[2].pEffect = m_Queue.GetEffect("b.fx", true);
    }

    CRenderQueue m_Queue;
    CMeshNode m_Node{"mesh", IdentityMatrix(), std::make_shared<CMesh>(D3DFVF_XYZ, std::vector<uint8_t>(36), std::vector<uint16_t>(),
                                                                      std::vector<CMesh::SSubset>())};
};

TEST_F(MeshNodeTest, QueuesOneItemPerMaterialWithAnEffect)
{
    EXPECT_EQ(m_Node.Enqueue(), 2);
    m_Node.GetMaterials()[0].pEffect = nullptr;
    EXPECT_EQ(m_Node.Enqueue(), 1);
}

TEST_F(MeshNodeTest, AnimateMovesTheTextureClocksOnByTheFrameTime)
{
    CSceneClock clock;
    m_Node.GetMaterials()[1].aTextures[2] = CTextureManager::Instance().CreateEmpty("mesh_test_clock");
    m_Node.GetMaterials()[1].aTextures[2].SetTime(1.0f);
    clock.Step(40);
    m_Node.Animate();
    EXPECT_FLOAT_EQ(m_Node.GetMaterials()[1].aTextures[2].GetTime(), 1.04f);
    CTextureManager::Instance().RemoveTexture("mesh_test_clock");
}

TEST_F(MeshNodeTest, ClonesShareTheMeshAndCopyTheMaterials)
{
    m_Node.AddChild(new CNode("child", IdentityMatrix()));
    std::unique_ptr<CNode> pCopy(m_Node.Clone());
    CMeshNode* pClone = dynamic_cast<CMeshNode*>(pCopy.get());
    ASSERT_NE(pClone, nullptr);
    EXPECT_EQ(pClone->GetMesh(), m_Node.GetMesh());
    ASSERT_EQ(pClone->GetMaterials().size(), 3u);
    EXPECT_EQ(pClone->GetMaterials()[2].pEffect, m_Node.GetMaterials()[2].pEffect);
    pClone->GetMaterials()[2].pEffect = nullptr;
    EXPECT_NE(m_Node.GetMaterials()[2].pEffect, nullptr);
    EXPECT_EQ(pClone->GetChildCount(), 1u);
}

}  // namespace
