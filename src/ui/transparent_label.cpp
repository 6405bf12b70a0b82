#include "ui/transparent_label.h"

#include <string>

namespace ui {

const char kTransparentLabelClass[] = "LexorinTransparentLabel";

namespace {

constexpr int kFontSlot = 0;  // window extra bytes: the font set with WM_SETFONT

HFONT LabelFont(HWND label) {
  return reinterpret_cast<HFONT>(GetWindowLongPtrA(label, kFontSlot));
}

RECT RectInParent(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

// The label has no background: under its letters lies the parent's background.
void DrawParentBackground(HWND label, HDC dc) {
  const RECT labelRect = RectInParent(label);
  POINT origin;
  SetViewportOrgEx(dc, -labelRect.left, -labelRect.top, &origin);
  SendMessageA(GetParent(label), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

// Where a visible control stacked below the label overlaps it, that control shows through
// and paints those pixels itself; the label leaves them alone.
void ExcludeControlsBelow(HWND label, HDC dc) {
  const RECT labelRect = RectInParent(label);
  for (HWND below = GetWindow(label, GW_HWNDNEXT); below; below = GetWindow(below, GW_HWNDNEXT)) {
    RECT overlap;
    const RECT belowRect = RectInParent(below);
    if (!IsWindowVisible(below) || !IntersectRect(&overlap, &belowRect, &labelRect)) continue;
    ExcludeClipRect(dc, overlap.left - labelRect.left, overlap.top - labelRect.top,
                    overlap.right - labelRect.left, overlap.bottom - labelRect.top);
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
  DrawParentBackground(label, dc);
  DrawCaption(label, dc, bounds);
  ExcludeControlsBelow(label, screen);
  BitBlt(screen, 0, 0, bounds.right, bounds.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, oldBitmap);
  DeleteObject(bitmap);
  DeleteDC(dc);
  EndPaint(label, &paint);
}

LRESULT OnSetText(HWND label, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcA(label, WM_SETTEXT, wParam, lParam);
  RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  return result;
}

void OnSetFont(HWND label, WPARAM font, LPARAM redraw) {
  SetWindowLongPtrA(label, kFontSlot, static_cast<LONG_PTR>(font));
  if (LOWORD(redraw)) InvalidateRect(label, nullptr, FALSE);
}

LRESULT CALLBACK TransparentLabelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(label); return 0;
    case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
    case WM_SETTEXT: return OnSetText(label, wParam, lParam);
    case WM_SETFONT: OnSetFont(label, wParam, lParam); return 0;
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
