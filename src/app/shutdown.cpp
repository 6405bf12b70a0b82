#include "app/shutdown.h"

#include <windows.h>
#include <ole2.h>

#include "app/app_state.h"

namespace app {

void RunShutdown(int exitCode) {
  ApplicationState& state = AppState();
  for (HMODULE library : state.boundLibraries) FreeLibrary(library);
  state.boundLibraries.clear();
  if (state.comInitialised) {
    OleUninitialize();
    state.comInitialised = false;
  }
  ExitProcess(static_cast<UINT>(exitCode));
}

}  // namespace app
