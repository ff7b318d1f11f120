// The settings: music and effect loudness and full screen. The music
// slider is heard at once on the menu's track; everything else applies on
// OK, and Cancel puts the music back as it was when the dialog opened.
#pragma once

#include "gui/Framework/basedialogwindow.h"

namespace CEGUI {
class Slider;
class ToggleButton;
}  // namespace CEGUI
class CProfilesStore;

class CSettingsWindow : public CBaseDialogWindow {
public:
    void create() override;
    void show() override;
    bool onOk(const CEGUI::EventArgs& args) override;
    bool onCancel(const CEGUI::EventArgs& args) override;

    void setStore(CProfilesStore* pStore) { m_pStore = pStore; }
    CEGUI::Slider* getMusicSlider() const { return m_pMusic; }
    CEGUI::Slider* getVolumeSlider() const { return m_pVolume; }
    CEGUI::ToggleButton* getFullscreenBox() const { return m_pFullscreen; }

private:
    bool onMusicChanged(const CEGUI::EventArgs& args);
    // The gains follow the store; the menu's track is heard at the new
    // music gain.
    void applyGains();
    static void applyFullscreen(bool bFullscreen);

    CEGUI::Slider* m_pMusic = nullptr;
    CEGUI::Slider* m_pVolume = nullptr;
    CEGUI::ToggleButton* m_pFullscreen = nullptr;
    CProfilesStore* m_pStore = nullptr;
    int m_nShownMusic = 0;
};
