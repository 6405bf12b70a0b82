// Opens the program's main window with the skin file named on the command line attached,
// as the program itself attaches it: hrttp.dll from this tool's own directory, by full
// path. Exit code 2 when the engine cannot be loaded, 3 when it refuses the file.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "app/app_state.h"
#include "app/message_loop.h"
#include "load_engine.h"
#include "ui/main_window.h"

namespace {

constexpr UINT_PTR kCloseTimerId = 0x5052;

void CALLBACK CloseWindowNow(HWND window, UINT, UINT_PTR, DWORD) { DestroyWindow(window); }

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) {
    MessageBoxA(nullptr, "lexorin-preview.exe <skin file> [--close-after <ms>]", "lexorin-preview", MB_OK);
    return 1;
  }
  const AttachFunction attach = LoadEngineBesideExecutable();
  if (!attach) return 2;
  HWND window = ui::CreateMainWindow();
  if (!window) return 1;
  if (!attach(__argv[1], "")) {
    DestroyWindow(window);
    return 3;
  }
  if (__argc >= 4 && std::strcmp(__argv[2], "--close-after") == 0) {
    SetTimer(window, kCloseTimerId, static_cast<UINT>(std::strtoul(__argv[3], nullptr, 10)), CloseWindowNow);
  }
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  // The loop ends when the window is gone, as in the program.
  app::AppState().loopRunning = true;
  return app::RunMessageLoop();
}
