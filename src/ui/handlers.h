#pragma once
#include <windows.h>

namespace ui {

// The reactions of MainWindow to its events. Each reads what it needs from the controls
// and writes its results back into them.
void OnWindowCreated();
void OnDirectionSelected();
void OnTranslateClicked();
void OnCopyResultClicked();
void OnClearSourceClicked();
void OnExitClicked(HWND window);
void OnClockTimer();

}  // namespace ui
