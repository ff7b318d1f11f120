#include "system/win32.h"

#include <gtest/gtest.h>

// Under the offscreen driver no dialog may open (it would wait for a click
// nobody makes); the report still reaches stderr.
TEST(MessageBoxA, HeadlessWritesOneLineAndReturnsAtOnce)
{
    testing::internal::CaptureStderr();
    const int answer = MessageBoxA(nullptr, "Failed to load settings file. Please reinstal",
                                   "Error", MB_ICONERROR);
    MessageBoxA(nullptr, nullptr, nullptr, MB_OK);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDOK);
    EXPECT_EQ(written, "Error: Failed to load settings file. Please reinstal\n: \n");
}
