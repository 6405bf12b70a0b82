// Push buttons, text boxes and the closed drop-down list. Each keeps its style and its
// default behaviour; only the drawing is ours. Where the default handler draws directly
// (state, focus and selection changes), the control is repainted right after it.
#include <algorithm>
#include <string>

#include "engine/painting.h"
#include "engine/skin_state.h"
#include "engine/window_record.h"

namespace engine {
namespace {

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return std::string();
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  text.resize(static_cast<std::size_t>((std::max)(0, GetWindowTextA(window, &text[0], length + 1))));
  return text;
}

void PaintButton(HWND button, HDC target, const WindowRecord& record) {
  RECT box;
  GetClientRect(button, &box);
  Offscreen offscreen(target, box.right, box.bottom);
  HDC dc = offscreen.dc();
  const skin::Skin& s = ActiveSkin();
  DrawParentBackground(button, dc);

  const bool enabled = IsWindowEnabled(button) != FALSE;
  const bool pressed = (SendMessageA(button, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  const skin::Paint& face = pressed ? s.buttonPressed : (record.hot && enabled) ? s.buttonHover : s.button;
  DrawFace(dc, box, s.buttonShape, s.buttonRadius, face, s.buttonBorder);
  if ((GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
    RECT ring = box;
    InflateRect(&ring, -1, -1);
    if (s.buttonShape != skin::Shape::Rounded) OutlineRect(dc, ring, s.buttonBorder);
  }
  if (GetFocus() == button) {
    RECT ring = box;
    const int inset = s.buttonShape == skin::Shape::Rounded ? (std::max)(3, s.buttonRadius / 2 + 1) : 3;
    InflateRect(&ring, -inset, -3);
    OutlineRect(dc, ring, s.buttonFocus);
  }

  const std::string text = WindowText(button);
  RECT area = box;
  InflateRect(&area, -4, -2);
  if (pressed) OffsetRect(&area, 1, 1);
  RECT measured = area;
  const skin::Rgb colour = enabled ? s.buttonText : s.buttonDisabledText;
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(button, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &measured, DT_CENTER | DT_WORDBREAK | DT_CALCRECT);
  SelectObject(dc, oldFont);
  const int textHeight = measured.bottom - measured.top;
  area.top += (std::max)(0, static_cast<int>(area.bottom - area.top) - textHeight) / 2;
  DrawWindowText(dc, button, text.c_str(), static_cast<int>(text.size()), area, DT_CENTER | DT_WORDBREAK, colour);
  offscreen.CopyTo(target, 0, 0);
}

void PaintEditBorder(HWND edit, HDC dc) {
  if (!(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) return;
  const skin::Skin& s = ActiveSkin();
  RECT outer;
  GetWindowRect(edit, &outer);
  OffsetRect(&outer, -outer.left, -outer.top);
  OutlineRect(dc, outer, GetFocus() == edit ? s.editFocusBorder : s.editBorder);
  InflateRect(&outer, -1, -1);
  OutlineRect(dc, outer, s.editBackground);
}

void PaintEditBorderNow(HWND edit) {
  HDC dc = GetWindowDC(edit);
  if (!dc) return;
  PaintEditBorder(edit, dc);
  ReleaseDC(edit, dc);
}

// What the transparent labels ask of the text box below them. The default handler
// draws the client area at the window's origin, over the edge, so the client part is
// printed here at its own place, and the edge last.
void PrintEdit(HWND edit, HDC dc, LPARAM flags) {
  if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(edit)) return;
  if (flags & PRF_NONCLIENT) DefSubclassProc(edit, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
  if (flags & PRF_CLIENT) {
    RECT outer, client;
    GetWindowRect(edit, &outer);
    GetClientRect(edit, &client);
    POINT origin = {0, 0};
    ClientToScreen(edit, &origin);
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, origin.x - outer.left, origin.y - outer.top, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SendMessageA(edit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags & (PRF_CLIENT | PRF_ERASEBKGND));
    RestoreDC(dc, saved);
  }
  if (flags & PRF_NONCLIENT) PaintEditBorder(edit, dc);
}

void PaintCombo(HWND combo, HDC target) {
  RECT box;
  GetClientRect(combo, &box);
  Offscreen offscreen(target, box.right, box.bottom);
  HDC dc = offscreen.dc();
  const skin::Skin& s = ActiveSkin();
  const bool focused = GetFocus() == combo;
  const bool dropped = SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;

  FillSolid(dc, box, s.comboBackground);
  OutlineRect(dc, box, focused ? s.editFocusBorder : s.editBorder);
  const int arrowWidth = GetSystemMetrics(SM_CXVSCROLL);
  const RECT button = {box.right - 1 - arrowWidth, box.top + 1, box.right - 1, box.bottom - 1};
  FillSolid(dc, button, dropped ? Darker(s.comboButton, 15) : s.comboButton);
  const int cx = (button.left + button.right) / 2, cy = (button.top + button.bottom) / 2;
  for (int row = 0; row < 4; ++row) {
    FillSolid(dc, {cx - 3 + row, cy - 2 + row, cx + 4 - row, cy - 1 + row}, s.comboArrow);
  }

  const LRESULT index = SendMessageA(combo, CB_GETCURSEL, 0, 0);
  const LRESULT length = index >= 0 ? SendMessageA(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0) : -1;
  if (length > 0 && length < 4096) {
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    if (copied > 0 && copied <= length) {
      const RECT area = {box.left + 4, box.top + 1, button.left - 2, box.bottom - 1};
      DrawWindowText(dc, combo, text.c_str(), static_cast<int>(copied), area,
                     DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS,
                     IsWindowEnabled(combo) ? s.comboText : s.buttonDisabledText);
    }
  }
  offscreen.CopyTo(target, 0, 0);
}

// The opened list: entries in the list colours, the current one in the title bar's
// colours (a pair the readability test covers). The scroll bar stays the system's.
void PaintList(HWND list, HDC target) {
  RECT box;
  GetClientRect(list, &box);
  Offscreen offscreen(target, box.right, box.bottom);
  HDC dc = offscreen.dc();
  const skin::Skin& s = ActiveSkin();
  FillSolid(dc, box, s.listBackground);
  const LRESULT count = SendMessageA(list, LB_GETCOUNT, 0, 0);
  const LRESULT current = SendMessageA(list, LB_GETCURSEL, 0, 0);
  LRESULT index = SendMessageA(list, LB_GETTOPINDEX, 0, 0);
  for (; index >= 0 && index < count; ++index) {
    RECT item;
    if (SendMessageA(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == LB_ERR ||
        item.top >= box.bottom) {
      break;
    }
    const bool selected = index == current;
    if (selected) FillSolid(dc, item, s.caption.first);
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length <= 0 || length >= 4096) continue;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    const LRESULT copied = SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&text[0]));
    if (copied <= 0 || copied > length) continue;
    RECT area = item;
    area.left += 2;
    DrawWindowText(dc, list, text.c_str(), static_cast<int>(copied), area, DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX,
                   selected ? s.captionText : s.listText);
  }
  offscreen.CopyTo(target, 0, 0);
}

// Messages after which the default button or list handler may have drawn directly.
bool DrawsDirectly(UINT message) {
  switch (message) {
    case BM_SETSTATE: case BM_SETSTYLE: case BM_SETCHECK: case WM_SETFOCUS: case WM_KILLFOCUS:
    case WM_ENABLE: case WM_SETTEXT: case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN: case WM_CAPTURECHANGED:
    case WM_UPDATEUISTATE: case WM_SETFONT: case WM_MOUSEWHEEL: case WM_COMMAND:
    case CB_SETCURSEL: case CB_SHOWDROPDOWN: case CB_SELECTSTRING:
      return true;
    default: return false;
  }
}

// The opened list also moves its highlight with the mouse and scrolls on a timer.
bool ListDrawsDirectly(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE: case WM_TIMER: case WM_VSCROLL: case LB_SETCURSEL: case LB_SETTOPINDEX:
    case LB_SETCARETINDEX:
      return true;
    default: return DrawsDirectly(message);
  }
}

// WM_PAINT, WM_PRINTCLIENT and WM_ERASEBKGND of a control the engine paints whole with
// paint(dc). True when the message was one of them, with its answer in result.
template <typename Paint>
bool AnswerPaintMessage(HWND control, UINT message, WPARAM wParam, Paint paint, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(control, &ps);
      if (dc) paint(dc);
      EndPaint(control, &ps);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT: paint(reinterpret_cast<HDC>(wParam)); result = 0; return true;
    case WM_ERASEBKGND: result = 1; return true;
    default: return false;
  }
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  LRESULT painted;
  if (AnswerPaintMessage(button, message, wParam,
                         [&](HDC dc) { PaintButton(button, dc, record); }, painted)) {
    return painted;
  }
  switch (message) {
    case WM_MOUSEMOVE:
      if (!record.hot) {
        record.hot = true;
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, button, 0};
        TrackMouseEvent(&track);
        InvalidateRect(button, nullptr, FALSE);
      }
      break;
    case WM_MOUSELEAVE:
      record.hot = false;
      InvalidateRect(button, nullptr, FALSE);
      break;
    case WM_NCDESTROY: Unsubclass(button, ButtonProc, &record); return DefSubclassProc(button, message, wParam, lParam);
    default: break;
  }
  const LRESULT result = DefSubclassProc(button, message, wParam, lParam);
  if (DrawsDirectly(message)) RepaintNow(button);
  return result;
}

