#pragma once
// The one record of process-wide state, made before the first start-up step and kept
// until the process ends. Only the user-interface thread touches it.
#include <windows.h>

#include <string>
#include <vector>

namespace app {

struct ApplicationState {
  std::string executableDirectory;
  bool comInitialised = false;
  bool loopRunning = false;
  std::vector<HMODULE> boundLibraries;  // released by the shutdown sequence
};

ApplicationState& AppState();

}  // namespace app
