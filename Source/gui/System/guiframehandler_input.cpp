// Window input as CEGUI takes it.
#include "gui/System/guiframehandler.h"

#include <CEGUI/GUIContext.h>
#include <CEGUI/System.h>

#include "system/win32.h"

namespace Vantile {

namespace {

CEGUI::GUIContext& context()
{
    return CEGUI::System::getSingleton().getDefaultGUIContext();
}

// CEGUI's key codes are keyboard scan codes; extended keys (arrows, the
// keypad's Enter, Delete) carry the high bit.
UINT scanCode(const KeyInput& key)
{
    if (key.lParam & 0x0F000000u)
        return MapVirtualKeyA(UINT(key.vk), 0) | 0x80;
    return (key.lParam >> 16) & 0xFF;
}

}  // namespace

bool CGUIFrameHandler::handleInput(const InputEvent& evt)
{
    if (evt.type == INPUT_MOUSE)
        injectMouse(evt.mouse);
    else if (evt.type == INPUT_KEY)
        injectKey(evt.key);
    return true;
}

void CGUIFrameHandler::injectMouse(const MouseInput& mouse)
{
    switch (mouse.action) {
    case MOUSE_MOVE:
        context().injectMousePosition(float(mouse.x), float(mouse.y));
        break;
    case MOUSE_LEFT_DOWN:
        context().injectMouseButtonDown(CEGUI::LeftButton);
        break;
    case MOUSE_LEFT_UP:
        context().injectMouseButtonUp(CEGUI::LeftButton);
        break;
    case MOUSE_LEFT_DOUBLECLICK:
        // The window reports a double click as one event after the first
        // click; the GUI takes it as two more whole clicks (the window stack
        // ignores the repeated requests this makes).
        for (int i = 0; i < 2; ++i) {
            context().injectMouseButtonDown(CEGUI::LeftButton);
            context().injectMouseButtonUp(CEGUI::LeftButton);
        }
        break;
    default:
        break;
    }
}

void CGUIFrameHandler::injectKey(const KeyInput& key)
{
    const CEGUI::Key::Scan scan = CEGUI::Key::Scan(scanCode(key));
    if (!key.down) {
        context().injectKeyUp(scan);
        return;
    }
    context().injectKeyDown(scan);
    // Enter, Escape, Tab and Backspace come with control characters, which
    // are keys to the GUI and never text.
    const unsigned char character = static_cast<unsigned char>(key.ch);
    if (character >= 0x20 && character != 0x7F)
        context().injectChar(CEGUI::utf32(character));
}

}  // namespace Vantile
