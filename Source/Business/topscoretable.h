// The stored table of top scores. The game never adds to it; it is read,
// kept sorted and written back.
#pragma once

#include <string>
#include <vector>

class TiXmlElement;

class CTopScoreTable {
public:
    struct Entry {
        std::string m_strName;
        int m_nScore;
    };

    const std::vector<Entry>& entries() const { return m_Entries; }
    std::vector<Entry>::const_iterator begin() const { return m_Entries.begin(); }
    std::vector<Entry>::const_iterator end() const { return m_Entries.end(); }

    void load(const TiXmlElement* pTopScores);
    void save(TiXmlElement* pTopScores) const;

private:
    std::vector<Entry> m_Entries;
};
