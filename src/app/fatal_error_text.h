#pragma once
#include <cstddef>
#include <string>

namespace app {

// The three reasons the program stops.
enum class FatalCause { WindowCreation, OutOfMemory, SkinEngineBinding };

struct FatalError {
  FatalCause cause;
  std::size_t requestedBytes = 0;  // for OutOfMemory
};

// The text of the fatal error box (code page 936): says that a run-time error occurred
// and names its cause.
std::string FatalErrorText(const FatalError& error);

}  // namespace app
