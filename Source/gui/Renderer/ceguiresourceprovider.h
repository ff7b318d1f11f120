// CEGUI reads its schemes, looks, image sets, fonts and font faces through
// the game's file system: loose files first, then the archive, by bare name.
#pragma once

#include <string>

#include <CEGUI/ResourceProvider.h>

class CCEGUIResourceProvider : public CEGUI::ResourceProvider {
public:
    // The resource group is ignored. A missing file throws the file
    // system's exception, except a missing font face: a face that exists
    // stands in for it (with a log line), so a lost font never leaves the
    // menus without text.
    void loadRawDataContainer(const CEGUI::String& strFileName, CEGUI::RawDataContainer& output,
                              const CEGUI::String& strResourceGroup) override;
    void unloadRawDataContainer(CEGUI::RawDataContainer& data) override;
    // No wildcard loading: the data names every file it needs.
    size_t getResourceGroupFileNames(std::vector<CEGUI::String>& out, const CEGUI::String& strPattern,
                                     const CEGUI::String& strResourceGroup) override
    {
        return 0;
    }

    // The first font face the file system holds, by name; empty when none.
    static std::string findFallbackFace();
    // The file asked for last: when CEGUI refuses data, most likely the one
    // at fault (its own messages do not name files).
    const std::string& getLastFile() const { return m_strLastFile; }

private:
    std::string m_strLastFile;
};
