#include "ui/keyboard.h"

#include "ui/controls.h"
#include "ui/window_description.h"

namespace ui {
namespace {

HWND rememberedFocus = nullptr;

bool IsDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// Index in the focus cycle of the control that has the focus, or -1.
int FocusedCycleIndex(const std::array<ControlName, kFocusCycleLength>& cycle) {
  HWND focus = GetFocus();
  for (std::size_t i = 0; i < cycle.size(); ++i) {
    HWND control = ControlWindow(cycle[i]);
    if (control && (focus == control || IsChild(control, focus))) return static_cast<int>(i);
  }
  return -1;
}

void MoveFocus(bool backwards) {
  const auto cycle = FocusCycle();
  const int count = static_cast<int>(cycle.size());
  const int current = FocusedCycleIndex(cycle);
  int next;
  if (current < 0) next = backwards ? count - 1 : 0;
  else next = (current + (backwards ? count - 1 : 1)) % count;
  SetFocus(ControlWindow(cycle[static_cast<std::size_t>(next)]));
}

}  // namespace

bool PreTranslateMainWindowKey(HWND window, MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  const bool ctrl = IsDown(VK_CONTROL);
  const bool shift = IsDown(VK_SHIFT);
  const bool alt = IsDown(VK_MENU);
  switch (message.wParam) {
    case VK_TAB:
      if (ctrl || alt) return false;
      MoveFocus(shift);
      return true;
    case VK_ESCAPE:
      if (ctrl || shift || alt) return false;
      // Exactly as the close box: the list's drop-down, a text box or a button never
      // keeps Esc for itself.
      SendMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      return true;
    default:
      return false;
  }
}

void RememberFocus(HWND window) {
  HWND focus = GetFocus();
  if (focus && IsChild(window, focus)) rememberedFocus = focus;
}

void RestoreFocus(HWND window) {
  HWND target = rememberedFocus;
  if (!target || !IsWindow(target) || !IsChild(window, target)) {
    target = ControlWindow(FocusCycle()[0]);
  }
  SetFocus(target);
}

}  // namespace ui
