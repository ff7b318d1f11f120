#include "Business/profilesstore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

#include <tinyxml.h>

#include "Business/userfile.h"
#include "Core/vantile_log.h"
#include "Core/vantile_number.h"
#include "Core/vantile_xml.h"
#include "Game/Context/gamecontext.h"
#include "system/win32.h"

using Vantile::CLog;
using Vantile::FormatString;

namespace {

// The parent's first child of that name, made when it has none.
TiXmlElement& ChildOf(TiXmlNode& parent, const char* szName)
{
    if (TiXmlElement* pChild = parent.FirstChildElement(szName))
        return *pChild;
    return *parent.InsertEndChild(TiXmlElement(szName))->ToElement();
}

}  // namespace

CProfilesStore::CProfilesStore(const std::string& strFolder, const std::string& strLegacyFolder)
    : m_strFolder(strFolder), m_strLegacyFolder(strLegacyFolder)
{
    pushGains();
}

CProfilesStore::CProfilesStore() : CProfilesStore(CGameContext::dataFolder(), LegacyFolder()) {}

CProfilesStore::~CProfilesStore() = default;

std::string CProfilesStore::LegacyFolder()
{
    return CGameContext::programFolder() + "/Profiles";
}

std::string CProfilesStore::filePath() const
{
    return m_strFolder + "/profiles.xml";
}

std::string CProfilesStore::markPath() const
{
    return filePath() + ".reading";
}

void CProfilesStore::load()
{
    m_pProfiles = std::make_unique<CProfileList>(m_strLegacyFolder);
    m_pTopScores = std::make_unique<CTopScoreTable>();

    m_pRead.reset();
    auto pDoc = std::make_unique<TiXmlDocument>();
    TiXmlDocument& doc = *pDoc;
    ReadResult result = readDocument(doc);
    m_bUnread = result == ReadResult::Unreadable;
    if (result == ReadResult::Unreadable) {
        // Keep the file as it is: it may only be locked for a moment.
        applyDefaultSettings();
        pushGains();
        return;
    }
    if (result == ReadResult::Missing || result == ReadResult::Damaged) {
        resetSettings();
        return;
    }
    m_pRead = std::move(pDoc);
    const TiXmlElement* pRoot = doc.FirstChildElement("root");
    m_pProfiles->load(pRoot->FirstChildElement("profiles"));
    if (const TiXmlElement* pTopScores = pRoot->FirstChildElement("topScores"))
        m_pTopScores->load(pTopScores);
    // The loaded volumes become gains when the game sets up its sounds.
    if (!loadSettings(pRoot))
        resetSettings();
    else if (result == ReadResult::Restored)
        save();
}

// A file whose reading crashed the game would crash every start after it;
// the mark left while reading tells the next start to move it aside.
// Returns whether the file itself (not its backup) was moved.
bool CProfilesStore::setAsideAfterCrash() const
{
    struct stat info;
    if (stat(markPath().c_str(), &info) != 0)
        return false;
    // The backup is read after the file; if the file is already gone, it
    // was the backup that crashed.
    const bool bFile = stat(filePath().c_str(), &info) == 0;
    CUserFile file(bFile ? filePath() : CUserFile(filePath()).backupPath());
    const std::string strAside = file.moveAside();
    CLog::Instance().Write(Vantile::LOG_ERROR,
        FormatString("[%s] crashed the previous start; kept as [%s]", file.path().c_str(), strAside.c_str()));
    unlink(markPath().c_str());
    return bFile && !strAside.empty();
}

CProfilesStore::ReadResult CProfilesStore::readDocument(TiXmlDocument& doc) const
{
    const bool bFileSetAside = setAsideAfterCrash();
    const int fdMark = open(markPath().c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fdMark >= 0)
        close(fdMark);
    const ReadResult result = bFileSetAside ? readBackup(doc) : readFileOrBackup(doc);
    unlink(markPath().c_str());
    return result;
}

