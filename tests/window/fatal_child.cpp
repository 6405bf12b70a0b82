// Stops through the fatal error report for the cause named on the command line:
// "window" (the main window cannot be created) or "memory" (an allocation fails).
#include <windows.h>

#include <cstring>
#include <vector>

#include "app/fatal_error.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  if (std::strstr(commandLine, "memory")) {
    volatile std::size_t size = std::size_t{1} << 62;
    std::vector<char> block(size);
    return static_cast<int>(block.size());
  }
  app::ReportFatalError({app::FatalCause::WindowCreation});
}
