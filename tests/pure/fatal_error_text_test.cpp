#include "app/fatal_error_text.h"

#include <gtest/gtest.h>

#include "support/gbk.h"

namespace {

TEST(FatalErrorText, NamesTheCause) {
  const std::string runtimeError = Gbk(u8"运行时错误");
  const std::string window = app::FatalErrorText({app::FatalCause::WindowCreation});
  const std::string memory = app::FatalErrorText({app::FatalCause::OutOfMemory, 123456789});
  const std::string engine = app::FatalErrorText({app::FatalCause::SkinEngineBinding});
  for (const std::string& text : {window, memory, engine}) {
    EXPECT_EQ(text.rfind(runtimeError, 0), 0u) << text;
  }
  EXPECT_NE(window.find(Gbk(u8"主窗口")), std::string::npos);
  EXPECT_NE(memory.find(" 123456789 "), std::string::npos);
  EXPECT_NE(engine.find("hrttp.dll"), std::string::npos);
  EXPECT_NE(engine.find("SkinH_AttachEx"), std::string::npos);
}

}  // namespace
