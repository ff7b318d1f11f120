#include "Vfs/vantile_vfsfilter.h"

#include <gtest/gtest.h>

#include <string>

using namespace Vantile;

namespace {

std::string Encode(const std::string& strSource)
{
    CFilterZLib filter;
    uint32_t nLength = CFilterZLib::EncodeBound(uint32_t(strSource.size()));
    std::string strOut(nLength, '\0');
    EXPECT_TRUE(filter.Encode(&strOut[0], nLength, strSource.data(), uint32_t(strSource.size())));
    strOut.resize(nLength);
    return strOut;
}

bool Decode(const std::string& strStream, uint32_t nLength, std::string* pstrOut = nullptr)
{
    CFilterZLib filter;
    std::string strOut(nLength, '\0');
    const bool bOk = filter.Decode(nLength ? &strOut[0] : nullptr, nLength, strStream.data(),
                                   uint32_t(strStream.size()));
    if (pstrOut)
        *pstrOut = strOut;
    return bOk;
}

TEST(FilterZLibTest, RoundTripsAndRefusesAnyOtherLength)
{
    const std::string strText = std::string(3000, 'a') + "tail of the text";
    const std::string strStream = Encode(strText);
    EXPECT_LT(strStream.size(), strText.size() / 10);
    std::string strOut;
    EXPECT_TRUE(Decode(strStream, uint32_t(strText.size()), &strOut));
    EXPECT_EQ(strOut, strText);
    EXPECT_FALSE(Decode(strStream, uint32_t(strText.size()) - 1)) << "a short buffer passed";
    EXPECT_FALSE(Decode(strStream, uint32_t(strText.size()) + 1)) << "a short stream passed";
    EXPECT_TRUE(Decode(Encode(""), 0));
}

TEST(FilterZLibTest, RefusesDamagedStreams)
{
    const std::string strText = "some text that deflates into a few bytes, some text";
    const std::string strStream = Encode(strText);
    std::string strFlipped = strStream;
    strFlipped[0] = char(strFlipped[0] ^ 0x06);  // an invalid block type
    EXPECT_FALSE(Decode(strStream.substr(0, strStream.size() / 2), uint32_t(strText.size())));
    EXPECT_FALSE(Decode(strFlipped, uint32_t(strText.size())));
    EXPECT_FALSE(Decode("", uint32_t(strText.size())));
    EXPECT_FALSE(Decode("", 0));
}

TEST(FilterZLibTest, FactoryKnowsOnlyDeflate)
{
    ASSERT_NE(CreateFilter(1), nullptr);
    EXPECT_EQ(CreateFilter(1)->GetType(), 1u);
    for (uint32_t dwType : {0u, 2u, 0xffffffffu})
        EXPECT_EQ(CreateFilter(dwType), nullptr) << dwType;
}

}  // namespace
