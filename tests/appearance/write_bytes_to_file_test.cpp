// WriteBytesToFile under Wine: the file ends up with exactly the blocks' bytes or stays as
// it was, and no temporary file is left behind either way.
#include "app/write_bytes_to_file.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/file_names.h"

namespace {

using app::ByteBlock;
using app::WriteBytesToFile;

class WriteBytesToFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    directory_ = std::string(temp) + "lexorin-write-" + std::to_string(GetCurrentProcessId());
    CreateDirectoryA(directory_.c_str(), nullptr);
    target_ = directory_ + "\\target.bin";
  }
  void TearDown() override {
    for (const std::string& name : Names()) {
      const std::string path = directory_ + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (!DeleteFileA(path.c_str())) RemoveDirectoryA(path.c_str());
    }
    RemoveDirectoryA(directory_.c_str());
  }

  std::set<std::string> Names() const { return FileNames(directory_); }

  static std::string Content(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void Plant(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }

  std::string directory_;
  std::string target_;
};

ByteBlock Block(const std::string& bytes) { return {bytes.data(), bytes.size()}; }

TEST_F(WriteBytesToFileTest, TheFileHoldsExactlyTheBlocks) {
  const std::string payload(94208, '\x5A');
  const struct {
    const char* name;
    std::optional<std::string> previous;  // nullopt: no file before
    std::vector<std::string> blocks;
    std::string expected;
  } cases[] = {
      {"new file", std::nullopt, {payload}, payload},
      {"longer file replaced", std::string(200000, 'L'), {payload}, payload},
      {"shorter file replaced", "x", {payload}, payload},
      {"blocks one after another", "0123456789", {"ab", "", "cd"}, "abcd"},
      {"a block of length 0 empties the file", "0123456789", {""}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    DeleteFileA(target_.c_str());
    if (c.previous) Plant(target_, *c.previous);
    std::vector<ByteBlock> blocks;
    for (const std::string& block : c.blocks) blocks.push_back(Block(block));
    EXPECT_TRUE(WriteBytesToFile(target_.c_str(), blocks));
    EXPECT_EQ(Content(target_), c.expected);
    EXPECT_EQ(Names(), std::set<std::string>{"target.bin"});
  }
}

TEST_F(WriteBytesToFileTest, EmptyPathTouchesNothing) {
  const std::string bytes = "abc";
  EXPECT_FALSE(WriteBytesToFile("", {Block(bytes)}));
  EXPECT_FALSE(WriteBytesToFile(nullptr, {Block(bytes)}));
  // The current directory is where a relative name would land.
  SetCurrentDirectoryA(directory_.c_str());
  EXPECT_FALSE(WriteBytesToFile("", {Block(bytes)}));
  EXPECT_TRUE(Names().empty());
}

TEST_F(WriteBytesToFileTest, AFileThatCannotBeReplacedStaysAsItWas) {
  const std::string bytes = "new bytes";
  const struct {
    const char* name;
    void (*prepare)(const std::string& target);
    void (*release)(const std::string& target);
  } cases[] = {
      {"read-only file", [](const std::string& t) { SetFileAttributesA(t.c_str(), FILE_ATTRIBUTE_READONLY); },
       [](const std::string& t) { SetFileAttributesA(t.c_str(), FILE_ATTRIBUTE_NORMAL); }},
      {"missing directory", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Plant(target_, "old");
    if (c.prepare) c.prepare(target_);
    const std::string path = c.prepare ? target_ : directory_ + "\\missing\\target.bin";
    EXPECT_FALSE(WriteBytesToFile(path.c_str(), {Block(bytes)}));
    if (c.release) c.release(target_);
    EXPECT_EQ(Content(target_), "old");
    EXPECT_EQ(Names(), std::set<std::string>{"target.bin"});
  }
}

TEST_F(WriteBytesToFileTest, AFileHeldOpenByAnotherStaysUntouched) {
  Plant(target_, "old");
  HANDLE held = CreateFileA(target_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string bytes = "new bytes";
  EXPECT_FALSE(WriteBytesToFile(target_.c_str(), {Block(bytes)}));
  CloseHandle(held);
  EXPECT_EQ(Content(target_), "old");
  EXPECT_EQ(Names(), std::set<std::string>{"target.bin"});
}

TEST_F(WriteBytesToFileTest, ADirectoryInThePlaceOfTheFileStays) {
  CreateDirectoryA(target_.c_str(), nullptr);
  const std::string bytes = "new bytes";
  EXPECT_FALSE(WriteBytesToFile(target_.c_str(), {Block(bytes)}));
  EXPECT_NE(GetFileAttributesA(target_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
  EXPECT_EQ(Names(), std::set<std::string>{"target.bin"});
}

TEST_F(WriteBytesToFileTest, AWriteThatFailsPartWayLeavesThePreviousFileWhole) {
  Plant(target_, "the previous content");
  const std::string first = "first block";
  const ByteBlock unreadable = {nullptr, 4096};  // a block whose bytes cannot be read
  EXPECT_FALSE(WriteBytesToFile(target_.c_str(), {Block(first), unreadable}));
  EXPECT_EQ(Content(target_), "the previous content");
  EXPECT_EQ(Names(), std::set<std::string>{"target.bin"});
}

}  // namespace
