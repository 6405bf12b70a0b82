#pragma once
#include <string>
#include <string_view>

namespace app {

// The skin engine library's file name and the one entry the program calls in it.
inline constexpr char kSkinEngineFileName[] = "hrttp.dll";
inline constexpr char kSkinEngineEntryName[] = "SkinH_AttachEx";

// The skin engine library beside the executable: the executable directory (which never
// ends in a backslash), "\", "hrttp.dll". It is written and loaded only there.
std::string SkinEngineLibraryPath(std::string_view executableDirectory);

}  // namespace app
