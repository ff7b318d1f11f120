#include "Effects/vantile_fxeffectd3d8.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "../Scene/scene_test_support.h"
#include "Core/vantile_exception.h"
#include "Resources/vantile_texturemanager.h"
#include "Scene/vantile_camera.h"
#include "effect_test_device.h"
#include "support/log_capture.h"

using namespace Vantile;

namespace {

const char PASS_START[] = "technique T { pass P { ZEnable = false; Lighting = false;\n"
                          "vertex { out vec2 v_Uv; void main() { gl_Position = d3d_TransformPosition(a_Position);"
                          " v_Uv = a_TexCoord0.xy; } }\n";

// An effect whose fragment shader is the given body.
std::string EffectText(const std::string& strParameters, const std::string& strFragment, const std::string& strPass = "")
{
    return strParameters + "\n" + PASS_START + strPass + "fragment { in vec2 v_Uv; void main() { " + strFragment +
           " } } } }";
}

std::unique_ptr<CFxEffectD3D8> Make(const std::string& strText, const std::string& strName = "test.fx")
{
    return std::unique_ptr<CFxEffectD3D8>(new CFxEffectD3D8(strName, strText.data(), strText.size()));
}

class FxEffectTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_Device.Offscreen().IsReady()) << m_Device.Offscreen().Error(); }

    void Draw(CFxEffect& effect, std::initializer_list<CQuadTarget*> targets)
    {
        m_Device.Device()->Clear(0, nullptr, D3DCLEAR_TARGET, 0xFF000000, 1.0f, 0);
        m_Device.Device()->BeginScene();
        effect.Begin();
        for (CQuadTarget* pTarget : targets)
            effect.Render({pTarget, 0});
        effect.End();
        m_Device.Device()->EndScene();
    }
    D3DCOLOR Pixel(UINT x, UINT y) { return m_Device.Offscreen().Pixel(x, y); }

    CEffectTestDevice m_Device;
};

TEST_F(FxEffectTest, APlainMeshGivenABoneSlotReceivesTheViewMatrix)
{
    CCamera camera("eye", Translation(-0.25f, -0.5f, -0.75f), 43.0f, 1.0f, 100.0f);
    camera.Process(PROCESS_UPDATE);
    m_Device.Queue().AddCamera(&camera);
    m_Device.Queue().SetCamera(0);
    std::unique_ptr<CFxEffectD3D8> pEffect = Make(EffectText("matrix worldview05;", "o_Color = vec4(worldview05[3].xyz, 1.0);"));
    EXPECT_EQ(pEffect->GetContainerName(), "nosort");
    EXPECT_EQ(pEffect->GetPriority(), 0);
    EXPECT_EQ(pEffect->GetObjectParameterCount(), 1u);

    CQuadTarget quad(0, 0, 64, 32);
    Draw(*pEffect, {&quad});
    EXPECT_TRUE(ColorNear(Pixel(10, 10), 0xFF4080BF));
}

TEST_F(FxEffectTest, WorldIsBoundPerItemAndTimePerFrameWhateverTheCase)
{
    CSceneClock clock;
    for (int i = 0; i < 5; ++i)
        clock.Step(100);
    std::unique_ptr<CFxEffectD3D8> pEffect =
        Make(EffectText("matrix World; float TIME;", "o_Color = vec4(World[3].x, TIME / 1000.0, 0.0, 1.0);"));
    EXPECT_EQ(pEffect->GetObjectParameterCount(), 1u);
    EXPECT_EQ(pEffect->GetFrameParameterCount(), 1u);

    CQuadTarget left(0, 0, 32, 32), right(32, 0, 64, 32);
    left.SetWorld(Translation(0.2f, 0, 0));
    right.SetWorld(Translation(0.8f, 0, 0));
    Draw(*pEffect, {&left, &right});
    EXPECT_TRUE(ColorNear(Pixel(5, 5), 0xFF338000));
    EXPECT_TRUE(ColorNear(Pixel(50, 5), 0xFFCC8000));
}

TEST_F(FxEffectTest, TextureChannelsComeFromTheItemsMaterial)
{
    const DWORD adwTexels[4] = {0xFF00FF00, 0xFF00FF00, 0xFF00FF00, 0xFF00FF00};
    TextureRef texture = CTextureManager::Instance().CreateFromRawBuffer("fx_test_green", adwTexels, 0, 2, 2, D3DFMT_A8R8G8B8);
    std::unique_ptr<CFxEffectD3D8> pEffect =
        Make(EffectText("texture vantile_texchannel0;",
                        "o_Color = u_TextureBound0 != 0 ? texture(u_Texture0, v_Uv) : vec4(0.0, 0.0, 1.0, 1.0);",
                        "texture 0 = vantile_texchannel0;\n"));
    CQuadTarget textured(0, 0, 32, 32), plain(32, 0, 64, 32);
    textured.Material().aTextures[0] = texture;
    Draw(*pEffect, {&textured, &plain});
    EXPECT_TRUE(ColorNear(Pixel(5, 5), 0xFF00FF00));
    EXPECT_TRUE(ColorNear(Pixel(50, 5), 0xFF0000FF)) << "no texture, rather than the previous item's";
    CTextureManager::Instance().RemoveTexture("fx_test_green");
}

