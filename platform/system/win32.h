// The operating-system services the engine and the game call: the message
// loop, time, the game window, keyboard and cursor, message boxes, folders
// and local time. They keep the names and argument shapes the engine was
// written against, and run on SDL2 and POSIX underneath. Nothing outside
// platform/ sees SDL.
#pragma once

#include <cstddef>
#include <cstdint>

// ---- basic types ---------------------------------------------------------

typedef int32_t BOOL;
typedef uint8_t BYTE;
typedef uint16_t WORD;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef int32_t LONG;
typedef int32_t HRESULT;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef int64_t LONGLONG;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#ifndef MAX_PATH
#define MAX_PATH 260
#endif

// A window handle is our own window record; an instance handle only
// identifies the program and is never dereferenced.
struct PlatformWindow;
typedef PlatformWindow* HWND;
typedef struct PlatformInstance* HINSTANCE;
typedef struct PlatformIcon* HICON;
typedef struct PlatformCursor* HCURSOR;
typedef struct PlatformBrush* HBRUSH;

union LARGE_INTEGER {
    struct {
        DWORD LowPart;
        LONG HighPart;
    };
    LONGLONG QuadPart;
};

struct POINT {
    LONG x;
    LONG y;
};

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

#define LOWORD(l) ((WORD)(((uintptr_t)(l)) & 0xffff))
#define HIWORD(l) ((WORD)((((uintptr_t)(l)) >> 16) & 0xffff))
#define MAKELPARAM(lo, hi) ((LPARAM)(DWORD)(((WORD)(lo)) | (((DWORD)(WORD)(hi)) << 16)))

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#define S_OK ((HRESULT)0)
#define E_FAIL ((HRESULT)0x80004005)
#define E_OUTOFMEMORY ((HRESULT)0x8007000E)
#define E_INVALIDARG ((HRESULT)0x80070057)
#define E_NOTIMPL ((HRESULT)0x80004001)

// ---- time -----------------------------------------------------------------

BOOL QueryPerformanceFrequency(LARGE_INTEGER* frequency);
BOOL QueryPerformanceCounter(LARGE_INTEGER* counter);
// Milliseconds since an arbitrary start; wraps after 49.7 days like the
// original.
DWORD GetTickCount();
void Sleep(DWORD milliseconds);

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

#define LOCALE_USER_DEFAULT 0x0400

void GetLocalTime(SYSTEMTIME* time);
// Understands the pictures "HH", "mm" and "ss" and copies every other
// character. Returns the characters written including the NUL, 0 when the
// buffer is too small (ERROR_INSUFFICIENT_BUFFER) or the time is not a
// valid time of day (ERROR_INVALID_PARAMETER). A size of 0 only asks for
// the length needed; a null time formats the current local time.
int GetTimeFormatA(DWORD locale, DWORD flags, const SYSTEMTIME* time, const char* picture,
                   char* buffer, int size);

// ---- test hooks for time --------------------------------------------------

// Tests replace the clocks so frame timing is exact. Passing 0 for the
// frequency makes QueryPerformanceFrequency fail (tick-count mode). The
// values are copied: call again to move the clocks on.
struct PlatformClockOverride {
    LONGLONG counter;
    LONGLONG frequency;
    DWORD ticks;
};
void PlatformSetClockOverride(const PlatformClockOverride* clock);  // null restores the real clocks

// ---- window messages -------------------------------------------------------

#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_MOVE 0x0003
#define WM_SIZE 0x0005
#define WM_ACTIVATE 0x0006
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_SETCURSOR 0x0020
#define WM_GETMINMAXINFO 0x0024
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_LBUTTONDBLCLK 0x0203
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_RBUTTONDBLCLK 0x0206
#define WM_ENTERSIZEMOVE 0x0231
#define WM_EXITSIZEMOVE 0x0232
#define WM_USER 0x0400

#define WA_INACTIVE 0
#define WA_ACTIVE 1

#define SIZE_RESTORED 0
#define SIZE_MINIMIZED 1

#define HTCLIENT 1

// wParam of the mouse messages: the buttons and modifier keys held.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
};

struct MINMAXINFO {
    POINT ptReserved;
    POINT ptMaxSize;
    POINT ptMaxPosition;
    POINT ptMinTrackSize;
    POINT ptMaxTrackSize;
};

struct CREATESTRUCTA {
    void* lpCreateParams;
    HINSTANCE hInstance;
    HWND hwndParent;
    int cy;
    int cx;
    int y;
    int x;
    LONG style;
    const char* lpszName;
    const char* lpszClass;
};

