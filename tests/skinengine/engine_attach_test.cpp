// Under Wine: the engine restyles the program's real window with each of the 55 skins
// without moving anything, follows the mouse on the caption boxes, and restyles message
// boxes and windows made after the call.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "format/colour.h"
#include "ui/controls.h"
#include "ui/main_window.h"

namespace {

class EngineAttach : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    attach = LoadEngineBesideExecutable();
    window = ui::CreateMainWindow();
    if (window) ShowWindow(window, SW_SHOWNORMAL);
    PumpMessages();
  }
  void SetUp() override {
    ASSERT_NE(attach, nullptr) << "hrttp.dll or its export SkinH_AttachEx not found";
    ASSERT_NE(window, nullptr);
  }

  static AttachFunction attach;
  static HWND window;
};

AttachFunction EngineAttach::attach = nullptr;
HWND EngineAttach::window = nullptr;

// The face colour of a push button just inside its left edge, half-way down.
COLORREF ButtonFacePixel(HWND button) {
  RECT box;
  GetClientRect(button, &box);
  return PrintedPixel(button, 2, box.bottom / 2);
}

COLORREF ExpectedButtonFace(HWND button, const skin::Skin& s) {
  RECT box;
  GetClientRect(button, &box);
  return ToRef(skin::ColourAt(s.button, 2, box.bottom / 2, box.right, box.bottom));
}

struct EditColours {
  COLORREF text, background;
};

EditColours AnsweredEditColours(HWND window, HWND edit) {
  HDC dc = GetDC(edit);
  SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(edit));
  const EditColours colours = {GetTextColor(dc), GetBkColor(dc)};
  ReleaseDC(edit, dc);
  return colours;
}

TEST_F(EngineAttach, EverySkinAttachesAndRestylesWithoutMovingTheLayout) {
  HWND button = ui::ControlWindow(ui::ControlName::清空原文);
  HWND edit = ui::ControlWindow(ui::ControlName::编辑框2);
  ASSERT_NE(button, nullptr);
  const Layout before = TakeLayout(window);
  const POINT statusLine = {8, 160};  // where the status label asks for its surroundings

  for (int number = 1; number <= 55; ++number) {
    SCOPED_TRACE("skin " + std::to_string(number));
    ASSERT_NE(attach(SkinPath(number).c_str(), ""), 0);
    PumpMessages();
    const skin::Skin s = LoadSkin(number);
    EXPECT_TRUE(TakeLayout(window) == before) << "the window or a control moved";

    RECT client;
    GetClientRect(window, &client);
    EXPECT_EQ(ErasedPixel(window, 0, 0), ToRef(s.client.first));
    EXPECT_EQ(ErasedPixel(window, 0, 0, {-statusLine.x, -statusLine.y}),
              ToRef(skin::ColourAt(s.client, statusLine.x, statusLine.y, client.right, client.bottom)));
    EXPECT_EQ(ButtonFacePixel(button), ExpectedButtonFace(button, s));
    const EditColours colours = AnsweredEditColours(window, edit);
    EXPECT_EQ(colours.text, ToRef(s.editText));
    EXPECT_EQ(colours.background, ToRef(s.editBackground));
  }
  EXPECT_TRUE(TakeLayout(window) == before);
  RECT outer;
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 430);
  EXPECT_EQ(outer.bottom - outer.top, 337);
}

