// How the program ends: every close path with exit code 0, the fatal error report with -1,
// and a window that can be minimised but not resized.
#include <gtest/gtest.h>

#include "driver.h"
#include "support/gbk.h"

namespace {

using driver::LexorinProcess;

HWND ExitButton(const LexorinProcess& program) { return driver::Controls(program).exit; }

TEST(Lifecycle, EveryClosePathEndsWithExitCodeZero) {
  const struct {
    const char* name;
    void (*close)(const LexorinProcess&);
  } cases[] = {
      {"exit button", [](const LexorinProcess& p) { EXPECT_TRUE(p.Click(ExitButton(p))); }},
      {"system menu Close",
       [](const LexorinProcess& p) { PostMessageA(p.Window(), WM_SYSCOMMAND, SC_CLOSE, 0); }},
      {"Alt+F4", [](const LexorinProcess& p) { p.PressKey(VK_F4, false, false, /*alt=*/true); }},
      {"close box",
       [](const LexorinProcess& p) {
         const RECT frame = driver::WindowRectOf(p.Window());
         const int border = GetSystemMetrics(SM_CXFIXEDFRAME);
         p.ClickAt({frame.right - border - GetSystemMetrics(SM_CXSIZE) / 2,
                    frame.top + border + GetSystemMetrics(SM_CYCAPTION) / 2});
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LexorinProcess program;
    ASSERT_TRUE(program.Window());
    c.close(program);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  }
}

TEST(Lifecycle, TwoDestroyRequestsEndTheProgramOnce) {
  LexorinProcess program;
  HWND exit = ExitButton(program);
  program.PostClick(exit);
  program.PostClick(exit);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
}

TEST(Lifecycle, WindowCanBeMinimisedButNotResized) {
  LexorinProcess program;
  HWND window = program.Window();
  const RECT before = driver::WindowRectOf(window);

  DWORD_PTR hit = 0;
  const LPARAM rightEdge = MAKELPARAM(before.right - 1, (before.top + before.bottom) / 2);
  SendMessageTimeoutA(window, WM_NCHITTEST, 0, rightEdge, SMTO_ABORTIFHUNG, 2000, &hit);
  EXPECT_NE(hit, static_cast<DWORD_PTR>(HTRIGHT)) << "the frame has no sizing border";

  SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_FALSE(IsZoomed(window));
  const RECT afterMaximise = driver::WindowRectOf(window);
  EXPECT_EQ(afterMaximise.right - afterMaximise.left, 430);
  EXPECT_EQ(afterMaximise.bottom - afterMaximise.top, 337);

  SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_MINIMIZE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_TRUE(driver::WaitUntil([&] { return IsIconic(window) != FALSE; }, 2000));
  SendMessageTimeoutA(window, WM_SYSCOMMAND, SC_RESTORE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  EXPECT_TRUE(driver::WaitUntil([&] { return !IsIconic(window); }, 2000));
  const RECT restored = driver::WindowRectOf(window);
  EXPECT_EQ(restored.left, before.left);
  EXPECT_EQ(restored.top, before.top);
}

// The fatal error report, shown by a small program that links the program's own code and
// stops for the cause named on its command line.
TEST(Lifecycle, FatalErrorReportNamesTheCauseAndEndsWithMinusOne) {
  const struct {
    const char* argument;
    std::string expected;
  } cases[] = {
      {"window", Gbk(u8"主窗口")},
      {"memory", "4611686018427387904"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.argument);
    driver::StartOptions options;
    options.executable = "fatal_child.exe";
    options.arguments = c.argument;
    options.waitForWindow = false;
    LexorinProcess child(options);
    HWND box = child.WaitForMessageBox();
    ASSERT_TRUE(box) << "no error box";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr);
    const std::string text = driver::MessageBoxText(box);
    EXPECT_NE(text.find(Gbk(u8"运行时错误")), std::string::npos) << text;
    EXPECT_NE(text.find(c.expected), std::string::npos) << text;
    EXPECT_TRUE(child.IsRunning()) << "the box blocks until it is closed";
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(), std::optional<DWORD>(0xFFFFFFFF));
  }
}

}  // namespace
