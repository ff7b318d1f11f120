#include <gtest/gtest.h>

#include "Core/vantile_exception.h"
#include "Objects/vantile_objectformat.h"
#include "Scene/vantile_node.h"
#include "object_samples.h"
#include "support/log_capture.h"

using namespace Vantile;

namespace {

SObjectFile Read(const std::string& strBytes)
{
    return ReadObjectFile(reinterpret_cast<const uint8_t*>(strBytes.data()), strBytes.size(), "bad.object");
}

std::string Patch32(std::string strBytes, size_t nOffset, uint32_t nValue)
{
    return strBytes.replace(nOffset, 4, LE32(nValue));
}

const std::string THREE_VERTICES = Floats({0, 0, 0, 1, 0, 0, 0, 1, 0});

TEST(ObjectReaderTest, WideIndicesAreCutTo16BitsAndLogged)
{
    CLogCapture log;
    const SObjectFile file = Read(RawMeshFile(D3DFVF_XYZ, THREE_VERTICES, 3, LE32(2) + LE32(0x10001) + LE32(0), LE32(0)));
    EXPECT_TRUE(file.Root.bWideIndices);
    EXPECT_EQ(file.Root.Indices, (std::vector<uint16_t>{2, 1, 0}));
    EXPECT_TRUE(log.contains("Incorrect indices size [mesh] reexport needed !!!")) << log.text();
}

TEST(ObjectReaderTest, EveryTruncationIsRefused)
{
    const std::string strBytes = WriteObjectFile(SampleFish());
    for (size_t nLength = 0; nLength < strBytes.size(); ++nLength)
        EXPECT_THROW(Read(strBytes.substr(0, nLength)), Exception) << "cut at " << nLength;
}

TEST(ObjectReaderTest, LyingBlocksAreRefusedWithTheReason)
{
    const std::string strFish = WriteObjectFile(SampleFish());
    const size_t nMaterialCount = 4 + SampleFish().strHeader.size();
    const std::string strSubset = LE32(1) + LE32(0) + LE32(0) + LE32(1);
    struct Case {
        const char* pszWhat;
        std::string strBytes;
        const char* pszReason;
    };
    const Case cases[] = {
        {"material count", Patch32(strFish, nMaterialCount, 0x7FFFFFFF), "count 2147483647"},
        {"header size", Patch32(strFish, 0, 0xFFFFFFF0), "count 4294967280"},
        {"vertex format", RawMeshFile(0x3, THREE_VERTICES, 0, "", LE32(0)), "unknown vertex format 0x3"},
        {"no position", RawMeshFile(D3DFVF_NORMAL, THREE_VERTICES, 0, "", LE32(0)), "unknown vertex format 0x10"},
        {"index bytes", RawMeshFile(D3DFVF_XYZ, THREE_VERTICES, 3, std::string(5, '\0'), LE32(0)), "5 index bytes for 3"},
        {"index beyond", RawMeshFile(D3DFVF_XYZ, THREE_VERTICES, 3, std::string("\0\0\1\0\3\0", 6), LE32(0)),
         "indexes vertex 3 of 3"},
        {"subset count", RawMeshFile(D3DFVF_XYZ, THREE_VERTICES, 0, "", LE32(5000) + strSubset), "count 5000"},
    };
    for (const Case& test : cases) {
        try {
            Read(test.strBytes);
            ADD_FAILURE() << test.pszWhat << " was accepted";
        } catch (const Exception& e) {
            EXPECT_EQ(e.getCode(), 0) << test.pszWhat;
            EXPECT_NE(e.getDetails().find("Failed to load object [bad.object]: "), std::string::npos) << e.getDetails();
            EXPECT_NE(e.getDetails().find(test.pszReason), std::string::npos) << test.pszWhat << ": " << e.getDetails();
        }
    }
}

TEST(ObjectReaderTest, BadRecordsAreRefused)
{
    SObjectFile unknownType = SampleFish();
    unknownType.Root.Children[0].nType = 5;
    SObjectFile spline = SampleFish();
    const std::string strSpline = WriteObjectFile(spline);
    // The spline's point count sits right before its point block.
    const size_t nPointBlock = strSpline.find(LE32(36) + Floats({0, 0, 0, 10, 5, 0}));
    ASSERT_NE(nPointBlock, std::string::npos);
    SObjectFile deep;
    deep.Root.mLocal = IdentityMatrix();
    SNodeRecord* pNode = &deep.Root;
    for (int i = 0; i < 300; ++i) {
        pNode->Children.resize(1);
        pNode = &pNode->Children[0];
        pNode->mLocal = IdentityMatrix();
    }
    std::string strMatrix = WriteObjectFile(SampleAnimation("swim", 1.0f));
    strMatrix = Patch32(strMatrix, 4 + 4 + 4 + 5, 63);

    for (const std::string& strBytes :
         {WriteObjectFile(unknownType), Patch32(strSpline, nPointBlock - 4, 4), WriteObjectFile(deep), strMatrix})
        EXPECT_THROW(Read(strBytes), Exception);
}

}  // namespace
