// The payloads built into this test program from the program's resource script are the
// exact images of the engine library of this build and of the 55 skin files.
#include "app/payload_store.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string Bytes(const app::ByteBlock& block) {
  return block.bytes ? std::string(static_cast<const char*>(block.bytes), block.length) : std::string();
}

std::string BesideThisProgram(const std::string& name) {
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
  return self.substr(0, self.find_last_of('\\') + 1) + name;
}

TEST(PayloadStore, EngineIsTheLibraryOfThisBuild) {
  const std::string library = Content(BesideThisProgram("hrttp.dll"));
  ASSERT_GT(library.size(), 0u);
  EXPECT_TRUE(Bytes(app::SkinEnginePayload()) == library);
}

TEST(PayloadStore, SkinFilesAreTheFilesOneTo55) {
  for (int n = 1; n <= 55; ++n) {
    char name[16];
    std::snprintf(name, sizeof name, "skin%02d.she", n);
    const std::string file = Content(std::string(LEXORIN_SKIN_DIR) + "/" + name);
    ASSERT_GT(file.size(), 4u) << name;
    const std::string payload = Bytes(app::SkinFilePayload(n));
    EXPECT_EQ(payload.substr(0, 4), ".SHE") << name;
    EXPECT_TRUE(payload == file) << name;
  }
  EXPECT_EQ(app::SkinFilePayload(0).length, 0u);
  EXPECT_EQ(app::SkinFilePayload(56).length, 0u);
}

}  // namespace
