// Points the process-wide log at a fresh file for one test and reads back
// what was written since, so tests can check the messages a part logs.
#pragma once

#include <string>

#include "support/temp_folder.h"

class CLogCapture {
public:
    CLogCapture();

    // The log lines written since construction, "hh:mm:ss  [LEVEL] text".
    std::string text() const;
    bool contains(const std::string& strLine) const;

private:
    CTempFolder m_Folder;
    std::string m_strPath;
    size_t m_nStart = 0;
};
