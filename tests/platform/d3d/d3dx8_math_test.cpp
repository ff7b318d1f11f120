// D3DX math against hand-computed values, in Direct3D's conventions: row
// vectors, v x M, translation in row 3, left-handed rotations.
#include "d3d/d3dx8.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const float kHalfPi = D3DX_PI / 2;

void ExpectVector(const D3DXVECTOR3& actual, float x, float y, float z, const char* what,
                  float tolerance = 1e-5f)
{
    EXPECT_NEAR(actual.x, x, tolerance) << what;
    EXPECT_NEAR(actual.y, y, tolerance) << what;
    EXPECT_NEAR(actual.z, z, tolerance) << what;
}

void ExpectMatrix(const D3DXMATRIX& a, const D3DXMATRIX& b, const char* what)
{
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_NEAR(a.m[r][c], b.m[r][c], 1e-5f) << what << " [" << r << "][" << c << "]";
}

TEST(D3DXMathTest, TransformsMovePointsAsDirect3DDoes)
{
    D3DXMATRIX m;
    struct {
        const char* what;
        D3DXMATRIX matrix;
        D3DXVECTOR3 point;
        float x, y, z;
    } table[] = {
        {"translation", *D3DXMatrixTranslation(&m, 1, 2, 3), {1, 1, 1}, 2, 3, 4},
        {"scaling", *D3DXMatrixScaling(&m, 2, 3, 4), {1, 1, 1}, 2, 3, 4},
        {"rotation x takes y to z", *D3DXMatrixRotationX(&m, kHalfPi), {0, 1, 0}, 0, 0, 1},
        {"rotation y takes z to x", *D3DXMatrixRotationY(&m, kHalfPi), {0, 0, 1}, 1, 0, 0},
        {"rotation z takes x to y", *D3DXMatrixRotationZ(&m, kHalfPi), {1, 0, 0}, 0, 1, 0},
        {"yaw turns like rotation y", *D3DXMatrixRotationYawPitchRoll(&m, kHalfPi, 0, 0), {0, 0, 1}, 1, 0, 0},
        {"roll first, then pitch", *D3DXMatrixRotationYawPitchRoll(&m, 0, kHalfPi, kHalfPi), {1, 0, 0}, 0, 0, 1},
    };
    for (const auto& row : table) {
        D3DXVECTOR3 out;
        D3DXVec3TransformCoord(&out, &row.point, &row.matrix);
        ExpectVector(out, row.x, row.y, row.z, row.what);
    }
    D3DXVECTOR3 direction(1, 0, 0), moved;
    D3DXMatrixTranslation(&m, 5, 5, 5);
    D3DXVec3TransformNormal(&moved, &direction, &m);
    ExpectVector(moved, 1, 0, 0, "normals ignore translation");
}

TEST(D3DXMathTest, MultiplyAppliesTheLeftMatrixFirst)
{
    D3DXMATRIX scale, move, both;
    D3DXMatrixScaling(&scale, 2, 2, 2);
    D3DXMatrixTranslation(&move, 1, 0, 0);
    D3DXMatrixMultiply(&both, &scale, &move);
    D3DXVECTOR3 p(1, 0, 0), out;
    D3DXVec3TransformCoord(&out, &p, &both);
    ExpectVector(out, 3, 0, 0, "scale then move");
    ExpectMatrix(scale * move, both, "operator*");
    D3DXMatrixMultiply(&scale, &scale, &move);
    ExpectMatrix(scale, both, "out aliasing an input");
}

TEST(D3DXMathTest, InverseAndTranspose)
{
    D3DXMATRIX m, inverse, product, identity;
    D3DXMatrixRotationYawPitchRoll(&m, 0.3f, 0.7f, -1.1f);
    m._41 = 4;
    m._42 = -2;
    m._43 = 9;
    float det = 0;
    ASSERT_NE(D3DXMatrixInverse(&inverse, &det, &m), nullptr);
    EXPECT_NEAR(det, 1.0f, 1e-5f);
    D3DXMatrixMultiply(&product, &m, &inverse);
    ExpectMatrix(product, *D3DXMatrixIdentity(&identity), "m x inverse");
    D3DXMATRIX singular;
    D3DXMatrixScaling(&singular, 1, 0, 1);
    EXPECT_EQ(D3DXMatrixInverse(&inverse, nullptr, &singular), nullptr);
    D3DXMATRIX t;
    D3DXMatrixTranspose(&t, &m);
    EXPECT_EQ(t._14, m._41);
    EXPECT_EQ(t._32, m._23);
}

