// A window class that records every message its procedure gets, and a
// fixture that makes and destroys such windows, for the window tests.
#pragma once

#include "system/win32.h"
#include "system/win32_sdl.h"

#include <SDL2/SDL.h>
#include <gtest/gtest.h>

#include <vector>

struct RecordedMessage {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    void* createParam;  // lpCreateParams of WM_CREATE
};

inline std::vector<RecordedMessage>& Recorded()
{
    static std::vector<RecordedMessage> messages;
    return messages;
}

inline LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    void* createParam = nullptr;
    if (message == WM_CREATE)
        createParam = reinterpret_cast<const CREATESTRUCTA*>(lParam)->lpCreateParams;
    Recorded().push_back({window, message, wParam, lParam, createParam});
    return DefWindowProcA(window, message, wParam, lParam);
}

inline const char* RecordingClass()
{
    static const char* name = [] {
        WNDCLASSA windowClass{};
        windowClass.style = CS_DBLCLKS;
        windowClass.lpfnWndProc = RecordingProc;
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = "RecordingWindow";
        RegisterClassA(&windowClass);
        return "RecordingWindow";
    }();
    return name;
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override { Recorded().clear(); }

    void TearDown() override
    {
        for (HWND window : m_windows)
            if (IsWindow(window))
                DestroyWindow(window);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    HWND Make(DWORD style, int width, int height, void* param = nullptr)
    {
        HWND window = CreateWindowExA(0, RecordingClass(), "test", style, 10, 20, width, height,
                                      nullptr, nullptr, nullptr, param);
        EXPECT_TRUE(window) << PlatformLastError();
        m_windows.push_back(window);
        return window;
    }

    // Every waiting message, taken and dispatched as the frame loop does;
    // returns what the procedures got.
    std::vector<RecordedMessage> Pump()
    {
        Recorded().clear();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        return Recorded();
    }

    // Only the messages of one kind.
    static std::vector<RecordedMessage> Only(const std::vector<RecordedMessage>& all, UINT message)
    {
        std::vector<RecordedMessage> picked;
        for (const RecordedMessage& recorded : all)
            if (recorded.message == message)
                picked.push_back(recorded);
        return picked;
    }

    static Uint32 SdlId(HWND window) { return SDL_GetWindowID(PlatformSdlWindow(window)); }

    std::vector<HWND> m_windows;
};
