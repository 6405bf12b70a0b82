#include "engine_fixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>

#include "format/skin_parser.h"

std::string SkinPath(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/skin%02d.she", number);
  return std::string(LEXORIN_SKIN_DIR) + name;
}

skin::Skin LoadSkin(int number) {
  std::ifstream in(SkinPath(number), std::ios::binary);
  const std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  skin::Skin parsed{};
  skin::ParseSkin(bytes.data(), bytes.size(), parsed);
  return parsed;
}

COLORREF ToRef(skin::Rgb colour) { return RGB(colour.r, colour.g, colour.b); }

namespace {

BOOL CALLBACK AddControl(HWND control, LPARAM data) {
  RECT place;
  GetWindowRect(control, &place);
  reinterpret_cast<std::vector<RECT>*>(data)->push_back(place);
  return TRUE;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

template <typename Draw>
COLORREF DrawnPixel(HWND window, int width, int height, int x, int y, Draw draw) {
  HDC screen = GetDC(window);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
  HGDIOBJ old = SelectObject(dc, bitmap);
  RECT all = {0, 0, width, height};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  draw(dc);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  const COLORREF pixel = GetPixel(dc, x, y);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(window, screen);
  return pixel;
}

}  // namespace

Layout TakeLayout(HWND window) {
  Layout layout{};
  GetWindowRect(window, &layout.outer);
  GetClientRect(window, &layout.client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&layout.client), 2);
  EnumChildWindows(window, AddControl, reinterpret_cast<LPARAM>(&layout.controls));
  return layout;
}

bool operator==(const Layout& a, const Layout& b) {
  if (!SameRect(a.outer, b.outer) || !SameRect(a.client, b.client) || a.controls.size() != b.controls.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.controls.size(); ++i) {
    if (!SameRect(a.controls[i], b.controls[i])) return false;
  }
  return true;
}

COLORREF ErasedPixel(HWND window, int x, int y, POINT origin) {
  RECT client;
  GetClientRect(window, &client);
  return DrawnPixel(window, client.right, client.bottom, x, y, [&](HDC dc) {
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
  });
}

COLORREF PrintedPixel(HWND control, int x, int y) {
  RECT client;
  GetClientRect(control, &client);
  return DrawnPixel(control, client.right, client.bottom, x, y, [&](HDC dc) {
    SendMessageA(control, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
  });
}

COLORREF PrintedWindowPixel(HWND window, int x, int y) {
  RECT outer;
  GetWindowRect(window, &outer);
  return DrawnPixel(window, outer.right - outer.left, outer.bottom - outer.top, x, y, [&](HDC dc) {
    SendMessageA(window, WM_PRINT, reinterpret_cast<WPARAM>(dc),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN);
  });
}

COLORREF ScreenPixel(HWND window, int x, int y) {
  HDC dc = GetWindowDC(window);
  const COLORREF pixel = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return pixel;
}

void PumpMessages() {
  for (int round = 0; round < 5; ++round) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(20);
  }
}
