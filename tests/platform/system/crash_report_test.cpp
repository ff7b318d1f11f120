#include "system/crash_report.h"

#include <gtest/gtest.h>

#include <climits>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

class CrashReportTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[] = "/tmp/quellon-crash-XXXXXX";
        ASSERT_TRUE(mkdtemp(name));
        m_strFolder = name;
    }

    void TearDown() override
    {
        for (const std::string& file : Reports())
            unlink((m_strFolder + "/" + file).c_str());
        rmdir(m_strFolder.c_str());
    }

    std::vector<std::string> Reports() const
    {
        std::vector<std::string> names;
        if (DIR* folder = opendir(m_strFolder.c_str())) {
            while (const dirent* entry = readdir(folder))
                if (entry->d_name[0] != '.')
                    names.push_back(entry->d_name);
            closedir(folder);
        }
        return names;
    }

    // Runs the crash in a child that installed the reporter; returns the
    // child's wait status.
    int CrashChild(void (*crash)())
    {
        const pid_t child = fork();
        if (child == 0) {
            if (!CrashReportInstall(m_strFolder.c_str()))
                _exit(3);
            crash();
            _exit(4);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    std::string m_strFolder;
};

void Segfault()
{
    volatile int* nowhere = nullptr;
    *nowhere = 1;
}

void Abort()
{
    abort();
}

void RaiseFpe()
{
    raise(SIGFPE);
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST_F(CrashReportTest, FatalSignalsLeaveAReportAndStillKillTheProcess)
{
    struct Case {
        void (*crash)();
        int signal;
        const char* name;
    } const cases[] = {
        {Segfault, SIGSEGV, "SIGSEGV"},
        {Abort, SIGABRT, "SIGABRT"},
        {RaiseFpe, SIGFPE, "SIGFPE"},
    };
    for (const Case& c : cases) {
        for (const std::string& old : Reports())
            unlink((m_strFolder + "/" + old).c_str());
        const time_t before = time(nullptr);
        const int status = CrashChild(c.crash);
        ASSERT_TRUE(WIFSIGNALED(status)) << c.name << " status " << status;
        EXPECT_EQ(WTERMSIG(status), c.signal);

        const auto reports = Reports();
        ASSERT_EQ(reports.size(), 1u) << c.name;
        std::smatch stamp;
        const std::regex pattern("crash-(\\d{4})(\\d{2})(\\d{2})-(\\d{2})(\\d{2})(\\d{2})\\.txt");
        ASSERT_TRUE(std::regex_match(reports[0], stamp, pattern)) << reports[0];
        tm named{};
        named.tm_year = std::stoi(stamp[1]) - 1900;
        named.tm_mon = std::stoi(stamp[2]) - 1;
        named.tm_mday = std::stoi(stamp[3]);
        named.tm_hour = std::stoi(stamp[4]);
        named.tm_min = std::stoi(stamp[5]);
        named.tm_sec = std::stoi(stamp[6]);
        named.tm_isdst = -1;
        EXPECT_LE(std::labs(static_cast<long>(mktime(&named) - before)), 5)
            << "the name is the local time of the crash: " << reports[0];

        const std::string text = ReadFile(m_strFolder + "/" + reports[0]);
        EXPECT_NE(text.find(std::string("signal: ") + c.name + " (" + std::to_string(c.signal) +
                            ")"),
                  std::string::npos)
            << text;
        EXPECT_NE(text.find("backtrace:\n"), std::string::npos);
        EXPECT_GT(text.size(), text.find("backtrace:\n") + 12) << "the backtrace has frames";
    }
}

void CrashInTheRulesPage()
{
    CrashReportSetVersion("1.0");
    CrashReportSetScreen("main menu");
    CrashReportSetWindow("CRulesWindow");
    // A long name is cut, never written past its buffer.
    CrashReportSetScreen(std::string(500, 'x').c_str());
    CrashReportSetScreen("main menu");
    Segfault();
}

TEST_F(CrashReportTest, TheReportNamesTheVersionTheScreenAndTheWindow)
{
    ASSERT_TRUE(WIFSIGNALED(CrashChild(CrashInTheRulesPage)));
    const auto reports = Reports();
    ASSERT_EQ(reports.size(), 1u);
    const std::string text = ReadFile(m_strFolder + "/" + reports[0]);
    EXPECT_NE(text.find("version: 1.0\nscreen: main menu\nwindow: CRulesWindow\n"), std::string::npos) << text;
}

TEST_F(CrashReportTest, RefusesAFolderThatIsNotThere)
{
    EXPECT_FALSE(CrashReportInstall((m_strFolder + "/missing").c_str()));
    EXPECT_FALSE(CrashReportInstall(""));
    EXPECT_FALSE(CrashReportInstall(nullptr));
    EXPECT_FALSE(CrashReportInstall(std::string(PATH_MAX, 'x').c_str()));
}
