// Top-level windows with a title bar: frame, caption and caption boxes painted in the
// non-client messages (the default WM_NCCALCSIZE is kept, so nothing moves), the client
// background, and the colours the window's controls ask for.
#include <algorithm>
#include <string>

#include "engine/painting.h"
#include "format/colour.h"
#include "engine/skin_state.h"
#include "engine/window_record.h"

namespace engine {
namespace {

constexpr int kBoxCount = 3;  // minimise, maximise, close

struct FrameLayout {
  int width = 0, height = 0;
  RECT client = {};  // in window coordinates
  int border = 0;
  RECT caption = {};
  RECT icon = {};             // empty when the window shows none
  RECT boxes[kBoxCount] = {};  // empty when absent
};

bool IsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

int BoxIndex(CaptionBox box) { return static_cast<int>(box) - 1; }

FrameLayout MeasureFrame(HWND window) {
  FrameLayout layout;
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -outer.left, -outer.top);
  layout.width = outer.right - outer.left;
  layout.height = outer.bottom - outer.top;
  layout.client = client;
  layout.border = (std::max)(0, static_cast<int>(client.left));
  layout.caption = {layout.border, layout.border, layout.width - layout.border, client.top};
  const int captionHeight = layout.caption.bottom - layout.caption.top;
  if (captionHeight < 8) return layout;

