#include "Business/topscoretable.h"

#include <algorithm>
#include <climits>

#include <tinyxml.h>

#include "Business/profile.h"
#include "Core/vantile_number.h"

void CTopScoreTable::load(const TiXmlElement* pTopScores)
{
    // A nameless entry is skipped on its own; emptying the whole table for
    // it would lose every other score at the next save.
    for (const TiXmlElement* pScore = pTopScores->FirstChildElement("score"); pScore;
         pScore = pScore->NextSiblingElement("score")) {
        const char* szName = pScore->Attribute("name");
        if (!szName || !*szName)
            continue;
        int nScore = 0;
        Vantile::ParseIntegerClamped(pScore->Attribute("score"), 0, INT_MAX, nScore);
        m_Entries.push_back({CProfile::CutName(szName), nScore});
    }
    std::stable_sort(m_Entries.begin(), m_Entries.end(),
                     [](const Entry& a, const Entry& b) { return a.m_nScore > b.m_nScore; });
}

void CTopScoreTable::save(TiXmlElement* pTopScores) const
{
    // Elements the table did not read (a nameless score, anything newer)
    // stay in the file.
    for (TiXmlElement* pScore = pTopScores->FirstChildElement("score"); pScore;) {
        TiXmlElement* pNext = pScore->NextSiblingElement("score");
        const char* szName = pScore->Attribute("name");
        if (szName && *szName)
            pTopScores->RemoveChild(pScore);
        pScore = pNext;
    }
    for (const Entry& entry : m_Entries) {
        TiXmlElement score("score");
        score.SetAttribute("name", entry.m_strName.c_str());
        score.SetAttribute("score", entry.m_nScore);
        pTopScores->InsertEndChild(score);
    }
}
