// Shows one round trip through a running Lexorin window as a user makes it: types a text
// into the source box, chooses English to Chinese, translates, copies, and prints what
// the result box, the status line and the clipboard then hold (in UTF-8).
#include <windows.h>

#include <cstdio>
#include <string>

#include "driver.h"

namespace {

std::string Utf8(const std::string& codePage936) {
  std::wstring wide(codePage936.size() + 1, L'\0');
  const int units = MultiByteToWideChar(936, 0, codePage936.c_str(), -1, &wide[0],
                                        static_cast<int>(wide.size()));
  std::string out(static_cast<size_t>(units) * 3 + 1, '\0');
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.c_str(), -1, &out[0],
                                        static_cast<int>(out.size()), nullptr, nullptr);
  out.resize(bytes > 0 ? static_cast<size_t>(bytes) - 1 : 0);
  return out;
}

HWND Child(HWND window, const char* className, int left, int top) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const RECT rect = driver::ChildRect(child);
    if (_stricmp(driver::ClassName(child).c_str(), className) == 0 && rect.left == left && rect.top == top) {
      return child;
    }
  }
  return nullptr;
}

void Key(WORD vk, bool up) {
  INPUT key = {};
  key.type = INPUT_KEYBOARD;
  key.ki.wVk = vk;
  key.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
  key.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &key, sizeof key);
}

void Type(const char* text) {
  for (const char* c = text; *c; ++c) {
    const SHORT scan = VkKeyScanA(*c);
    const bool shift = (scan & 0x100) != 0;
    if (shift) Key(VK_SHIFT, false);
    Key(static_cast<WORD>(scan & 0xFF), false);
    Key(static_cast<WORD>(scan & 0xFF), true);
    if (shift) Key(VK_SHIFT, true);
    Sleep(20);
  }
}

}  // namespace

int main() {
  HWND window = nullptr;
  driver::WaitUntil([&] { return (window = FindWindowA("LexorinMainWindow", nullptr)) != nullptr; }, 20000);
  if (!window) {
    std::puts("round trip: no Lexorin window found");
    return 1;
  }
  HWND source = Child(window, "Edit", 8, 40), result = Child(window, "Edit", 8, 184);
  HWND list = Child(window, "ComboBox", 8, 131), status = Child(window, "LexorinTransparentLabel", 8, 160);
  HWND clear = Child(window, "Button", 91, 128), translate = Child(window, "Button", 254, 128);
  HWND copy = Child(window, "Button", 172, 128);

  SendMessageTimeoutA(clear, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, driver::kTimeoutMs, nullptr);
  const DWORD thread = GetWindowThreadProcessId(window, nullptr);
  AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
  SetForegroundWindow(window);
  SetFocus(source);
  AttachThreadInput(GetCurrentThreadId(), thread, FALSE);
  driver::WaitUntil([&] { return GetForegroundWindow() == window; }, 2000);
  Type("Good morning, Lexorin!");
  Sleep(300);

  SendMessageTimeoutA(list, CB_SETCURSEL, 12, 0, SMTO_ABORTIFHUNG, driver::kTimeoutMs, nullptr);
  SendMessageTimeoutA(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(list), CBN_SELENDOK),
                      reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG, driver::kTimeoutMs, nullptr);
  Sleep(300);
  SendMessageTimeoutA(translate, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 30000, nullptr);
  std::printf("typed:       %s\n", Utf8(driver::WindowText(source)).c_str());
  std::printf("translated:  %s\n", Utf8(driver::WindowText(result)).c_str());
  SendMessageTimeoutA(copy, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, driver::kTimeoutMs, nullptr);
  std::printf("status:      %s\n", Utf8(driver::WindowText(status)).c_str());

  std::string clipboard;
  if (OpenClipboard(nullptr)) {
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
      if (const char* bytes = static_cast<const char*>(GlobalLock(data))) clipboard = bytes;
      GlobalUnlock(data);
    }
    CloseClipboard();
  }
  std::printf("clipboard:   %s\n", Utf8(clipboard).c_str());
  return 0;
}
