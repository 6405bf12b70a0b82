#include "driver.h"

#include <gtest/gtest.h>

#include <cstring>

namespace driver {
namespace {

std::string ToCodePage936(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int bytes = WideCharToMultiByte(936, 0, wide.c_str(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(936, 0, wide.c_str(), static_cast<int>(wide.size()), &out[0], bytes,
                      nullptr, nullptr);
  return out;
}

std::wstring FromCodePage936(const std::string& text) {
  if (text.empty()) return {};
  const int units = MultiByteToWideChar(936, 0, text.c_str(), static_cast<int>(text.size()),
                                        nullptr, 0);
  std::wstring out(static_cast<size_t>(units), L'\0');
  MultiByteToWideChar(936, 0, text.c_str(), static_cast<int>(text.size()), &out[0], units);
  return out;
}

std::string ModuleDirectory() {
  char path[MAX_PATH * 4];
  const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
  std::string full(path, length);
  return full.substr(0, full.find_last_of('\\'));
}

void DeleteTree(const std::string& directory) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((directory + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string path = directory + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        DeleteTree(path);
      } else {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(directory.c_str());
}

// The driver's environment with TEMP and TMP pointing at the program's own directory,
// and pathPrefix, when given, in front of PATH.
std::string EnvironmentWithTemp(const std::string& temp, const std::string& pathPrefix = {}) {
  std::string block;
  char* strings = GetEnvironmentStringsA();
  for (const char* entry = strings; *entry; entry += std::strlen(entry) + 1) {
    if (_strnicmp(entry, "TEMP=", 5) == 0 || _strnicmp(entry, "TMP=", 4) == 0) continue;
    if (!pathPrefix.empty() && _strnicmp(entry, "PATH=", 5) == 0) {
      block += "PATH=" + pathPrefix + ";" + (entry + 5);
    } else {
      block += entry;
    }
    block += '\0';
  }
  FreeEnvironmentStringsA(strings);
  block += "TEMP=" + temp + '\0' + "TMP=" + temp + '\0';
  block += '\0';
  return block;
}

std::vector<HWND> TopLevelWindowsOf(DWORD processId, const char* className) {
  struct Search {
    DWORD processId;
    const char* className;
    std::vector<HWND> found;
  } search{processId, className, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->processId && IsWindowVisible(window) && ClassName(window) == s->className) {
          s->found.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

std::string MessageBoxText(HWND box) {
  std::string text = WindowText(box) + ": ";
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (ClassName(child) == "Static") text += WindowText(child);
  }
  return text;
}

namespace {

int counter = 0;

void SendMouse(POINT at, DWORD buttonFlags) {
  INPUT input = {};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(at.x, 65536, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = MulDiv(at.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | buttonFlags;
  SendInput(1, &input, sizeof input);
  Sleep(100);
}

}  // namespace

std::string WindowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &length)) {
    return {};
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(&text[0]),
                      SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
  text.resize(copied);
  return ToCodePage936(text);
}

std::string ClassName(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

RECT WindowRectOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return rect;
}

RECT ChildRect(HWND child) {
  RECT rect = WindowRectOf(child);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
}

LexorinProcess::LexorinProcess(const StartOptions& options) {
  const std::string exeName = options.executable;
  if (options.shareFoldersWith) {
    rootDirectory_ = options.shareFoldersWith->rootDirectory_;
    appDirectory_ = options.shareFoldersWith->appDirectory_;
    tempDirectory_ = options.shareFoldersWith->tempDirectory_;
    ownsFolders_ = false;
  } else {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    rootDirectory_ = std::string(temp) + "lexorin-test-" + std::to_string(GetCurrentProcessId()) +
                     "-" + std::to_string(++counter);
    DeleteTree(rootDirectory_);
    appDirectory_ = rootDirectory_ + "\\app";
    tempDirectory_ = rootDirectory_ + "\\temp";
    CreateDirectoryA(rootDirectory_.c_str(), nullptr);
    CreateDirectoryA(appDirectory_.c_str(), nullptr);
    CreateDirectoryA(tempDirectory_.c_str(), nullptr);
    for (const std::string& folder : options.appSubdirectories) {
      appDirectory_ += "\\" + folder;
      CreateDirectoryA(appDirectory_.c_str(), nullptr);
    }
    if (!CopyFileA((ModuleDirectory() + "\\" + exeName).c_str(), (appDirectory_ + "\\" + exeName).c_str(),
                   FALSE)) {
      ADD_FAILURE() << "cannot copy " << exeName << " next to the test";
      return;
    }
  }
  const std::string exe = appDirectory_ + "\\" + exeName;
  if (options.prepare) options.prepare(appDirectory_);

  std::string environment = EnvironmentWithTemp(tempDirectory_, options.pathPrefix);
  std::string commandLine = "\"" + exe + "\" " + options.arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  // Started from another directory, so the program must find its own.
  if (!CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, &environment[0],
                      rootDirectory_.c_str(), &startup, &info_)) {
    ADD_FAILURE() << "cannot start " << exe << ", error " << GetLastError();
    return;
  }
  if (!options.waitForWindow) return;
  WaitUntil([this] {
    window_ = FindMainWindow();
    return window_ != nullptr || !IsRunning() || !MessageBoxes().empty();
  });
  if (!window_) ADD_FAILURE() << "the main window did not appear";
}

LexorinProcess::~LexorinProcess() {
  if (info_.hProcess) {
    if (IsRunning()) {
      for (HWND box : MessageBoxes()) ADD_FAILURE() << "unexpected message box: " << MessageBoxText(box);
      TerminateProcess(info_.hProcess, 1);
      WaitForSingleObject(info_.hProcess, kTimeoutMs);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
  }
  if (!ownsFolders_) return;
  // The program's files may stay locked for a moment after it ends.
  WaitUntil([this] {
    DeleteTree(rootDirectory_);
    return GetFileAttributesA(rootDirectory_.c_str()) == INVALID_FILE_ATTRIBUTES;
  }, 2000);
}

HWND LexorinProcess::FindMainWindow() const {
  const auto windows = TopLevelWindowsOf(info_.dwProcessId, "LexorinMainWindow");
  return windows.empty() ? nullptr : windows.front();
}

std::vector<HWND> LexorinProcess::Controls() const {
  std::vector<HWND> controls;
  for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    controls.push_back(child);
  }
  return controls;
}

HWND LexorinProcess::ControlAt(const char* className, int left, int top) const {
  for (HWND control : Controls()) {
    const RECT rect = ChildRect(control);
    if (_stricmp(ClassName(control).c_str(), className) == 0 && rect.left == left && rect.top == top) {
      return control;
    }
  }
  return nullptr;
}

Controls::Controls(const LexorinProcess& program)
    : source(program.ControlAt("Edit", 8, 40)),
      result(program.ControlAt("Edit", 8, 184)),
      list(program.ControlAt("ComboBox", 8, 131)),
      copy(program.ControlAt("Button", 172, 128)),
      clear(program.ControlAt("Button", 91, 128)),
      exit(program.ControlAt("Button", 335, 128)),
      translate(program.ControlAt("Button", 254, 128)),
      status(program.ControlAt("LexorinTransparentLabel", 8, 160)),
      clock(program.ControlAt("LexorinTransparentLabel", 8, 8)) {}

bool LexorinProcess::Click(HWND button) const {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &result) != 0;
}

void LexorinProcess::PostClick(HWND button) const { PostMessageA(button, BM_CLICK, 0, 0); }

void LexorinProcess::SelectListEntry(HWND list, int position) const {
  DWORD_PTR result = 0;
  SendMessageTimeoutA(list, CB_SETCURSEL, static_cast<WPARAM>(position), 0, SMTO_ABORTIFHUNG,
                      kTimeoutMs, &result);
  // CB_SETCURSEL sends no notification; a user's choice ends with this one.
  const WPARAM command = MAKEWPARAM(GetDlgCtrlID(list), CBN_SELENDOK);
  SendMessageTimeoutA(window_, WM_COMMAND, command, reinterpret_cast<LPARAM>(list), SMTO_ABORTIFHUNG,
                      kTimeoutMs, &result);
}

std::string LexorinProcess::ListEntry(HWND list, int position) const {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(position), 0,
                           SMTO_ABORTIFHUNG, kTimeoutMs, &length) ||
      static_cast<LONG_PTR>(length) == CB_ERR) {
    return "<none>";
  }
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(list, CB_GETLBTEXT, static_cast<WPARAM>(position),
                      reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG, kTimeoutMs, &copied);
  text.resize(copied);
  return ToCodePage936(text);
}

int LexorinProcess::ListSelection(HWND list) const {
  DWORD_PTR selection = 0;
  SendMessageTimeoutA(list, CB_GETCURSEL, 0, 0, SMTO_ABORTIFHUNG, kTimeoutMs, &selection);
  return static_cast<int>(static_cast<LONG_PTR>(selection));
}

void LexorinProcess::SetText(HWND control, const std::string& text) const {
  const std::wstring wide = FromCodePage936(text);
  DWORD_PTR result = 0;
  SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()),
                      SMTO_ABORTIFHUNG, kTimeoutMs, &result);
}

