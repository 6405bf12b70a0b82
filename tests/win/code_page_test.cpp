#include <windows.h>

#include <gtest/gtest.h>

// Every text of the program is code page 936; a run under another ANSI code page tests
// something else, so it must fail loudly.
TEST(Environment, AnsiCodePageIs936) {
  ASSERT_EQ(GetACP(), 936u) << "run Wine with LC_ALL=zh_CN.UTF-8";
}
