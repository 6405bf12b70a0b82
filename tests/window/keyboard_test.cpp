// The window's keys: the focus cycle, Esc from every kind of control, Enter and Space.
#include <gtest/gtest.h>

#include "driver.h"
#include "support/gbk.h"

namespace {

using driver::Controls;
using driver::LexorinProcess;

bool FocusBecomes(const LexorinProcess& program, HWND control) {
  return driver::WaitUntil([&] { return program.Focus() == control; }, 2000);
}

TEST(Keyboard, TabWalksTheFocusCycleAndShiftTabWalksBack) {
  LexorinProcess program;
  const Controls c(program);
  ASSERT_TRUE(FocusBecomes(program, c.source)) << "the source box has the focus at start";
  const std::string sample = driver::WindowText(c.source);

  const HWND forward[] = {c.result, c.list, c.copy, c.clear, c.exit, c.translate, c.source};
  for (HWND next : forward) {
    program.PressKey(VK_TAB);
    EXPECT_TRUE(FocusBecomes(program, next)) << "after Tab, focus is on " << driver::ClassName(program.Focus());
  }
  const HWND backward[] = {c.translate, c.exit, c.clear};
  for (HWND previous : backward) {
    program.PressKey(VK_TAB, /*shift=*/true);
    EXPECT_TRUE(FocusBecomes(program, previous));
  }
  EXPECT_EQ(driver::WindowText(c.source), sample) << "Tab never types into a text box";
}

TEST(Keyboard, EscClosesFromEveryKindOfControl) {
  const struct {
    const char* name;
    HWND Controls::*control;
    bool openList;
  } cases[] = {
      {"source box", &Controls::source, false},
      {"result box", &Controls::result, false},
      {"button", &Controls::translate, false},
      {"closed list", &Controls::list, false},
      {"opened list", &Controls::list, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    LexorinProcess program;
    const Controls controls(program);
    program.SetFocusTo(controls.*c.control);
    if (c.openList) {
      SendMessageTimeoutA(controls.list, CB_SHOWDROPDOWN, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
    }
    program.PressKey(VK_ESCAPE);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  }
}

TEST(Keyboard, EscWithAModifierDoesNotClose) {
  LexorinProcess program;
  program.PressKey(VK_ESCAPE, /*shift=*/true);
  program.PressKey(VK_ESCAPE, /*shift=*/false, /*ctrl=*/true);
  EXPECT_FALSE(program.WaitForExit(500).has_value());
}

TEST(Keyboard, EnterBreaksLinesInTextBoxesAndPressesNoButton) {
  LexorinProcess program;
  const Controls c(program);
  program.SetFocusTo(c.result);
  program.PressKey('A');
  program.PressKey(VK_RETURN);
  program.PressKey('B');
  EXPECT_EQ(driver::WindowText(c.result), "a\r\nb");

  program.SetFocusTo(c.exit);
  program.PressKey(VK_RETURN);
  EXPECT_FALSE(program.WaitForExit(500).has_value()) << "Enter pressed the exit button";
  EXPECT_EQ(program.Focus(), c.exit) << "Enter moved the focus";

  program.PressKey(VK_SPACE);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0)) << "Space presses the focused button";
}

TEST(Keyboard, ArrowKeysChangeTheClosedListsSelection) {
  LexorinProcess program;
  const Controls c(program);
  program.SetFocusTo(c.list);
  program.PressKey(VK_DOWN);
  EXPECT_TRUE(driver::WaitUntil([&] { return program.ListSelection(c.list) == 1; }, 2000));
}

TEST(Keyboard, FocusComesBackAfterDeactivation) {
  LexorinProcess program;
  const Controls c(program);
  program.SetFocusTo(c.list);

  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                               100, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  ASSERT_TRUE(driver::WaitUntil([&] { return GetForegroundWindow() == other; }, 2000));
  program.BringToFront();
  EXPECT_TRUE(FocusBecomes(program, c.list));
  DestroyWindow(other);
}

}  // namespace