void LexorinProcess::BringToFront() const {
  const DWORD self = GetCurrentThreadId();
  const DWORD target = GetWindowThreadProcessId(window_, nullptr);
  AttachThreadInput(self, target, TRUE);
  SetForegroundWindow(window_);
  BringWindowToTop(window_);
  AttachThreadInput(self, target, FALSE);
  WaitUntil([this] { return GetForegroundWindow() == window_; }, 2000);
}

void LexorinProcess::PressKey(WORD key, bool shift, bool ctrl, bool alt) const {
  BringToFront();
  std::vector<INPUT> inputs;
  auto add = [&inputs](WORD vk, bool up) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  };
  const WORD modifiers[] = {static_cast<WORD>(shift ? VK_SHIFT : 0),
                            static_cast<WORD>(ctrl ? VK_CONTROL : 0),
                            static_cast<WORD>(alt ? VK_MENU : 0)};
  for (WORD m : modifiers) if (m) add(m, false);
  add(key, false);
  add(key, true);
  for (WORD m : modifiers) if (m) add(m, true);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
  Sleep(200);
}

void LexorinProcess::SetFocusTo(HWND control) const {
  BringToFront();
  const DWORD self = GetCurrentThreadId();
  const DWORD target = GetWindowThreadProcessId(window_, nullptr);
  AttachThreadInput(self, target, TRUE);
  SetFocus(control);
  AttachThreadInput(self, target, FALSE);
  WaitUntil([&] { return Focus() == control; }, 2000);
}

