// Drag-anywhere: bare client area moves the window; the labels do not.
#include <gtest/gtest.h>

#include "driver.h"

namespace {

using driver::LexorinProcess;

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT point = {x, y};
  ClientToScreen(window, &point);
  return point;
}

TEST(Mouse, DraggingBareClientAreaMovesTheWindowAndLabelsDoNot) {
  LexorinProcess program;
  HWND window = program.Window();
  ASSERT_TRUE(window);

  const struct {
    const char* where;
    int x, y;
    bool moves;
  } cases[] = {
      {"strip between clock label and source box", 200, 36, true},
      {"status line", 200, 170, false},
      {"clock label", 100, 20, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.where);
    const RECT before = driver::WindowRectOf(window);
    const POINT from = ClientToScreenPoint(window, c.x, c.y);
    program.Drag(from, {from.x + 40, from.y + 30});
    driver::WaitUntil([&] { return driver::WindowRectOf(window).left != before.left; }, c.moves ? 2000 : 300);
    const RECT after = driver::WindowRectOf(window);
    if (c.moves) {
      EXPECT_EQ(after.left - before.left, 40);
      EXPECT_EQ(after.top - before.top, 30);
    } else {
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.top, before.top);
    }
    EXPECT_EQ(after.right - after.left, 430);
    EXPECT_EQ(after.bottom - after.top, 337);
  }
}

}  // namespace
