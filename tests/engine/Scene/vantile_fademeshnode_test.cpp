#include "Scene/vantile_fademeshnode.h"

#include <gtest/gtest.h>

#include "Effects/vantile_effect.h"
#include "Renderstages/vantile_renderqueue.h"

using namespace Vantile;

namespace {

TEST(FadeMeshNodeTest, OnlyAColourWithAlphaIsQueued)
{
    CRenderQueue queue;
    queue.SetEffectLoader([](const std::string& strName) { return new CFxEffect(strName); });
    queue.MakeCurrent();
    CFadeMeshNode fade("fader", 800, 600);
    ASSERT_NE(fade.GetMaterial(0)->pEffect, nullptr);
    EXPECT_EQ(fade.GetMaterial(0)->pEffect->GetName(), "fade.fx");

    const struct {
        D3DCOLOR dwColor;
        int nQueued;
    } cases[] = {{0xAA00FF00, 1}, {0x00FFFFFF, 0}, {0x01000000, 1}, {0x00000000, 0}};
    for (const auto& test : cases) {
        fade.SetColor(test.dwColor);
        EXPECT_EQ(fade.Enqueue(), test.nQueued) << std::hex << test.dwColor;
    }
}

}  // namespace