LRESULT CALLBACK EditProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  switch (message) {
    case WM_NCPAINT: {
      // The default draws the edge and the scroll bar; the edge is then drawn over.
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      PaintEditBorderNow(edit);
      return result;
    }
    case WM_PRINT: PrintEdit(edit, reinterpret_cast<HDC>(wParam), lParam); return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT result = DefSubclassProc(edit, message, wParam, lParam);
      PaintEditBorderNow(edit);
      return result;
    }
    case WM_NCDESTROY: Unsubclass(edit, EditProc, &record); break;
    default: break;
  }
  return DefSubclassProc(edit, message, wParam, lParam);
}

LRESULT CALLBACK ComboProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  LRESULT painted;
  if (AnswerPaintMessage(combo, message, wParam, [combo](HDC dc) { PaintCombo(combo, dc); }, painted)) {
    return painted;
  }
  switch (message) {
    case WM_NCDESTROY: Unsubclass(combo, ComboProc, &record); return DefSubclassProc(combo, message, wParam, lParam);
    default: break;
  }
  const LRESULT result = DefSubclassProc(combo, message, wParam, lParam);
  if (DrawsDirectly(message) && IsWindow(combo)) RepaintNow(combo);
  return result;
}

LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                          DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  LRESULT painted;
  if (AnswerPaintMessage(list, message, wParam, [list](HDC dc) { PaintList(list, dc); }, painted)) {
    return painted;
  }
  switch (message) {
    case WM_NCDESTROY: Unsubclass(list, ListProc, &record); return DefSubclassProc(list, message, wParam, lParam);
    default: break;
  }
  const LRESULT result = DefSubclassProc(list, message, wParam, lParam);
  if (ListDrawsDirectly(message) && IsWindowVisible(list)) RepaintNow(list);
  return result;
}

}  // namespace engine
