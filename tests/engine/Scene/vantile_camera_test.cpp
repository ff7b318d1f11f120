#include "Scene/vantile_camera.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scene_test_support.h"

using namespace Vantile;

namespace {

TEST(CameraTest, PerspectiveUsesAHorizontalFieldOfView)
{
    CCamera camera("Camera01", IdentityMatrix(), 90.0f, 1.0f, 101.0f);
    camera.SetAspect(2.0f);
    const D3DXMATRIX& m = camera.GetProjectionMatrix();
    EXPECT_NEAR(m._11, 1.0f, 1e-5f);
    EXPECT_NEAR(m._22, 1.0f / std::tan(3.141592f / 8.0f), 1e-5f) << "vertical angle = horizontal / aspect";
    EXPECT_NEAR(m._33, 101.0f / 100.0f, 1e-6f);
    EXPECT_EQ(m._34, 1.0f);
    EXPECT_NEAR(m._43, -101.0f / 100.0f, 1e-6f);
    EXPECT_EQ(m._44, 0.0f);
    EXPECT_EQ(m._12, 0.0f);
}

TEST(CameraTest, OrthographicMapsTheScreenSpace)
{
    CCamera camera("gui", IdentityMatrix(), 43.0f, 1.0f, 11.0f);
    camera.SetOrthographic(true);
    const D3DXMATRIX& m = camera.GetProjectionMatrix();
    EXPECT_FLOAT_EQ(m._11, 0.0025f);
    EXPECT_FLOAT_EQ(m._22, 1.0f / 300.0f);
    EXPECT_FLOAT_EQ(m._33, 0.1f);
    EXPECT_FLOAT_EQ(m._43, -0.1f);
    EXPECT_FLOAT_EQ(m._44, 1.0f);
}

TEST(CameraTest, ViewMatrixUndoesTheCameraPlacement)
{
    D3DXMATRIX mTurn, mPlace;
    D3DXMatrixRotationY(&mTurn, 0.7f);
    const D3DXMATRIX mMove = Translation(5, -3, 40);
    D3DXMatrixMultiply(&mPlace, &mTurn, &mMove);
    CNode root("root", Translation(0, 0, -10));
    CCamera* pCamera = new CCamera("Camera01", mPlace, 43.0f, 1.0f, 20000.0f);
    root.AddChild(pCamera);
    root.Process(PROCESS_UPDATE);

    D3DXMATRIX mProduct;
    const D3DXMATRIX mWorld = pCamera->GetWorldMatrix(0);
    D3DXMatrixMultiply(&mProduct, &mWorld, &pCamera->GetViewMatrix());
    EXPECT_TRUE(MatrixNear(mProduct, IdentityMatrix(), 1e-4f));
}

TEST(CameraTest, CloneKeepsTheLensAndMode)
{
    CCamera camera("Camera01", Translation(1, 2, 3), 60.0f, 2.0f, 500.0f);
    camera.SetAspect(1.5f);
    std::unique_ptr<CNode> pClone(camera.Clone());
    CCamera* pCamera = dynamic_cast<CCamera*>(pClone.get());
    ASSERT_NE(pCamera, nullptr);
    EXPECT_TRUE(MatrixNear(pCamera->GetProjectionMatrix(), camera.GetProjectionMatrix()));
    EXPECT_FLOAT_EQ(pCamera->GetFar(), 500.0f);
}

}  // namespace
