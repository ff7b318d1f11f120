// The GUI windows of the HUD: the sheet it shows while a level is played,
// the menu button, the level title beside its plate, the windows that take
// the charge buttons' clicks and the time-out message. The HUD draws its
// own sprites and hands these windows their places; a HUD without windows
// (tests, the tool's pictures) draws the same and takes no clicks.
#pragma once

#include <functional>
#include <memory>
#include <string>

class IChargeButtonWindow;

// What the windows report back to the HUD.
class IHudWindowsListener {
public:
    virtual void onMenuClicked() = 0;
    virtual void onTimeoutOk() = 0;

protected:
    ~IHudWindowsListener() = default;
};

class IHudWindows {
public:
    virtual ~IHudWindows() = default;

    // The HUD that owns the windows hears their clicks.
    virtual void setListener(IHudWindowsListener* pListener) = 0;
    // The HUD's root window becomes the GUI sheet.
    virtual void showSheet() = 0;
    // Top-left pixels.
    virtual void setMenuButtonPixel(float fX, float fY) = 0;
    virtual void setLevelTitlePixel(float fX, float fY) = 0;
    virtual void setLevelTitle(const std::string& strTitle) = 0;
    // The clicks of a charge button: an empty image button of this size.
    virtual std::unique_ptr<IChargeButtonWindow> makeChargeButton(float fWidth, float fHeight,
                                                                  std::function<void()> onClicked) = 0;
    virtual void showTimeoutMessage(const std::string& strText) = 0;
    virtual void hideTimeoutMessage() = 0;
};
