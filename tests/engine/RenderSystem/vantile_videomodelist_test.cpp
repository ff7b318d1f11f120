#include "RenderSystem/vantile_videomodelist.h"

#include <gtest/gtest.h>

#include <vector>

#include "Core/vantile_exception.h"
#include "RenderSystem/vantile_driverlist.h"

using namespace Vantile;

namespace {

// An adapter that offers exactly the modes a test gives it.
class CFakeDirect3D : public IDirect3D8 {
public:
    explicit CFakeDirect3D(std::vector<D3DDISPLAYMODE> modes) : m_Modes(std::move(modes)) {}

    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    UINT GetAdapterCount() override { return 1; }
    HRESULT GetAdapterIdentifier(UINT, DWORD, D3DADAPTER_IDENTIFIER8*) override { return D3D_OK; }
    UINT GetAdapterModeCount(UINT) override { return static_cast<UINT>(m_Modes.size()); }
    HRESULT EnumAdapterModes(UINT, UINT nMode, D3DDISPLAYMODE* pMode) override
    {
        *pMode = m_Modes.at(nMode);
        return D3D_OK;
    }
    HRESULT GetAdapterDisplayMode(UINT, D3DDISPLAYMODE* pMode) override
    {
        *pMode = m_Modes.front();
        return D3D_OK;
    }
    HRESULT CheckDeviceType(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, BOOL) override { return D3D_OK; }
    HRESULT CheckDeviceFormat(UINT, D3DDEVTYPE, D3DFORMAT, DWORD, D3DRESOURCETYPE, D3DFORMAT) override
    {
        return D3D_OK;
    }
    HRESULT CheckDepthStencilMatch(UINT, D3DDEVTYPE, D3DFORMAT, D3DFORMAT, D3DFORMAT) override { return D3D_OK; }
    HRESULT GetDeviceCaps(UINT, D3DDEVTYPE, D3DCAPS8*) override { return D3D_OK; }
    HRESULT CreateDevice(UINT, D3DDEVTYPE, HWND, DWORD, D3DPRESENT_PARAMETERS*, IDirect3DDevice8**) override
    {
        return D3DERR_NOTAVAILABLE;
    }

private:
    std::vector<D3DDISPLAYMODE> m_Modes;
};

struct ModeListCase {
    const char* szName;
    std::vector<D3DDISPLAYMODE> offered;
    std::vector<D3DDISPLAYMODE> kept;
};

class VideoModeListTest : public ::testing::TestWithParam<ModeListCase> {};

TEST_P(VideoModeListTest, KeepsTheGameSizesAndTheBestRefreshRate)
{
    CFakeDirect3D d3d(GetParam().offered);
    CD3D9DriverList drivers(&d3d);
    CD3D9VideoModeList* pModes = drivers.item(0)->getVideoModeList();
    const std::vector<D3DDISPLAYMODE>& kept = GetParam().kept;
    ASSERT_EQ(pModes->count(), kept.size());
    for (size_t i = 0; i < kept.size(); ++i) {
        EXPECT_EQ(pModes->item(i).getWidth(), kept[i].Width) << i;
        EXPECT_EQ(pModes->item(i).getHeight(), kept[i].Height) << i;
        EXPECT_EQ(pModes->item(i).getRefreshRate(), kept[i].RefreshRate) << i;
        EXPECT_EQ(pModes->item(i).getFormat(), kept[i].Format) << i;
    }
}

const D3DFORMAT X8 = D3DFMT_X8R8G8B8;
const D3DFORMAT R5 = D3DFMT_R5G6B5;

INSTANTIATE_TEST_SUITE_P(
    Modes, VideoModeListTest,
    ::testing::Values(
        ModeListCase{"TwoFormatsTwoModes", {{800, 600, 60, X8}, {800, 600, 60, R5}}, {{800, 600, 60, X8}, {800, 600, 60, R5}}},
        ModeListCase{"SameFormatHigherRateWins", {{800, 600, 60, X8}, {800, 600, 75, X8}, {800, 600, 70, X8}}, {{800, 600, 75, X8}}},
        ModeListCase{"OtherSizesDropped",
                     {{1920, 1080, 60, X8}, {640, 480, 60, X8}, {1280, 1024, 60, X8}, {1024, 768, 60, X8}, {800, 480, 60, X8}},
                     {{640, 480, 60, X8}, {1024, 768, 60, X8}}},
        ModeListCase{"NothingUsable", {{1920, 1080, 60, X8}}, {}}),
    [](const ::testing::TestParamInfo<ModeListCase>& info) { return std::string(info.param.szName); });

TEST(VideoMode, DepthDescriptionAndLookUp)
{
    CFakeDirect3D d3d({{800, 600, 60, R5}, {800, 600, 60, X8}, {1024, 768, 60, D3DFMT_A8R8G8B8}});
    CD3D9DriverList drivers(&d3d);
    CD3D9VideoModeList* pModes = drivers.item(0)->getVideoModeList();
    EXPECT_EQ(pModes->item(0).getDescription(), "800 x 600 @ 16-bit colour");
    EXPECT_EQ(pModes->item(1).getDescription(), "800 x 600 @ 32-bit colour");
    EXPECT_EQ(pModes->item(2).getColourDepth(), 32);
    EXPECT_LT(pModes->item(0).getSerial(), pModes->item(1).getSerial());
    EXPECT_EQ(pModes->find(800, 600, 32), 1);
    EXPECT_EQ(pModes->find(640, 480, 32), -1);
    try {
        pModes->item(3);
        FAIL() << "an index past the list must throw";
    } catch (const Exception& e) {
        EXPECT_EQ(e.getDetails(), "Invalid videomode index");
        EXPECT_EQ(e.getFunc(), "CD3D9VideoModeList::item");
    }
}

TEST(DriverList, NoDirect3DObjectThrowsCode4)
{
    try {
        CD3D9DriverList drivers(nullptr);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.getCode(), 4);
        EXPECT_EQ(e.getDetails(), "Direct3D9 interface pointer is NULL");
    }
}

}  // namespace
