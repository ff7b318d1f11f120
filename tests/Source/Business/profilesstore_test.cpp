#include "Business/profilesstore.h"

#include <gtest/gtest.h>

#include <tinyxml.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <filesystem>
#include <string>

#include "Business/userfile.h"
#include "Game/Context/gamecontext.h"
#include "support/planted_file.h"
#include "support/temp_folder.h"

namespace {

std::string ReadBytes(const std::string& strPath)
{
    std::string strBytes;
    CUserFile::Read(strPath, strBytes);
    return strBytes;
}

bool Exists(const std::string& strPath)
{
    return std::filesystem::exists(strPath);
}

const char* const kTwoPlayers =
    "<root><profiles>"
    "<profile name=\"Ann\" lives=\"2\" level=\"4\" score=\"1200\" difficulty=\"1\" tooltips=\"0\""
    " tooltipsdata=\"35,37\" powerupshowed=\"1\" />"
    "<profile name=\"Bob\" lives=\"3\" level=\"-1\" score=\"0\" difficulty=\"0\" tooltips=\"1\""
    " tooltipsdata=\"\" powerupshowed=\"0\" />"
    "<lastProfile name=\"Bob\" /></profiles>"
    "<topScores><score name=\"X\" score=\"5\" /></topScores>"
    "<settings volume=\"40\" music=\"10\" fullscreen=\"0\" /></root>";

class ProfilesStoreTest : public ::testing::Test {
protected:
    std::string path() const { return m_folder.path() + "/profiles.xml"; }
    void writeFile(const std::string& strBytes) const { m_folder.write("profiles.xml", strBytes); }
    CProfilesStore& load()
    {
        m_pStore = std::make_unique<CProfilesStore>(m_folder.path(), m_folder.path() + "/Profiles");
        m_pStore->load();
        return *m_pStore;
    }
    std::vector<std::string> names() const
    {
        std::vector<std::string> result;
        for (size_t i = 0; i < m_pStore->profiles()->size(); ++i)
            result.push_back(m_pStore->profiles()->at(i)->getName());
        return result;
    }

