#include "app/skin_engine_location.h"

namespace app {

std::string SkinEngineLibraryPath(std::string_view executableDirectory) {
  return std::string(executableDirectory) + "\\" + kSkinEngineFileName;
}

}  // namespace app
