#include "app/run_directory.h"

#include "text/ansi_text.h"

namespace app {

std::string RunDirectoryOf(std::string_view executablePath) {
  const std::size_t slash = text::FindLastChar(executablePath, '\\');
  if (slash == text::kNotFound) return {};
  return std::string(executablePath.substr(0, slash));
}

}  // namespace app
