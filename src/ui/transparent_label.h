#pragma once
#include <windows.h>

namespace ui {

// Window class of the transparent labels: no background of their own, black single-line
// text, "&" drawn as is.
extern const char kTransparentLabelClass[];
bool RegisterTransparentLabelClass(HINSTANCE instance);

}  // namespace ui
