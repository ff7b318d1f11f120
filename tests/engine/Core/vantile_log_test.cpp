#include "Core/vantile_log.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <string>

#include "Core/vantile_exception.h"
#include "support/planted_file.h"
#include "support/temp_folder.h"

using Vantile::CLog;
using Vantile::Exception;

namespace {

std::string ReadFile(const std::string& strPath)
{
    std::ifstream file(strPath, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// Replaces every "HH:mm:ss " at the start of a line so whole files can be
// compared byte for byte.
std::string MaskTimes(const std::string& strText)
{
    return std::regex_replace(strText, std::regex("(^|\n)[0-2][0-9]:[0-5][0-9]:[0-5][0-9] "),
                              "$1hh:mm:ss ");
}

TEST(LogFormat, LinesCarryTimeTagAndTextWithALineFeedOnly)
{
    EXPECT_EQ(CLog::FormatLine("09:05:01", Vantile::LOG_INFO, "hello"), "09:05:01  [INFO] hello\n");
    EXPECT_EQ(CLog::FormatLine("23:59:59", Vantile::LOG_ERROR, "bad"), "23:59:59  [ERROR] bad\n");
    EXPECT_EQ(CLog::FormatLine("00:00:00", Vantile::LOG_SUCCESS, ""), "00:00:00  [SUCCESS] \n");
}

TEST(LogFormat, FormatStringCutsLongResultsAt1023Characters)
{
    const std::string strLong(5000, 'x');
    EXPECT_EQ(Vantile::FormatString("texture %s loaded (%d / %d msec)", "a.dds", 3, 4),
              "texture a.dds loaded (3 / 4 msec)");
    EXPECT_EQ(Vantile::FormatString("[%s]", strLong.c_str()).size(), 1023u);
}

TEST(ExceptionReport, ComposedExactly)
{
    EXPECT_EQ(Exception::ComposeReport(-2005530516, "Error Presenting surfaces",
                                       "D3D9RenderWindow::swapBuffers", "render.cpp", 42),
              "Exception!\n\nCode: -2005530516\nFunc: D3D9RenderWindow::swapBuffers\n"
              "Details: Error Presenting surfaces. \nFile: render.cpp\nLine: 42");
    EXPECT_EQ(Exception::ComposeReport(4, "Failed to get file [a] from VFS",
                                       "CResourceManager::Init", "x.cpp", 0),
              "Exception!\n\nCode: 4\nFunc: CResourceManager::Init\n"
              "Details: Failed to get file [a] from VFS. ");
}

TEST(ExceptionReport, CopyKeepsTheFactsButNotTheReport)
{
    const Exception original(0, "details", "A::b", "f.cpp", 7);
    const Exception copy(original);
    EXPECT_FALSE(original.getText().empty());
    EXPECT_TRUE(copy.getText().empty());
    EXPECT_EQ(copy.getCode(), 0);
    EXPECT_EQ(copy.getDetails(), "details");
    EXPECT_EQ(copy.getFunc(), "A::b");
    EXPECT_EQ(copy.getFile(), "f.cpp");
    EXPECT_EQ(copy.getLine(), 7);
}

// The log is one process-wide object, so its life from pending to opened
// is one test: messages before Open, then lines and exceptions after.
TEST(LogFile, PendingEntriesThenLinesThenExceptionsByteForByte)
{
    CTempFolder folder;
    const std::string strPath = folder.path() + "/kovalog.txt";
    {
        std::ofstream stale(strPath);
        stale << "from the previous run\n";
    }
    CLog& log = CLog::Instance();
    log.Close();  // whatever other tests left opened or held
    log.Write(Vantile::LOG_INFO, "queued one");
    log.Write(Vantile::LOG_ERROR, "queued two");
    ASSERT_TRUE(log.Open(strPath));
    log.Write(Vantile::LOG_INFO, "after open");
    const int nThrowLine = __LINE__ + 2;
    try {
        VANTILE_EXCEPT(-5, "Cannot reset device! lost", "CD3D9RenderWindow::restoreLostDevice");
    } catch (const Exception&) {
    }
    Exception survived(4, "quiet", "X::y");
    (void)survived;

    const std::string strExpected =
        "hh:mm:ss  [INFO] queued one\n"
        "hh:mm:ss  [ERROR] queued two\n"
        "hh:mm:ss  [INFO] after open\n"
        "hh:mm:ss  [INFO] Exception!\n\nCode: -5\nFunc: CD3D9RenderWindow::restoreLostDevice\n"
        "Details: Cannot reset device! lost. \nFile: " __FILE__ "\nLine: " +
        std::to_string(nThrowLine) +
        "\n"
        "hh:mm:ss  [INFO] Exception!\n\nCode: 4\nFunc: X::y\nDetails: quiet. \n";
    EXPECT_EQ(MaskTimes(ReadFile(strPath)), strExpected);
    log.Close();
}

TEST(LogFile, ALinkUnderTheLogsNameIsReplacedNotFollowed)
{
    CTempFolder folder;
    folder.write("target.txt", "keep me");
    const std::string strPath = folder.path() + "/kovalog.txt";
    ASSERT_EQ(0, symlink((folder.path() + "/target.txt").c_str(), strPath.c_str()));
    CLog& log = CLog::Instance();
    log.Close();
    ASSERT_TRUE(log.Open(strPath));
    log.Write(Vantile::LOG_INFO, "line");
    log.Close();
    EXPECT_EQ("keep me", ReadFile(folder.path() + "/target.txt"));
    EXPECT_EQ("hh:mm:ss  [INFO] line\n", MaskTimes(ReadFile(strPath)));
}

// Whatever was left under the log's name, the log neither writes through
// it nor waits on it: it writes a file of its own, or says on stderr that
// it cannot and the game goes on without it.
TEST(LogFile, APlantedNameIsReplacedOrToldAndNeverWrittenThroughOrWaitedOn)
{
    for (const SPlanted& planted : PlantedKinds()) {
        SCOPED_TRACE(planted.pszName);
        CTempFolder folder;
        const std::string strPath = folder.path() + "/kovalog.txt";
        CPlantedFile file(planted.kind, strPath);
        CLog& log = CLog::Instance();
        log.Close();
        log.Write(Vantile::LOG_INFO, "held");
        testing::internal::CaptureStderr();
        const bool bOpened = log.Open(strPath);
        const std::string strStderr = testing::internal::GetCapturedStderr();
        log.Write(Vantile::LOG_INFO, "line");
        log.Close();
        EXPECT_TRUE(file.victimUntouched());
        if (planted.kind == EPlanted::Folder) {
            EXPECT_FALSE(bOpened);
            EXPECT_EQ("quellon: cannot write the log [" + strPath + "]: Is a directory; going on without it\n",
                      strStderr);
        } else {
            EXPECT_TRUE(bOpened);
            EXPECT_EQ("", strStderr);
            EXPECT_EQ("hh:mm:ss  [INFO] held\nhh:mm:ss  [INFO] line\n", MaskTimes(ReadFile(strPath)));
        }
    }
}

}  // namespace
