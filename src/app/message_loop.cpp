#include "app/message_loop.h"

#include <windows.h>

#include "app/window_list.h"

namespace app {

int RunMessageLoop() {
  MSG message;
  for (;;) {
    // GetMessage returns -1 only for an invalid window handle, which we never pass.
    if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
    if (PreTranslate(message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace app
