#include "appearance/skin_file_path.h"

#include "text/ansi_text.h"

namespace appearance {

std::string SkinFilePathIn(std::optional<std::string_view> temporaryDirectory) {
  std::string path(temporaryDirectory.value_or(std::string_view{}));
  // A trail byte 0x5C of a double-byte character at the end is no separator.
  if (!path.empty() && text::FindLastChar(path, '\\') != path.size() - 1) path += '\\';
  return path + "1.she";
}

}  // namespace appearance
