#include "app/fatal_error_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "support/gbk.h"

namespace {

TEST(FatalErrorText, NamesTheCause) {
  const std::string runtimeError = Gbk(u8"运行时错误");
  const std::string window = app::FatalErrorText({app::FatalCause::WindowCreation}).text;
  const std::string memory = app::FatalErrorText({app::FatalCause::OutOfMemory, SIZE_MAX}).text;
  const std::string engine = app::FatalErrorText({app::FatalCause::SkinEngineBinding}).text;
  for (const std::string& text : {window, memory, engine}) {
    EXPECT_EQ(text.rfind(runtimeError, 0), 0u) << text;
  }
  EXPECT_NE(window.find(Gbk(u8"主窗口")), std::string::npos);
  EXPECT_NE(memory.find(" " + std::to_string(SIZE_MAX) + " "), std::string::npos);
  EXPECT_EQ(memory.substr(memory.size() - 2), Gbk(u8"。"));
  EXPECT_NE(engine.find("hrttp.dll"), std::string::npos);
  EXPECT_NE(engine.find("SkinH_AttachEx"), std::string::npos);
}

}  // namespace
