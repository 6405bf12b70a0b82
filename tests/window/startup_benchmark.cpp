// Prints how long Lexorin takes from process start until its window is shown, over
// several starts, each from a fresh folder (so every start writes its engine and skin).
// A benchmark, not a test: it asserts nothing.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "driver.h"

int main() {
  constexpr int kStarts = 7;
  std::vector<DWORD> times;
  for (int i = 0; i < kStarts; ++i) {
    const DWORD start = GetTickCount();
    driver::LexorinProcess program;
    if (!program.Window()) {
      std::puts("the window did not appear");
      return 1;
    }
    times.push_back(GetTickCount() - start);
    program.Click(driver::Controls(program).exit);
    program.WaitForExit();
  }
  std::sort(times.begin(), times.end());
  std::printf("start to window shown, %d starts: min %lu ms, median %lu ms, max %lu ms\n", kStarts,
              times.front(), times[times.size() / 2], times.back());
  return 0;
}
