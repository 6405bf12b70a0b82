#pragma once

namespace app {

// Runs until the quit message arrives; returns the exit code it carries.
int RunMessageLoop();

}  // namespace app
