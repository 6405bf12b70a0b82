#include "engine/painting.h"

#include <algorithm>

#include "format/colour.h"

namespace engine {

COLORREF ToColorRef(skin::Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

skin::Rgb Lighter(skin::Rgb colour, int percent) { return skin::Mix(colour, {255, 255, 255}, percent, 100); }

skin::Rgb Darker(skin::Rgb colour, int percent) { return skin::Mix(colour, {0, 0, 0}, percent, 100); }

void FillSolid(HDC dc, const RECT& area, skin::Rgb colour) {
  const COLORREF old = SetBkColor(dc, ToColorRef(colour));
  ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

void FillPaint(HDC dc, const RECT& area, const skin::Paint& paint, const RECT& extent) {
  RECT clipped;
  if (!IntersectRect(&clipped, &area, &extent)) return;
  const int width = extent.right - extent.left, height = extent.bottom - extent.top;
  switch (paint.fill) {
    case skin::Fill::Solid: FillSolid(dc, clipped, paint.first); return;
    case skin::Fill::Stripes:
    case skin::Fill::VerticalGradient:
      for (int y = clipped.top; y < clipped.bottom; ++y) {
        const RECT row = {clipped.left, y, clipped.right, y + 1};
        FillSolid(dc, row, skin::ColourAt(paint, 0, y - extent.top, width, height));
      }
      return;
    case skin::Fill::HorizontalGradient:
      for (int x = clipped.left; x < clipped.right; ++x) {
        const RECT column = {x, clipped.top, x + 1, clipped.bottom};
        FillSolid(dc, column, skin::ColourAt(paint, x - extent.left, 0, width, height));
      }
      return;
  }
}

void OutlineRect(HDC dc, const RECT& box, skin::Rgb colour) {
  BevelRect(dc, box, colour, colour);
}

void BevelRect(HDC dc, const RECT& box, skin::Rgb topLeft, skin::Rgb bottomRight) {
  if (box.right - box.left < 1 || box.bottom - box.top < 1) return;
  FillSolid(dc, {box.left, box.top, box.right, box.top + 1}, topLeft);
  FillSolid(dc, {box.left, box.top, box.left + 1, box.bottom}, topLeft);
  FillSolid(dc, {box.left, box.bottom - 1, box.right, box.bottom}, bottomRight);
  FillSolid(dc, {box.right - 1, box.top, box.right, box.bottom}, bottomRight);
}

void DrawFace(HDC dc, const RECT& box, skin::Shape shape, int radius, const skin::Paint& paint,
              skin::Rgb border) {
  switch (shape) {
    case skin::Shape::Rounded: {
      const int diameter = 2 * (std::max)(radius, 1);
      HRGN region = CreateRoundRectRgn(box.left, box.top, box.right + 1, box.bottom + 1, diameter, diameter);
      if (!region) break;
      HRGN clip = CreateRectRgn(0, 0, 0, 0);
      if (!clip || CombineRgn(clip, region, nullptr, RGN_COPY) == ERROR) {
        if (clip) DeleteObject(clip);
        DeleteObject(region);
        break;
      }
      // The region is made in logical units, as FrameRgn takes it; a clip region is in
      // device units, so the clip is a copy moved to where the DC's origin puts the face.
      POINT origin = {0, 0};
      LPtoDP(dc, &origin, 1);
      OffsetRgn(clip, origin.x, origin.y);
      const int saved = SaveDC(dc);
      ExtSelectClipRgn(dc, clip, RGN_AND);
      FillPaint(dc, box, paint, box);
      RestoreDC(dc, saved);
      DeleteObject(clip);
      HBRUSH brush = CreateSolidBrush(ToColorRef(border));
      if (brush) {
        FrameRgn(dc, region, brush, 1, 1);
        DeleteObject(brush);
      }
      DeleteObject(region);
      return;
    }
    case skin::Shape::Beveled: {
      FillPaint(dc, box, paint, box);
      OutlineRect(dc, box, border);
      RECT inner = box;
      InflateRect(&inner, -1, -1);
      BevelRect(dc, inner, Lighter(paint.first, 45), Darker(paint.second, 25));
      return;
    }
    case skin::Shape::Outline: {
      FillPaint(dc, box, paint, box);
      RECT ring = box;
      OutlineRect(dc, ring, border);
      InflateRect(&ring, -1, -1);
      OutlineRect(dc, ring, border);
      return;
    }
    case skin::Shape::Square: break;
  }
  FillPaint(dc, box, paint, box);
  OutlineRect(dc, box, border);
}

void DrawParentBackground(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (!parent) return;
  RECT place;
  GetWindowRect(child, &place);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&place), 2);
  POINT origin;
  SetViewportOrgEx(dc, -place.left, -place.top, &origin);
  SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void DrawWindowText(HDC dc, HWND window, const char* text, int length, RECT box, UINT format,
                    skin::Rgb colour) {
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(colour));
  DrawTextA(dc, text, length, &box, format);
  SelectObject(dc, oldFont);
}

Offscreen::Offscreen(HDC target, int width, int height)
    : dc_(CreateCompatibleDC(target)),
      bitmap_(CreateCompatibleBitmap(target, (std::max)(width, 1), (std::max)(height, 1))),
      oldBitmap_(nullptr),
      width_(width),
      height_(height) {
  if (dc_ && bitmap_) oldBitmap_ = SelectObject(dc_, bitmap_);
}

Offscreen::~Offscreen() {
  if (oldBitmap_) SelectObject(dc_, oldBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
}

void Offscreen::CopyTo(HDC target, int x, int y) const {
  if (oldBitmap_) BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}

}  // namespace engine
