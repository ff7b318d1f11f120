#include "Business/profilelist.h"

#include <unistd.h>

#include <algorithm>
#include <climits>
#include <map>

#include <tinyxml.h>

#include "Core/vantile_log.h"
#include "Core/vantile_number.h"

namespace {

// A profile name comes from a text box or a hand-edited file; only a plain
// file name may be turned into a path to delete, or "../game.dat" would
// delete the game's own data.
bool IsPlainFileName(const std::string& strName)
{
    if (strName.empty() || strName == "." || strName == "..")
        return false;
    return strName.find_first_of("/\\:") == std::string::npos;
}

// Removes the elements the list reads and returns the players' ones by
// name; the rest (a nameless profile, anything unknown) stay as they were.
std::multimap<std::string, TiXmlElement> TakeReadElements(TiXmlElement& profiles)
{
    std::multimap<std::string, TiXmlElement> read;
    for (TiXmlElement* pElement = profiles.FirstChildElement(); pElement;) {
        TiXmlElement* pNext = pElement->NextSiblingElement();
        const char* szName = pElement->Attribute("name");
        const std::string strValue = pElement->ValueStr();
        if (strValue == "lastProfile" || (strValue == "profile" && szName && *szName)) {
            if (strValue == "profile")
                read.emplace(CProfile::CutName(szName), *pElement);
            profiles.RemoveChild(pElement);
        }
        pElement = pNext;
    }
    return read;
}

}  // namespace

CProfileList::CProfileList(const std::string& strLegacyFolder)
    : m_strLegacyFolder(strLegacyFolder)
{
}

CProfile* CProfileList::create(const std::string& strName)
{
    m_Profiles.push_back(std::make_unique<CProfile>());
    CProfile* pProfile = m_Profiles.back().get();
    pProfile->setName(strName);
    pProfile->reset();
    return pProfile;
}

bool CProfileList::contains(const std::string& strName) const
{
    return std::any_of(m_Profiles.begin(), m_Profiles.end(),
                       [&](const auto& pProfile) { return pProfile->getName() == strName; });
}

int CProfileList::indexOf(const CProfile* pProfile) const
{
    for (size_t i = 0; i < m_Profiles.size(); ++i) {
        if (m_Profiles[i].get() == pProfile)
            return static_cast<int>(i);
    }
    return -1;
}

void CProfileList::remove(CProfile* pProfile)
{
    int nIndex = indexOf(pProfile);
    if (nIndex < 0)
        return;
    if (m_pCurrent == pProfile)
        m_pCurrent = nullptr;
    std::string strName = pProfile->getName();
    m_Profiles.erase(m_Profiles.begin() + nIndex);
    deleteLegacyFile(strName);
}

void CProfileList::rename(CProfile* pProfile, const std::string& strName)
{
    if (indexOf(pProfile) < 0)
        return;
    deleteLegacyFile(pProfile->getName());
    pProfile->setName(strName);
}

void CProfileList::deleteLegacyFile(const std::string& strName) const
{
    if (!IsPlainFileName(strName))
        return;
    unlink((m_strLegacyFolder + "/" + strName).c_str());
}

std::vector<CProfile*> CProfileList::rankByScore() const
{
    std::vector<CProfile*> ranking;
    for (const auto& pProfile : m_Profiles)
        ranking.push_back(pProfile.get());
    std::stable_sort(ranking.begin(), ranking.end(), [](const CProfile* a, const CProfile* b) {
        return a->m_nScore > b->m_nScore;
    });
    return ranking;
}

void CProfileList::load(const TiXmlElement* pProfiles)
{
    // A list without its lastProfile element still holds the players'
    // progress; it only means nobody was playing.
    std::string strLastName;
    if (const TiXmlElement* pLast = pProfiles->FirstChildElement("lastProfile")) {
        if (const char* szName = pLast->Attribute("name"))
            strLastName = CProfile::CutName(szName);
    }
    for (const TiXmlElement* pElement = pProfiles->FirstChildElement("profile"); pElement;
         pElement = pElement->NextSiblingElement("profile"))
        loadProfile(pElement, strLastName);
}

void CProfileList::loadProfile(const TiXmlElement* pElement, const std::string& strLastName)
{
    const char* szName = pElement->Attribute("name");
    if (!szName || !*szName)
        return;
    // Constructed, not reset; a missing attribute takes the new-game value
    // instead of dropping this player and every one after it.
    auto pProfile = std::make_unique<CProfile>();
    CProfile fallback;
    fallback.reset();
    bool bComplete = true;
    // Not a whole number ("1e9") takes the new-game value; one out of range
    // is held at its end rather than wrapped.
    auto readInt = [&](const char* szAttribute, int nMin, int nDefault) {
        int nValue = nDefault;
        bComplete = Vantile::ParseIntegerClamped(pElement->Attribute(szAttribute), nMin, INT_MAX, nValue) && bComplete;
        return nValue;
    };
    pProfile->setName(szName);
    pProfile->m_nLives = readInt("lives", 0, fallback.m_nLives);
    pProfile->m_nLevel = readInt("level", -1, fallback.m_nLevel);
    pProfile->m_nScore = readInt("score", 0, fallback.m_nScore);
    pProfile->m_nDifficulty = readInt("difficulty", 0, fallback.m_nDifficulty);
    pProfile->m_bTooltips = readInt("tooltips", INT_MIN, fallback.m_bTooltips) != 0;
    pProfile->m_bPowerUpShown = readInt("powerupshowed", INT_MIN, fallback.m_bPowerUpShown) != 0;
    const char* szData = pElement->Attribute("tooltipsdata");
    bComplete = bComplete && szData;
    pProfile->m_strTooltipsData = szData ? szData : "";
    if (!bComplete) {
        Vantile::CLog::Instance().Write(Vantile::LOG_ERROR,
            Vantile::FormatString("Profile [%s] lacks attributes or has unreadable ones; new-game values used", szName));
    }
    if (pProfile->getName() == strLastName)
        m_pCurrent = pProfile.get();
    m_Profiles.push_back(std::move(pProfile));
}

void CProfileList::save(TiXmlElement* pProfiles) const
{
    // Each player's element is rewritten from the element read for it, so
    // attributes and children a newer game added survive.
    std::multimap<std::string, TiXmlElement> read = TakeReadElements(*pProfiles);
    for (const auto& pProfile : m_Profiles) {
        if (pProfile->getName().empty())
            continue;
        auto itRead = read.find(pProfile->getName());
        TiXmlElement element = itRead != read.end() ? itRead->second : TiXmlElement("profile");
        if (itRead != read.end())
            read.erase(itRead);
        element.SetAttribute("name", pProfile->getName().c_str());
        element.SetAttribute("lives", pProfile->m_nLives);
        element.SetAttribute("level", pProfile->m_nLevel);
        element.SetAttribute("score", pProfile->m_nScore);
        element.SetAttribute("difficulty", pProfile->m_nDifficulty);
        element.SetAttribute("tooltips", pProfile->m_bTooltips ? 1 : 0);
        element.SetAttribute("tooltipsdata", pProfile->m_strTooltipsData.c_str());
        element.SetAttribute("powerupshowed", pProfile->m_bPowerUpShown ? 1 : 0);
        pProfiles->InsertEndChild(element);
    }
    TiXmlElement last("lastProfile");
    last.SetAttribute("name", m_pCurrent ? m_pCurrent->getName().c_str() : "");
    pProfiles->InsertEndChild(last);
}
