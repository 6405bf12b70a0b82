#pragma once
#include "app/fatal_error_text.h"

namespace app {

// Shows the error box (no owner, error icon, OK) naming the cause, then ends the process
// with exit code -1 through the shutdown sequence.
[[noreturn]] void ReportFatalError(const FatalError& error);

}  // namespace app
