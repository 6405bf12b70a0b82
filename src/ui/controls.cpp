#include "ui/controls.h"

#include <array>

#include "ui/direction_entries.h"
#include "ui/transparent_label.h"

namespace ui {
namespace {

struct KindSettings {
  const char* windowClass;
  DWORD style;
  DWORD exStyle;
};

KindSettings SettingsOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::TransparentLabel: return {kTransparentLabelClass, 0, 0};
    case ControlKind::PushButton:
      return {"BUTTON", BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE | WS_TABSTOP, 0};
    case ControlKind::DropDownList:
      return {"COMBOBOX", CBS_DROPDOWNLIST | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 0};
    case ControlKind::TextBox:
      return {"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
              WS_EX_CLIENTEDGE};
    case ControlKind::Timer: break;
  }
  return {nullptr, 0, 0};
}

constexpr int kFirstControlId = 1000;

std::array<HWND, kControlCount> controlWindows{};

int ControlId(ControlName name) { return kFirstControlId + static_cast<int>(name); }

void FillDirectionList(HWND list) {
  for (const DirectionEntry& entry : kDirectionEntries) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry.text));
  }
  for (std::size_t i = 0; i < kEmptyEntryCount; ++i) {
    SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(""));
  }
  SendMessageA(list, CB_SETCURSEL, 0, 0);

  // Entries one pixel taller than standard. Asked of the list box itself: a combo box
  // that does not draw its own entries may refuse CB_SETITEMHEIGHT for them.
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  if (GetComboBoxInfo(list, &parts) && parts.hwndList) {
    const LRESULT entryHeight = SendMessageA(parts.hwndList, LB_GETITEMHEIGHT, 0, 0);
    if (entryHeight > 0) SendMessageA(parts.hwndList, LB_SETITEMHEIGHT, 0, entryHeight + 1);
  }

  // The closed field as tall as the description says, whatever the font makes of it.
  // Corrected by measuring: the height the list reports for its field need not be the
  // one it takes back.
  LRESULT fieldHeight = SendMessageA(list, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int attempt = 0; attempt < 4 && fieldHeight > 0; ++attempt) {
    RECT field;
    GetWindowRect(list, &field);
    const int missing = kDirectionListClosedHeight - static_cast<int>(field.bottom - field.top);
    if (missing == 0) break;
    fieldHeight += missing;
    SendMessageA(list, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
  }
}

void PrepareTextBox(HWND box, const char* text) {
  SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextA(box, text);
  SendMessageA(box, EM_SETSEL, 0, 0);
}

HWND CreateControl(HWND window, const ControlDescription& row) {
  const KindSettings settings = SettingsOf(row.kind);
  // Text boxes get their text once their length limit is lifted.
  const char* initialText = (row.text && row.kind != ControlKind::TextBox) ? row.text : "";
  return CreateWindowExA(settings.exStyle, settings.windowClass, initialText,
                         WS_CHILD | WS_VISIBLE | settings.style, row.left, row.top, row.width,
                         row.height, window,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row.name))),
                         GetModuleHandleA(nullptr), nullptr);
}

// Font and content come after stacking: a combo box works out its field height again
// whenever its position changes.
void PrepareControl(HWND control, const ControlDescription& row) {
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  if (row.kind == ControlKind::DropDownList) FillDirectionList(control);
  if (row.kind == ControlKind::TextBox) PrepareTextBox(control, row.text);
}

}  // namespace

bool CreateControls(HWND window) {
  HWND above = HWND_TOP;
  for (const ControlDescription& row : kControls) {
    if (row.kind == ControlKind::Timer) {
      if (!SetTimer(window, kClockTimerId, kClockPeriodMs, nullptr)) return false;
      continue;
    }
    HWND control = CreateControl(window, row);
    if (!control) return false;
    controlWindows[static_cast<std::size_t>(row.name)] = control;
    SetWindowPos(control, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    above = control;
  }
  for (const ControlDescription& row : kControls) {
    if (HWND control = ControlWindow(row.name)) PrepareControl(control, row);
  }
  return true;
}

HWND ControlWindow(ControlName name) { return controlWindows[static_cast<std::size_t>(name)]; }

bool FindControlName(HWND control, ControlName& name) {
  if (!control) return false;
  for (std::size_t i = 0; i < controlWindows.size(); ++i) {
    if (controlWindows[i] == control) {
      name = static_cast<ControlName>(i);
      return true;
    }
  }
  return false;
}

}  // namespace ui
