#pragma once
// The windows of the program that exist, their destroy-requested flags, and the hook
// each offers the message loop for its keyboard handling.
#include <windows.h>

namespace app {

// Returns true when the window took the message and it must not be dispatched.
using PreTranslateFn = bool (*)(HWND window, MSG& message);

// Private message of the deferred destroy request; both parameters are 0.
constexpr UINT kDestroyRequestMessage = WM_APP + 1;

void AddProgramWindow(HWND window, PreTranslateFn preTranslate);

// Called from the window's WM_NCDESTROY. Posts the quit message when the last window
// is gone and the message loop is running.
void RemoveProgramWindow(HWND window);

bool AnyProgramWindowExists();

// Offers the message to its window and that window's parents, innermost first.
bool PreTranslate(MSG& message);

// Asks the window to destroy itself once the current handler has returned.
void RequestDestroy(HWND window);

// Handler of kDestroyRequestMessage: destroys the window if a request is pending.
void HandleDestroyRequest(HWND window);

}  // namespace app
