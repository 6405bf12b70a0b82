#include "app/window_list.h"

#include <algorithm>
#include <vector>

#include "app/app_state.h"

namespace app {
namespace {

struct ProgramWindow {
  HWND window;
  PreTranslateFn preTranslate;
  bool destroyRequested;
};

std::vector<ProgramWindow>& Windows() {
  static std::vector<ProgramWindow> windows;
  return windows;
}

ProgramWindow* Find(HWND window) {
  auto& windows = Windows();
  const auto it = std::find_if(windows.begin(), windows.end(),
                               [window](const ProgramWindow& w) { return w.window == window; });
  return it == windows.end() ? nullptr : &*it;
}

}  // namespace

void AddProgramWindow(HWND window, PreTranslateFn preTranslate) {
  Windows().push_back({window, preTranslate, false});
}

void RemoveProgramWindow(HWND window) {
  auto& windows = Windows();
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [window](const ProgramWindow& w) { return w.window == window; }),
                windows.end());
  if (windows.empty() && AppState().loopRunning) PostQuitMessage(0);
}

bool AnyProgramWindowExists() { return !Windows().empty(); }

bool PreTranslate(MSG& message) {
  for (HWND window = message.hwnd; window; window = GetParent(window)) {
    const ProgramWindow* entry = Find(window);
    if (entry && entry->preTranslate && entry->preTranslate(window, message)) return true;
  }
  return false;
}

void RequestDestroy(HWND window) {
  if (ProgramWindow* entry = Find(window)) entry->destroyRequested = true;
  PostMessageA(window, kDestroyRequestMessage, 0, 0);
}

void HandleDestroyRequest(HWND window) {
  ProgramWindow* entry = Find(window);
  if (!entry || !entry->destroyRequested) return;
  entry->destroyRequested = false;
  DestroyWindow(window);
}

}  // namespace app
