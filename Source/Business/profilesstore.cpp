#include "Business/profilesstore.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <tinyxml.h>

#include "Business/userfile.h"
#include "Core/vantile_log.h"
#include "Game/Context/gamecontext.h"
#include "system/win32.h"

using Vantile::CLog;
using Vantile::FormatString;

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

void CProfilesStore::load()
{
    m_pProfiles = std::make_unique<CProfileList>(m_strLegacyFolder);
    m_pTopScores = std::make_unique<CTopScoreTable>();

    TiXmlDocument doc;
    ReadResult result = readDocument(doc);
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

CProfilesStore::ReadResult CProfilesStore::readDocument(TiXmlDocument& doc) const
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
    if (ParseStore(strBytes, doc))
        return ReadResult::Loaded;
    std::string strAside = CUserFile(filePath()).moveAside();
    CLog::Instance().Write(Vantile::LOG_ERROR,
        FormatString("[%s] is damaged (%s); kept as [%s]", filePath().c_str(),
                     doc.Error() ? doc.ErrorDesc() : "no root or profiles", strAside.c_str()));
    // A damaged file we could not move must not be saved over, nor copied
    // over the good backup by the next save's backup step.
    if (strAside.empty())
        return ReadResult::Unreadable;
    doc.Clear();
    return readBackup(doc) ? ReadResult::Restored : ReadResult::Damaged;
}

bool CProfilesStore::readBackup(TiXmlDocument& doc) const
{
    std::string strBytes;
    std::string strBackup = CUserFile(filePath()).backupPath();
    if (CUserFile::Read(strBackup, strBytes) != 0 || !ParseStore(strBytes, doc))
        return false;
    CLog::Instance().Write(Vantile::LOG_INFO, FormatString("Profiles restored from [%s]", strBackup.c_str()));
    return true;
}

bool CProfilesStore::ParseStore(const std::string& strBytes, TiXmlDocument& doc)
{
    doc.Parse(strBytes.c_str(), nullptr, TIXML_ENCODING_LEGACY);
    if (doc.Error())
        return false;
    const TiXmlElement* pRoot = doc.FirstChildElement("root");
    return pRoot && pRoot->FirstChildElement("profiles");
}

bool CProfilesStore::loadSettings(const TiXmlElement* pRoot)
{
    const TiXmlElement* pSettings = pRoot->FirstChildElement("settings");
    if (!pSettings)
        return false;
    auto readInt = [&](const char* szName) {
        const char* szValue = pSettings->Attribute(szName);
        return szValue ? atoi(szValue) : 0;
    };
    m_nVolume = readInt("volume");
    m_nMusic = readInt("music");
    m_bFullscreen = readInt("fullscreen") != 0;
    return m_nVolume >= 0 && m_nVolume <= kMaxVolume && m_nMusic >= 0 && m_nMusic <= kMaxVolume;
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
    TiXmlDocument doc;
    TiXmlElement* pRoot = doc.InsertEndChild(TiXmlElement("root"))->ToElement();
    TiXmlElement* pProfiles = pRoot->InsertEndChild(TiXmlElement("profiles"))->ToElement();
    if (m_pProfiles)
        m_pProfiles->save(pProfiles);
    else
        CProfileList(m_strLegacyFolder).save(pProfiles);
    TiXmlElement* pTopScores = pRoot->InsertEndChild(TiXmlElement("topScores"))->ToElement();
    if (m_pTopScores)
        m_pTopScores->save(pTopScores);
    TiXmlElement settings("settings");
    settings.SetAttribute("volume", m_nVolume);
    settings.SetAttribute("music", m_nMusic);
    settings.SetAttribute("fullscreen", m_bFullscreen ? 1 : 0);
    pRoot->InsertEndChild(settings);

    TiXmlPrinter printer;
    doc.Accept(&printer);
    return CUserFile(filePath()).replace(printer.Str());
}
