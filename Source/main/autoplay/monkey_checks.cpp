// The monkey's invariants, checked as it plays: the profile file, the log,
// the GUI's window stack, and screens that hold it too long.
#include "main/autoplay/monkey.h"

#include <filesystem>
#include <fstream>

#include <tinyxml.h>

#include "Business/userfile.h"
#include "Core/vantile_xml.h"
#include "Game/Session/game.h"
#include "gui/Framework/windowstack.h"

namespace {

// The files are read this often; the window stack every frame.
const long CHECK_FRAMES = 20;
// A menu screen with no window for this long is no switch in progress.
const long EMPTY_STACK_FRAMES = 30;
// No screen, a level included, lasts this long (30 minutes at 60 frames a
// second).
const long STUCK_FRAMES = 30L * 60 * 60;
// Effect files name their render container in a parameter the parameter
// table does not know; the effect loader says so by design.
const char* const KNOWN_ERROR = "Unknown parameter semantics \"Container";

// Size and time of the last write: the file is read again when they change.
std::string stampOf(const std::string& strPath)
{
    namespace fs = std::filesystem;
    std::error_code error;
    const auto size = fs::file_size(strPath, error);
    if (error)
        return std::string();
    const auto time = fs::last_write_time(strPath, error);
    return std::to_string(size) + "@" + std::to_string(time.time_since_epoch().count());
}

}  // namespace

void CMonkey::runChecks(CGame& game)
{
    checkWindowStack(game);
    checkStuck();
    if (m_nFrame % CHECK_FRAMES == 0) {
        checkProfiles();
        checkLog();
    }
}

// The file parses as the game reads it, and every player in it stays
// unless the monkey went through the delete question (one player each
// time) or renamed one.
void CMonkey::checkProfiles()
{
    const std::string strPath = m_Options.dataFolder() + "/profiles.xml";
    const std::string strStamp = stampOf(strPath);
    if (strStamp.empty()) {
        if (m_bProfilesSeen)
            addFinding("profiles.xml is gone");
        return;
    }
    if (strStamp == m_strProfileStamp)
        return;
    m_strProfileStamp = strStamp;
    m_bProfilesSeen = true;
    // Read as the game reads it.
    std::string strBytes;
    if (const int nError = CUserFile::Read(strPath, strBytes)) {
        addFinding("profiles.xml cannot be read: " + CUserFile::ReadError(nError));
        return;
    }
    TiXmlDocument doc;
    const std::string strReason = Vantile::ParseXml(strBytes, doc);
    const TiXmlElement* pRoot = doc.FirstChildElement("root");
    const TiXmlElement* pProfiles = pRoot ? pRoot->FirstChildElement("profiles") : nullptr;
    if (!strReason.empty() || !pProfiles) {
        addFinding("profiles.xml does not parse: " + (strReason.empty() ? "no root or profiles" : strReason));
        return;
    }
    std::set<std::string> players;
    for (const TiXmlElement* p = pProfiles->FirstChildElement("profile"); p; p = p->NextSiblingElement("profile"))
        if (const char* szName = p->Attribute("name"))
            players.insert(szName);
    std::string strLost;
    int nLost = 0;
    for (const std::string& strName : m_Players)
        if (!players.count(strName)) {
            strLost += (nLost++ ? ", " : "") + strName;
        }
    if (nLost > m_nDeletesAllowed + m_nRenamesAllowed)
        addFinding("profiles.xml lost " + std::to_string(nLost) + " player(s) (" + strLost + ") with " +
                   std::to_string(m_nDeletesAllowed) + " delete questions and " + std::to_string(m_nRenamesAllowed) +
                   " renames");
    m_Players = players;
    // A question or a rename still on screen may yet change the file.
    if (m_Screen != Screen::DeleteQuestion && m_Screen != Screen::RenameDialog)
        m_nDeletesAllowed = m_nRenamesAllowed = 0;
}

// Each new line of the log, read where the last check stopped.
void CMonkey::checkLog()
{
    const std::string strPath = m_Options.dataFolder() + "/kovalog.txt";
    std::ifstream file(strPath, std::ios::binary);
    if (!file)
        return;
    file.seekg(0, std::ios::end);
    const long nSize = long(file.tellg());
    // A log opened again starts over.
    if (nSize < m_nLogOffset) {
        m_nLogOffset = 0;
        m_strLogLine.clear();
    }
    if (nSize == m_nLogOffset)
        return;
    file.seekg(m_nLogOffset);
    std::string strNew(size_t(nSize - m_nLogOffset), '\0');
    file.read(&strNew[0], std::streamsize(strNew.size()));
    m_nLogOffset = nSize;
    m_strLogLine += strNew;
    size_t nEnd;
    while ((nEnd = m_strLogLine.find('\n')) != std::string::npos) {
        const std::string strLine = m_strLogLine.substr(0, nEnd);
        m_strLogLine.erase(0, nEnd + 1);
        const size_t nError = strLine.find("[ERROR]");
        if (nError != std::string::npos && strLine.find(KNOWN_ERROR) == std::string::npos)
            addFinding("log: " + strLine.substr(nError));
    }
}

// The menu state draws the top window of the stack: without one there is
// nothing to click and no way on.
void CMonkey::checkWindowStack(CGame& game)
{
    const bool bEmpty = game.getState() == CGame::eMainMenu && IsScreenSettled(game) &&
                        !CWindowStack::instance().current();
    m_nEmptyStackFrames = bEmpty ? m_nEmptyStackFrames + 1 : 0;
    if (m_nEmptyStackFrames == EMPTY_STACK_FRAMES)
        addFinding("the GUI's window stack is empty in the menu state: no window to show or click");
}

void CMonkey::checkStuck()
{
    if (m_nScreenFrames == STUCK_FRAMES)
        addFinding(std::string("the screen ") + ScreenName(m_Screen) + " held the monkey for 30 minutes");
}

// After the game's end: its last save and last log lines, and whether the
// game ran the whole time.
void CMonkey::checkFilesAtEnd()
{
    m_strProfileStamp.clear();
    checkProfiles();
    checkLog();
    if (!m_bTimeUp)
        addFinding("the game ended before the run's time was up");
}
