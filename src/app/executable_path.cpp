#include "app/executable_path.h"

#include <windows.h>

#include "app/app_state.h"

namespace app {

std::string ExecutablePath() {
  // GetModuleFileNameA truncates silently when the buffer is too small and then fills
  // it completely; grow until the path fits with room to spare.
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    if (path.size() >= 0x10000) return {};
    path.resize(path.size() * 2);
  }
}

std::string GetRunDirectory() { return AppState().executableDirectory; }

}  // namespace app
