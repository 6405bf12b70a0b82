#pragma once
#include <windows.h>

namespace ui {

// MainWindow's keys, taken before the focused control sees them: Tab and Shift+Tab walk
// the focus cycle, Esc closes the window.
bool PreTranslateMainWindowKey(HWND window, MSG& message);

// Focus kept across deactivation.
void RememberFocus(HWND window);
void RestoreFocus(HWND window);

}  // namespace ui
