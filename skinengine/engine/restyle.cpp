#include "engine/restyle.h"

#include <dwmapi.h>

#include <new>

#include "engine/skin_state.h"
#include "engine/window_record.h"

namespace engine {
namespace {

HHOOK cbtHook = nullptr;
DWORD hookThread = 0;

// Helper windows the system makes in the program's thread.
constexpr const char* kNeverRestyled[] = {"IME", "OleMainThreadWndClass", "OleDdeWndClass", "MSCTFIME UI"};

bool ClassIs(HWND window, const char* name) {
  char className[32] = "";
  GetClassNameA(window, className, sizeof className);
  return lstrcmpiA(className, name) == 0;
}

SUBCLASSPROC ProcOf(Kind kind) {
  switch (kind) {
    case Kind::Frame: return FrameProc;
    case Kind::Button: return ButtonProc;
    case Kind::Edit: return EditProc;
    case Kind::Combo: return ComboProc;
    case Kind::List: return ListProc;
  }
  return nullptr;
}

bool IsRestyledFrame(HWND window) {
  const WindowRecord* record = window ? RecordOf(window) : nullptr;
  return record && record->kind == Kind::Frame;
}

// Only windows of known kinds: a top-level window with a title bar, and push buttons,
// text boxes and drop-down lists inside one. Everything else (Wine's IME and OLE windows,
// the opened list, other controls) is left as it is.
bool KindOf(HWND window, LONG style, HWND parent, bool hasMenuBar, Kind& kind) {
  if (ClassIs(window, "ComboLBox")) {
    // The opened list: a popup made by its drop-down list (`parent` is that list).
    const WindowRecord* owner = parent ? RecordOf(parent) : nullptr;
    kind = Kind::List;
    return owner && owner->kind == Kind::Combo;
  }
  if (!(style & WS_CHILD)) {
    kind = Kind::Frame;
    // Message-only windows, and windows with a menu bar, which our frame would cover.
    if (parent == HWND_MESSAGE || hasMenuBar) return false;
    for (const char* name : kNeverRestyled) {
      if (ClassIs(window, name)) return false;
    }
    return (style & WS_CAPTION) == WS_CAPTION;
  }
  if (!IsRestyledFrame(GetAncestor(parent, GA_ROOT))) return false;
  if (ClassIs(window, "Button")) {
    const LONG type = style & BS_TYPEMASK;
    kind = Kind::Button;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
  }
  if (ClassIs(window, "Edit")) {
    kind = Kind::Edit;
    return true;
  }
  if (ClassIs(window, "ComboBox")) {
    // An owner-drawn list without strings holds only its owner's data: no text to draw.
    const bool ownerData = (style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) && !(style & CBS_HASSTRINGS);
    kind = Kind::Combo;
    return (style & 3) == CBS_DROPDOWNLIST && !ownerData;
  }
  return false;
}

// On Windows the desktop compositor would draw its own frame over ours.
void TurnOffCompositedFrame(HWND window) {
  const DWMNCRENDERINGPOLICY policy = DWMNCRP_DISABLED;
  DwmSetWindowAttribute(window, DWMWA_NCRENDERING_POLICY, &policy, sizeof policy);
}

// True when the window is restyled (now or before).
bool Restyle(HWND window, LONG style, HWND parent, bool hasMenuBar = false) {
  Kind kind;
  if (!KindOf(window, style, parent, hasMenuBar, kind)) return false;
  if (RecordOf(window)) return true;
  SUBCLASSPROC proc = ProcOf(kind);
  WindowRecord* record = new (std::nothrow) WindowRecord();
  if (!record) return false;
  record->kind = kind;
  record->active = kind == Kind::Frame && GetActiveWindow() == window;
  if (!SetPropA(window, kRecordProperty, record)) {
    delete record;
    return false;
  }
  if (!SetWindowSubclass(window, proc, kSubclassId, reinterpret_cast<DWORD_PTR>(record))) {
    RemovePropA(window, kRecordProperty);
    delete record;
    return false;
  }
  if (kind == Kind::Frame) TurnOffCompositedFrame(window);
  return true;
}

BOOL CALLBACK RestyleChild(HWND child, LPARAM) {
  if (!Restyle(child, GetWindowLongA(child, GWL_STYLE), GetParent(child))) return TRUE;
  // A drop-down list's opened list is a popup of its own, found through the list.
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  if (RecordOf(child)->kind == Kind::Combo && GetComboBoxInfo(child, &info) && info.hwndList) {
    Restyle(info.hwndList, GetWindowLongA(info.hwndList, GWL_STYLE), child);
  }
  return TRUE;
}

BOOL CALLBACK RestyleTopLevel(HWND window, LPARAM) {
  if (!Restyle(window, GetWindowLongA(window, GWL_STYLE), nullptr, GetMenu(window) != nullptr)) return TRUE;
  EnumChildWindows(window, RestyleChild, 0);
  // The frame's size is the default one, so this moves nothing; it repaints the frame.
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
  RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  return TRUE;
}

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    const CBT_CREATEWNDA* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    if (create && create->lpcs) {
      const LONG style = create->lpcs->style;
      const bool hasMenuBar = !(style & WS_CHILD) && create->lpcs->hMenu;
      Restyle(reinterpret_cast<HWND>(wParam), style, create->lpcs->hwndParent, hasMenuBar);
    }
  }
  return CallNextHookEx(cbtHook, code, wParam, lParam);
}

}  // namespace

bool AttachToThread(const skin::Skin& skin) {
  const DWORD thread = GetCurrentThreadId();
  if (cbtHook && hookThread != thread) return false;
  if (!cbtHook) {
    // Subclasses and the hook point into this library: it stays loaded from now on.
    HMODULE self = nullptr;
    if (!GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                            reinterpret_cast<LPCSTR>(&CbtProc), &self)) {
      return false;
    }
    cbtHook = SetWindowsHookExA(WH_CBT, CbtProc, nullptr, thread);
    if (!cbtHook) return false;
    hookThread = thread;
  }
  SetActiveSkin(skin);
  EnumThreadWindows(thread, RestyleTopLevel, 0);
  return true;
}

}  // namespace engine
