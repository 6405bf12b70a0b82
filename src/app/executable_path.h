#pragma once
#include <string>

namespace app {

// The full path of the running executable, however long it is.
std::string ExecutablePath();

// A fresh copy of the executable directory found at start-up; never ends in a backslash.
std::string GetRunDirectory();

}  // namespace app