// Fetches the next waiting message of any window (SDL's event queue,
// translated). Returns FALSE when none is waiting.
BOOL PeekMessageA(MSG* msg, HWND window, UINT filterMin, UINT filterMax, UINT removeFlags);
BOOL TranslateMessage(const MSG* msg);
// Calls the window procedure of the message's window.
LRESULT DispatchMessageA(const MSG* msg);
// Calls the window procedure directly, as the system does for the messages
// it sends rather than posts.
LRESULT SendMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Queues a message for a later PeekMessageA (tests use it to feed input).
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// ---- the window ---------------------------------------------------------------

typedef LRESULT (*WNDPROC)(HWND, UINT, WPARAM, LPARAM);

#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020

struct WNDCLASSA {
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    const char* lpszMenuName;
    const char* lpszClassName;
};

#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_MINIMIZE 0x20000000L
#define WS_VISIBLE 0x10000000L
#define WS_CLIPSIBLINGS 0x04000000L
#define WS_CLIPCHILDREN 0x02000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_SYSMENU 0x00080000L
#define WS_THICKFRAME 0x00040000L
#define WS_MINIMIZEBOX 0x00020000L
#define WS_MAXIMIZEBOX 0x00010000L

// As the x or y of CreateWindowExA: let the system place the window.
#define CW_USEDEFAULT ((int)0x80000000)

#define GWL_STYLE (-16)
#define GWLP_USERDATA (-21)

#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010
#define SWP_SHOWWINDOW 0x0040
#define HWND_NOTOPMOST ((HWND)(intptr_t)-2)

#define SM_CXSCREEN 0
#define SM_CYSCREEN 1

#define BLACK_BRUSH 4

// Registers the class; a second registration of the same name fails and
// returns 0, as the original does.
WORD RegisterClassA(const WNDCLASSA* windowClass);
// Creates an SDL window for WS_POPUP as a full-screen window (the desktop
// resolution, our back buffer scaled into it) and otherwise as a normal
// window of the given outer size. Sends WM_CREATE with the CREATESTRUCTA
// before returning. Returns null when no window can be made (no display);
// PlatformLastError() then says why.
HWND CreateWindowExA(DWORD exStyle, const char* className, const char* title, DWORD style, int x,
                     int y, int width, int height, HWND parent, void* menu, HINSTANCE instance,
                     void* param);
