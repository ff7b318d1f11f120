// How a message box holds the program while it is up (win32_dialog.cpp).
#pragma once

#include <functional>

// Runs a call that shows a modal box, as SDL does on X11, from a child
// process it forks and waits for. Meanwhile SIGTERM and SIGINT end this
// process by their default action, and a child it forks dies with it,
// however this process ends.
void PlatformRunModalBox(const std::function<void()>& show);
