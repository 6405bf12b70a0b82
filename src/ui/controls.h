#pragma once
// The controls of MainWindow, created from the window description.
#include <windows.h>

#include "ui/window_description.h"

namespace ui {

// Creates every control of the description in table order and stacks them so;
// false when one cannot be created.
bool CreateControls(HWND window);

// The control's window; nullptr for the timer, which has none.
HWND ControlWindow(ControlName name);

// The name of the control window, if it is one of ours.
bool FindControlName(HWND control, ControlName& name);

constexpr UINT_PTR kClockTimerId = 1;

}  // namespace ui
