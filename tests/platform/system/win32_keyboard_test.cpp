#include "system/win32.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct Modifiers {
    bool shift, caps, control;
};

int Translate(UINT vk, Modifiers held, WORD* character)
{
    BYTE state[256] = {};
    state[VK_SHIFT] = held.shift ? 0x80 : 0;
    state[VK_CONTROL] = held.control ? 0x80 : 0;
    state[VK_CAPITAL] = held.caps ? 0x01 : 0;
    *character = 0;
    return ToAscii(vk, MapVirtualKeyA(vk, MAPVK_VK_TO_VSC), state, character, 0);
}

// Feeds key messages through the queue, as the window procedure's caller
// takes them.
void Key(UINT vk, bool down, bool repeat = false)
{
    const DWORD flags = 1 | (MapVirtualKeyA(vk, MAPVK_VK_TO_VSC) << 16) |
                        ((down && !repeat) ? 0 : 1u << 30) | (down ? 0 : 1u << 31);
    PostMessageA(nullptr, down ? WM_KEYDOWN : WM_KEYUP, vk, static_cast<LPARAM>(flags));
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

}  // namespace

TEST(ToAscii, UsLayoutWithShiftCapsLockAndControl)
{
    const Modifiers none{false, false, false};
    const Modifiers shift{true, false, false};
    const Modifiers caps{false, true, false};
    const Modifiers shiftCaps{true, true, false};
    const Modifiers control{false, false, true};
    struct Case {
        UINT vk;
        Modifiers held;
        int expected;  // -1: no character
    } const cases[] = {
        {'A', none, 'a'},          {'A', shift, 'A'},       {'Z', caps, 'Z'},
        {'Z', shiftCaps, 'z'},     {'A', control, 1},       {'Z', control, 26},
        {'1', none, '1'},          {'1', shift, '!'},       {'0', shift, ')'},
        {'9', caps, '9'},          {VK_OEM_1, none, ';'},   {VK_OEM_1, shift, ':'},
        {VK_OEM_7, shift, '"'},    {VK_OEM_5, none, '\\'},  {VK_OEM_MINUS, shift, '_'},
        {VK_OEM_PERIOD, caps, '.'}, {VK_SPACE, none, ' '},   {VK_RETURN, none, 13},
        {VK_BACK, none, 8},        {VK_TAB, shift, 9},      {VK_ESCAPE, none, 27},
        {VK_NUMPAD0 + 5, none, '5'}, {VK_ADD, none, '+'},   {VK_F5, none, -1},
        {VK_LEFT, shift, -1},      {VK_SHIFT, shift, -1},   {'1', control, -1},
    };
    for (const Case& c : cases) {
        WORD character = 0;
        const int count = Translate(c.vk, c.held, &character);
        if (c.expected < 0) {
            EXPECT_EQ(count, 0) << "vk " << c.vk;
        } else {
            ASSERT_EQ(count, 1) << "vk " << c.vk;
            EXPECT_EQ(character, c.expected) << "vk " << c.vk;
        }
    }
}

TEST(MapVirtualKeyA, GivesPcScanCodes)
{
    struct Case {
        UINT vk;
        UINT scan;
    } const cases[] = {
        {VK_ESCAPE, 0x01}, {'1', 0x02},       {'0', 0x0B},      {'Q', 0x10},
        {'A', 0x1E},       {'Z', 0x2C},       {VK_RETURN, 0x1C}, {VK_SPACE, 0x39},
        {VK_SHIFT, 0x2A},  {VK_RSHIFT, 0x36}, {VK_CONTROL, 0x1D}, {VK_LEFT, 0x4B},
        {VK_F1, 0x3B},     {VK_F12, 0x58},    {0xFF, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MapVirtualKeyA(c.vk, MAPVK_VK_TO_VSC), c.scan) << "vk " << c.vk;
    EXPECT_EQ(MapVirtualKeyA('A', 3), 0u) << "other mapping kinds are not offered";
}

TEST(KeyState, FollowsKeyMessagesTakenFromTheQueue)
{
    Key(VK_CONTROL, true);
    EXPECT_LT(GetKeyState(VK_CONTROL), 0);
    EXPECT_LT(GetKeyState(VK_LCONTROL), 0);
    WORD character = 0;
    ASSERT_EQ(ToAscii('C', 0x2E, nullptr, &character, 0), 1) << "null state means the current";
    EXPECT_EQ(character, 3);
    Key(VK_CONTROL, false);
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);

    // Caps lock toggles on each press, not on repeats or releases.
    const bool capsBefore = GetKeyState(VK_CAPITAL) & 1;
    Key(VK_CAPITAL, true);
    Key(VK_CAPITAL, true, true);
    Key(VK_CAPITAL, false);
    EXPECT_NE(static_cast<bool>(GetKeyState(VK_CAPITAL) & 1), capsBefore);
    BYTE state[256];
    GetKeyboardState(state);
    ToAscii('K', 0x25, state, &character, 0);
    EXPECT_EQ(character, capsBefore ? 'k' : 'K');
    Key(VK_CAPITAL, true);
    Key(VK_CAPITAL, false);
    EXPECT_EQ(static_cast<bool>(GetKeyState(VK_CAPITAL) & 1), capsBefore);
}