TEST_F(EngineAttach, ButtonsAndTextBoxesShowTheirStates) {
  ASSERT_NE(attach(SkinPath(5).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(5);
  HWND button = ui::ControlWindow(ui::ControlName::清空原文);
  HWND source = ui::ControlWindow(ui::ControlName::编辑框1);
  HWND result = ui::ControlWindow(ui::ControlName::编辑框2);
  RECT box;
  GetClientRect(button, &box);
  const auto face = [&](const skin::Paint& paint) {
    return ToRef(skin::ColourAt(paint, 2, box.bottom / 2, box.right, box.bottom));
  };

  SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(PrintedPixel(button, 2, box.bottom / 2), face(s.buttonHover));
  SendMessageA(button, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(PrintedPixel(button, 2, box.bottom / 2), face(s.button));
  SendMessageA(button, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(PrintedPixel(button, 2, box.bottom / 2), face(s.buttonPressed));
  SendMessageA(button, BM_SETSTATE, FALSE, 0);
  EXPECT_EQ(PrintedPixel(button, 2, box.bottom / 2), face(s.button));

  SetForegroundWindow(window);
  SetFocus(result);
  PumpMessages();
  RECT edge;
  GetWindowRect(result, &edge);
  const int middle = (edge.bottom - edge.top) / 2;
  EXPECT_EQ(ScreenPixel(result, 0, middle), ToRef(s.editFocusBorder));
  EXPECT_EQ(ScreenPixel(source, 0, middle), ToRef(s.editBorder));
  SetFocus(source);
  PumpMessages();
  EXPECT_EQ(ScreenPixel(result, 0, middle), ToRef(s.editBorder));

  // The status line lies over the result box's top row and prints the box to show it.
  EXPECT_EQ(PrintedWindowPixel(result, middle, 0), ToRef(s.editBorder));
  EXPECT_EQ(PrintedWindowPixel(result, middle, 1), ToRef(s.editBackground));
}

TEST_F(EngineAttach, OpenedListShowsTheCurrentEntryInTitleBarColours) {
  ASSERT_NE(attach(SkinPath(12).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(12);
  HWND combo = ui::ControlWindow(ui::ControlName::组合框1);
  COMBOBOXINFO info = {};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo, &info));
  HWND list = info.hwndList;
  SendMessageA(list, LB_SETCURSEL, 1, 0);
  RECT first, second;
  SendMessageA(list, LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
  SendMessageA(list, LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second));
  EXPECT_EQ(PrintedPixel(list, first.right - 2, first.top + 1), ToRef(s.listBackground));
  EXPECT_EQ(PrintedPixel(list, second.right - 2, second.top + 1), ToRef(s.caption.first));
  SendMessageA(list, LB_SETCURSEL, SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);
}

// Finds the close and minimise boxes through the window's own hit testing.
RECT BoxByHitTest(HWND window, LRESULT which) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const int y = (outer.top + client.top) / 2;
  RECT box = {0, 0, 0, 0};
  for (int x = outer.right - 1; x > outer.left; --x) {
    const LRESULT hit = SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(x, y));
    if (hit == which && box.right == 0) box = {x - outer.left + 1, y - outer.top, x - outer.left + 1, y - outer.top + 1};
    if (hit == which) box.left = x - outer.left;
    if (hit != which && box.right != 0) break;
  }
  return box;
}

TEST_F(EngineAttach, CaptionBoxesFollowTheMouse) {
  ASSERT_NE(attach(SkinPath(1).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(1);
  SetForegroundWindow(window);
  PumpMessages();
  RECT outer;
  GetWindowRect(window, &outer);

  const RECT close = BoxByHitTest(window, HTCLOSE);
  ASSERT_GT(close.right - close.left, 4) << "no close box found";
  const POINT probe = {close.left + 2, close.top};
  const LPARAM atClose = MAKELPARAM(outer.left + probe.x, outer.top + probe.y);

  EXPECT_EQ(ScreenPixel(window, probe.x, probe.y), ToRef(s.captionButtonFace));
  SendMessageA(window, WM_NCMOUSEMOVE, HTCLOSE, atClose);
  EXPECT_EQ(ScreenPixel(window, probe.x, probe.y), ToRef(s.closeButtonHover));
  SendMessageA(window, WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(ScreenPixel(window, probe.x, probe.y), ToRef(s.captionButtonFace));

  // Pressed, then released away from the box: the window stays.
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCLOSE, atClose);
  EXPECT_EQ(GetCapture(), window);
  EXPECT_NE(ScreenPixel(window, probe.x, probe.y), ToRef(s.captionButtonFace));
  SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
  EXPECT_EQ(ScreenPixel(window, probe.x, probe.y), ToRef(s.captionButtonFace));
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
  PumpMessages();
  EXPECT_TRUE(IsWindow(window));
  EXPECT_NE(GetCapture(), window);

  // The minimise box minimises when released on it; the maximise box, disabled on this
  // window, does nothing.
  const RECT minimise = BoxByHitTest(window, HTMINBUTTON);
  ASSERT_GT(minimise.right - minimise.left, 4) << "no minimise box found";
  const RECT maximise = BoxByHitTest(window, HTMAXBUTTON);
  if (maximise.right > maximise.left) {
    SendMessageA(window, WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(outer.left + maximise.left + 2, outer.top + maximise.top));
    EXPECT_NE(GetCapture(), window);
    EXPECT_FALSE(IsZoomed(window));
  }
  SendMessageA(window, WM_NCLBUTTONDOWN, HTMINBUTTON,
               MAKELPARAM(outer.left + minimise.left + 2, outer.top + minimise.top));
  POINT inside = {outer.left + minimise.left + 2, outer.top + minimise.top};
  ScreenToClient(window, &inside);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
  PumpMessages();
  EXPECT_TRUE(IsIconic(window));
  ShowWindow(window, SW_RESTORE);
  PumpMessages();
  EXPECT_FALSE(IsIconic(window));
}

// A window of the test's own class with every caption box; its procedure notes the title
// bar's colour right after the default handler set a new title or icon.
struct ProbeSeen {
  POINT captionPoint = {0, 0};  // window coordinates
  std::vector<COLORREF> afterDefault;
};
ProbeSeen probeSeen;

LRESULT CALLBACK ProbeFrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_SETTEXT || message == WM_SETICON) {
    probeSeen.afterDefault.push_back(ScreenPixel(window, probeSeen.captionPoint.x, probeSeen.captionPoint.y));
  }
  return result;
}

HWND CreateProbeFrame() {
  WNDCLASSA probeClass = {};
  probeClass.lpfnWndProc = ProbeFrameProc;
  probeClass.hInstance = GetModuleHandleA(nullptr);
  probeClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  probeClass.lpszClassName = "SkinProbeFrame";
  RegisterClassA(&probeClass);
  HWND probe = CreateWindowExA(0, "SkinProbeFrame", ".", WS_OVERLAPPEDWINDOW, 60, 60, 360, 200, nullptr, nullptr,
                               probeClass.hInstance, nullptr);
  if (probe) ShowWindow(probe, SW_SHOWNORMAL);
  PumpMessages();
  return probe;
}

// Presses a caption box and releases the mouse on it.
void ClickCaptionBox(HWND window, LRESULT which) {
  RECT outer;
  GetWindowRect(window, &outer);
  const RECT box = BoxByHitTest(window, which);
  POINT screen = {outer.left + (box.left + box.right) / 2, outer.top + box.top};
  SendMessageA(window, WM_NCLBUTTONDOWN, static_cast<WPARAM>(which), MAKELPARAM(screen.x, screen.y));
  ScreenToClient(window, &screen);
  SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(screen.x, screen.y));
  PumpMessages();
}

TEST_F(EngineAttach, EveryEnabledCaptionBoxDoesItsCommand) {
  ASSERT_NE(attach(SkinPath(3).c_str(), ""), 0);
  HWND probe = CreateProbeFrame();
  ASSERT_NE(probe, nullptr);
  ASSERT_NE(GetPropA(probe, "LexorinSkinRecord"), nullptr);
  enum class State { Normal, Zoomed, Gone };
  const struct {
    LRESULT box;
    State after;
  } steps[] = {
      {HTMAXBUTTON, State::Zoomed},
      {HTMAXBUTTON, State::Normal},  // the same box restores a maximised window
      {HTCLOSE, State::Gone},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE("box " + std::to_string(step.box));
    ASSERT_TRUE(IsWindow(probe));
    const RECT box = BoxByHitTest(probe, step.box);
    ASSERT_GT(box.right - box.left, 4) << "box not found";
    ClickCaptionBox(probe, step.box);
    EXPECT_EQ(IsWindow(probe) == FALSE, step.after == State::Gone);
    if (step.after != State::Gone) {
      EXPECT_EQ(IsZoomed(probe) != FALSE, step.after == State::Zoomed);
    }
    EXPECT_NE(GetCapture(), probe);
  }
  if (IsWindow(probe)) DestroyWindow(probe);
}

// A point on the title bar, fromRight pixels left of its right end and halfway down, in
// window coordinates, with the colours the skin's active and inactive captions have there.
struct CaptionPoint {
  POINT at;
  COLORREF active, inactive;
};

CaptionPoint CaptionPointOf(HWND window, const skin::Skin& s, int fromRight) {
  RECT outer, client;
  GetWindowRect(window, &outer);
  GetClientRect(window, &client);
  MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  const int border = client.left - outer.left;
  const int captionHeight = client.top - outer.top - border;
  const int captionWidth = (outer.right - outer.left) - 2 * border;
  const int x = captionWidth - fromRight, y = captionHeight / 2;
  return {{border + x, border + y},
          ToRef(skin::ColourAt(s.caption, x, y, captionWidth, captionHeight)),
          ToRef(skin::ColourAt(s.inactiveCaption, x, y, captionWidth, captionHeight))};
}

// A new title or icon: the default handler's own caption never shows, not even for the
// moment before the engine paints its own.
TEST_F(EngineAttach, NewTitleOrIconKeepsTheSkinnedCaption) {
  ASSERT_NE(attach(SkinPath(5).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(5);
  HWND probe = CreateProbeFrame();
  ASSERT_NE(probe, nullptr);
  // Right of the title, left of the boxes.
  const CaptionPoint caption = CaptionPointOf(probe, s, 100);
  probeSeen = ProbeSeen();
  probeSeen.captionPoint = caption.at;
  const COLORREF active = caption.active, inactive = caption.inactive;

  SetWindowTextA(probe, ",");
  SendMessageA(probe, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadIcon(nullptr, IDI_INFORMATION)));
  ASSERT_EQ(probeSeen.afterDefault.size(), 2u);
  for (COLORREF seen : probeSeen.afterDefault) {
    EXPECT_TRUE(seen == active || seen == inactive) << std::hex << seen << " " << active << " " << inactive;
  }
  const COLORREF now = ScreenPixel(probe, probeSeen.captionPoint.x, probeSeen.captionPoint.y);
  EXPECT_TRUE(now == active || now == inactive) << std::hex << now;
  EXPECT_TRUE(IsWindowVisible(probe));
  DestroyWindow(probe);
}

TEST_F(EngineAttach, CaptionIsPaintedInTheSkin) {
  ASSERT_NE(attach(SkinPath(5).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(5);
  PumpMessages();
  // Right of any caption text, left of the boxes.
  const CaptionPoint caption = CaptionPointOf(window, s, 90);
  const COLORREF seen = ScreenPixel(window, caption.at.x, caption.at.y);
  EXPECT_TRUE(seen == caption.active || seen == caption.inactive)
      << std::hex << seen << " " << caption.active << " " << caption.inactive;

  // The title bar follows activation.
  SendMessageA(window, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(ScreenPixel(window, caption.at.x, caption.at.y), caption.inactive);
  SendMessageA(window, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(ScreenPixel(window, caption.at.x, caption.at.y), caption.active);
}

struct MessageBoxSeen {
  bool found = false;
  COLORREF background = 0, buttonFace = 0, expectedButtonFace = 0;
  COLORREF staticText = 0xFFFFFF;
};
MessageBoxSeen messageBoxSeen;

BOOL CALLBACK FindMessageBox(HWND candidate, LPARAM data) {
  char className[16] = "";
  GetClassNameA(candidate, className, sizeof className);
  if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(candidate)) return TRUE;
  *reinterpret_cast<HWND*>(data) = candidate;
  return FALSE;
}

void CALLBACK InspectMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND box = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindMessageBox, reinterpret_cast<LPARAM>(&box));
  if (!box) return;
  KillTimer(nullptr, timer);
  const skin::Skin s = LoadSkin(9);
  messageBoxSeen.found = true;
  messageBoxSeen.background = ErasedPixel(box, 0, 0);
  HWND ok = FindWindowExA(box, nullptr, "Button", nullptr);
  if (ok) {
    messageBoxSeen.buttonFace = PrintedPixel(ok, 2, 10);
    RECT face;
    GetClientRect(ok, &face);
    messageBoxSeen.expectedButtonFace = ToRef(skin::ColourAt(s.button, 2, 10, face.right, face.bottom));
  }
  HWND text = FindWindowExA(box, nullptr, "Static", nullptr);
  if (text) {
    HDC dc = GetDC(text);
    SetTextColor(dc, RGB(1, 2, 3));
    SendMessageA(box, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(text));
    messageBoxSeen.staticText = GetTextColor(dc);
    ReleaseDC(text, dc);
  }
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(EngineAttach, MessageBoxesAndLaterWindowsAreRestyled) {
  ASSERT_NE(attach(SkinPath(9).c_str(), ""), 0);
  const skin::Skin s = LoadSkin(9);
  messageBoxSeen = MessageBoxSeen();
  ASSERT_NE(SetTimer(nullptr, 0, 100, InspectMessageBox), 0u);
  MessageBoxA(window, "skin", "Lexorin", MB_OK);
  ASSERT_TRUE(messageBoxSeen.found);
  EXPECT_EQ(messageBoxSeen.background, ToRef(s.client.first));
  EXPECT_EQ(messageBoxSeen.buttonFace, messageBoxSeen.expectedButtonFace);
  EXPECT_EQ(messageBoxSeen.staticText, RGB(0, 0, 0));

  // A captioned window made now is restyled; a window without a title bar (as Wine's
  // own helper windows are) or with a menu bar is left alone.
  HWND later = CreateWindowExA(0, "STATIC", "later", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120, nullptr, nullptr,
                               nullptr, nullptr);
  HWND bare = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
  HMENU menu = CreateMenu();
  AppendMenuA(menu, MF_STRING, 1, "File");
  HWND withMenu = CreateWindowExA(0, "STATIC", "menu", WS_OVERLAPPEDWINDOW, 0, 0, 200, 120, nullptr, menu,
                                  nullptr, nullptr);
  ASSERT_NE(withMenu, nullptr);
  EXPECT_EQ(GetPropA(withMenu, "LexorinSkinRecord"), nullptr) << "a menu bar would be painted over";
  DestroyWindow(withMenu);
  ASSERT_NE(later, nullptr);
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(ErasedPixel(later, 0, 0), ToRef(s.client.first));
  EXPECT_NE(GetPropA(later, "LexorinSkinRecord"), nullptr);
  // Drop-down lists whose entries are texts; an owner-drawn one holding only its owner's
  // data has no text to show, and an editable one has its own text box.
  const struct {
    DWORD style;
    bool restyled;
  } combos[] = {
      {CBS_DROPDOWNLIST, true},
      {CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, true},
      {CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED, false},
      {CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE, false},
      {CBS_DROPDOWN, false},
  };
  for (const auto& c : combos) {
    SCOPED_TRACE("combo style " + std::to_string(c.style));
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_CHILD | WS_VISIBLE | c.style, 5, 5, 80, 100, later, nullptr,
                                 nullptr, nullptr);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof info;
    ASSERT_TRUE(combo && GetComboBoxInfo(combo, &info));
    EXPECT_EQ(GetPropA(combo, "LexorinSkinRecord") != nullptr, c.restyled);
    EXPECT_EQ(GetPropA(info.hwndList, "LexorinSkinRecord") != nullptr, c.restyled);
    DestroyWindow(combo);
  }
  EXPECT_EQ(GetPropA(bare, "LexorinSkinRecord"), nullptr);
  DestroyWindow(later);
  DestroyWindow(bare);
}

}  // namespace
