#include <windows.h>

#include "appearance/skin_file_path.h"

namespace appearance {

std::string SkinFilePath() {
  char directory[260] = {};
  const DWORD length = GetTempPathA(sizeof directory, directory);
  // 0 is a failure; a length beyond the buffer means the path did not fit.
  if (length == 0 || length >= sizeof directory) return SkinFilePathIn(std::nullopt);
  return SkinFilePathIn(std::string_view(directory, length));
}

}  // namespace appearance