TEST(D3DXMathTest, CameraMatrices)
{
    D3DXMATRIX view, projection, ortho;
    D3DXVECTOR3 eye(0, 0, -5), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXVECTOR3 origin(0, 0, 0), right(1, 0, 0), out;
    D3DXVec3TransformCoord(&out, &origin, &view);
    ExpectVector(out, 0, 0, 5, "look-at puts the target ahead on +z");
    D3DXVec3TransformCoord(&out, &right, &view);
    ExpectVector(out, 1, 0, 5, "x stays right in a left-handed view");

    D3DXMatrixPerspectiveFovLH(&projection, kHalfPi, 2.0f, 1.0f, 11.0f);
    EXPECT_NEAR(projection._11, 0.5f, 1e-6f);
    EXPECT_NEAR(projection._22, 1.0f, 1e-6f);
    EXPECT_NEAR(projection._33, 1.1f, 1e-6f);
    EXPECT_NEAR(projection._34, 1.0f, 1e-6f);
    EXPECT_NEAR(projection._43, -1.1f, 1e-6f);
    D3DXVECTOR3 nearPoint(0, 0, 1), farPoint(0, 0, 11);
    D3DXVec3TransformCoord(&out, &nearPoint, &projection);
    EXPECT_NEAR(out.z, 0.0f, 1e-6f);
    D3DXVec3TransformCoord(&out, &farPoint, &projection);
    EXPECT_NEAR(out.z, 1.0f, 1e-6f);

    D3DXMatrixOrthoOffCenterLH(&ortho, 0, 800, 600, 0, 0, 1);
    D3DXVECTOR3 corner(800, 600, 0.5f);
    D3DXVec3TransformCoord(&out, &corner, &ortho);
    ExpectVector(out, 1, -1, 0.5f, "off-centre ortho corner");
    D3DXMatrixOrthoLH(&ortho, 800, 600, 0, 10);
    EXPECT_NEAR(ortho._11, 0.0025f, 1e-7f);
    EXPECT_NEAR(ortho._33, 0.1f, 1e-7f);
}

TEST(D3DXMathTest, VectorHelpers)
{
    D3DXVECTOR3 a(1, 2, 3), b(4, 5, 6), out;
    EXPECT_FLOAT_EQ(D3DXVec3Dot(&a, &b), 32);
    ExpectVector(*D3DXVec3Cross(&out, &a, &b), -3, 6, -3, "cross");
    ExpectVector(*D3DXVec3Lerp(&out, &a, &b, 0.5f), 2.5f, 3.5f, 4.5f, "lerp");
    D3DXVECTOR3 v(3, 0, 4), zero(0, 0, 0);
    EXPECT_FLOAT_EQ(D3DXVec3Length(&v), 5);
    ExpectVector(*D3DXVec3Normalize(&out, &v), 0.6f, 0, 0.8f, "normalize");
    ExpectVector(*D3DXVec3Normalize(&out, &zero), 0, 0, 0, "zero stays zero");
    D3DXVECTOR2 p(3, 4), q(1, 0), r;
    EXPECT_FLOAT_EQ(D3DXVec2Length(&p), 5);
    EXPECT_FLOAT_EQ(D3DXVec2CCW(&q, &p), 4);
    D3DXVec2Normalize(&r, &p);
    EXPECT_FLOAT_EQ(r.y, 0.8f);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZRHW | D3DFVF_DIFFUSE | D3DFVF_TEX1), 28u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_DIFFUSE | D3DFVF_SPECULAR | D3DFVF_TEX1), 28u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZB4 | D3DFVF_LASTBETA_UBYTE4 | D3DFVF_NORMAL | D3DFVF_TEX1), 48u);
    EXPECT_EQ(D3DXGetFVFVertexSize(D3DFVF_XYZ | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE3(1)), 32u);
}

