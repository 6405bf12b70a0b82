#include "ui/transparent_label.h"

#include <string>

namespace ui {

const char kTransparentLabelClass[] = "LexorinTransparentLabel";

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set with WM_SETFONT

HFONT LabelFont(HWND label) {
  return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
}

// The label has no background: what lies under it is the parent's background and the
// siblings stacked below it, drawn here in that order before the caption goes on top.
void DrawSurroundings(HWND label, HDC dc) {
  HWND parent = GetParent(label);
  RECT labelRect;
  GetWindowRect(label, &labelRect);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&labelRect), 2);

  POINT origin;
  SetViewportOrgEx(dc, -labelRect.left, -labelRect.top, &origin);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);

  for (HWND below = GetWindow(label, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
    if (!IsWindowVisible(below)) continue;
    RECT belowRect, overlap;
    GetWindowRect(below, &belowRect);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&belowRect), 2);
    if (!IntersectRect(&overlap, &belowRect, &labelRect)) continue;
    // Only the overlap: a control may paint past its own edges when printed.
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, overlap.left - labelRect.left, overlap.top - labelRect.top,
                      overlap.right - labelRect.left, overlap.bottom - labelRect.top);
    SetViewportOrgEx(dc, belowRect.left - labelRect.left, belowRect.top - labelRect.top, nullptr);
    SendMessageA(below, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
    RestoreDC(dc, saved);
  }
}

void DrawCaption(HWND label, HDC dc, RECT bounds) {
  const int length = GetWindowTextLengthA(label);
  if (length <= 0) return;
  std::string caption(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(label, &caption[0], length + 1);
  HGDIOBJ oldFont = SelectObject(dc, LabelFont(label) ? LabelFont(label) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  DrawTextA(dc, caption.c_str(), copied, &bounds, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void OnPaint(HWND label) {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(label, &paint);
  RECT bounds;
  GetClientRect(label, &bounds);
  // Composed off screen, so a caption change never shows the old letters or a flash.
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, bounds.right, bounds.bottom);
  HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
  DrawSurroundings(label, dc);
  DrawCaption(label, dc, bounds);
  BitBlt(screen, 0, 0, bounds.right, bounds.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(label, &paint);
}

LRESULT CALLBACK TransparentLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(label); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcA(label, message, wParam, lParam);
      RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return result;
    }
    case WM_SETFONT:
      SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(wParam));
      if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
      return 0;
    case WM_GETFONT: return static_cast<LRESULT>(GetWindowLongPtrA(label, kFontSlot));
    default: return DefWindowProcA(label, message, wParam, lParam);
  }
}

}  // namespace

bool RegisterTransparentLabelClass(HINSTANCE instance) {
  WNDCLASSEXA labelClass = {};
  labelClass.cbSize = sizeof labelClass;
  labelClass.lpfnWndProc = TransparentLabelProc;
  labelClass.cbWndExtra = sizeof(LONG_PTR);
  labelClass.hInstance = instance;
  labelClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  labelClass.lpszClassName = kTransparentLabelClass;
  return RegisterClassExA(&labelClass) != 0;
}

}  // namespace ui
