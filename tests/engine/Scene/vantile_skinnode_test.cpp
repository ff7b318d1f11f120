#include "Scene/vantile_skinnode.h"

#include <gtest/gtest.h>

#include "../Effects/effect_test_device.h"
#include "scene_test_support.h"

using namespace Vantile;

namespace {

std::vector<CSkinNode::SBone> Bones(std::initializer_list<std::pair<const char*, D3DXMATRIX>> list)
{
    std::vector<CSkinNode::SBone> bones;
    for (const auto& bone : list)
        bones.push_back({bone.first, bone.second, {}});
    return bones;
}

TEST(SkinNodeTest, BoneMatricesAreTheOffsetTimesTheBoneWorld)
{
    D3DXMATRIX mScale;
    D3DXMatrixScaling(&mScale, 2, 2, 2);
    CNode root("root", Translation(100, 0, 0));
    CNode* pSpine = new CNode("Spine", Translation(0, 10, 0));
    CNode* pTail = new CNode("Tail", Translation(0, 0, 5));
    root.AddChild(pSpine);
    pSpine->AddChild(pTail);
    CSkinNode* pSkin = new CSkinNode("skin", IdentityMatrix(), nullptr, Bones({{"spine", mScale}, {"Tail", Translation(1, 0, 0)}}));
    root.AddChild(pSkin);

    EXPECT_EQ(pSkin->ResolveBones(root), 0u);
    root.Process(PROCESS_UPDATE);
    ASSERT_EQ(pSkin->GetWorldMatrixCount(), 2u);
    D3DXMATRIX mExpected;
    const D3DXMATRIX mSpineWorld = Translation(100, 10, 0);
    D3DXMatrixMultiply(&mExpected, &mScale, &mSpineWorld);
    EXPECT_TRUE(MatrixNear(pSkin->GetWorldMatrix(0), mExpected));
    EXPECT_TRUE(MatrixNear(pSkin->GetWorldMatrix(1), Translation(101, 10, 5)));
    EXPECT_TRUE(MatrixNear(pSkin->GetWorldMatrix(2), IdentityMatrix()));
}

TEST(SkinNodeTest, AMissingBoneCountsAsIdentityAndAClonedSkinFindsItsBones)
{
    CNode root("root", IdentityMatrix());
    CSkinNode* pSkin = new CSkinNode("skin", IdentityMatrix(), nullptr,
                                     Bones({{"Nowhere", Translation(3, 0, 0)}, {"Fin", IdentityMatrix()}}));
    root.AddChild(pSkin);
    root.AddChild(new CNode("Fin", Translation(0, 7, 0)));
    EXPECT_EQ(pSkin->ResolveBones(root), 1u);
    root.Process(PROCESS_UPDATE);
    EXPECT_TRUE(MatrixNear(pSkin->GetWorldMatrix(0), Translation(3, 0, 0)));

    std::unique_ptr<CNode> pCopy(root.Clone());
    pCopy->Process(PROCESS_UPDATE);
    CSkinNode* pClonedSkin = dynamic_cast<CSkinNode*>(pCopy->GetChild(0));
    ASSERT_NE(pClonedSkin, nullptr);
    EXPECT_EQ(pClonedSkin->GetBoneNode(1), pCopy->GetChild(1)) << "bones come from the clone's own tree";
    EXPECT_TRUE(MatrixNear(pClonedSkin->GetWorldMatrix(1), Translation(0, 7, 0)));
}

TEST(SkinNodeTest, TheFogStatesOfItsDrawAreRestored)
{
    CEffectTestDevice device;
    ASSERT_TRUE(device.Offscreen().IsReady());
    IDirect3DDevice8* pDevice = device.Device();
    CSkinNode skin("skin", IdentityMatrix(), nullptr, {});
    pDevice->SetRenderState(D3DRS_FOGCOLOR, 0xFF336699);
    skin.Animate();
    pDevice->SetRenderState(D3DRS_FOGCOLOR, 0xFF000000);
    pDevice->SetRenderState(D3DRS_FOGENABLE, FALSE);
    skin.Render(-1);
    DWORD dwColor = 0, dwEnable = 1;
    pDevice->GetRenderState(D3DRS_FOGCOLOR, &dwColor);
    pDevice->GetRenderState(D3DRS_FOGENABLE, &dwEnable);
    EXPECT_EQ(dwColor, 0xFF000000u);
    EXPECT_EQ(dwEnable, DWORD(FALSE));
}

}  // namespace
