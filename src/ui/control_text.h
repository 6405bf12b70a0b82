#pragma once
// Reading and writing the controls' texts, as the handlers see them.
#include <string>

#include "ui/window_description.h"

namespace ui {

// The whole text of a control; line breaks as CR LF.
std::string ReadText(ControlName control);

// Replaces the whole text. A text box then has its caret before the first character and
// is scrolled to the top.
void WriteText(ControlName control, const std::string& text);

// The direction list's selected position, or -1 when no entry is selected.
int ListSelection();

// The text of the list entry at a position; empty for a position that holds no entry.
std::string ListEntryText(int position);

}  // namespace ui
