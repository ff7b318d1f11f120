#include "Effects/vantile_fxlanguage.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Vantile;

namespace {

bool Parse(const std::string& strText, SFxSource& source, std::string& strError)
{
    return ParseFxSource(strText.data(), strText.size(), source, strError);
}

const char FULL[] = R"(// an effect
string ContainerName = "descsort";
int ContainerPriority = 3;
matrix World;
float time;
texture vantile_texchannel0;

technique Broken {
    pass P0 { vertex { void main() { /* } */ } } fragment { void main() {} } }
}
technique Plain {
    pass First {
        ZEnable = false;
        SrcBlend = srcalpha;
        AlphaRef = 0x80;
        sampler 1 MinFilter = Linear;
        texture 1 = vantile_texchannel0;
    }
    pass Second { CullMode = None; }
}
)";

TEST(FxLanguageTest, ReadsParametersTechniquesPassesAndStates)
{
    SFxSource source;
    std::string strError;
    ASSERT_TRUE(Parse(FULL, source, strError)) << strError;
    ASSERT_EQ(source.Parameters.size(), 5u);
    EXPECT_EQ(source.Parameters[0].type, FX_STRING);
    EXPECT_EQ(source.Parameters[0].strValue, "descsort");
    EXPECT_EQ(source.Parameters[1].dValue, 3.0);
    EXPECT_EQ(source.Parameters[2].strName, "World");
    EXPECT_FALSE(source.Parameters[2].bHasValue);

    ASSERT_EQ(source.Techniques.size(), 2u);
    const SFxPass& shaded = source.Techniques[0].Passes[0];
    EXPECT_EQ(shaded.strVertex, " void main() { /* } */ } ") << "braces in comments do not close the block";
    EXPECT_EQ(shaded.nVertexLine, 9);
    const SFxTechnique& plain = source.Techniques[1];
    ASSERT_EQ(plain.Passes.size(), 2u);
    const SFxPass& first = plain.Passes[0];
    EXPECT_TRUE(first.strVertex.empty());
    ASSERT_EQ(first.RenderStates.size(), 3u);
    EXPECT_EQ(first.RenderStates[0].dwState, DWORD(D3DRS_ZENABLE));
    EXPECT_EQ(first.RenderStates[0].dwValue, 0u);
    EXPECT_EQ(first.RenderStates[1].dwValue, DWORD(D3DBLEND_SRCALPHA)) << "names ignore case";
    EXPECT_EQ(first.RenderStates[2].dwValue, 0x80u);
    ASSERT_EQ(first.StageStates.size(), 1u);
    EXPECT_EQ(first.StageStates[0].dwStage, 1u);
    EXPECT_EQ(first.StageStates[0].dwValue, DWORD(D3DTEXF_LINEAR));
    ASSERT_EQ(first.Textures.size(), 1u);
    EXPECT_EQ(first.Textures[0].strParameter, "vantile_texchannel0");
    EXPECT_EQ(plain.Passes[1].RenderStates[0].dwValue, DWORD(D3DCULL_NONE));

    EXPECT_EQ(FxUniformDeclarations(source), "uniform mat4 World;\nuniform float time;\n");
}

TEST(FxLanguageTest, BrokenFilesNameTheLineAndTheFault)
{
    const struct {
        const char* pszText;
        const char* pszError;
    } cases[] = {
        {"", "line 1: no technique"},
        {"matrix world;", "line 1: no technique"},
        {"vector v;", "line 1: \"vector\" is neither a parameter type nor \"technique\""},
        {"string ContainerName = nosort;", "line 1: parameter \"ContainerName\" has a value of the wrong kind"},
        {"int ContainerPriority = \"4\";", "wrong kind"},
        {"float f = 1.5x;", "\"1.5x\" is no number"},
        {"string s = \"open\n\";", "line 1: unterminated string"},
        {"technique T {}", "technique \"T\" has no pass"},
        {"technique T { pass P {\n\n Fog = true; } }", "line 3: unknown render state \"Fog\""},
        {"technique T { pass P { ZEnable = maybe; } }", "\"maybe\" is no value"},
        {"technique T { pass P { ZEnable = -1; } }", "\"-1\" is no value"},
        {"technique T { pass P { ZEnable = 0x100000000; } }", "is no value"},
        {"technique T { pass P { sampler 9 MinFilter = Linear; } }", "stage 9 is beyond stage 7"},
        {"technique T { pass P { sampler 0 Blur = 1; } }", "unknown sampler state \"Blur\""},
        {"technique T { pass P { texture 0 vantile_texchannel0; } }", "'=' expected"},
        {"technique T { pass P { vertex { void main() {} } } }", "needs both a vertex and a fragment shader"},
        {"technique T { pass P { vertex { void main() { }", "shader block not closed"},
        {"technique T { pass P { ZEnable = true }", "';' expected"},
        {"technique T { pass P { ZEnable = true;", "unexpected end"},
        {"technique T { shader P {} }", "\"pass\" expected"},
        {"technique T { pass P { @ } }", "unexpected '@'"},
    };
    for (const auto& test : cases) {
        SFxSource source;
        std::string strError;
        EXPECT_FALSE(Parse(test.pszText, source, strError)) << test.pszText;
        EXPECT_NE(strError.find(test.pszError), std::string::npos) << test.pszText << " gave: " << strError;
    }
}

TEST(FxLanguageTest, StopsAtTheEndOfTheBytes)
{
    const std::string strText = "technique T { pass P { ZEnable = true; } }";
    SFxSource source;
    std::string strError;
    EXPECT_FALSE(ParseFxSource(strText.data(), strText.size() - 2, source, strError));
    EXPECT_TRUE(ParseFxSource(strText.data(), strText.size(), source, strError)) << strError;
}

}  // namespace
