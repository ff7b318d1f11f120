#include "levelgen_design.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "Core/vantile_exception.h"

namespace {

class CTableReader {
public:
    CTableReader(const std::string& strPath) : m_strPath(strPath), m_File(strPath)
    {
        if (!m_File)
            fail("cannot be read");
    }

    std::vector<LevelDesign> read()
    {
        std::string strLine;
        while (nextLine(strLine))
            readLine(strLine);
        finishLevel();
        return m_Levels;
    }

private:
    bool nextLine(std::string& strLine)
    {
        while (std::getline(m_File, strLine)) {
            ++m_nLine;
            const size_t nStart = strLine.find_first_not_of(" \t");
            if (nStart != std::string::npos && strLine[nStart] != ';')
                return true;
        }
        return false;
    }

    [[noreturn]] void fail(const std::string& strFault) const
    {
        VANTILE_EXCEPT(0, m_strPath + ":" + std::to_string(m_nLine) + ": " + strFault, "ReadDesignTable");
    }

    void readLine(const std::string& strLine)
    {
        std::istringstream words(strLine);
        std::string strKey, strRest;
        words >> strKey;
        std::getline(words >> std::ws, strRest);
        if (strKey == "level") {
            finishLevel();
            m_Current.strName = strRest;
            m_Current.nMiniColumns = 0;
            m_Current.strField.clear();
            m_bInLevel = true;
            return;
        }
        if (!m_bInLevel)
            fail("\"" + strKey + "\" before the first level");
        readSetting(strKey, strRest);
    }

    void readSetting(const std::string& strKey, const std::string& strRest)
    {
        std::istringstream values(strRest);
        LevelDesign& d = m_Current;
        if (strKey == "kinds") {
            d.kinds.clear();
            for (int nKind; values >> nKind;)
                d.kinds.push_back(nKind);
        } else if (strKey == "period")
            values >> d.nPeriod;
        else if (strKey == "powerups")
            values >> d.nPowerups;
        else if (strKey == "bonustime")
            values >> d.nBonusTime;
        else if (strKey == "field")
            values >> d.strField;
        else if (strKey == "scene")
            values >> d.strScene;
        else if (strKey == "fog")
            values >> d.strFog;
        else if (strKey == "fish")
            values >> d.strBackFish >> d.strFrontFish;
        else if (strKey == "minigame")
            readMiniGame(values);
        else if (strKey == "board")
            readBoard();
        else
            fail("unknown setting \"" + strKey + "\"");
        if (values.fail() && strKey != "kinds" && strKey != "board")
            fail("\"" + strKey + "\" lacks its value");
    }

    // minigame COLUMNS ROWS FISH | text before | text after
    void readMiniGame(std::istringstream& values)
    {
        values >> m_Current.nMiniColumns >> m_Current.nMiniRows >> m_Current.nMiniFish;
        std::string strTexts;
        std::getline(values >> std::ws, strTexts);
        const size_t nFirst = strTexts.find('|'), nSecond = strTexts.find('|', nFirst + 1);
        if (nFirst == std::string::npos || nSecond == std::string::npos)
            fail("a mini-game needs \"| before | after\" texts");
        m_Current.strMiniBefore = trimmed(strTexts.substr(nFirst + 1, nSecond - nFirst - 1));
        m_Current.strMiniAfter = trimmed(strTexts.substr(nSecond + 1));
    }

    void readBoard()
    {
        for (std::string& strRow : m_Current.board) {
            if (!nextLine(strRow))
                fail("the board ends early");
            strRow = trimmed(strRow);
            if (strRow.size() != size_t(CLevel::BOARD_SIZE))
                fail("a board row needs 8 cells");
        }
        m_bHasBoard = true;
    }

    void finishLevel()
    {
        if (!m_bInLevel)
            return;
        if (!m_bHasBoard)
            fail("level \"" + m_Current.strName + "\" has no board");
        if (m_Current.strField.empty())
            m_Current.strField = defaultField(m_Levels.size() + 1);
        m_Levels.push_back(m_Current);
        m_bHasBoard = false;
    }

    // Each level has a seabed picture of its own unless it shares one.
    static std::string defaultField(size_t nNumber)
    {
        char szName[32];
        snprintf(szName, sizeof(szName), "field%02zu.jpg", nNumber);
        return szName;
    }

    static std::string trimmed(const std::string& strText)
    {
        const size_t nStart = strText.find_first_not_of(" \t"), nEnd = strText.find_last_not_of(" \t");
        return nStart == std::string::npos ? "" : strText.substr(nStart, nEnd - nStart + 1);
    }

    std::string m_strPath;
    std::ifstream m_File;
    int m_nLine = 0;
    bool m_bInLevel = false;
    bool m_bHasBoard = false;
    LevelDesign m_Current;
    std::vector<LevelDesign> m_Levels;
};

}  // namespace

std::vector<LevelDesign> ReadDesignTable(const std::string& strPath)
{
    return CTableReader(strPath).read();
}
