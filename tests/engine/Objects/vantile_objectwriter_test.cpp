#include <gtest/gtest.h>

#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"
#include "object_samples.h"

using namespace Vantile;

namespace {

TEST(ObjectWriterTest, WritesTheSmallestFileByteForByte)
{
    SObjectFile file;
    file.Root.strName = "r";
    file.Root.mLocal = IdentityMatrix();
    file.Root.mLocal._42 = 2.5f;
    const std::string strExpected = LE32(0) + LE32(0) + LE32(1) + "r" + LE32(64) +
                                    Floats({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 2.5f, 0, 1}) + LE32(0) + LE32(0) +
                                    LE32(0) + LE32(0);
    EXPECT_EQ(WriteObjectFile(file), strExpected);
}

TEST(ObjectWriterTest, EveryRecordKindSurvivesWritingAndReading)
{
    const SObjectFile fish = SampleFish();
    const std::string strBytes = WriteObjectFile(fish);
    const SObjectFile read = ReadObjectFile(reinterpret_cast<const uint8_t*>(strBytes.data()), strBytes.size(), "fish.object");
    EXPECT_EQ(WriteObjectFile(read), strBytes);

    ASSERT_EQ(read.Materials.size(), 1u);
    EXPECT_EQ(read.Materials[0].astrTextures[3], "unused.png");
    ASSERT_EQ(read.Root.Children.size(), 3u);
    const SNodeRecord& fin = read.Root.Children[1];
    EXPECT_EQ(fin.nType, uint32_t(OBJECT_NODE_SKIN_INFLUENCES));
    ASSERT_EQ(fin.Bones.size(), 2u);
    EXPECT_EQ(fin.Bones[0].Influences, (std::vector<std::pair<uint32_t, uint32_t>>{{0, 1}, {2, 3}}));
    EXPECT_EQ(fin.Bones[1].mOffset._42, -2.0f);
    EXPECT_EQ(read.Root.Children[2].Points[1], D3DXVECTOR3(10, 5, 0));
    EXPECT_EQ(read.Root.Children[0].Children[0].strName, "Tail");
    ASSERT_EQ(read.AnimationSet.Animations.size(), 3u);
    EXPECT_EQ(read.AnimationSet.Animations[1].Rotations[1].qValue.w, 0.7071068f);
}

TEST(ObjectWriterTest, SkinsWithoutInfluenceListsWriteNone)
{
    SObjectFile file = SampleFish();
    file.Root.Children[1].nType = OBJECT_NODE_SKIN;
    const std::string strBytes = WriteObjectFile(file);
    const SObjectFile read = ReadObjectFile(reinterpret_cast<const uint8_t*>(strBytes.data()), strBytes.size(), "fish.object");
    EXPECT_TRUE(read.Root.Children[1].Bones[0].Influences.empty());
    EXPECT_EQ(read.Root.Children[1].anSkinValues[0], 0u);
    EXPECT_EQ(read.Root.Children[1].Bones[1].strName, "Tail");
}

}  // namespace