CProfilesStore::ReadResult CProfilesStore::readFileOrBackup(TiXmlDocument& doc) const
{
    std::string strBytes;
    int nError = CUserFile::Read(filePath(), strBytes);
    if (nError == ENOENT)
        return ReadResult::Missing;
    if (nError != 0) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("Cannot read [%s]: %s", filePath().c_str(), strerror(nError)));
        return ReadResult::Unreadable;
    }
    const std::string strReason = ParseStore(strBytes, doc);
    if (strReason.empty())
        return ReadResult::Loaded;
    std::string strAside = CUserFile(filePath()).moveAside();
    CLog::Instance().Write(Vantile::LOG_ERROR,
        FormatString("[%s] is damaged (%s); kept as [%s]", filePath().c_str(), strReason.c_str(), strAside.c_str()));
    // A damaged file we could not move must not be saved over, nor copied
    // over the good backup by the next save's backup step.
    if (strAside.empty())
        return ReadResult::Unreadable;
    doc.Clear();
    return readBackup(doc);
}

// The backup is the players' last copy: one that cannot be read now must
// not be replaced by the next save's backup step either.
CProfilesStore::ReadResult CProfilesStore::readBackup(TiXmlDocument& doc) const
{
    std::string strBytes;
    std::string strBackup = CUserFile(filePath()).backupPath();
    const int nError = CUserFile::Read(strBackup, strBytes);
    if (nError == ENOENT)
        return ReadResult::Damaged;
    if (nError != 0) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("Cannot read [%s]: %s", strBackup.c_str(), strerror(nError)));
        return ReadResult::Unreadable;
    }
    const std::string strReason = ParseStore(strBytes, doc);
    if (!strReason.empty()) {
        std::string strAside = CUserFile(strBackup).moveAside();
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("[%s] is damaged (%s); kept as [%s]", strBackup.c_str(), strReason.c_str(), strAside.c_str()));
        doc.Clear();
        return strAside.empty() ? ReadResult::Unreadable : ReadResult::Damaged;
    }
    CLog::Instance().Write(Vantile::LOG_INFO, FormatString("Profiles restored from [%s]", strBackup.c_str()));
    return ReadResult::Restored;
}

std::string CProfilesStore::ParseStore(const std::string& strBytes, TiXmlDocument& doc)
{
    std::string strReason = Vantile::ParseXml(strBytes, doc);
    if (!strReason.empty())
        return strReason;
    const TiXmlElement* pRoot = doc.FirstChildElement("root");
    return pRoot && pRoot->FirstChildElement("profiles") ? std::string() : "no root or profiles";
}

bool CProfilesStore::loadSettings(const TiXmlElement* pRoot)
{
    const TiXmlElement* pSettings = pRoot->FirstChildElement("settings");
    if (!pSettings)
        return false;
    // An absent value reads as 0; one that is no whole number in range
    // makes the three settings start over.
    bool bValid = true;
    auto readInt = [&](const char* szName, int nMin, int nMax) {
        const char* szValue = pSettings->Attribute(szName);
        int nValue = 0;
        bValid = (!szValue || Vantile::ParseInteger(szValue, nMin, nMax, nValue)) && bValid;
        return nValue;
    };
    m_nVolume = readInt("volume", 0, kMaxVolume);
    m_nMusic = readInt("music", 0, kMaxVolume);
    m_bFullscreen = readInt("fullscreen", INT_MIN, INT_MAX) != 0;
    return bValid;
}

void CProfilesStore::writeSettings(TiXmlElement& root) const
{
    TiXmlElement& settings = ChildOf(root, "settings");
    settings.SetAttribute("volume", m_nVolume);
    settings.SetAttribute("music", m_nMusic);
    settings.SetAttribute("fullscreen", m_bFullscreen ? 1 : 0);
}

void CProfilesStore::applyDefaultSettings()
{
    m_nVolume = kDefaultVolume;
    m_nMusic = kDefaultMusic;
    m_bFullscreen = true;
}

void CProfilesStore::resetSettings()
{
    applyDefaultSettings();
    pushGains();
    save();
}

bool CProfilesStore::save()
{
    if (m_bUnread) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("[%s] could not be read at start; not saving over it", filePath().c_str()));
        return false;
    }
    TiXmlDocument doc;
    if (m_pRead)
        doc = *m_pRead;
    TiXmlElement& root = ChildOf(doc, "root");
    if (m_pProfiles)
        m_pProfiles->save(&ChildOf(root, "profiles"));
    else
        CProfileList(m_strLegacyFolder).save(&ChildOf(root, "profiles"));
    TiXmlElement& topScores = ChildOf(root, "topScores");
    if (m_pTopScores)
        m_pTopScores->save(&topScores);
    writeSettings(root);

    TiXmlPrinter printer;
    doc.Accept(&printer);
    return CUserFile(filePath()).replace(printer.Str());
}
