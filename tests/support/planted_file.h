// What anyone who may write a folder can leave under a name the program
// writes there, aimed at a victim file that must stay as it is: a link to
// it, a second (hard) name of it, a FIFO that blocks a writer with no
// reader, or a folder, which holds a file of its own.
#pragma once

#include <string>
#include <vector>

enum class EPlanted { Link, HardLink, Fifo, Folder };

struct SPlanted {
    EPlanted kind;
    const char* pszName;
};

const std::vector<SPlanted>& PlantedKinds();

class CPlantedFile {
public:
    // Plants the kind at strPath and its victim at strPath + ".victim"
    // holding kVictimBytes; a folder holds "keep" with them.
    CPlantedFile(EPlanted kind, const std::string& strPath);

    static const char* const kVictimBytes;

    // Whether the victim (or the folder's file) still holds its bytes and
    // the folder is still a folder.
    bool victimUntouched() const;
    // Whether the name now holds a plain file of its own.
    bool replacedByPlainFile() const;

private:
    EPlanted m_kind;
    std::string m_strPath;
    std::string m_strVictim;
};
