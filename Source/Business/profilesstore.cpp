#include "Business/profilesstore.h"

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
#include "system/fresh_file.h"
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
    m_strNotice.clear();
    auto pDoc = std::make_unique<TiXmlDocument>();
    TiXmlDocument& doc = *pDoc;
    ReadResult result = readDocument(doc);
    m_bUnread = result == ReadResult::Unreadable;
    if (result == ReadResult::Unreadable) {
        // Keep the file as it is: it may only be locked for a moment.
        tell(Vantile::LOG_ERROR, "Nothing is saved until the next start, so the file stays as it is");
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

// A message box does not wrap its lines: the player's text names the
// folder once, on a line of its own, and the files by name only.
void CProfilesStore::tell(Vantile::LogLevel level, const std::string& strText)
{
    CLog::Instance().Write(level, strText);
    if (m_strNotice.empty())
        m_strNotice = "Your players are kept in [" + m_strFolder + "]:";
    std::string strShort = strText;
    const std::string strPrefix = m_strFolder + "/";
    for (size_t n; (n = strShort.find(strPrefix)) != std::string::npos;)
        strShort.erase(n, strPrefix.size());
    m_strNotice += "\n" + strShort + ".";
}

// A file whose reading crashes the game would crash every start after it.
// The mark left while reading counts the reads that began and never ended.
// One such read may as well have been a kill, a power cut or a second copy
// of the game starting, so the file is read again; only when that read does
// not end either is the file set aside.
CProfilesStore::ReadResult CProfilesStore::readDocument(TiXmlDocument& doc)
{
    const int nUnfinished = unfinishedReads();
    if (nUnfinished > 0 && nUnfinished < kUnfinishedReadsToSetAside)
        CLog::Instance().Write(Vantile::LOG_INFO,
            FormatString("The last read of [%s] did not end; reading it again", filePath().c_str()));
    const bool bFileSetAside = nUnfinished >= kUnfinishedReadsToSetAside && setAsideAfterCrash();
    markRead(nUnfinished + 1);
    const ReadResult result = bFileSetAside ? readBackup(doc) : readFileOrBackup(doc);
    unlink(markPath().c_str());
    return result;
}

// An old mark holds no count: it stands for one read.
int CProfilesStore::unfinishedReads() const
{
    std::string strCount;
    const int nError = CUserFile::Read(markPath(), strCount);
    if (nError == ENOENT)
        return 0;
    if (nError != 0) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("Cannot read [%s]: %s", markPath().c_str(), CUserFile::ReadError(nError).c_str()));
        return 0;
    }
    int nCount = 1;
    return Vantile::ParseInteger(strCount.c_str(), 1, INT_MAX - 1, nCount) ? nCount : 1;
}

void CProfilesStore::markRead(int nUnfinished) const
{
    const int fd = PlatformCreateFresh(markPath().c_str());
    if (fd < 0) {
        CLog::Instance().Write(Vantile::LOG_ERROR,
            FormatString("Cannot mark the read in [%s]: %s", markPath().c_str(), strerror(errno)));
        return;
    }
    const std::string strCount = std::to_string(nUnfinished);
    if (write(fd, strCount.data(), strCount.size()) != ssize_t(strCount.size()))
        CLog::Instance().Write(Vantile::LOG_ERROR, FormatString("Cannot mark the read in [%s]", markPath().c_str()));
    close(fd);
}

// Returns whether the file itself (not its backup) was moved.
bool CProfilesStore::setAsideAfterCrash()
{
    // The backup is read after the file; if the file is already gone, it
    // was the backup that crashed.
    struct stat info;
    const bool bFile = stat(filePath().c_str(), &info) == 0;
    CUserFile file(bFile ? filePath() : CUserFile(filePath()).backupPath());
    if (!bFile && stat(file.path().c_str(), &info) != 0)
        return false;
    const std::string strAside = file.moveAside();
    if (strAside.empty()) {
        tell(Vantile::LOG_ERROR, FormatString("[%s] stopped the last two starts while it was read and could not be "
                                              "moved aside", file.path().c_str()));
        return false;
    }
    tell(Vantile::LOG_ERROR, FormatString("[%s] stopped the last two starts while it was read; kept as [%s]",
                                          file.path().c_str(), strAside.c_str()));
    return bFile;
}

CProfilesStore::ReadResult CProfilesStore::readFileOrBackup(TiXmlDocument& doc)
{
    std::string strBytes;
    int nError = CUserFile::Read(filePath(), strBytes);
    if (nError == ENOENT)
        return ReadResult::Missing;
    if (nError != 0) {
        tell(Vantile::LOG_ERROR,
             FormatString("Cannot read [%s]: %s", filePath().c_str(), CUserFile::ReadError(nError).c_str()));
        return ReadResult::Unreadable;
    }
    const std::string strReason = ParseStore(strBytes, doc);
    if (strReason.empty())
        return ReadResult::Loaded;
    // A damaged file we could not move must not be saved over, nor copied
    // over the good backup by the next save's backup step.
    if (!setAsideDamaged(filePath(), strReason))
        return ReadResult::Unreadable;
    doc.Clear();
    return readBackup(doc);
}

bool CProfilesStore::setAsideDamaged(const std::string& strPath, const std::string& strReason)
{
    const std::string strAside = CUserFile(strPath).moveAside();
    tell(Vantile::LOG_ERROR, strAside.empty()
        ? FormatString("[%s] is damaged (%s) and could not be moved aside", strPath.c_str(), strReason.c_str())
        : FormatString("[%s] is damaged (%s); kept as [%s]", strPath.c_str(), strReason.c_str(), strAside.c_str()));
    return !strAside.empty();
}

// The backup is the players' last copy: one that cannot be read now must
// not be replaced by the next save's backup step either.
CProfilesStore::ReadResult CProfilesStore::readBackup(TiXmlDocument& doc)
{
    std::string strBytes;
    std::string strBackup = CUserFile(filePath()).backupPath();
    const int nError = CUserFile::Read(strBackup, strBytes);
    if (nError == ENOENT) {
        tell(Vantile::LOG_ERROR, "There is no backup: the game starts without players");
        return ReadResult::Damaged;
    }
    if (nError != 0) {
        tell(Vantile::LOG_ERROR,
             FormatString("Cannot read [%s]: %s", strBackup.c_str(), CUserFile::ReadError(nError).c_str()));
        return ReadResult::Unreadable;
    }
    const std::string strReason = ParseStore(strBytes, doc);
    if (!strReason.empty()) {
        doc.Clear();
        return setAsideDamaged(strBackup, strReason) ? ReadResult::Damaged : ReadResult::Unreadable;
    }
    tell(Vantile::LOG_INFO, FormatString("Profiles restored from [%s]", strBackup.c_str()));
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
