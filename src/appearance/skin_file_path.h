#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace appearance {

// Where the chosen skin file is written and read: the temporary directory, closed with a
// backslash when it lacks one, followed by "1.she". Without a temporary directory the
// bare name is used, which resolves against the current (the executable's) directory.
std::string SkinFilePathIn(std::optional<std::string_view> temporaryDirectory);

// The same for the process's temporary directory (GetTempPathA).
std::string SkinFilePath();

}  // namespace appearance
