#include "app/fatal_error_text.h"

#include <cstdio>

namespace app {
namespace {

const char* CauseText(FatalCause cause) {
  switch (cause) {
    case FatalCause::WindowCreation:
      // 运行时错误：无法创建主窗口。
      return "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xA3\xBA\xCE\xDE\xB7\xA8\xB4\xB4\xBD\xA8"
             "\xD6\xF7\xB4\xB0\xBF\xDA\xA1\xA3";
    case FatalCause::OutOfMemory:
      // 运行时错误：内存不足，无法分配 %zu 字节。
      return "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xA3\xBA\xC4\xDA\xB4\xE6\xB2\xBB\xD7\xE3"
             "\xA3\xAC\xCE\xDE\xB7\xA8\xB7\xD6\xC5\xE4 %zu \xD7\xD6\xBD\xDA\xA1\xA3";
    case FatalCause::SkinEngineBinding:
      // 运行时错误：无法加载动态链接库 hrttp.dll 中的函数 SkinH_AttachEx。
      return "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xA3\xBA\xCE\xDE\xB7\xA8\xBC\xD3\xD4\xD8"
             "\xB6\xAF\xCC\xAC\xC1\xB4\xBD\xD3\xBF\xE2 hrttp.dll \xD6\xD0\xB5\xC4\xBA\xAF\xCA\xFD"
             " SkinH_AttachEx\xA1\xA3";
  }
  return "";
}

}  // namespace

FatalErrorMessage FatalErrorText(const FatalError& error) {
  FatalErrorMessage message = {};
  if (error.cause == FatalCause::OutOfMemory) {
    std::snprintf(message.text, sizeof message.text, CauseText(error.cause), error.requestedBytes);
  } else {
    std::snprintf(message.text, sizeof message.text, "%s", CauseText(error.cause));
  }
  return message;
}

}  // namespace app