TEST_F(FxEffectTest, PassStatesAreUndoneAtTheEnd)
{
    std::unique_ptr<CFxEffectD3D8> pEffect = Make(EffectText("", "o_Color = vec4(1.0);", "ZWriteEnable = false;"));
    IDirect3DDevice8* pDevice = m_Device.Device();
    pDevice->SetRenderState(D3DRS_ZENABLE, TRUE);
    pDevice->SetRenderState(D3DRS_LIGHTING, TRUE);
    CQuadTarget quad(0, 0, 64, 32);
    Draw(*pEffect, {&quad});
    DWORD dwZ = 0, dwLighting = 0, dwZWrite = 0;
    pDevice->GetRenderState(D3DRS_ZENABLE, &dwZ);
    pDevice->GetRenderState(D3DRS_LIGHTING, &dwLighting);
    pDevice->GetRenderState(D3DRS_ZWRITEENABLE, &dwZWrite);
    EXPECT_EQ(dwZ, DWORD(TRUE));
    EXPECT_EQ(dwLighting, DWORD(TRUE));
    EXPECT_EQ(dwZWrite, DWORD(TRUE));
    EXPECT_EQ(D3DProgramBound(pDevice), 0u);
    EXPECT_EQ(Pixel(5, 5), 0xFFFFFFFFu);
}

TEST_F(FxEffectTest, UnknownNamesAreLoggedAndTheContainerSettingsRead)
{
    CLogCapture log;
    std::unique_ptr<CFxEffectD3D8> pEffect =
        Make(EffectText("matrix sunlight; string ContainerName = \"ascsort\"; int containerpriority = 7;", "o_Color = vec4(1.0);"));
    EXPECT_TRUE(log.contains("Unknown parameter semantics \"sunlight\"")) << log.text();
    EXPECT_EQ(pEffect->GetContainerName(), "ascsort");
    EXPECT_EQ(pEffect->GetPriority(), 7);
    EXPECT_EQ(pEffect->GetFrameParameterCount() + pEffect->GetObjectParameterCount(), 0u);
}

TEST_F(FxEffectTest, TheFirstTechniqueThatCompilesIsUsed)
{
    const std::string strText = "technique Broken { pass P { vertex { void main() { nonsense; } } fragment { void main() {} } } }\n"
                                "technique Fixed { pass P { Lighting = false; } }";
    std::unique_ptr<CFxEffectD3D8> pEffect = Make(strText);
    EXPECT_EQ(pEffect->GetTechniqueName(), "Fixed");
}

TEST_F(FxEffectTest, BrokenEffectsRaiseTheExceptionWithTheCompilersText)
{
    const struct {
        std::string strText;
        const char* pszDetails;
        const char* pszAlso;
    } cases[] = {
        {"technique T { pass P { ZEnable = on; } }", "Error while loading effect \"bad.fx\": Error: line 1: \"on\" is no value", ""},
        {EffectText("", "o_Color = undeclared;"), "Can't find valid technique in effect \"bad.fx\"", "undeclared"},
    };
    for (const auto& test : cases) {
        try {
            Make(test.strText, "bad.fx");
            ADD_FAILURE() << test.strText;
        } catch (const Exception& e) {
            EXPECT_EQ(e.getCode(), 0);
            EXPECT_EQ(e.getFunc(), "CFxEffectD3D8::LoadEffectFromMem");
            EXPECT_EQ(e.getDetails().find(test.pszDetails), 0u) << e.getDetails();
            EXPECT_NE(e.getDetails().find(test.pszAlso), std::string::npos) << e.getDetails();
        }
    }
}

TEST_F(FxEffectTest, TheGamesEffectsAllLoad)
{
    for (const char* pszName : {"TranspNoLight.fx", "TranspNoLight_filtered.fx", "TranspNoZForGui.fx", "Diffuse.fx", "fade.fx",
                                "opaque.fx", "mesh_rigid.fx", "mesh_skinned.fx"}) {
        std::ifstream file(std::string("game/") + pszName);
        ASSERT_TRUE(file) << pszName << " is not in the data folder";
        std::stringstream text;
        text << file.rdbuf();
        std::unique_ptr<CFxEffectD3D8> pEffect;
        EXPECT_NO_THROW(pEffect = Make(text.str(), pszName)) << pszName;
        if (pEffect) {
            EXPECT_EQ(pEffect->GetContainerName(), "nosort") << pszName;
        }
    }
}

}  // namespace
