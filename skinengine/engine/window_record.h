#pragma once
// What the engine keeps per restyled window: its kind and its mouse state. Owned by the
// window's subclass and deleted with it at WM_NCDESTROY.
#include <windows.h>
#include <commctrl.h>

namespace engine {

enum class Kind { Frame, Button, Edit, Combo, List };

enum class CaptionBox { None, Minimise, Maximise, Close };

struct WindowRecord {
  Kind kind;
  bool active = false;             // frame: drawn as the active window
  bool hot = false;                // button: the mouse is over it
  CaptionBox hotBox = CaptionBox::None;
  CaptionBox pressedBox = CaptionBox::None;  // held down with the mouse captured
  bool pressedInside = false;      // the held box is under the mouse
};

constexpr UINT_PTR kSubclassId = 0x5348;  // "SH"

LRESULT CALLBACK FrameProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK ButtonProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK EditProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK ComboProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
LRESULT CALLBACK ListProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

// The record is also kept as a window property, so the engine can tell which windows
// it restyled (and which top-level window a new control belongs to).
constexpr char kRecordProperty[] = "LexorinSkinRecord";
WindowRecord* RecordOf(HWND window);

// Removes the subclass and frees the record; called at WM_NCDESTROY.
void Unsubclass(HWND window, SUBCLASSPROC proc, WindowRecord* record);

// Paints the window now, over whatever the default handler just drew directly.
void RepaintNow(HWND window);

}  // namespace engine
