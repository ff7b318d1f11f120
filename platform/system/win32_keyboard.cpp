// The key state the program sees and the characters its keys make. The
// state follows the key messages as the program takes them from the queue,
// so it matches the message being handled, posted or translated alike.
#include "system/win32_private.h"

#include <cstring>

namespace {

BYTE g_keyState[256];

const BYTE kDown = 0x80;
const BYTE kToggled = 0x01;

// The left and right keys behind Shift, Control and Alt; the generic key
// stays down while either is.
UINT SidedKey(UINT virtualKey, LPARAM lParam)
{
    const bool extended = (lParam >> 24) & 1;
    switch (virtualKey) {
    case VK_SHIFT: return ((lParam >> 16) & 0xff) == 0x36 ? VK_RSHIFT : VK_LSHIFT;
    case VK_CONTROL: return extended ? VK_RCONTROL : VK_LCONTROL;
    case VK_MENU: return extended ? VK_RMENU : VK_LMENU;
    default: return 0;
    }
}

void SetKey(UINT virtualKey, bool down, bool repeat)
{
    BYTE& state = g_keyState[virtualKey & 0xff];
    if (down && !repeat && !(state & kDown))
        state ^= kToggled;
    state = down ? (state | kDown) : (state & ~kDown);
}

void TrackKey(UINT virtualKey, bool down, LPARAM lParam)
{
    const bool repeat = down && ((lParam >> 30) & 1);
    SetKey(virtualKey, down, repeat);
    const UINT sided = SidedKey(virtualKey, lParam);
    if (!sided)
        return;
    SetKey(sided, down, repeat);
    const UINT first = sided & ~1u;  // left and right are neighbours, left even
    const bool eitherDown = (g_keyState[first] | g_keyState[first + 1]) & kDown;
    g_keyState[virtualKey] = (g_keyState[virtualKey] & kToggled) | (eitherDown ? kDown : 0);
}

// The character of a key pressed together with Control; 0 when it makes
// none.
WORD ControlCharacter(UINT virtualKey)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return static_cast<WORD>(virtualKey - 'A' + 1);
    switch (virtualKey) {
    case VK_OEM_4: return 27;
    case VK_OEM_5: return 28;
    case VK_OEM_6: return 29;
    case VK_RETURN: return 10;
    case VK_BACK: return 127;
    case VK_SPACE: return ' ';
    case VK_ESCAPE: return 27;
    default: return 0;
    }
}

// Punctuation keys of a US keyboard: unshifted, then shifted.
const char* Punctuation(UINT virtualKey)
{
    switch (virtualKey) {
    case VK_OEM_1: return ";:";
    case VK_OEM_PLUS: return "=+";
    case VK_OEM_COMMA: return ",<";
    case VK_OEM_MINUS: return "-_";
    case VK_OEM_PERIOD: return ".>";
    case VK_OEM_2: return "/?";
    case VK_OEM_3: return "`~";
    case VK_OEM_4: return "[{";
    case VK_OEM_5: return "\\|";
    case VK_OEM_6: return "]}";
    case VK_OEM_7: return "'\"";
    case VK_SPACE: return "  ";
    case VK_MULTIPLY: return "**";
    case VK_ADD: return "++";
    case VK_SUBTRACT: return "--";
    case VK_DECIMAL: return "..";
    case VK_DIVIDE: return "//";
    default: return nullptr;
    }
}

WORD PlainCharacter(UINT virtualKey, bool shift, bool caps)
{
    if (virtualKey >= 'A' && virtualKey <= 'Z')
        return static_cast<WORD>(shift != caps ? virtualKey : virtualKey - 'A' + 'a');
    if (virtualKey >= '0' && virtualKey <= '9')
        return static_cast<WORD>(shift ? ")!@#$%^&*("[virtualKey - '0'] : virtualKey);
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9)
        return static_cast<WORD>('0' + virtualKey - VK_NUMPAD0);
    if (const char* pair = Punctuation(virtualKey))
        return static_cast<WORD>(pair[shift ? 1 : 0]);
    switch (virtualKey) {
    case VK_RETURN: return 13;
    case VK_BACK: return 8;
    case VK_TAB: return 9;
    case VK_ESCAPE: return 27;
    default: return 0;
    }
}

}  // namespace

void PlatformTrackKeyMessage(const MSG& msg)
{
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        TrackKey(static_cast<UINT>(msg.wParam & 0xff), msg.message == WM_KEYDOWN, msg.lParam);
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        SetKey(VK_LBUTTON, msg.message != WM_LBUTTONUP, false);
        break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        SetKey(VK_RBUTTON, msg.message == WM_RBUTTONDOWN, false);
        break;
    default:
        break;
    }
}

void PlatformSyncLockKeys()
{
    BYTE& caps = g_keyState[VK_CAPITAL];
    caps = (SDL_GetModState() & KMOD_CAPS) ? (caps | kToggled) : (caps & ~kToggled);
}

BOOL GetKeyboardState(BYTE* state)
{
    if (!state)
        return FALSE;
    memcpy(state, g_keyState, sizeof g_keyState);
    return TRUE;
}

short GetKeyState(int virtualKey)
{
    const BYTE state = g_keyState[virtualKey & 0xff];
    return static_cast<short>(((state & kDown) ? 0xff80 : 0) | (state & kToggled));
}

int ToAscii(UINT virtualKey, UINT scanCode, const BYTE* keyState, WORD* out, UINT flags)
{
    if (!out)
        return 0;
    const BYTE* state = keyState ? keyState : g_keyState;
    const bool shift = (state[VK_SHIFT] | state[VK_LSHIFT] | state[VK_RSHIFT]) & kDown;
    const bool control = (state[VK_CONTROL] | state[VK_LCONTROL] | state[VK_RCONTROL]) & kDown;
    const bool caps = state[VK_CAPITAL] & kToggled;
    const WORD character = control ? ControlCharacter(virtualKey & 0xff)
                                   : PlainCharacter(virtualKey & 0xff, shift, caps);
    if (!character)
        return 0;
    *out = character;
    return 1;
}
