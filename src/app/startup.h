#pragma once

namespace app {

// The whole life of the process: start-up, message loop, shutdown. Never returns.
[[noreturn]] void RunApplication();

}  // namespace app
