#pragma once
#include <windows.h>

#include "ui/window_description.h"

namespace ui {

// Builds MainWindow and its controls, hidden; nullptr when any part cannot be created.
HWND CreateMainWindow();

}  // namespace ui