void LexorinProcess::Drag(POINT from, POINT to) const {
  BringToFront();
  SendMouse(from, 0);
  SendMouse(from, MOUSEEVENTF_LEFTDOWN);
  const POINT middle = {(from.x + to.x) / 2, (from.y + to.y) / 2};
  SendMouse(middle, 0);
  SendMouse(to, 0);
  SendMouse(to, MOUSEEVENTF_LEFTUP);
}

void LexorinProcess::ClickAt(POINT at) const {
  BringToFront();
  SendMouse(at, 0);
  SendMouse(at, MOUSEEVENTF_LEFTDOWN);
  SendMouse(at, MOUSEEVENTF_LEFTUP);
}

HWND LexorinProcess::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(info_.dwThreadId, &info);
  return info.hwndFocus;
}

std::vector<HWND> LexorinProcess::MessageBoxes() const {
  return TopLevelWindowsOf(info_.dwProcessId, "#32770");
}

HWND LexorinProcess::WaitForMessageBox(DWORD timeoutMs) const {
  HWND box = nullptr;
  WaitUntil([&] {
    const auto boxes = MessageBoxes();
    box = boxes.empty() ? nullptr : boxes.front();
    return box != nullptr;
  }, timeoutMs);
  return box;
}

std::optional<DWORD> LexorinProcess::WaitForExit(DWORD timeoutMs) const {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) {
    return std::nullopt;
  }
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

bool LexorinProcess::IsRunning() const {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

}  // namespace driver