    CTempFolder m_folder;
    std::unique_ptr<CProfilesStore> m_pStore;
};

TEST_F(ProfilesStoreTest, FirstRunWritesTheDefaults)
{
    CProfilesStore& store = load();
    EXPECT_EQ(0u, store.profiles()->size());
    EXPECT_EQ(nullptr, store.profiles()->current());
    EXPECT_EQ(0u, store.topScores()->entries().size());

    TiXmlDocument doc;
    doc.Parse(ReadBytes(path()).c_str());
    ASSERT_FALSE(doc.Error());
    const TiXmlElement* pRoot = doc.FirstChildElement("root");
    ASSERT_NE(nullptr, pRoot);
    const TiXmlElement* pProfiles = pRoot->FirstChildElement("profiles");
    ASSERT_NE(nullptr, pProfiles);
    EXPECT_EQ(nullptr, pProfiles->FirstChildElement("profile"));
    ASSERT_NE(nullptr, pProfiles->FirstChildElement("lastProfile"));
    EXPECT_STREQ("", pProfiles->FirstChildElement("lastProfile")->Attribute("name"));
    ASSERT_NE(nullptr, pRoot->FirstChildElement("topScores"));
    EXPECT_EQ(nullptr, pRoot->FirstChildElement("topScores")->FirstChild());
    const TiXmlElement* pSettings = pRoot->FirstChildElement("settings");
    ASSERT_NE(nullptr, pSettings);
    EXPECT_STREQ("50", pSettings->Attribute("volume"));
    EXPECT_STREQ("25", pSettings->Attribute("music"));
    EXPECT_STREQ("1", pSettings->Attribute("fullscreen"));
}

TEST_F(ProfilesStoreTest, EverythingRoundTripsThroughTheFile)
{
    writeFile(kTwoPlayers);
    CProfilesStore& first = load();
    CProfile* pCara = first.profiles()->create("Cara & \"Co\" <\xCE>");
    pCara->m_nScore = 77;
    pCara->m_strTooltipsData = "a<b>&c";
    first.profiles()->setCurrent(pCara);
    first.setVolume(0);
    first.setMusic(50);
    first.setFullscreen(true);
    ASSERT_TRUE(first.save());
    std::string strSaved = ReadBytes(path());

    CProfilesStore& second = load();
    ASSERT_EQ((std::vector<std::string>{"Ann", "Bob", "Cara & \"Co\" <\xCE>"}), names());
    const CProfile* pAnn = second.profiles()->at(0);
    EXPECT_EQ(2, pAnn->m_nLives);
    EXPECT_EQ(4, pAnn->m_nLevel);
    EXPECT_EQ(1200, pAnn->m_nScore);
    EXPECT_EQ(1, pAnn->m_nDifficulty);
    EXPECT_FALSE(pAnn->m_bTooltips);
    EXPECT_TRUE(pAnn->m_bPowerUpShown);
    EXPECT_EQ("35,37", pAnn->m_strTooltipsData);
    EXPECT_EQ("a<b>&c", second.profiles()->at(2)->m_strTooltipsData);
    EXPECT_EQ(second.profiles()->at(2), second.profiles()->current());
    ASSERT_EQ(1u, second.topScores()->entries().size());
    EXPECT_EQ("X", second.topScores()->entries()[0].m_strName);
    EXPECT_EQ(5, second.topScores()->entries()[0].m_nScore);
    EXPECT_EQ(0, second.getVolume());
    EXPECT_EQ(50, second.getMusic());
    EXPECT_TRUE(second.getFullscreen());

    // Loading alone never rewrites a good file, and saving it back is stable.
    EXPECT_EQ(strSaved, ReadBytes(path()));
    ASSERT_TRUE(second.save());
    EXPECT_EQ(strSaved, ReadBytes(path()));
}

TEST_F(ProfilesStoreTest, BadSettingsKeepThePlayersButResetAllThreeSettings)
{
    for (const char* szSettings : {"<settings volume=\"40\" music=\"51\" fullscreen=\"0\" />",
                                   "<settings volume=\"-1\" music=\"10\" fullscreen=\"0\" />",
                                   "<settings volume=\"51\" music=\"10\" fullscreen=\"0\" />", ""}) {
        SCOPED_TRACE(szSettings);
        writeFile(std::string("<root><profiles><profile name=\"Ann\" lives=\"2\" level=\"4\" score=\"9\""
                              " difficulty=\"0\" tooltips=\"1\" tooltipsdata=\"\" powerupshowed=\"0\" />"
                              "<lastProfile name=\"Ann\" /></profiles><topScores />") +
                  szSettings + "</root>");
        CProfilesStore& store = load();
        EXPECT_EQ(std::vector<std::string>{"Ann"}, names());
        EXPECT_EQ(50, store.getVolume());
        EXPECT_EQ(25, store.getMusic());
        EXPECT_TRUE(store.getFullscreen());
        std::string strRewritten = ReadBytes(path());
        EXPECT_NE(std::string::npos, strRewritten.find("music=\"25\""));
        EXPECT_NE(std::string::npos, strRewritten.find("name=\"Ann\""));
    }
}

TEST_F(ProfilesStoreTest, AMissingVolumeReadsAsZeroAndLeavesTheFileAlone)
{
    const std::string strFile =
        "<root><profiles><lastProfile name=\"\" /></profiles><topScores />"
        "<settings music=\"10\" fullscreen=\"1\" /></root>";
    writeFile(strFile);
    CProfilesStore& store = load();
    EXPECT_EQ(0, store.getVolume());
    EXPECT_EQ(10, store.getMusic());
    EXPECT_EQ(strFile, ReadBytes(path()));
}

TEST_F(ProfilesStoreTest, DamagedProfileEntriesLoseNoOtherPlayer)
{
    const std::string strLong(80, 'n');
    writeFile("<root><profiles>"
              "<profile name=\"\" lives=\"1\" level=\"1\" score=\"1\" difficulty=\"0\" tooltips=\"1\""
              " tooltipsdata=\"\" powerupshowed=\"0\" />"
              "<profile name=\"NoLives\" level=\"7\" score=\"70\" />"
              "<profile name=\"" + strLong + "\" lives=\"1\" level=\"1\" score=\"1\" difficulty=\"0\""
              " tooltips=\"1\" tooltipsdata=\"\" powerupshowed=\"0\" />"
              "<profile name=\"Last\" lives=\"1\" level=\"2\" score=\"3\" difficulty=\"0\" tooltips=\"1\""
              " tooltipsdata=\"\" powerupshowed=\"0\" />"
              "<lastProfile name=\"Nobody\" /></profiles>"
              "<topScores><score name=\"A\" score=\"1\" /><score score=\"99\" /><score name=\"B\" score=\"2\" />"
              "<score name=\"C\" score=\"1\" /></topScores>"
              "<settings volume=\"50\" music=\"25\" fullscreen=\"1\" /></root>");
    CProfilesStore& store = load();
    ASSERT_EQ((std::vector<std::string>{"NoLives", strLong.substr(0, 63), "Last"}), names());
    const CProfile* pNoLives = store.profiles()->at(0);
    EXPECT_EQ(3, pNoLives->m_nLives);
    EXPECT_EQ(7, pNoLives->m_nLevel);
    EXPECT_EQ(70, pNoLives->m_nScore);
    EXPECT_TRUE(pNoLives->m_bTooltips);
    EXPECT_EQ(nullptr, store.profiles()->current());

    std::vector<std::pair<std::string, int>> scores;
    for (const auto& entry : *store.topScores())
        scores.emplace_back(entry.m_strName, entry.m_nScore);
    EXPECT_EQ((std::vector<std::pair<std::string, int>>{{"B", 2}, {"A", 1}, {"C", 1}}), scores);

    ASSERT_TRUE(store.save());
    EXPECT_NE(std::string::npos, ReadBytes(path()).find("<lastProfile name=\"\" />"));
}

TEST_F(ProfilesStoreTest, AListWithoutLastProfileStillKeepsItsPlayers)
{
    writeFile("<root><profiles><profile name=\"Ann\" lives=\"2\" level=\"4\" score=\"9\" difficulty=\"0\""
              " tooltips=\"1\" tooltipsdata=\"\" powerupshowed=\"0\" /></profiles>"
              "<settings volume=\"50\" music=\"25\" fullscreen=\"1\" /></root>");
    CProfilesStore& store = load();
    EXPECT_EQ(std::vector<std::string>{"Ann"}, names());
    EXPECT_EQ(nullptr, store.profiles()->current());
}

TEST_F(ProfilesStoreTest, ADamagedFileIsKeptAsideAndTheGameStarts)
{
    const std::string strGood = kTwoPlayers;
    for (const std::string& strDamaged :
         {std::string("not xml at all"), strGood.substr(0, strGood.size() / 2), std::string(),
          std::string("<other />"), std::string("<root><settings volume=\"1\" /></root>")}) {
        SCOPED_TRACE(strDamaged);
        CTempFolder folder;
        folder.write("profiles.xml", strDamaged);
        CProfilesStore store(folder.path(), folder.path() + "/Profiles");
        store.load();
        EXPECT_EQ(0u, store.profiles()->size());
        EXPECT_EQ(50, store.getVolume());
        EXPECT_EQ(strDamaged, ReadBytes(folder.path() + "/profiles.xml.bad"));
        // The fresh file is whole: a second start reads it as written.
        CProfilesStore again(folder.path(), folder.path() + "/Profiles");
        again.load();
        EXPECT_FALSE(Exists(folder.path() + "/profiles.xml.bad1"));
    }
}

TEST_F(ProfilesStoreTest, ADamagedFileFallsBackToItsBackup)
{
    writeFile(kTwoPlayers);
    load().save();  // the good file becomes the backup of its own rewrite
    writeFile("<root><pro");
    CProfilesStore& store = load();
    EXPECT_EQ((std::vector<std::string>{"Ann", "Bob"}), names());
    EXPECT_EQ(40, store.getVolume());
    EXPECT_EQ("<root><pro", ReadBytes(path() + ".bad"));
    // The restored players are written back under the real name at once.
    EXPECT_NE(std::string::npos, ReadBytes(path()).find("name=\"Bob\""));
}

TEST_F(ProfilesStoreTest, ASaveCutShortAtAnyStepLeavesThePreviousFileLoadable)
{
    // Each case stops where a crash would: during the temporary write, after
    // it, after the backup. Only the rename publishes the new contents.
    enum Stop { DuringTemp, AfterTemp, AfterBackup };
    for (Stop stop : {DuringTemp, AfterTemp, AfterBackup}) {
        SCOPED_TRACE(stop);
        writeFile(kTwoPlayers);
        CUserFile file(path());
        if (stop == DuringTemp) {
            m_folder.write("profiles.xml.tmp", "<root><profiles><profile name=\"Ne");
        } else {
            ASSERT_TRUE(file.writeTemp("<root><profiles><lastProfile name=\"\" /></profiles></root>"));
        }
        if (stop == AfterBackup) {
            ASSERT_TRUE(file.keepBackup());
        }

        CProfilesStore& store = load();
        EXPECT_EQ((std::vector<std::string>{"Ann", "Bob"}), names());
        EXPECT_EQ(std::string(kTwoPlayers), ReadBytes(path()));
        // The next real save writes over the leftover temporary file.
        store.profiles()->create("Cid");
        ASSERT_TRUE(store.save());
        load();
        EXPECT_EQ((std::vector<std::string>{"Ann", "Bob", "Cid"}), names());
        EXPECT_EQ(std::string(kTwoPlayers), ReadBytes(path() + ".bak"));
    }
}

TEST_F(ProfilesStoreTest, GainsFollowTheDefaultsButNotALoadedFile)
{
    CGameContext& context = CGameContext::Instance();
    context.m_fEffectGain = context.m_fMusicGain = 0.0f;
    CProfilesStore store(m_folder.path(), m_folder.path());
    EXPECT_FLOAT_EQ(1.0f, context.m_fEffectGain);
    EXPECT_FLOAT_EQ(0.5f, context.m_fMusicGain);

    // Loaded volumes become gains only when the game sets up its sounds.
    writeFile(kTwoPlayers);
    store.load();
    EXPECT_FLOAT_EQ(0.5f, context.m_fMusicGain);
    store.pushGains();
    EXPECT_FLOAT_EQ(0.8f, context.m_fEffectGain);
    EXPECT_FLOAT_EQ(0.2f, context.m_fMusicGain);
    store.resetSettings();
    EXPECT_FLOAT_EQ(1.0f, context.m_fEffectGain);
    EXPECT_FLOAT_EQ(0.5f, context.m_fMusicGain);
    EXPECT_NE(std::string::npos, ReadBytes(path()).find("volume=\"50\" music=\"25\""));
}

TEST_F(ProfilesStoreTest, AFileThatCannotBeReadIsNeitherMovedNorOverwritten)
{
    // A folder in the file's place reads as an I/O error, as a file locked
    // by a backup tool would.
    std::filesystem::create_directory(path());
    m_folder.write("profiles.xml/keep", "x");
    CProfilesStore& store = load();
    EXPECT_EQ(0u, store.profiles()->size());
    EXPECT_EQ(25, store.getMusic());
    EXPECT_FALSE(store.save());
    EXPECT_TRUE(std::filesystem::is_directory(path()));
    EXPECT_FALSE(Exists(path() + ".bad"));
}

TEST_F(ProfilesStoreTest, AFailedSaveIsReportedAndChangesNothing)
{
    CProfilesStore store(m_folder.path() + "/missing-folder", m_folder.path());
    EXPECT_FALSE(store.save());
    EXPECT_FALSE(Exists(m_folder.path() + "/missing-folder"));
}

// A rewrite keeps what the game does not read: unknown elements and
// attributes, a nameless profile, a second root.
TEST_F(ProfilesStoreTest, ARewriteKeepsEverythingItDoesNotUnderstand)
{
    writeFile("<root><profiles>"
              "<profile name=\"\" lives=\"1\" level=\"1\" score=\"1\" />"
              "<profile name=\"Ann\" lives=\"2\" level=\"4\" score=\"9\" difficulty=\"0\" tooltips=\"1\""
              " tooltipsdata=\"\" powerupshowed=\"0\" pet=\"crab\"><medal kind=\"gold\" /></profile>"
              "<friends count=\"2\" /><lastProfile name=\"Ann\" /></profiles>"
              "<topScores><score score=\"99\" /><score name=\"X\" score=\"5\" /></topScores>"
              "<settings volume=\"40\" music=\"10\" fullscreen=\"0\" language=\"fi\" />"
              "<achievements first=\"1\" /></root><root><profiles /></root>");
    CProfilesStore& store = load();
    store.profiles()->at(0)->m_nScore = 10;
    ASSERT_TRUE(store.save());
    const std::string strSaved = ReadBytes(path());
    for (const char* szKept : {"<profile name=\"\" lives=\"1\" level=\"1\" score=\"1\" />", "pet=\"crab\"",
                               "<medal kind=\"gold\" />", "<friends count=\"2\" />", "<score score=\"99\" />",
                               "language=\"fi\"", "<achievements first=\"1\" />", "<lastProfile name=\"Ann\" />",
                               "score=\"10\"", "<score name=\"X\" score=\"5\" />"}) {
        EXPECT_NE(std::string::npos, strSaved.find(szKept)) << szKept << " lost from\n" << strSaved;
    }
    EXPECT_NE(strSaved.find("<root>"), strSaved.rfind("<root>")) << "the second root is gone";
    // Saving again changes nothing.
    load().save();
    EXPECT_EQ(strSaved, ReadBytes(path()));
}

TEST_F(ProfilesStoreTest, NumbersAreHeldInRangeAndNamesCutOnACharacterBoundary)
{
    // 62 ASCII bytes and a two-byte character: the cut may not split it.
    const std::string strLong = std::string(62, 'a') + "\xC3\xA4" + "bc";
    writeFile("\xEF\xBB\xBF<root><profiles>"
              "<profile name=\"" + strLong + "\" lives=\"3\" level=\"4294967297\" score=\"2147483648\""
              " difficulty=\"1e9\" tooltips=\"1\" tooltipsdata=\"\" powerupshowed=\"0\" />"
              "<lastProfile name=\"" + strLong + "\" /></profiles>"
              "<topScores><score name=\"" + strLong + "\" score=\"99999999999\" /></topScores>"
              "<settings volume=\"40\" music=\"10\" fullscreen=\"0\" /></root>");
    CProfilesStore& store = load();
    ASSERT_EQ(1u, store.profiles()->size()) << "the byte-order mark made the file count as damaged";
    const CProfile* pProfile = store.profiles()->at(0);
    EXPECT_EQ(std::string(62, 'a'), pProfile->getName());
    EXPECT_EQ(pProfile, store.profiles()->current());
    EXPECT_EQ(INT_MAX, pProfile->m_nLevel);
    EXPECT_EQ(INT_MAX, pProfile->m_nScore);
    EXPECT_EQ(0, pProfile->m_nDifficulty);
    EXPECT_EQ(INT_MAX, store.topScores()->entries().at(0).m_nScore);
    EXPECT_EQ(std::string(62, 'a'), store.topScores()->entries().at(0).m_strName);
    EXPECT_EQ(CProfile::CutName(std::string(70, 'z')), std::string(63, 'z'));
    EXPECT_EQ(CProfile::CutName(std::string(61, 'z') + "\xE2\x82\xAC"), std::string(61, 'z'));
}

// A read that fails for any reason but a missing file leaves the store
// unable to save, so neither the file nor its backup is overwritten.
TEST_F(ProfilesStoreTest, AFailedReadNeverLeadsToASaveOverTheFileOrItsBackup)
{
    writeFile(kTwoPlayers);
    load().save();
    const std::string strBackup = ReadBytes(path() + ".bak");
    const std::string strFile = ReadBytes(path());
    // The file stands in for one that fails to read: a FIFO reads as an
    // error even for a user who may read every file.
    std::filesystem::rename(path(), path() + ".held");
    ASSERT_EQ(0, mkfifo(path().c_str(), 0644));
    CProfilesStore& store = load();
    EXPECT_EQ(0u, store.profiles()->size());
    EXPECT_FALSE(store.save());
    EXPECT_FALSE(store.save());
    EXPECT_EQ(strBackup, ReadBytes(path() + ".bak"));
    EXPECT_FALSE(Exists(path() + ".bad"));
    std::filesystem::remove(path());
    std::filesystem::rename(path() + ".held", path());
    load();
    EXPECT_EQ((std::vector<std::string>{"Ann", "Bob"}), names());
}

TEST_F(ProfilesStoreTest, ADamagedBackupIsKeptAsideBeforeAnySave)
{
    writeFile("<root><pro");
    m_folder.write("profiles.xml.bak", "<root><profiles");
    CProfilesStore& store = load();
    EXPECT_EQ(0u, store.profiles()->size());
    EXPECT_EQ("<root><profiles", ReadBytes(path() + ".bak.bad"));
    EXPECT_EQ("<root><pro", ReadBytes(path() + ".bad"));
}

TEST_F(ProfilesStoreTest, PlantedLinksAndFifosAreNeitherFollowedNorWaitedOn)
{
    m_folder.write("victim.txt", "keep me");
    const std::string strVictim = m_folder.path() + "/victim.txt";
    ASSERT_EQ(0, symlink(strVictim.c_str(), (path() + ".tmp").c_str()));
    ASSERT_EQ(0, symlink(strVictim.c_str(), (path() + ".bak.tmp").c_str()));
    writeFile(kTwoPlayers);
    ASSERT_TRUE(load().save());
    EXPECT_EQ("keep me", ReadBytes(strVictim));
    EXPECT_FALSE(Exists(path() + ".tmp"));

    // A FIFO in the file's place reads as an error at once.
    std::filesystem::remove(path());
    ASSERT_EQ(0, mkfifo(path().c_str(), 0644));
    std::string strBytes;
    EXPECT_EQ(EINVAL, CUserFile::Read(path(), strBytes));
    EXPECT_FALSE(load().save());
}

// A read that never ended leaves its mark. One such read may have been a
// kill or a second copy of the game starting, so the good file is read
// again (the player once fell from level 12 to level 1 when it was not);
// a second one in a row sets the file aside, or the backup when the file
// is already gone, and the player is told.
TEST_F(ProfilesStoreTest, OneUnfinishedReadKeepsTheFileASecondSetsItAside)
{
    for (const char* szMark : {"", "1", "x"}) {
        SCOPED_TRACE(szMark);
        writeFile(kTwoPlayers);
        m_folder.write("profiles.xml.reading", szMark);
        CProfilesStore& store = load();
        EXPECT_EQ((std::vector<std::string>{"Ann", "Bob"}), names());
        EXPECT_EQ(std::string(kTwoPlayers), ReadBytes(path()));
        EXPECT_FALSE(Exists(path() + ".bad"));
        EXPECT_EQ("", store.notice());
        EXPECT_FALSE(Exists(path() + ".reading"));
    }

    m_folder.write("profiles.xml.bak", kTwoPlayers);
    m_folder.write("profiles.xml.reading", "2");
    CProfilesStore& store = load();
    EXPECT_EQ(std::string(kTwoPlayers), ReadBytes(path() + ".bad"));
    EXPECT_EQ((std::vector<std::string>{"Ann", "Bob"}), names()) << "restored from the backup";
    EXPECT_EQ("Your players are kept in [" + m_folder.path() + "]:\n"
              "[profiles.xml] stopped the last two starts while it was read; kept as [profiles.xml.bad].\n"
              "Profiles restored from [profiles.xml.bak].",
              store.notice());
    EXPECT_FALSE(Exists(path() + ".reading"));
    EXPECT_TRUE(store.save());

    std::filesystem::remove(path());
    m_folder.write("profiles.xml.reading", "3");
    load();
    EXPECT_NE(std::string::npos, ReadBytes(path() + ".bak.bad").find("name=\"Bob\""));
    EXPECT_TRUE(names().empty());
    EXPECT_FALSE(Exists(path() + ".reading"));

    // With neither file nor backup left there is nothing to set aside or tell.
    std::filesystem::remove(path());
    m_folder.write("profiles.xml.reading", "4");
    EXPECT_EQ("", load().notice());
    EXPECT_FALSE(Exists(path() + ".bad1"));
}

// The player hears of a file set aside and of saves refused for the
// session; a file read as it stands, or none, says nothing.
TEST_F(ProfilesStoreTest, ThePlayerIsToldWhatBecameOfTheirFile)
{
    struct Case {
        const char* szFile;    // null: no file; "fifo": one that cannot be read
        const char* szBackup;  // null: none
        std::vector<std::string> told;
    };
    const Case cases[] = {
        {kTwoPlayers, nullptr, {}},
        {nullptr, kTwoPlayers, {}},
        {"<root><pro", kTwoPlayers,
         {"[profiles.xml] is damaged (", "); kept as [profiles.xml.bad].\nProfiles restored from [profiles.xml.bak]."}},
        {"<root><pro", nullptr, {"kept as [profiles.xml.bad]", "There is no backup: the game starts without players."}},
        {"<root><pro", "<root><profiles", {"kept as [profiles.xml.bad]", "kept as [profiles.xml.bak.bad]"}},
        {"fifo", kTwoPlayers,
         {"\nCannot read [profiles.xml]: not a plain file.\n"
          "Nothing is saved until the next start, so the file stays as it is."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szFile ? c.szFile : "no file");
        std::filesystem::remove_all(m_folder.path());
        std::filesystem::create_directories(m_folder.path());
        if (c.szFile && std::string(c.szFile) == "fifo")
            ASSERT_EQ(0, mkfifo(path().c_str(), 0644));
        else if (c.szFile)
            writeFile(c.szFile);
        if (c.szBackup)
            m_folder.write("profiles.xml.bak", c.szBackup);
        const std::string strNotice = load().notice();
        if (c.told.empty()) {
            EXPECT_EQ("", strNotice);
        }
        for (const std::string& strPart : c.told)
            EXPECT_NE(std::string::npos, strNotice.find(strPart)) << strNotice;
        if (!c.told.empty()) {
            EXPECT_EQ(0u, strNotice.find("Your players are kept in [" + m_folder.path() + "]:\n")) << strNotice;
        }
    }
}

// A save whose backup step fails leaves the file as it was and no
// temporary beside it.
TEST_F(ProfilesStoreTest, AFailedBackupStepRemovesTheTemporary)
{
    writeFile(kTwoPlayers);
    CProfilesStore& store = load();
    std::filesystem::create_directories(path() + ".bak.tmp/keep");
    store.profiles()->create("Cid");
    EXPECT_FALSE(store.save());
    EXPECT_FALSE(Exists(path() + ".tmp"));
    EXPECT_EQ(std::string(kTwoPlayers), ReadBytes(path()));
}

// Every name the store writes, with each thing someone may leave there.
// Nothing is written through a link, nothing waits on a FIFO; a folder in
// the way of a save fails that save and leaves the players' file as it was.
TEST_F(ProfilesStoreTest, APlantedNameIsNeverWrittenThroughNorWaitedOn)
{
    for (const char* szName :
         {"profiles.xml.tmp", "profiles.xml.bak.tmp", "profiles.xml.bak", "profiles.xml.reading"}) {
        for (const SPlanted& planted : PlantedKinds()) {
            SCOPED_TRACE(std::string(planted.pszName) + " at " + szName);
            CTempFolder folder;
            folder.write("profiles.xml", kTwoPlayers);
            CPlantedFile file(planted.kind, folder.path() + "/" + szName);
            CProfilesStore store(folder.path(), folder.path() + "/Profiles");
            store.load();
            EXPECT_EQ(2u, store.profiles()->size());
            EXPECT_EQ("", store.notice());
            store.profiles()->create("Cid");
            const bool bSaved = store.save();
            EXPECT_TRUE(file.victimUntouched());
            const bool bInTheWay = planted.kind == EPlanted::Folder && std::string(szName) != "profiles.xml.reading";
            EXPECT_EQ(!bInTheWay, bSaved);
            CProfilesStore again(folder.path(), folder.path() + "/Profiles");
            again.load();
            EXPECT_EQ(bSaved ? 3u : 2u, again.profiles()->size());
            for (const char* szTemp : {"profiles.xml.tmp", "profiles.xml.bak.tmp"}) {
                if (std::string(szTemp) != szName) {
                    EXPECT_FALSE(Exists(folder.path() + "/" + szTemp)) << szTemp;
                }
            }
        }
    }
}

}  // namespace
