#include "app/run_directory.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RunDirectory, SplitsAtTheRealLastBackslash) {
  const std::string longDirectory = "C:\\" + std::string(300, 'd');
  const struct {
    std::string path;
    std::string directory;
  } cases[] = {
      {"C:\\Program Files\\Lexorin\\Lexorin.exe", "C:\\Program Files\\Lexorin"},
      {"C:\\Lexorin.exe", "C:"},
      {"Lexorin.exe", ""},
      {"", ""},
      // 謀 (D6 5C) ends in 0x5C; the split must not fall inside it.
      {"C:\\\xD6\x5C\\Lexorin.exe", "C:\\\xD6\x5C"},
      {"C:\\a\xD6\x5C" "b.exe", "C:"},
      {longDirectory + "\\Lexorin.exe", longDirectory},
  };
  for (const auto& c : cases) EXPECT_EQ(app::RunDirectoryOf(c.path), c.directory) << c.path;
}

}  // namespace
