#pragma once

namespace app {

// Releases the bound libraries, uninitialises COM and ends the process.
[[noreturn]] void RunShutdown(int exitCode);

}  // namespace app
