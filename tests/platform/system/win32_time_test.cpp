#include "system/win32.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SYSTEMTIME TimeOfDay(WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME time{};
    time.wYear = 2024;
    time.wMonth = 3;
    time.wDay = 9;
    time.wHour = hour;
    time.wMinute = minute;
    time.wSecond = second;
    return time;
}

std::string Format(const SYSTEMTIME& time, const char* picture)
{
    char buffer[64] = {};
    const int written = GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, picture, buffer, 64);
    EXPECT_EQ(written, static_cast<int>(strlen(buffer)) + 1) << picture;
    return buffer;
}

class ClockOverrideTest : public ::testing::Test {
protected:
    void TearDown() override { PlatformSetClockOverride(nullptr); }
};

}  // namespace

TEST(GetTimeFormatA, ExpandsTwoDigitFieldsAndCopiesTheRest)
{
    struct Case {
        WORD hour, minute, second;
        const char* picture;
        const char* expected;
    } const cases[] = {
        {7, 5, 3, "HH:mm:ss", "07:05:03"},
        {23, 59, 59, "HH:mm:ss", "23:59:59"},
        {0, 0, 0, "HH:mm:ss", "00:00:00"},
        {13, 4, 9, "[HH.mm]", "[13.04]"},
        {13, 4, 9, "H m s", "H m s"},
        {13, 4, 9, "HHH", "13H"},
        {13, 4, 9, "", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(TimeOfDay(c.hour, c.minute, c.second), c.picture), c.expected)
            << c.picture;
}

TEST(GetTimeFormatA, RefusesSmallBuffersAndInvalidTimes)
{
    const SYSTEMTIME time = TimeOfDay(12, 30, 45);
    char buffer[9] = "xxxxxxxx";

    EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, "HH:mm:ss", buffer, 8), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx") << "a refused call must not write";

    EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, "HH:mm:ss", buffer, 9), 9);
    EXPECT_STREQ(buffer, "12:30:45");
    EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &time, "HH:mm:ss", nullptr, 0), 9);

    const SYSTEMTIME bad = TimeOfDay(24, 0, 0);
    EXPECT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &bad, "HH", buffer, 9), 0);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(GetLocalTime, AgreesWithTheCurrentTimeFormat)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    EXPECT_GE(now.wYear, 2020);
    EXPECT_TRUE(now.wMonth >= 1 && now.wMonth <= 12);
    EXPECT_TRUE(now.wDay >= 1 && now.wDay <= 31);
    EXPECT_LT(now.wHour, 24);

    char buffer[16] = {};
    ASSERT_EQ(GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, "HH", buffer, 16), 3);
    const int hour = std::stoi(buffer);
    // The hour may roll over between the two reads.
    EXPECT_TRUE(hour == now.wHour || hour == (now.wHour + 1) % 24) << buffer;
}

TEST_F(ClockOverrideTest, ReplacesCounterFrequencyAndTicksUntilCleared)
{
    PlatformClockOverride clock{12345, 1000, 777};
    PlatformSetClockOverride(&clock);
    clock.counter = 0;  // the override keeps its own copy

    LARGE_INTEGER value{};
    ASSERT_TRUE(QueryPerformanceFrequency(&value));
    EXPECT_EQ(value.QuadPart, 1000);
    ASSERT_TRUE(QueryPerformanceCounter(&value));
    EXPECT_EQ(value.QuadPart, 12345);
    EXPECT_EQ(GetTickCount(), 777u);

    const PlatformClockOverride later{12395, 1000, 827};
    PlatformSetClockOverride(&later);
    QueryPerformanceCounter(&value);
    EXPECT_EQ(value.QuadPart, 12395);
    EXPECT_EQ(GetTickCount(), 827u);

    PlatformSetClockOverride(nullptr);
    ASSERT_TRUE(QueryPerformanceFrequency(&value));
    EXPECT_GT(value.QuadPart, 1000);
    LARGE_INTEGER first{}, second{};
    QueryPerformanceCounter(&first);
    Sleep(2);
    QueryPerformanceCounter(&second);
    EXPECT_GT(second.QuadPart, first.QuadPart);
}

TEST_F(ClockOverrideTest, ZeroFrequencySelectsTickCountMode)
{
    const PlatformClockOverride clock{5, 0, 0xFFFFFFF0u};
    PlatformSetClockOverride(&clock);
    LARGE_INTEGER value{};
    EXPECT_FALSE(QueryPerformanceFrequency(&value));
    EXPECT_EQ(GetTickCount(), 0xFFFFFFF0u);
}

TEST(GetTickCount, AdvancesWithSleep)
{
    const DWORD before = GetTickCount();
    Sleep(20);
    const DWORD elapsed = GetTickCount() - before;
    EXPECT_GE(elapsed, 19u);
}
