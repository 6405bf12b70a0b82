#include "app/fatal_error.h"

#include <windows.h>

#include "app/shutdown.h"

namespace app {

void ReportFatalError(const FatalError& error) {
  const std::string message = FatalErrorText(error);
  MessageBoxA(nullptr, message.c_str(), "Lexorin", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  RunShutdown(-1);
}

}  // namespace app
