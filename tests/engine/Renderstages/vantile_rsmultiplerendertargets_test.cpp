#include "Renderstages/vantile_rsmultiplerendertargets.h"

#include <gtest/gtest.h>

#include "../Effects/effect_test_device.h"
#include "Effects/vantile_fxeffectd3d8.h"
#include "Renderstages/vantile_renderstages.h"
#include "Renderstages/vantile_rsscreenquad.h"
#include "Resources/vantile_texturemanager.h"

using namespace Vantile;

namespace {

const char SHOW_TEXTURE[] =
    "technique T { pass P { ZEnable = false; Lighting = false; texture 0 = vantile_texchannel0;\n"
    "vertex { out vec2 v_Uv; void main() { gl_Position = d3d_TransformPosition(a_Position); v_Uv = a_TexCoord0.xy; } }\n"
    "fragment { in vec2 v_Uv; void main() { o_Color = texture(u_Texture0, v_Uv); } } } }\n"
    "texture vantile_texchannel0;";

class MultipleRenderTargetsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Device.Offscreen().IsReady()) << m_Device.Offscreen().Error(); }
    void TearDown() override
    {
        for (const char* pszName : {"::test0", "::test1"})
            CTextureManager::Instance().RemoveTexture(pszName);
    }

    void Frame(std::initializer_list<IRenderStage*> stages)
    {
        m_Device.Device()->BeginScene();
        for (IRenderStage* pStage : stages)
            pStage->Render();
        m_Device.Device()->EndScene();
    }

    CEffectTestDevice m_Device{32, 16};
};

TEST_F(MultipleRenderTargetsTest, NameOneShowsThePreviousFrame)
{
    CRSMultipleRenderTargets targets(2, "::test", -1, -1);
    ASSERT_TRUE(targets.IsReady());
    CRSRestoreRenderTargets restore(&targets);
    CRSClear red(0xFFFF0000, true, 1.0f, true), blue(0xFF0000FF, true, 1.0f, true), green(0xFF00FF00, true, 1.0f, false);
    CFxEffectD3D8 effect("show.fx", SHOW_TEXTURE, sizeof(SHOW_TEXTURE) - 1);
    CRSScreenQuad previous(&effect, CTextureManager::Instance().CreateEmpty("::test1"));
    CRSScreenQuad current(&effect, CTextureManager::Instance().CreateEmpty("::test0"));

    Frame({&targets, &red, &restore, &green});
    EXPECT_EQ(m_Device.Offscreen().Pixel(3, 3), 0xFF00FF00u) << "restored to the back buffer";
    Frame({&targets, &blue, &restore, &previous});
    EXPECT_EQ(m_Device.Offscreen().Pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(m_Device.Offscreen().Pixel(31, 15), 0xFFFF0000u) << "the quad covers the last pixel too";
    Frame({&current});
    EXPECT_EQ(m_Device.Offscreen().Pixel(3, 3), 0xFF0000FFu);
    Frame({&targets, &green, &restore, &previous});
    EXPECT_EQ(m_Device.Offscreen().Pixel(3, 3), 0xFF0000FFu);
}

TEST_F(MultipleRenderTargetsTest, DeviceLossReleasesAndRestoresTheTargets)
{
    CRSMultipleRenderTargets targets(2, "::test", 16, 8);
    CTexture* pTexture = CTextureManager::Instance().FindTexture("::test0");
    ASSERT_NE(pTexture, nullptr);
    CRSRestoreRenderTargets restore(&targets);
    Frame({&targets, &restore});
    EXPECT_EQ(pTexture->GetFrameCount(), 1u);

    targets.OnDeviceLost();
    EXPECT_FALSE(targets.IsReady());
    EXPECT_EQ(pTexture->GetFrameCount(), 0u);
    Frame({&targets, &restore});
    EXPECT_EQ(pTexture->GetFrameCount(), 0u) << "nothing is bound while the targets are gone";

    targets.OnDeviceRestored();
    EXPECT_TRUE(targets.IsReady());
    Frame({&targets, &restore});
    EXPECT_EQ(pTexture->GetFrameCount(), 1u);
}

}  // namespace
