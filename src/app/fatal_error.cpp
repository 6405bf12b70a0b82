#include "app/fatal_error.h"

#include <windows.h>

#include "app/shutdown.h"

namespace app {

void ReportFatalError(const FatalError& error) {
  // Showing the box may itself run out of memory and land here again: then there is
  // nothing left to show, only the exit code.
  static bool reporting = false;
  if (!reporting) {
    reporting = true;
    const FatalErrorMessage message = FatalErrorText(error);
    MessageBoxA(nullptr, message.text, "Lexorin", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
  RunShutdown(-1);
}

}  // namespace app
