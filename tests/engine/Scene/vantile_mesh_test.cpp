#include "Scene/vantile_mesh.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace Vantile;

namespace {

TEST(MeshTest, VertexSizesFollowTheFormatBits)
{
    const struct {
        DWORD dwFVF;
        UINT nSize;
    } cases[] = {
        {D3DFVF_XYZ, 12},
        {D3DFVF_XYZ | D3DFVF_NORMAL | D3DFVF_TEX1, 32},
        {0x1c2, 28},
        {0x144, 28},
        {D3DFVF_XYZRHW | D3DFVF_TEX1, 24},
        {D3DFVF_XYZB4 | D3DFVF_LASTBETA_UBYTE4 | D3DFVF_NORMAL | D3DFVF_TEX1, 48},
        {D3DFVF_XYZ | D3DFVF_TEX2 | D3DFVF_TEXCOORDSIZE3(1), 12 + 8 + 12},
        {D3DFVF_XYZ | D3DFVF_PSIZE | D3DFVF_DIFFUSE | D3DFVF_SPECULAR, 24},
        // Formats that cannot be drawn.
        {0, 0},
        {D3DFVF_NORMAL | D3DFVF_TEX1, 0},
        {D3DFVF_XYZ | D3DFVF_RESERVED0, 0},
        {D3DFVF_XYZ | 0x900, 0},
        {D3DFVF_XYZ | D3DFVF_TEXCOORDSIZE1(2), 0},
        {0xFFFFFFFF, 0},
    };
    for (const auto& test : cases)
        EXPECT_EQ(GetFVFVertexSize(test.dwFVF), test.nSize) << std::hex << test.dwFVF;
}

std::vector<uint8_t> Positions(std::initializer_list<float> values)
{
    std::vector<uint8_t> bytes(values.size() * sizeof(float));
    memcpy(bytes.data(), values.begin(), bytes.size());
    return bytes;
}

TEST(MeshTest, CountsBoundsAndSubsetsComeFromTheData)
{
    const std::vector<uint8_t> vertices = Positions({-1, 2, 3, 4, -5, 6, 0, 0, -7, 9, 9, 9});
    CMesh indexed(D3DFVF_XYZ, vertices, std::vector<uint16_t>(15, 0), {{0, 2}, {3, 9}, {9, 1}});
    EXPECT_EQ(indexed.GetVertexCount(), 4u);
    EXPECT_EQ(indexed.GetTriangleCount(), 5u);
    EXPECT_EQ(indexed.GetBoundsMin(), D3DXVECTOR3(-1, -5, -7));
    EXPECT_EQ(indexed.GetBoundsMax(), D3DXVECTOR3(9, 9, 9));
    ASSERT_EQ(indexed.GetSubsets().size(), 3u);
    EXPECT_EQ(indexed.GetSubsets()[1].nTriangleCount, 2u) << "cut to the five triangles there are";
    EXPECT_EQ(indexed.GetSubsets()[2].nFirstTriangle, 5u);
    EXPECT_EQ(indexed.GetSubsets()[2].nTriangleCount, 0u);

    CMesh plain(D3DFVF_XYZ, vertices, {}, {});
    EXPECT_EQ(plain.GetTriangleCount(), 1u) << "without indices, three vertices a triangle";
}

}  // namespace
