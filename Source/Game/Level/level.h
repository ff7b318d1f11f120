// A level file: which of the 64 cells exist, what starts in them, which
// item types the refill may produce, and the level's period, power-up
// value and bonus time.
#pragma once

#include <array>
#include <string>
#include <vector>

class TiXmlDocument;

class CLevel {
public:
    enum { CELL_COUNT = 64, BOARD_SIZE = 8 };

    // One cell as the file describes it, row by row from the top, each row
    // from the left. An existing cell of type 0 starts empty.
    struct CellRecord {
        bool m_bExists = true;
        int m_nType = 0;
        int m_nLives = 0;  // 1, or 2 for a double item; 0 without an item
    };
    typedef std::array<CellRecord, CELL_COUNT> Cells;

    // Reads a level file through the resource manager, then as load.
    // Throws when the file is missing or is not XML.
    void loadFile(const std::string& strFileName, Cells& cells);
    // The same for a file's bytes already in memory; the name is only
    // for messages.
    void loadBytes(const std::string& strFileName, const void* pData, size_t nSize, Cells& cells);
    // Reads a parsed document into the parameters, the active item types
    // and the cells. Throws when the document is not a playable level;
    // a document without cells leaves the cells as they were.
    void load(const TiXmlDocument& document, Cells& cells);

    // A run is three of a kind, so a refill from fewer kinds than that
    // deals boards without moves and shuffles them for ever.
    static const int MIN_FISH_KINDS = 3;
    // The distinct fish kinds (ordinary types) of a list of item types.
    static int fishKinds(const std::vector<int>& types);

    int m_nPeriod = 0;
    int m_nPowerups = 0;
    int m_nBonusTime = 0;
    std::string m_strTypes;  // the "types" text as the file holds it

private:
    void readParameters(const TiXmlDocument& document);
    static void readCells(const TiXmlDocument& document, Cells& cells);
    static void readCell(const char* szCode, CellRecord& cell);
};
