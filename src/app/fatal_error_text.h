#pragma once
#include <cstddef>

namespace app {

// The three reasons the program stops.
enum class FatalCause { WindowCreation, OutOfMemory, SkinEngineBinding };

struct FatalError {
  FatalCause cause;
  std::size_t requestedBytes = 0;  // for OutOfMemory
};

// The text of the fatal error box (code page 936): says that a run-time error occurred
// and names its cause. Held in place, not on the heap: the box may be reporting that
// memory has run out.
struct FatalErrorMessage {
  char text[128];
};
FatalErrorMessage FatalErrorText(const FatalError& error);

}  // namespace app
