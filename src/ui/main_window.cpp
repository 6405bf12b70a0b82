#include "ui/main_window.h"

#include "app/window_list.h"
#include "ui/controls.h"
#include "ui/handlers.h"
#include "ui/keyboard.h"
#include "ui/transparent_label.h"

namespace ui {
namespace {

constexpr char kMainWindowClass[] = "LexorinMainWindow";
constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The list's entry-selected event is raised from the message loop, once the list's
// current selection holds the entry the user confirmed.
constexpr UINT kDirectionSelectedMessage = WM_APP + 2;

void OnCommand(HWND window, WPARAM wParam) {
  ControlName name;
  if (!FindControlName(GetDlgItem(window, LOWORD(wParam)), name)) return;
  const WORD code = HIWORD(wParam);
  if (name == ControlName::组合框1) {
    if (code == CBN_SELENDOK) PostMessageA(window, kDirectionSelectedMessage, 0, 0);
    return;
  }
  if (code != BN_CLICKED) return;
  switch (name) {
    case ControlName::给我翻: OnTranslateClicked(); break;
    case ControlName::复制翻译结果: OnCopyResultClicked(); break;
    case ControlName::清空原文: OnClearSourceClicked(); break;
    case ControlName::退出程序: OnExitClicked(window); break;
    default: break;
  }
}

// Drag-anywhere: a left press on bare client area moves the window as the title bar does.
void OnLeftButtonDown(HWND window, LPARAM lParam) {
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  ClientToScreen(window, &point);
  SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(point.x, point.y));
}

LRESULT OnControlColour(WPARAM wParam) {
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, RGB(0, 0, 0));
  SetBkColor(dc, RGB(255, 255, 255));
  return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
}

// The frame is fixed: the system would still maximise or size on request, even without
// a maximise box or sizing border.
bool IsRefusedSystemCommand(WPARAM command) {
  const WPARAM kind = command & 0xFFF0;
  return kind == SC_MAXIMIZE || kind == SC_SIZE;
}

void OnTimer(WPARAM timerId) {
  if (timerId == kClockTimerId) OnClockTimer();
}

void OnActivate(HWND window, WPARAM wParam) {
  const bool minimised = HIWORD(wParam) != 0;
  if (LOWORD(wParam) == WA_INACTIVE) RememberFocus(window);
  else if (!minimised) RestoreFocus(window);
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SYSCOMMAND:
      if (IsRefusedSystemCommand(wParam)) return 0;
      break;
    case WM_COMMAND: OnCommand(window, wParam); return 0;
    case kDirectionSelectedMessage: OnDirectionSelected(); return 0;
    case WM_TIMER: OnTimer(wParam); return 0;
    case WM_LBUTTONDOWN: OnLeftButtonDown(window, lParam); return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: return OnControlColour(wParam);
    case WM_ACTIVATE: OnActivate(window, wParam); return 0;
    case WM_SETFOCUS: RestoreFocus(window); return 0;
    case app::kDestroyRequestMessage: app::HandleDestroyRequest(window); return 0;
    case WM_NCDESTROY: app::RemoveProgramWindow(window); break;
    default: break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MainWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kMainWindowClass;
  return RegisterClassExA(&windowClass) != 0;
}

void SetWindowIcons(HWND window, HINSTANCE instance) {
  const struct { WPARAM which; int metricX, metricY; } icons[] = {
      {ICON_BIG, SM_CXICON, SM_CYICON}, {ICON_SMALL, SM_CXSMICON, SM_CYSMICON}};
  for (const auto& icon : icons) {
    HANDLE image = LoadImageA(instance, "DEFAULT_ICON", IMAGE_ICON, GetSystemMetrics(icon.metricX),
                              GetSystemMetrics(icon.metricY), LR_DEFAULTCOLOR | LR_SHARED);
    SendMessageA(window, WM_SETICON, icon.which, reinterpret_cast<LPARAM>(image));
  }
}

}  // namespace

HWND CreateMainWindow() {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  if (!RegisterMainWindowClass(instance) || !RegisterTransparentLabelClass(instance)) return nullptr;

  const Point at = CentredPosition(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                   kWindowWidth, kWindowHeight);
  HWND window = CreateWindowExA(0, kMainWindowClass, kWindowCaption, kWindowStyle, at.x, at.y,
                                kWindowWidth, kWindowHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return nullptr;
  app::AddProgramWindow(window, PreTranslateMainWindowKey);

  RECT outer;
  GetWindowRect(window, &outer);
  if (outer.right - outer.left != kWindowWidth || outer.bottom - outer.top != kWindowHeight) {
    SetWindowPos(window, nullptr, at.x, at.y, kWindowWidth, kWindowHeight,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SetWindowIcons(window, instance);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);

  if (!CreateControls(window)) {
    DestroyWindow(window);
    return nullptr;
  }
  return window;
}

}  // namespace ui
