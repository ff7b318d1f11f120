#include "Game/Sound/vorbissource.h"

#include <gtest/gtest.h>

#include "Business/userfile.h"

namespace {

// The page checksum of Ogg: CRC-32 with polynomial 0x04C11DB7, no
// reflection, over the page with its checksum field zeroed.
uint32_t OggCrc(const std::string& strPage)
{
    uint32_t nCrc = 0;
    for (unsigned char ch : strPage) {
        nCrc ^= uint32_t(ch) << 24;
        for (int i = 0; i < 8; ++i)
            nCrc = (nCrc & 0x80000000u) ? (nCrc << 1) ^ 0x04C11DB7u : nCrc << 1;
    }
    return nCrc;
}

// A generated sound with another sample rate declared in its first page.
std::shared_ptr<const std::string> WithRate(uint32_t nRate)
{
    auto pBytes = std::make_shared<std::string>();
    if (CUserFile::Read("game/heart.ogg", *pBytes) != 0)
        return nullptr;
    std::string& strOgg = *pBytes;
    const size_t nRateAt = strOgg.find("\x01vorbis") + 12;
    for (int i = 0; i < 4; ++i)
        strOgg[nRateAt + i] = char(nRate >> (8 * i));
    const size_t nSegments = static_cast<unsigned char>(strOgg[26]);
    size_t nPageSize = 27 + nSegments;
    for (size_t i = 0; i < nSegments; ++i)
        nPageSize += static_cast<unsigned char>(strOgg[27 + i]);
    strOgg.replace(22, 4, 4, '\0');
    const uint32_t nCrc = OggCrc(strOgg.substr(0, nPageSize));
    for (int i = 0; i < 4; ++i)
        strOgg[22 + i] = char(nCrc >> (8 * i));
    return pBytes;
}

TEST(VorbisSourceTest, DeclaredRatesOutsideWhatTheMixerHoldsAreRefused)
{
    const auto pGood = WithRate(44100);
    ASSERT_NE(nullptr, pGood) << "the generated data set is missing";
    auto pSource = CVorbisSource::Open(pGood);
    ASSERT_NE(nullptr, pSource) << "the rewritten page no longer reads";
    EXPECT_EQ(44100, pSource->frequency());
    for (uint32_t nRate : {0u, 999u, 384001u, 0x80000000u, 0xFFFFFFFFu}) {
        SCOPED_TRACE(nRate);
        EXPECT_EQ(nullptr, CVorbisSource::Open(WithRate(nRate)));
    }
}

}  // namespace
