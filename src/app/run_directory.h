#pragma once
#include <string>
#include <string_view>

namespace app {

// The directory part of an executable path: everything before its last backslash,
// found with a scan that steps over double-byte characters. Empty when the path holds
// no backslash. "C:\Lexorin.exe" gives "C:".
std::string RunDirectoryOf(std::string_view executablePath);

}  // namespace app
