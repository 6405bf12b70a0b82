#include "app/startup.h"

#include <windows.h>
#include <ole2.h>

#include "app/app_state.h"
#include "app/executable_path.h"
#include "app/extract_skin_engine.h"
#include "app/fatal_error.h"
#include "app/message_loop.h"
#include "app/run_directory.h"
#include "app/shutdown.h"
#include "app/window_list.h"
#include "ui/handlers.h"
#include "ui/main_window.h"

namespace app {

void RunApplication() {
  ApplicationState& state = AppState();

  // The request object of the translation client needs a single-threaded apartment;
  // a failure here shows up later as an empty translation.
  OleInitialize(nullptr);
  state.comInitialised = true;

  state.executableDirectory = RunDirectoryOf(ExecutablePath());
  SetCurrentDirectoryA(state.executableDirectory.c_str());

  ExtractSkinEngine();

  HWND window = ui::CreateMainWindow();
  if (!window) ReportFatalError({FatalCause::WindowCreation});
  ui::OnWindowCreated();
  ShowWindow(window, SW_SHOW);
  SetFocus(window);

  state.loopRunning = true;
  const int exitCode = AnyProgramWindowExists() ? RunMessageLoop() : 0;
  RunShutdown(exitCode);
}

}  // namespace app
