#include "app/fatal_error_text.h"

#include <cstdio>

#include "app/skin_engine_location.h"

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
      // 运行时错误：无法加载动态链接库 %s 中的函数 %s。
      return "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xA3\xBA\xCE\xDE\xB7\xA8\xBC\xD3\xD4\xD8"
             "\xB6\xAF\xCC\xAC\xC1\xB4\xBD\xD3\xBF\xE2 %s \xD6\xD0\xB5\xC4\xBA\xAF\xCA\xFD %s\xA1\xA3";
  }
  return "";
}

}  // namespace

FatalErrorMessage FatalErrorText(const FatalError& error) {
  FatalErrorMessage message = {};
  const char* format = CauseText(error.cause);
  switch (error.cause) {
    case FatalCause::OutOfMemory:
      std::snprintf(message.text, sizeof message.text, format, error.requestedBytes);
      break;
    case FatalCause::SkinEngineBinding:
      std::snprintf(message.text, sizeof message.text, format, kSkinEngineFileName,
                    kSkinEngineEntryName);
      break;
    case FatalCause::WindowCreation:
      std::snprintf(message.text, sizeof message.text, "%s", format);
      break;
  }
  return message;
}

}  // namespace app
