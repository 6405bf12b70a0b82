#pragma once
// Under Wine: the engine loaded as the program loads it, the program's real window, and
// ways to see what the engine paints without a screenshot.
#include <windows.h>

#include <string>
#include <vector>

#include "format/skin.h"
#include "load_engine.h"


std::string SkinPath(int number);
skin::Skin LoadSkin(int number);
COLORREF ToRef(skin::Rgb colour);

// Where the window and each of its controls lie, in screen coordinates.
struct Layout {
  RECT outer, client;
  std::vector<RECT> controls;
};
Layout TakeLayout(HWND window);
bool operator==(const Layout& a, const Layout& b);

// The colour at (x, y) after the window erased its client background into a memory DC
// whose origin is moved to `origin` (as the transparent labels do).
COLORREF ErasedPixel(HWND window, int x, int y, POINT origin = {0, 0});
// The colour at (x, y) of a control drawn with WM_PRINTCLIENT into a memory DC.
COLORREF PrintedPixel(HWND control, int x, int y);
// The colour at (x, y) of a window printed whole (WM_PRINT, as the labels ask it).
COLORREF PrintedWindowPixel(HWND window, int x, int y);
// The colour on screen at (x, y) of the window, window coordinates.
COLORREF ScreenPixel(HWND window, int x, int y);

void PumpMessages();
