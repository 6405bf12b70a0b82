// Under Wine: the drawing primitives on a DC whose origin is moved, as when a control is
// printed into its parent's bitmap. A face lands where the logical coordinates put it.
#include <gtest/gtest.h>

#include <windows.h>

#include "engine/painting.h"

namespace {

constexpr COLORREF kUntouched = RGB(0, 0, 0);
constexpr COLORREF kFace = RGB(200, 40, 40);
constexpr COLORREF kBorder = RGB(40, 40, 200);

// A 20x16 rounded face at logical (0, 0), drawn with the DC's origin at `origin`; the
// pixel at (x, y) of the face, read back in device units.
COLORREF RoundedFacePixel(POINT origin, int x, int y) {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, 64, 48);
  HGDIOBJ old = SelectObject(dc, bitmap);
  const RECT all = {0, 0, 64, 48};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  const skin::Paint red = {skin::Fill::Solid, {200, 40, 40}, {200, 40, 40}};
  engine::DrawFace(dc, {0, 0, 20, 16}, skin::Shape::Rounded, 4, red, {40, 40, 200});
  SetViewportOrgEx(dc, 0, 0, nullptr);
  const COLORREF pixel = GetPixel(dc, origin.x + x, origin.y + y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixel;
}

TEST(Painting, RoundedFaceFollowsTheDcOrigin) {
  const POINT origins[] = {{0, 0}, {17, 9}};
  const struct {
    int x, y;
    COLORREF expected;
    const char* what;
  } pixels[] = {
      {10, 8, kFace, "middle"},
      {17, 12, kFace, "inside the right part"},
      {0, 8, kBorder, "left edge"},
      {19, 8, kBorder, "right edge"},
      {10, 15, kBorder, "bottom edge"},
      {0, 0, kUntouched, "outside the rounded corner"},
      {19, 15, kUntouched, "outside the bottom right corner"},
      {22, 8, kUntouched, "right of the face"},
  };
  for (const POINT& origin : origins) {
    for (const auto& p : pixels) {
      EXPECT_EQ(RoundedFacePixel(origin, p.x, p.y), p.expected)
          << p.what << ", origin " << origin.x << "," << origin.y;
    }
  }
}

}  // namespace
