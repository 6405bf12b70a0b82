#include "engine/window_record.h"

namespace engine {

WindowRecord* RecordOf(HWND window) { return static_cast<WindowRecord*>(GetPropA(window, kRecordProperty)); }

void Unsubclass(HWND window, SUBCLASSPROC proc, WindowRecord* record) {
  RemoveWindowSubclass(window, proc, kSubclassId);
  RemovePropA(window, kRecordProperty);
  delete record;
}

void RepaintNow(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

}  // namespace engine
