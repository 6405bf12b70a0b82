#pragma once
// Starts Lexorin.exe as a separate process, with its own copy of the executable's folder
// and its own TEMP, and inspects and drives its window from outside with Win32 calls.
// Every call that talks to the program is bounded in time, so a hung or crashed program
// fails a test instead of hanging it; a message box left open at the end fails the test
// with the box's text.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace driver {

constexpr DWORD kTimeoutMs = 10000;

// Text of a window read as UTF-16 (the ANSI form is garbled across processes) and
// returned in code page 936.
std::string WindowText(HWND window);
std::string ClassName(HWND window);
RECT WindowRectOf(HWND window);
// A child's rectangle in its parent's client coordinates.
RECT ChildRect(HWND child);

// The text of a message box: its caption, ": ", and its static texts.
std::string MessageBoxText(HWND box);

class LexorinProcess;

struct StartOptions {
  // The program to start, from the test's own folder, and its command-line arguments.
  std::string executable = "Lexorin.exe";
  std::string arguments;
  // Runs in the fresh application folder before the program starts (e.g. to plant files).
  std::function<void(const std::string& appDirectory)> prepare;
  // Wait for the main window to be shown; false for starts that are expected to fail.
  bool waitForWindow = true;
  // Start in the application folder and TEMP of this running program instead of fresh
  // ones (a second copy of an installed program); its owner removes them.
  const LexorinProcess* shareFoldersWith = nullptr;
  // A directory put in front of the program's PATH.
  std::string pathPrefix;
  // Folders (names in code page 936) made one inside the other in the fresh application
  // folder; the program is copied into the innermost one.
  std::vector<std::string> appSubdirectories;
};

class LexorinProcess {
 public:
  explicit LexorinProcess(const StartOptions& options = {});
  ~LexorinProcess();
  LexorinProcess(const LexorinProcess&) = delete;
  LexorinProcess& operator=(const LexorinProcess&) = delete;

  const std::string& AppDirectory() const { return appDirectory_; }
  const std::string& TempDirectory() const { return tempDirectory_; }
  DWORD ProcessId() const { return info_.dwProcessId; }

  HWND Window() const { return window_; }
  // Whether a main window of the process is visible now.
  bool MainWindowShown() const { return FindMainWindow() != nullptr; }
  // The controls in stacking order, top first.
  std::vector<HWND> Controls() const;
  // The control of the given class whose client-area rectangle starts at left, top.
  HWND ControlAt(const char* className, int left, int top) const;

  // Interaction.
  bool Click(HWND button) const;  // BM_CLICK; false when the program did not answer
  void PostClick(HWND button) const;
  void SelectListEntry(HWND list, int position) const;
  std::string ListEntry(HWND list, int position) const;
  int ListSelection(HWND list) const;
  void SetText(HWND control, const std::string& text) const;
  // Key input through the system's input queue, with the window in front.
  void PressKey(WORD key, bool shift = false, bool ctrl = false, bool alt = false) const;
  void BringToFront() const;
  HWND Focus() const;
  void SetFocusTo(HWND control) const;
  // A left-button drag with the real mouse, in screen coordinates.
  void Drag(POINT from, POINT to) const;
  void ClickAt(POINT at) const;

  // Message boxes of the process that are open now.
  std::vector<HWND> MessageBoxes() const;
  HWND WaitForMessageBox(DWORD timeoutMs = kTimeoutMs) const;

  // The process's exit code, once it has ended within the time; nullopt otherwise.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs = kTimeoutMs) const;
  bool IsRunning() const;

 private:
  HWND FindMainWindow() const;

  std::string rootDirectory_;
  std::string appDirectory_;
  std::string tempDirectory_;
  PROCESS_INFORMATION info_ = {};
  HWND window_ = nullptr;
  bool ownsFolders_ = true;
};

// The main window's controls, found by class and place.
struct Controls {
  explicit Controls(const LexorinProcess& program);
  HWND source, result, list, copy, clear, exit, translate, status, clock;
};

// Waits until the condition holds, pumping nothing; false when the time ran out.
bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs = kTimeoutMs);

}  // namespace driver
