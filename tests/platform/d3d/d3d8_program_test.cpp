// The program door: a GLSL program drawn in place of the fixed function,
// fed the device state through the documented uniforms.
#include "d3d/d3d8_program.h"
#include "support/offscreen_device.h"

#include <gtest/gtest.h>

namespace {

const char kVertex[] = R"(
void main() { gl_Position = d3d_TransformPosition(a_Position); }
)";

const char kFragment[] = R"(
uniform vec4 u_Tint;
void main() { o_Color = u_Tint * u_TextureFactor; }
)";

struct SVertex {
    float x, y, z, rhw;
};

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Dev.IsReady()) << m_Dev.Error(); }
    IDirect3DDevice8* Device() { return m_Dev.Device(); }
    void DrawQuad()
    {
        SVertex quad[4] = {{-0.5f, -0.5f, 0.5f, 1}, {9.5f, -0.5f, 0.5f, 1},
                           {-0.5f, 9.5f, 0.5f, 1}, {9.5f, 9.5f, 0.5f, 1}};
        Device()->SetVertexShader(D3DFVF_XYZRHW);
        Device()->BeginScene();
        Device()->DrawPrimitiveUP(D3DPT_TRIANGLESTRIP, 2, quad, sizeof(quad[0]));
        Device()->EndScene();
    }
    COffscreenDevice m_Dev{32, 32};
};

TEST_F(ProgramTest, BoundProgramDrawsWithItsUniformsAndTheDeviceState)
{
    D3DPROGRAM program = 0;
    std::string errors;
    ASSERT_EQ(D3DProgramCreate(Device(), kVertex, kFragment, &program, &errors), D3D_OK)
        << errors;
    const float tint[4] = {1.0f, 1.0f, 0.0f, 1.0f};
    ASSERT_EQ(D3DProgramSetVector(Device(), program, "u_Tint", tint), D3D_OK);
    EXPECT_EQ(D3DProgramSetVector(Device(), program, "u_NotThere", tint), D3D_OK);
    Device()->SetRenderState(D3DRS_TEXTUREFACTOR, 0xFFFF8000);
    ASSERT_EQ(D3DProgramBind(Device(), program), D3D_OK);
    EXPECT_EQ(D3DProgramBound(Device()), program);
    DrawQuad();
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFFFF8000u);

    // Unbinding returns to the fixed function: an untextured, unlit quad
    // without colour draws white.
    D3DProgramBind(Device(), 0);
    Device()->SetRenderState(D3DRS_LIGHTING, FALSE);
    DrawQuad();
    EXPECT_EQ(m_Dev.Pixel(5, 5), 0xFFFFFFFFu);
    EXPECT_EQ(D3DProgramRelease(Device(), program), D3D_OK);
    EXPECT_EQ(D3DProgramBind(Device(), program), D3DERR_INVALIDCALL);
}

TEST_F(ProgramTest, CompileErrorsAreReportedNotDrawn)
{
    D3DPROGRAM program = 0;
    std::string errors;
    EXPECT_EQ(D3DProgramCreate(Device(), kVertex, "void main() { o_Color = nonsense; }",
                               &program, &errors),
              D3DERR_INVALIDCALL);
    EXPECT_FALSE(errors.empty());
    EXPECT_EQ(D3DProgramBound(Device()), 0u);
}

}  // namespace