TEST(D3DXMathTest, QuaternionsAgreeWithMatrices)
{
    D3DXVECTOR3 axis(0, 0, 2);
    D3DXQUATERNION q, r, product, identity;
    D3DXQuaternionRotationAxis(&q, &axis, kHalfPi);
    EXPECT_NEAR(q.z, std::sin(kHalfPi / 2), 1e-6f);
    EXPECT_NEAR(q.w, std::cos(kHalfPi / 2), 1e-6f);

    D3DXMATRIX fromQ, fromAxis;
    D3DXMatrixRotationQuaternion(&fromQ, &q);
    D3DXMatrixRotationAxis(&fromAxis, &axis, kHalfPi);
    ExpectMatrix(fromQ, fromAxis, "quaternion and axis matrices");
    D3DXQuaternionRotationMatrix(&r, &fromQ);
    EXPECT_NEAR(std::fabs(D3DXQuaternionDot(&q, &r)), 1.0f, 1e-5f);

    // Multiply(a, b) is a then b, like the matrix product.
    D3DXVECTOR3 xAxis(1, 0, 0);
    D3DXQuaternionRotationAxis(&r, &xAxis, kHalfPi);
    D3DXQuaternionMultiply(&product, &q, &r);
    D3DXMATRIX mq, mr, both, fromProduct;
    D3DXMatrixRotationQuaternion(&mq, &q);
    D3DXMatrixRotationQuaternion(&mr, &r);
    D3DXMatrixMultiply(&both, &mq, &mr);
    D3DXMatrixRotationQuaternion(&fromProduct, &product);
    ExpectMatrix(fromProduct, both, "product order");

    D3DXQUATERNION ypr;
    D3DXMATRIX mypr, fromYpr;
    D3DXQuaternionRotationYawPitchRoll(&ypr, 0.4f, -0.9f, 1.3f);
    D3DXMatrixRotationYawPitchRoll(&mypr, 0.4f, -0.9f, 1.3f);
    D3DXMatrixRotationQuaternion(&fromYpr, &ypr);
    ExpectMatrix(fromYpr, mypr, "yaw pitch roll");

    D3DXQuaternionIdentity(&identity);
    D3DXQUATERNION half;
    D3DXQuaternionSlerp(&half, &identity, &q, 0.5f);
    EXPECT_NEAR(half.z, std::sin(kHalfPi / 4), 1e-5f) << "halfway is half the angle";
    D3DXQUATERNION negated = -q;
    D3DXQuaternionSlerp(&half, &identity, &negated, 0.5f);
    EXPECT_NEAR(std::fabs(half.z), std::sin(kHalfPi / 4), 1e-5f) << "takes the short way";
    EXPECT_NEAR(std::fabs(half.w), std::cos(kHalfPi / 4), 1e-5f);
}

TEST(D3DXMathTest, ProjectAndUnprojectRoundTrip)
{
    D3DXMATRIX world, view, projection;
    D3DXVECTOR3 eye(3, 4, -20), at(0, 0, 0), up(0, 1, 0);
    D3DXMatrixRotationY(&world, 0.5f);
    D3DXMatrixLookAtLH(&view, &eye, &at, &up);
    D3DXMatrixPerspectiveFovLH(&projection, 0.75f, 4.0f / 3.0f, 1.0f, 1000.0f);
    D3DVIEWPORT8 viewport = {0, 0, 800, 600, 0.0f, 1.0f};

    D3DXVECTOR3 origin(0, 0, 0), screen;
    D3DXMATRIX identity;
    D3DXMatrixIdentity(&identity);
    D3DXVec3Project(&screen, &origin, &viewport, &projection, &view, &identity);
    EXPECT_NEAR(screen.x, 400.0f, 1e-3f) << "the look-at target lands in the centre";
    EXPECT_NEAR(screen.y, 300.0f, 1e-3f);

    for (const D3DXVECTOR3& p : {D3DXVECTOR3(1, 2, 3), D3DXVECTOR3(-5, 0.5f, 10)}) {
        D3DXVECTOR3 back;
        D3DXVec3Project(&screen, &p, &viewport, &projection, &view, &world);
        D3DXVec3Unproject(&back, &screen, &viewport, &projection, &view, &world);
        ExpectVector(back, p.x, p.y, p.z, "round trip", 1e-4f);
    }
    D3DXVECTOR3 above(0, 1, 0);
    D3DXVec3Project(&screen, &above, &viewport, &projection, &view, &identity);
    EXPECT_LT(screen.y, 300.0f) << "screen y grows downward";
}

TEST(D3DXMathTest, ColoursConvertToAndFromArgb)
{
    D3DXCOLOR c(0x80FF4000);
    EXPECT_FLOAT_EQ(c.r, 1.0f);
    EXPECT_NEAR(c.g, 0.251f, 1e-3f);
    EXPECT_NEAR(c.a, 0.502f, 1e-3f);
    EXPECT_EQ((D3DCOLOR)c, 0x80FF4000u);
    EXPECT_EQ((D3DCOLOR)D3DXCOLOR(2.0f, -1.0f, 0.5f, 1.0f), 0xFFFF0080u) << "clamped, rounded";
    EXPECT_EQ(D3DCOLOR_ARGB(1, 2, 3, 4), 0x01020304u);
    EXPECT_EQ(D3DCOLOR_XRGB(1, 2, 3), 0xFF010203u);
}

}  // namespace
