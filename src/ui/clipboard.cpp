#include "ui/clipboard.h"

#include <windows.h>

#include <cstring>

namespace ui {

bool CopyTextToClipboard(HWND owner, const std::string& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, text.size() + 1);
  if (!block) return false;
  void* bytes = GlobalLock(block);
  if (!bytes) {
    GlobalFree(block);
    return false;
  }
  std::memcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block);

  // Opened for a window: emptied without an owner, the clipboard may refuse the data.
  if (!OpenClipboard(owner)) {
    GlobalFree(block);
    return false;
  }
  EmptyClipboard();
  // The clipboard owns the block once it has taken it.
  const bool taken = SetClipboardData(CF_TEXT, block) != nullptr;
  if (!taken) GlobalFree(block);
  CloseClipboard();
  return taken;
}

}  // namespace ui
