// The built program's life as the system sees it: a quit signal saves the
// player's store and ends the game with status 0; a second copy on the
// same per-user folder ends at once and leaves the first one's files
// alone. The program runs offscreen from the build's bin folder, on a
// per-user folder of the test's own.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>
#include <thread>

#include "support/temp_folder.h"

namespace {

// Long enough for a start on a loaded machine; only a hung program meets it.
const std::chrono::seconds PATIENCE(90);

const char* const PROFILES = R"(<root>
    <profiles>
        <profile name="Mira" lives="3" level="5" score="1234" difficulty="0" tooltips="1" tooltipsdata="" powerupshowed="1" />
        <lastProfile name="Mira" />
    </profiles>
    <topScores />
    <settings volume="50" music="25" fullscreen="0" />
</root>
)";

class CGameProcess {
public:
    CGameProcess(const std::string& strHome, const std::string& strOutput)
    {
        m_Pid = fork();
        if (m_Pid != 0)
            return;
        setenv("XDG_DATA_HOME", strHome.c_str(), 1);
        const int nOutput = open(strOutput.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(nOutput, STDOUT_FILENO);
        dup2(nOutput, STDERR_FILENO);
        execl("./quellon", "quellon", static_cast<char*>(nullptr));
        _exit(127);
    }
    ~CGameProcess()
    {
        if (m_Pid > 0 && !m_bEnded) {
            kill(m_Pid, SIGKILL);
            waitpid(m_Pid, nullptr, 0);
        }
    }

    // The wait status, or -1 when the program is still running after the
    // patience (it is then killed).
    int wait()
    {
        const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
        int nStatus = 0;
        while (waitpid(m_Pid, &nStatus, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline)
                return -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        m_bEnded = true;
        return nStatus;
    }
    void signal(int nSignal) const { kill(m_Pid, nSignal); }

private:
    pid_t m_Pid = -1;
    bool m_bEnded = false;
};

// A per-user folder holding one player, Mira, at level 5.
class CPlayerHome {
public:
    CPlayerHome() { m_Folder.write("Quellon 1.0/profiles.xml", PROFILES); }

    const std::string& path() const { return m_Folder.path(); }
    std::string file(const std::string& strName) const { return m_Folder.path() + "/Quellon 1.0/" + strName; }
    // True once the log holds the line, false when the patience ran out.
    bool waitForLog(const std::string& strLine) const
    {
        const auto deadline = std::chrono::steady_clock::now() + PATIENCE;
        while (ReadFileText(file("kovalog.txt")).find(strLine) == std::string::npos) {
            if (std::chrono::steady_clock::now() > deadline)
                return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return true;
    }

private:
    CTempFolder m_Folder;
};

// The line the log shows once the window's message loop runs.
const char* const RUNNING = "Frames:";

}  // namespace

TEST(ProgramLifeTest, AQuitSignalSavesTheStoreAndEndsWithStatus0)
{
    for (int nSignal : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(nSignal));
        CPlayerHome home;
        CTempFolder output;
        const std::string strOutput = output.path() + "/out.txt";
        CGameProcess game(home.path(), strOutput);
        ASSERT_TRUE(home.waitForLog(RUNNING)) << ReadFileText(strOutput);
        game.signal(nSignal);
        const int nStatus = game.wait();
        ASSERT_NE(nStatus, -1) << "still running after the signal";
        ASSERT_TRUE(WIFEXITED(nStatus)) << "ended by signal " << WTERMSIG(nStatus);
        EXPECT_EQ(WEXITSTATUS(nStatus), 0) << ReadFileText(strOutput);
        const std::string strLog = ReadFileText(home.file("kovalog.txt"));
        EXPECT_NE(strLog.find("Signal " + std::to_string(nSignal) + " asks the game to end"), std::string::npos);
        EXPECT_NE(strLog.find("WinMain exit"), std::string::npos) << "the game's own end ran";
        const std::string strProfiles = ReadFileText(home.file("profiles.xml"));
        EXPECT_NE(strProfiles.find(R"(name="Mira")"), std::string::npos) << strProfiles;
        EXPECT_NE(strProfiles.find(R"(level="5")"), std::string::npos) << strProfiles;
    }
}

TEST(ProgramLifeTest, ASecondCopyOnTheSameFolderEndsAndLeavesTheFirstOnesFiles)
{
    CPlayerHome home;
    CTempFolder output;
    const std::string strFirstOutput = output.path() + "/first.txt";
    CGameProcess first(home.path(), strFirstOutput);
    ASSERT_TRUE(home.waitForLog(RUNNING)) << ReadFileText(strFirstOutput);
    const std::string strLogBefore = ReadFileText(home.file("kovalog.txt"));
    const std::string strProfilesBefore = ReadFileText(home.file("profiles.xml"));

    const std::string strSecondOutput = output.path() + "/second.txt";
    CGameProcess second(home.path(), strSecondOutput);
    const int nStatus = second.wait();
    ASSERT_NE(nStatus, -1) << "the second copy did not end";
    ASSERT_TRUE(WIFEXITED(nStatus));
    EXPECT_EQ(WEXITSTATUS(nStatus), 1);
    const std::string strSaid = ReadFileText(strSecondOutput);
    EXPECT_NE(strSaid.find("Quellon is already running for this user"), std::string::npos) << strSaid;
    EXPECT_EQ(ReadFileText(home.file("profiles.xml")), strProfilesBefore);
    EXPECT_EQ(ReadFileText(home.file("kovalog.txt")).compare(0, strLogBefore.size(), strLogBefore), 0)
        << "the first copy's log was not started again";
    const std::string strLog = ReadFileText(home.file("kovalog.txt"));
    const size_t nEnter = strLog.find("WinMain enter");
    EXPECT_EQ(strLog.find("WinMain enter", nEnter + 1), std::string::npos) << "one start in the log";

    first.signal(SIGTERM);
    EXPECT_NE(first.wait(), -1);
}
