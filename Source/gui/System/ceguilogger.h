// CEGUI's messages in "CEGUI.log", made the one way the game makes its
// files in the per-user folder (PlatformCreateFresh). CEGUI's own logger
// writes through a link planted under that name, throws out of start-up at
// a folder there and waits for ever at a FIFO. CEGUI takes the logger made
// before its System as the one to use, and leaves its deletion to us.
#pragma once

#include <cstdio>
#include <string>

#include <CEGUI/Logger.h>

namespace Vantile {

class CCEGUILogger : public CEGUI::Logger {
public:
    // A file that cannot be made is told in the game's log once; CEGUI's
    // messages are then dropped.
    explicit CCEGUILogger(const std::string& strPath);
    ~CCEGUILogger() override;
    CCEGUILogger(const CCEGUILogger&) = delete;
    CCEGUILogger& operator=(const CCEGUILogger&) = delete;

    void logEvent(const CEGUI::String& message, CEGUI::LoggingLevel level = CEGUI::Standard) override;
    // The file is made anew whatever append asks: the log is per run.
    void setLogFilename(const CEGUI::String& filename, bool append = false) override;

private:
    void open(const std::string& strPath);

    FILE* m_pFile = nullptr;
};

}  // namespace Vantile
