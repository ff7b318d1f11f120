// A fresh folder under the system's temporary folder, removed with all it
// holds when the test ends.
#pragma once

#include <string>

// The whole of a file's bytes; "" when it cannot be read.
std::string ReadFileText(const std::string& strPath);

class CTempFolder {
public:
    CTempFolder();
    ~CTempFolder();
    CTempFolder(const CTempFolder&) = delete;
    CTempFolder& operator=(const CTempFolder&) = delete;

    const std::string& path() const { return m_strPath; }
    // Writes a file (creating its parent folders) and returns its path.
    std::string write(const std::string& strRelative, const std::string& strBytes) const;

private:
    std::string m_strPath;
};