  const LONG style = GetWindowLongA(window, GWL_STYLE);
  const LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
  if (!(style & WS_SYSMENU)) return layout;
  const int size = captionHeight - 4;
  const int top = layout.caption.top + (captionHeight - size) / 2;
  const int width = size + 2;
  int right = layout.caption.right - 2;
  layout.boxes[BoxIndex(CaptionBox::Close)] = {right - width, top, right, top + size};
  right -= width + 2;
  if (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) {
    layout.boxes[BoxIndex(CaptionBox::Maximise)] = {right - width, top, right, top + size};
    right -= width;
    layout.boxes[BoxIndex(CaptionBox::Minimise)] = {right - width, top, right, top + size};
  }
  if (!(exStyle & (WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW)) && captionHeight >= 18) {
    const int iconTop = layout.caption.top + (captionHeight - 16) / 2;
    layout.icon = {layout.caption.left + 2, iconTop, layout.caption.left + 18, iconTop + 16};
  }
  return layout;
}

bool BoxEnabled(HWND window, CaptionBox box) {
  const LONG style = GetWindowLongA(window, GWL_STYLE);
  switch (box) {
    case CaptionBox::Minimise: return (style & WS_MINIMIZEBOX) != 0;
    case CaptionBox::Maximise: return (style & WS_MAXIMIZEBOX) != 0;
    case CaptionBox::Close: return true;
    case CaptionBox::None: break;
  }
  return false;
}

// The caption box under a point given in window coordinates.
CaptionBox BoxAt(const FrameLayout& layout, POINT point) {
  for (int i = 0; i < kBoxCount; ++i) {
    if (!IsEmpty(layout.boxes[i]) && PtInRect(&layout.boxes[i], point)) return static_cast<CaptionBox>(i + 1);
  }
  return CaptionBox::None;
}

POINT PointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

// The caption box under a point given in screen coordinates.
CaptionBox BoxUnderScreenPoint(HWND window, POINT screen) {
  RECT outer;
  GetWindowRect(window, &outer);
  return BoxAt(MeasureFrame(window), {screen.x - outer.left, screen.y - outer.top});
}

// The caption box under the point of a client-area mouse message.
CaptionBox BoxUnderClientPoint(HWND window, LPARAM lParam) {
  POINT point = PointOf(lParam);
  ClientToScreen(window, &point);
  return BoxUnderScreenPoint(window, point);
}

// What releasing the mouse on a caption box asks of the window.
struct BoxCommand {
  CaptionBox box;
  WPARAM command;
};
constexpr BoxCommand kBoxCommands[] = {
    {CaptionBox::Minimise, SC_MINIMIZE},
    {CaptionBox::Maximise, SC_MAXIMIZE},
    {CaptionBox::Close, SC_CLOSE},
};

WPARAM CommandOf(HWND window, CaptionBox box) {
  for (const BoxCommand& entry : kBoxCommands) {
    if (entry.box != box) continue;
    return entry.command == SC_MAXIMIZE && IsZoomed(window) ? SC_RESTORE : entry.command;
  }
  return 0;
}

HICON WindowIcon(HWND window) {
  const WPARAM kinds[] = {ICON_SMALL, ICON_SMALL2, ICON_BIG};
  for (WPARAM kind : kinds) {
    DWORD_PTR icon = 0;
    if (SendMessageTimeoutA(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 100, &icon) && icon) {
      return reinterpret_cast<HICON>(icon);
    }
  }
  HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  return icon ? icon : LoadIcon(nullptr, IDI_APPLICATION);
}

void DrawBorder(HDC dc, const FrameLayout& layout, const skin::Skin& s) {
  const RECT whole = {0, 0, layout.width, layout.height};
  FillSolid(dc, whole, s.frame);
  RECT inner = whole;
  InflateRect(&inner, -(layout.border - 1), -(layout.border - 1));
  switch (s.frameStyle) {
    case skin::FrameStyle::Flat: OutlineRect(dc, whole, s.frameShadow); break;
    case skin::FrameStyle::Raised: BevelRect(dc, whole, s.frameLight, s.frameShadow); break;
    case skin::FrameStyle::Double:
      OutlineRect(dc, whole, s.frameShadow);
      if (layout.border >= 3) OutlineRect(dc, inner, s.frameLight);
      break;
    case skin::FrameStyle::Inset:
      BevelRect(dc, whole, s.frameShadow, s.frameLight);
      if (layout.border >= 3) BevelRect(dc, inner, s.frameLight, s.frameShadow);
      break;
  }
}

void DrawGlyph(HDC dc, const RECT& box, CaptionBox which, skin::Rgb colour) {
  const int side = (std::max)(4, static_cast<int>((std::min)(box.right - box.left, box.bottom - box.top)) - 8);
  const int x = box.left + (box.right - box.left - side) / 2;
  const int y = box.top + (box.bottom - box.top - side) / 2;
  switch (which) {
    case CaptionBox::Minimise: FillSolid(dc, {x, y + side - 2, x + side, y + side}, colour); break;
    case CaptionBox::Maximise:
      OutlineRect(dc, {x, y, x + side, y + side}, colour);
      FillSolid(dc, {x, y + 1, x + side, y + 2}, colour);
      break;
    case CaptionBox::Close:
      for (int i = 0; i < side; ++i) {
        FillSolid(dc, {x + i, y + i, x + (std::min)(i + 2, side), y + i + 1}, colour);
        FillSolid(dc, {x + (std::max)(side - 2 - i, 0), y + i, x + side - i, y + i + 1}, colour);
      }
      break;
    case CaptionBox::None: break;
  }
}

void DrawCaptionBox(HDC dc, const RECT& box, CaptionBox which, bool enabled, bool hot, bool pressed,
                    const skin::Skin& s) {
  skin::Rgb face = pressed ? s.captionButtonPressed : hot ? s.captionButtonHover : s.captionButtonFace;
  skin::Rgb glyph = s.captionButtonGlyph;
  if (which == CaptionBox::Close && (hot || pressed)) {
    face = pressed ? Darker(s.closeButtonHover, 20) : s.closeButtonHover;
    glyph = {255, 255, 255};
  }
  if (!enabled) {
    face = s.captionButtonFace;
    glyph = skin::Mix(face, glyph, 2, 5);
  }
  const skin::Rgb border = s.captionButtonShape == skin::Shape::Outline ? glyph : Darker(face, 25);
  DrawFace(dc, box, s.captionButtonShape, 3, {skin::Fill::Solid, face, face}, border);
  RECT glyphBox = box;
  if (pressed) OffsetRect(&glyphBox, 1, 1);
  DrawGlyph(dc, glyphBox, which, glyph);
}

void DrawCaption(HDC dc, HWND window, const FrameLayout& layout, const WindowRecord& record,
                 const skin::Skin& s) {
  FillPaint(dc, layout.caption, record.active ? s.caption : s.inactiveCaption, layout.caption);

  RECT text = layout.caption;
  text.left += 4;
  if (!IsEmpty(layout.icon)) {
    DrawIconEx(dc, layout.icon.left, layout.icon.top, WindowIcon(window), 16, 16, 0, nullptr, DI_NORMAL);
    text.left = layout.icon.right + 4;
  }
  for (int i = 0; i < kBoxCount; ++i) {
    const RECT& box = layout.boxes[i];
    if (IsEmpty(box)) continue;
    text.right = (std::min)(text.right, box.left - 4);
    const CaptionBox which = static_cast<CaptionBox>(i + 1);
    const bool pressed = record.pressedBox == which && record.pressedInside;
    const bool hot = record.pressedBox == CaptionBox::None && record.hotBox == which;
    DrawCaptionBox(dc, box, which, BoxEnabled(window, which), hot, pressed, s);
  }

  const int length = GetWindowTextLengthA(window);
  if (length <= 0 || text.right <= text.left) return;
  std::string caption(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, &caption[0], length + 1);
  HGDIOBJ oldFont = SelectObject(dc, CaptionFont());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(record.active ? s.captionText : s.inactiveCaptionText));
  const UINT align = s.captionAlign == skin::CaptionAlign::Centre ? DT_CENTER : DT_LEFT;
  DrawTextA(dc, caption.c_str(), copied, &text, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
}

void PaintFrame(HWND window, const WindowRecord& record) {
  const FrameLayout layout = MeasureFrame(window);
  if (layout.width <= 0 || layout.height <= 0) return;
  HDC windowDc = GetWindowDC(window);
  if (!windowDc) return;
  {
    Offscreen offscreen(windowDc, layout.width, layout.height);
    const skin::Skin& s = ActiveSkin();
    DrawBorder(offscreen.dc(), layout, s);
    if (!IsEmpty(layout.caption)) DrawCaption(offscreen.dc(), window, layout, record, s);
    ExcludeClipRect(windowDc, layout.client.left, layout.client.top, layout.client.right, layout.client.bottom);
    offscreen.CopyTo(windowDc, 0, 0);
  }
  ReleaseDC(window, windowDc);
}

LRESULT OnControlColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const skin::Skin& s = ActiveSkin();
  HDC dc = reinterpret_cast<HDC>(wParam);
  char className[16] = "";
  GetClassNameA(reinterpret_cast<HWND>(lParam), className, sizeof className);
  const bool isEdit = lstrcmpiA(className, "Edit") == 0;
  if (message == WM_CTLCOLOREDIT || (message == WM_CTLCOLORSTATIC && isEdit)) {
    SetTextColor(dc, ToColorRef(s.editText));
    SetBkColor(dc, ToColorRef(s.editBackground));
    return reinterpret_cast<LRESULT>(EditBrush());
  }
  if (message == WM_CTLCOLORLISTBOX) {
    SetTextColor(dc, ToColorRef(s.listText));
    SetBkColor(dc, ToColorRef(s.listBackground));
    return reinterpret_cast<LRESULT>(ListBrush());
  }
  if (message == WM_CTLCOLORSTATIC || message == WM_CTLCOLORBTN) {
    // Static texts (message boxes) lie on the skinned background: black, see-through.
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (message == WM_CTLCOLORDLG) return reinterpret_cast<LRESULT>(ClientBrush());
  return DefSubclassProc(window, message, wParam, lParam);
}

void TrackNonClientLeave(HWND window) {
  TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
  TrackMouseEvent(&track);
}

void SetHotBox(HWND window, WindowRecord& record, CaptionBox box) {
  if (record.hotBox == box) return;
  record.hotBox = box;
  PaintFrame(window, record);
}

// A press on a caption box: tracked here with the mouse captured, so the default
// pressed-box loop (which draws the system's boxes) never runs.
void BeginPress(HWND window, WindowRecord& record, CaptionBox box) {
  record.pressedBox = box;
  record.pressedInside = true;
  SetCapture(window);
  PaintFrame(window, record);
}

LRESULT EndPress(HWND window, WindowRecord& record, LPARAM lParam) {
  const CaptionBox box = record.pressedBox;
  const bool inside = record.pressedInside;
  record.pressedBox = CaptionBox::None;
  record.pressedInside = false;
  ReleaseCapture();
  record.hotBox = BoxUnderClientPoint(window, lParam);
  PaintFrame(window, record);
  const WPARAM command = inside ? CommandOf(window, box) : 0;
  // The window may be gone after the command: nothing of it is touched afterwards.
  if (command) SendMessageA(window, WM_SYSCOMMAND, command, 0);
  return 0;
}

}  // namespace

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                           DWORD_PTR data) {
  WindowRecord& record = *reinterpret_cast<WindowRecord*>(data);
  if (message == WM_NCACTIVATE) record.active = wParam != 0;
  if (IsIconic(window) && message != WM_NCDESTROY) return DefSubclassProc(window, message, wParam, lParam);
  switch (message) {
    case WM_NCPAINT: PaintFrame(window, record); return 0;
    case WM_NCACTIVATE: {
      // lParam -1: the default handler updates the activation state without painting.
      const LRESULT result = DefSubclassProc(window, message, wParam, -1);
      PaintFrame(window, record);
      return result;
    }
    case WM_SETTEXT:
    case WM_SETICON: {
      // The default handler paints the system's caption straight away, only on a visible
      // window: hidden for that moment, the title bar shows ours alone.
      const bool visible = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
      if (visible) SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) & ~WS_VISIBLE);
      const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      if (visible) SetWindowLongA(window, GWL_STYLE, GetWindowLongA(window, GWL_STYLE) | WS_VISIBLE);
      PaintFrame(window, record);
      return result;
    }
    case WM_NCHITTEST: {
      const LRESULT hit = DefSubclassProc(window, message, wParam, lParam);
      if (hit != HTCAPTION && hit != HTMINBUTTON && hit != HTMAXBUTTON && hit != HTCLOSE && hit != HTSYSMENU) return hit;
      switch (BoxUnderScreenPoint(window, PointOf(lParam))) {
        case CaptionBox::Minimise: return HTMINBUTTON;
        case CaptionBox::Maximise: return HTMAXBUTTON;
        case CaptionBox::Close: return HTCLOSE;
        case CaptionBox::None: break;
      }
      return hit == HTSYSMENU ? HTSYSMENU : HTCAPTION;
    }
    case WM_NCMOUSEMOVE: {
      SetHotBox(window, record, BoxUnderScreenPoint(window, PointOf(lParam)));
      TrackNonClientLeave(window);
      break;
    }
    case WM_NCMOUSELEAVE: SetHotBox(window, record, CaptionBox::None); break;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTMINBUTTON || wParam == HTMAXBUTTON || wParam == HTCLOSE) {
        // A disabled box takes the click and does nothing.
        const CaptionBox box = BoxUnderScreenPoint(window, PointOf(lParam));
        if (box != CaptionBox::None && BoxEnabled(window, box)) BeginPress(window, record, box);
        return 0;
      }
      break;
    case WM_MOUSEMOVE:
      if (record.pressedBox != CaptionBox::None) {
        const bool inside = BoxUnderClientPoint(window, lParam) == record.pressedBox;
        if (inside != record.pressedInside) {
          record.pressedInside = inside;
          PaintFrame(window, record);
        }
        return 0;
      }
      break;
    case WM_LBUTTONUP:
      if (record.pressedBox != CaptionBox::None) return EndPress(window, record, lParam);
      break;
    case WM_CAPTURECHANGED:
      if (record.pressedBox != CaptionBox::None && reinterpret_cast<HWND>(lParam) != window) {
        record.pressedBox = CaptionBox::None;
        PaintFrame(window, record);
      }
      break;
    case WM_ERASEBKGND: {
      // Paints the whole client rectangle in the DC's logical coordinates: the labels
      // hand in a memory DC whose origin is moved so that this lands under them.
      RECT client;
      GetClientRect(window, &client);
      FillPaint(reinterpret_cast<HDC>(wParam), client, ActiveSkin().client, client);
      return 1;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG: return OnControlColour(window, message, wParam, lParam);
    case WM_NCDESTROY: Unsubclass(window, FrameProc, &record); break;
    default: break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace engine
