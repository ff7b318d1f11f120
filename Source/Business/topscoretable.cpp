#include "Business/topscoretable.h"

#include <algorithm>
#include <cstdlib>

#include <tinyxml.h>

#include "Business/profile.h"

void CTopScoreTable::load(const TiXmlElement* pTopScores)
{
    // A nameless entry is skipped on its own; emptying the whole table for
    // it would lose every other score at the next save.
    for (const TiXmlElement* pScore = pTopScores->FirstChildElement("score"); pScore;
         pScore = pScore->NextSiblingElement("score")) {
        const char* szName = pScore->Attribute("name");
        if (!szName || !*szName)
            continue;
        const char* szScore = pScore->Attribute("score");
        std::string strName(szName);
        m_Entries.push_back({strName.substr(0, CProfile::kMaxNameLength), szScore ? atoi(szScore) : 0});
    }
    std::stable_sort(m_Entries.begin(), m_Entries.end(),
                     [](const Entry& a, const Entry& b) { return a.m_nScore > b.m_nScore; });
}

void CTopScoreTable::save(TiXmlElement* pTopScores) const
{
    for (const Entry& entry : m_Entries) {
        TiXmlElement score("score");
        score.SetAttribute("name", entry.m_strName.c_str());
        score.SetAttribute("score", entry.m_nScore);
        pTopScores->InsertEndChild(score);
    }
}
