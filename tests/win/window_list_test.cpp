// The destroy request and the end of the message loop, inside one process.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/app_state.h"
#include "app/window_list.h"

namespace {

int destroyCount = 0;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case app::kDestroyRequestMessage: app::HandleDestroyRequest(window); return 0;
    case WM_DESTROY: ++destroyCount; return 0;
    case WM_NCDESTROY: app::RemoveProgramWindow(window); break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeProgramWindow() {
  static const ATOM atom = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = CountingProc;
    windowClass.lpszClassName = "WindowListTest";
    return RegisterClassA(&windowClass);
  }();
  EXPECT_NE(atom, 0);
  HWND window = CreateWindowA("WindowListTest", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              nullptr, nullptr);
  app::AddProgramWindow(window, nullptr);
  return window;
}

void Pump() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the caller to see
      return;
    }
    DispatchMessageA(&message);
  }
}

bool QuitPosted(WPARAM* code) {
  MSG message;
  if (!PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) return false;
  *code = message.wParam;
  return true;
}

TEST(DestroyRequest, DestroysLaterAndOnlyOnce) {
  destroyCount = 0;
  app::AppState().loopRunning = true;
  HWND window = MakeProgramWindow();
  app::RequestDestroy(window);
  app::RequestDestroy(window);
  EXPECT_TRUE(IsWindow(window)) << "the window goes after the requesting handler returns";
  Pump();
  EXPECT_FALSE(IsWindow(window));
  EXPECT_EQ(destroyCount, 1);
  WPARAM code = 99;
  EXPECT_TRUE(QuitPosted(&code));
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(app::AnyProgramWindowExists());
}

TEST(DestroyRequest, AStrayRequestMessageIsIgnored) {
  HWND window = MakeProgramWindow();
  SendMessageA(window, app::kDestroyRequestMessage, 0, 0);
  EXPECT_TRUE(IsWindow(window));
  app::AppState().loopRunning = false;
  DestroyWindow(window);
  WPARAM code = 0;
  EXPECT_FALSE(QuitPosted(&code)) << "no quit message before the loop runs";
}

}  // namespace
