#include "ui/control_text.h"

#include <windows.h>

#include "ui/controls.h"

namespace ui {

std::string ReadText(ControlName control) {
  HWND window = ControlWindow(control);
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, &text[0], length + 1);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}

void WriteText(ControlName control, const std::string& text) {
  HWND window = ControlWindow(control);
  SetWindowTextA(window, text.c_str());
  if (Describe(control).kind == ControlKind::TextBox) {
    SendMessageA(window, EM_SETSEL, 0, 0);
    SendMessageA(window, EM_SCROLLCARET, 0, 0);
  }
}

int ListSelection() {
  const LRESULT selection = SendMessageA(ControlWindow(ControlName::组合框1), CB_GETCURSEL, 0, 0);
  return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

std::string ListEntryText(int position) {
  if (position < 0) return {};
  HWND list = ControlWindow(ControlName::组合框1);
  const LRESULT length = SendMessageA(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0);
  if (length == CB_ERR || length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const LRESULT copied = SendMessageA(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                                      reinterpret_cast<LPARAM>(&text[0]));
  text.resize(copied > 0 && copied <= length ? static_cast<std::size_t>(copied) : 0);
  return text;
}

}  // namespace ui
