#pragma once
#include <windows.h>

#include <string>

namespace ui {

// Places text on the clipboard as CF_TEXT, for the owner window. The memory block is made
// before the clipboard is opened, so a failure leaves the user's clipboard as it was;
// false when the text did not get onto the clipboard.
bool CopyTextToClipboard(HWND owner, const std::string& text);

}  // namespace ui
