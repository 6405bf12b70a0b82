#pragma once
#include <string>

namespace ui {

// Places text on the clipboard as CF_TEXT. The memory block is made before the clipboard
// is opened, so a failure leaves the user's clipboard as it was; false when the text did
// not get onto the clipboard.
bool CopyTextToClipboard(const std::string& text);

}  // namespace ui
