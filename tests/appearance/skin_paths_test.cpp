// Where the skin file and the engine library are written.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/skin_engine_location.h"
#include "appearance/skin_file_path.h"

namespace {

TEST(SkinFilePath, OneSeparatorBetweenTemporaryDirectoryAndName) {
  const struct {
    std::optional<std::string> temporaryDirectory;
    std::string path;
  } cases[] = {
      {"C:\\Temp\\", "C:\\Temp\\1.she"},
      {"C:\\Temp", "C:\\Temp\\1.she"},
      {"C:\\", "C:\\1.she"},
      {std::nullopt, "1.she"},  // no temporary directory: the bare name
      {"", "1.she"},
      // 謀 (D6 5C) ends in 0x5C but is no separator.
      {"C:\\\xD6\x5C", "C:\\\xD6\x5C\\1.she"},
      {"C:\\\xD6\x5C\\", "C:\\\xD6\x5C\\1.she"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(appearance::SkinFilePathIn(c.temporaryDirectory), c.path)
        << c.temporaryDirectory.value_or("<none>");
  }
}

TEST(SkinEngineLibraryPath, ExactlyOneSeparatorAfterTheExecutableDirectory) {
  EXPECT_EQ(app::SkinEngineLibraryPath("C:\\Program Files\\Lexorin"), "C:\\Program Files\\Lexorin\\hrttp.dll");
  EXPECT_EQ(app::SkinEngineLibraryPath("C:"), "C:\\hrttp.dll");  // executable in a drive's root
}

}  // namespace