BOOL DestroyWindow(HWND window);
BOOL IsWindow(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL AdjustWindowRect(RECT* rect, DWORD style, BOOL menu);
int GetSystemMetrics(int index);
BOOL GetWindowRect(HWND window, RECT* rect);
BOOL GetClientRect(HWND window, RECT* rect);
LONG GetWindowLongA(HWND window, int index);
LONG SetWindowLongA(HWND window, int index, LONG value);
intptr_t GetWindowLongPtrA(HWND window, int index);
intptr_t SetWindowLongPtrA(HWND window, int index, intptr_t value);
BOOL SetWindowPos(HWND window, HWND insertAfter, int x, int y, int width, int height, UINT flags);
BOOL SetWindowTextA(HWND window, const char* title);
BOOL IsIconic(HWND window);
BOOL IsWindowVisible(HWND window);
HICON LoadIconA(HINSTANCE instance, const char* name);
HCURSOR LoadCursorA(HINSTANCE instance, const char* name);
void* GetStockObject(int object);

#define MAKEINTRESOURCEA(id) ((const char*)(uintptr_t)(WORD)(id))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define IDC_ARROW ((const char*)32512)
#define IDI_APPLICATION ((const char*)32512)

// Test hooks: minimise and restore the window as a window manager would,
// delivering the same messages.
void PlatformMinimizeWindow(HWND window);
void PlatformRestoreWindow(HWND window);

// ---- keyboard and cursor --------------------------------------------------

#define VK_LBUTTON 0x01
#define VK_RBUTTON 0x02
#define VK_BACK 0x08
#define VK_TAB 0x09
#define VK_RETURN 0x0D
#define VK_SHIFT 0x10
#define VK_CONTROL 0x11
#define VK_MENU 0x12
#define VK_PAUSE 0x13
#define VK_CAPITAL 0x14
#define VK_ESCAPE 0x1B
#define VK_SPACE 0x20
#define VK_PRIOR 0x21
#define VK_NEXT 0x22
#define VK_END 0x23
#define VK_HOME 0x24
#define VK_LEFT 0x25
#define VK_UP 0x26
#define VK_RIGHT 0x27
#define VK_DOWN 0x28
#define VK_INSERT 0x2D
#define VK_DELETE 0x2E
#define VK_NUMPAD0 0x60
#define VK_MULTIPLY 0x6A
#define VK_ADD 0x6B
#define VK_SUBTRACT 0x6D
#define VK_DECIMAL 0x6E
#define VK_DIVIDE 0x6F
#define VK_F1 0x70
#define VK_F2 0x71
#define VK_F3 0x72
#define VK_F4 0x73
#define VK_F5 0x74
#define VK_F6 0x75
#define VK_F7 0x76
#define VK_F8 0x77
#define VK_F9 0x78
#define VK_F10 0x79
#define VK_F11 0x7A
#define VK_F12 0x7B
#define VK_LSHIFT 0xA0
#define VK_RSHIFT 0xA1
#define VK_LCONTROL 0xA2
#define VK_RCONTROL 0xA3
#define VK_LMENU 0xA4
#define VK_RMENU 0xA5
#define VK_OEM_1 0xBA
#define VK_OEM_PLUS 0xBB
#define VK_OEM_COMMA 0xBC
#define VK_OEM_MINUS 0xBD
#define VK_OEM_PERIOD 0xBE
#define VK_OEM_2 0xBF
#define VK_OEM_3 0xC0
#define VK_OEM_4 0xDB
#define VK_OEM_5 0xDC
#define VK_OEM_6 0xDD
#define VK_OEM_7 0xDE

#define MAPVK_VK_TO_VSC 0

// The 256-entry key state: bit 7 set while a key is down, bit 0 toggled
// (caps lock). Kept current by PeekMessageA as it translates key events.
BOOL GetKeyboardState(BYTE* state);
short GetKeyState(int virtualKey);
// Character for a key with the given state (US layout, shift and caps lock
// applied; control with a letter gives the control code). Returns the
// number of characters written to out[0] (0 or 1).
int ToAscii(UINT virtualKey, UINT scanCode, const BYTE* keyState, WORD* out, UINT flags);
UINT MapVirtualKeyA(UINT code, UINT mapType);

// Over one of our windows screen positions are in client units from the
// window's client origin, as the original's screen was once full screen
// had set the display mode to the back-buffer size: a scaled or
// letterboxed picture still has GetClientRect moved by ClientToScreen
// covering exactly the picture. Elsewhere GetCursorPos is the real screen
// position.
BOOL GetCursorPos(POINT* point);
BOOL ClientToScreen(HWND window, POINT* point);
BOOL PtInRect(const RECT* rect, POINT point);
// Null hides the cursor while it is over the window; any other cursor
// shows it.
HCURSOR SetCursor(HCURSOR cursor);

// ---- message box ------------------------------------------------------------

#define MB_OK 0x0000
#define MB_ICONERROR 0x0010
#define MB_ICONWARNING 0x0030
#define MB_ICONINFORMATION 0x0040
#define IDOK 1

// Shows a modal message box when a display is available and always writes
// "caption: text" as one line on stderr, so a headless run reports too.
int MessageBoxA(HWND window, const char* text, const char* caption, UINT type);

// ---- folders ------------------------------------------------------------------

#define CSIDL_PERSONAL 0x0005

// The running program's instance handle: a token, never dereferenced.
HINSTANCE GetModuleHandleA(const char* moduleName);
// Path of the running executable.
DWORD GetModuleFileNameA(HINSTANCE module, char* buffer, DWORD size);
// CSIDL_PERSONAL is the per-user data home: $XDG_DATA_HOME, or
// ~/.local/share when it is unset or not absolute; the folders are made
// when missing. path must hold MAX_PATH characters. Returns S_OK or E_FAIL.
// Paths here use '/'.
HRESULT SHGetFolderPathA(HWND window, int folder, void* token, DWORD flags, char* path);
// Creates one folder level; fails when it already exists
// (GetLastError() == ERROR_ALREADY_EXISTS) or its parent is missing.
BOOL CreateDirectoryA(const char* path, void* security);

#define ERROR_SUCCESS 0
#define ERROR_FILE_NOT_FOUND 2
#define ERROR_PATH_NOT_FOUND 3
#define ERROR_ACCESS_DENIED 5
#define ERROR_INVALID_PARAMETER 87
#define ERROR_INSUFFICIENT_BUFFER 122
#define ERROR_CANNOT_FIND_WND_CLASS 1407
#define ERROR_CLASS_ALREADY_EXISTS 1410
#define ERROR_INVALID_WINDOW_HANDLE 1400
#define ERROR_ALREADY_EXISTS 183

DWORD GetLastError();
void SetLastError(DWORD error);

// ---- diagnostics ----------------------------------------------------------

// Called when the connection to the display breaks under the running
// program, before the process ends with status 1: the window and the
// device are gone, so the handler may only save and log. Null forgets it.
void PlatformOnDisplayLost(void (*handler)());

// SIGTERM, SIGINT and SIGHUP close the main window as its close button
// does; the handler is called first with the signal's number, from the
// message queue and not from the signal, so it may save and log. A signal
// before the main window exists waits for it. Null restores the default
// end by signal.
void PlatformOnQuitSignal(void (*handler)(int));

// Why the last window or device creation failed, in SDL's or EGL's words.
const char* PlatformLastError();
void PlatformSetLastError(const char* text);
