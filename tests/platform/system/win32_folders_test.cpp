#include "system/win32.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Points HOME and XDG_DATA_HOME at a scratch folder and puts them back.
class FoldersTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Save("HOME", m_strHome, m_bHadHome);
        Save("XDG_DATA_HOME", m_strXdg, m_bHadXdg);
        char name[] = "/tmp/quellon-folders-XXXXXX";
        ASSERT_TRUE(mkdtemp(name));
        m_strRoot = name;
    }

    void TearDown() override
    {
        Restore("HOME", m_strHome, m_bHadHome);
        Restore("XDG_DATA_HOME", m_strXdg, m_bHadXdg);
        const std::string command = "rm -rf '" + m_strRoot + "'";
        EXPECT_EQ(system(command.c_str()), 0);
    }

    std::string Personal()
    {
        char path[MAX_PATH] = {};
        EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path), S_OK);
        return path;
    }

    static void Save(const char* name, std::string& value, bool& had)
    {
        const char* current = getenv(name);
        had = current != nullptr;
        value = current ? current : "";
    }

    static void Restore(const char* name, const std::string& value, bool had)
    {
        if (had)
            setenv(name, value.c_str(), 1);
        else
            unsetenv(name);
    }

    std::string m_strRoot, m_strHome, m_strXdg;
    bool m_bHadHome = false, m_bHadXdg = false;
};

}  // namespace

TEST_F(FoldersTest, PersonalFolderIsTheDataHomeAndIsCreated)
{
    setenv("HOME", m_strRoot.c_str(), 1);
    struct Case {
        const char* xdg;  // null: unset
        std::string expected;
    } const cases[] = {
        {nullptr, m_strRoot + "/.local/share"},
        {"", m_strRoot + "/.local/share"},
        {"relative/data", m_strRoot + "/.local/share"},
        {"/deep/xdg/", m_strRoot + "/deep/xdg"},
    };
    for (const Case& c : cases) {
        if (!c.xdg)
            unsetenv("XDG_DATA_HOME");
        else if (c.xdg[0] == '/')
            setenv("XDG_DATA_HOME", (m_strRoot + c.xdg).c_str(), 1);
        else
            setenv("XDG_DATA_HOME", c.xdg, 1);
        EXPECT_EQ(Personal(), c.expected) << (c.xdg ? c.xdg : "unset");
        EXPECT_TRUE(IsFolder(c.expected)) << c.expected;
    }
}

TEST_F(FoldersTest, PersonalFolderFailsWhenItCannotBeMadeOrDoesNotFit)
{
    char path[MAX_PATH] = {};
    const std::string blocker = m_strRoot + "/file";
    ASSERT_EQ(system(("touch '" + blocker + "'").c_str()), 0);
    setenv("XDG_DATA_HOME", (blocker + "/data").c_str(), 1);
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path), E_FAIL);

    setenv("XDG_DATA_HOME", (m_strRoot + "/" + std::string(MAX_PATH, 'x')).c_str(), 1);
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, path), E_FAIL);
    EXPECT_EQ(SHGetFolderPathA(nullptr, CSIDL_PERSONAL + 1, nullptr, 0, path), E_FAIL);
}

TEST_F(FoldersTest, CreateDirectoryMakesOneLevelAndNamesItsErrors)
{
    const std::string folder = m_strRoot + "/Quellon 1.0";
    EXPECT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    EXPECT_TRUE(IsFolder(folder));

    SetLastError(ERROR_SUCCESS);
    EXPECT_FALSE(CreateDirectoryA(folder.c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));

    EXPECT_FALSE(CreateDirectoryA((m_strRoot + "/missing/child").c_str(), nullptr));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_PATH_NOT_FOUND));

    if (geteuid() != 0) {
        const std::string locked = m_strRoot + "/locked";
        ASSERT_TRUE(CreateDirectoryA(locked.c_str(), nullptr));
        chmod(locked.c_str(), 0500);
        EXPECT_FALSE(CreateDirectoryA((locked + "/child").c_str(), nullptr));
        EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
        chmod(locked.c_str(), 0700);
    }
}

TEST(GetModuleFileNameA, GivesTheRunningProgramAndReportsTruncation)
{
    char path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(length, strlen(path));
    EXPECT_EQ(path[0], '/');
    EXPECT_EQ(access(path, X_OK), 0) << path;

    char small[4] = {};
    EXPECT_EQ(GetModuleFileNameA(nullptr, small, 4), 4u);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INSUFFICIENT_BUFFER));
    EXPECT_EQ(small[3], '\0');
    EXPECT_EQ(std::string(small), std::string(path, 3));
}
