// Window input as the game and the GUI receive it.
#pragma once

#include <cstdint>

namespace Vantile {

enum InputType {
    INPUT_MOUSE = 0,
    INPUT_KEY = 1,
    INPUT_ACTIVATE = 2,
};

enum MouseAction {
    MOUSE_LEFT_DOWN = 0,
    MOUSE_RIGHT_DOWN = 1,
    MOUSE_LEFT_UP = 2,
    MOUSE_RIGHT_UP = 3,
    MOUSE_MOVE = 4,
    MOUSE_LEFT_DOUBLECLICK = 5,
};

struct MouseInput {
    uint32_t x;  // client coordinates, 0 .. 799 and 0 .. 599
    uint32_t y;
    int32_t action;  // MouseAction
};

struct KeyInput {
    char ch;  // the character the key produces with the current state, or 0
    int32_t vk;
    bool down;
    bool shift;
    bool ctrl;
    uint32_t lParam;  // repeat count, scan code, extended flag
    uint32_t wParam;  // the virtual-key code again
};

struct ActivateInput {
    uint32_t lParam;
    uint32_t wParam;  // low word non-zero when the window becomes active
    uint32_t reserved;
};

struct InputEvent {
    int32_t type;  // InputType
    union {
        MouseInput mouse;
        KeyInput key;
        ActivateInput activate;
    };
};

class IInputHandler {
public:
    virtual ~IInputHandler() = default;
    virtual bool handleInput(const InputEvent& evt) = 0;
};

class CAppInputHandler : public IInputHandler {
public:
    bool handleInput(const InputEvent& evt) override { return true; }
};

}  // namespace Vantile
