// The program finds its own folder wherever it lies, and writes its skin engine there.
// (Wine cannot start a program whose path is longer than 260 bytes; that case of the
// folder rule is covered by the unit tests.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"

namespace {

bool FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(RunDirectory, EngineIsWrittenBesideTheExecutableWhereverItLies) {
  const struct {
    const char* name;
    std::vector<std::string> folders;
  } cases[] = {
      // 謀 is D6 5C in code page 936: its second byte is a backslash.
      {"double-byte folder name", {"\xD6\x5C"}},
      {"nested folders", {"one", "two"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    driver::StartOptions options;
    options.appSubdirectories = c.folders;
    driver::LexorinProcess program(options);
    ASSERT_TRUE(program.Window());
    EXPECT_TRUE(FileExists(program.AppDirectory() + "\\hrttp.dll")) << program.AppDirectory();
    EXPECT_TRUE(program.Click(driver::Controls(program).exit));
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
  }
}

}  // namespace
