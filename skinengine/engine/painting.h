#pragma once
// Drawing primitives shared by the frame, background and control painters.
#include <windows.h>

#include "format/skin.h"

namespace engine {

COLORREF ToColorRef(skin::Rgb colour);
skin::Rgb Lighter(skin::Rgb colour, int percent);
skin::Rgb Darker(skin::Rgb colour, int percent);

void FillSolid(HDC dc, const RECT& area, skin::Rgb colour);

// Fills `area` with `paint` laid out over `extent`: a gradient runs across the whole
// extent, so that separately painted pieces of one surface line up.
void FillPaint(HDC dc, const RECT& area, const skin::Paint& paint, const RECT& extent);

// A one-pixel outline just inside `box`.
void OutlineRect(HDC dc, const RECT& box, skin::Rgb colour);

// A one-pixel outline with a light top-left and a dark bottom-right edge.
void BevelRect(HDC dc, const RECT& box, skin::Rgb topLeft, skin::Rgb bottomRight);

// A face of the given shape filled with `paint`, outlined in `border`. Pixels outside a
// rounded face are left as they were.
void DrawFace(HDC dc, const RECT& box, skin::Shape shape, int radius, const skin::Paint& paint,
              skin::Rgb border);

// Paints what lies under a child: its parent's background, in the child's coordinates.
void DrawParentBackground(HWND child, HDC dc);

// Text in `colour`, transparent background, with the font the window uses.
void DrawWindowText(HDC dc, HWND window, const char* text, int length, RECT box, UINT format,
                    skin::Rgb colour);

// A bitmap the size of a window part, copied to the screen in one piece.
class Offscreen {
 public:
  Offscreen(HDC target, int width, int height);
  ~Offscreen();
  Offscreen(const Offscreen&) = delete;
  Offscreen& operator=(const Offscreen&) = delete;
  HDC dc() const { return dc_; }
  void CopyTo(HDC target, int x, int y) const;

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ oldBitmap_;
  int width_, height_;
};

}  // namespace engine
