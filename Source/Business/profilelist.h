// The profiles of all players in file order, and which one is playing.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Business/profile.h"

class TiXmlElement;

class CProfileList {
public:
    // strLegacyFolder is the old per-profile folder ("Profiles" beside the
    // executable) that removing or renaming a profile cleans up.
    explicit CProfileList(const std::string& strLegacyFolder);

    // Appends a profile with the values of a new game. Neither makes it
    // current nor checks for duplicates: callers ask contains() first.
    CProfile* create(const std::string& strName);
    bool contains(const std::string& strName) const;
    void remove(CProfile* pProfile);
    void rename(CProfile* pProfile, const std::string& strName);

    CProfile* current() const { return m_pCurrent; }
    void setCurrent(CProfile* pProfile) { m_pCurrent = pProfile; }

    size_t size() const { return m_Profiles.size(); }
    CProfile* at(size_t nIndex) const { return m_Profiles[nIndex].get(); }

    // The high-score screen's order: by score, highest first; equal scores
    // keep their list order.
    std::vector<CProfile*> rankByScore() const;

    void load(const TiXmlElement* pProfiles);
    void save(TiXmlElement* pProfiles) const;

private:
    void loadProfile(const TiXmlElement* pElement, const std::string& strLastName);
    void deleteLegacyFile(const std::string& strName) const;
    int indexOf(const CProfile* pProfile) const;

    std::vector<std::unique_ptr<CProfile>> m_Profiles;
    CProfile* m_pCurrent = nullptr;
    std::string m_strLegacyFolder;
};
