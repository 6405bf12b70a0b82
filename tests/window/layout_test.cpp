// The window as another program sees it: classes, places, styles, texts and stacking,
// checked against expectations written here independently of the program's tables.
#include <gtest/gtest.h>

#include "driver.h"
#include "support/gbk.h"

namespace {

using driver::LexorinProcess;

struct ExpectedControl {
  const char* name;
  const char* className;
  RECT rect;  // in client coordinates
  DWORD requiredStyle;
  DWORD forbiddenStyle;
  DWORD exStyle;
  const char* textUtf8;
};

constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER |
                               BS_VCENTER | BS_MULTILINE;
constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | ES_MULTILINE |
                             ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr DWORD kEditForbidden = ES_AUTOHSCROLL | ES_READONLY | ES_NOHIDESEL | WS_HSCROLL;

// Stacking order, top first; the timer has no window.
const ExpectedControl kExpected[] = {
    {"clock label", "LexorinTransparentLabel", {8, 8, 384, 32}, WS_CHILD | WS_VISIBLE, WS_TABSTOP, 0, u8"现在时间："},
    {"translate", "Button", {254, 128, 334, 152}, kButtonStyle, BS_DEFPUSHBUTTON, 0, u8"马上翻译"},
    {"status line", "LexorinTransparentLabel", {8, 160, 424, 185}, WS_CHILD | WS_VISIBLE, WS_TABSTOP, 0,
     u8"操作结果：你所选择的翻译类型是  中--->英"},
    {"exit", "Button", {335, 128, 415, 152}, kButtonStyle, BS_DEFPUSHBUTTON, 0, u8"退出程序"},
    {"clear", "Button", {91, 128, 171, 152}, kButtonStyle, BS_DEFPUSHBUTTON, 0, u8"清空原文"},
    {"copy", "Button", {172, 128, 252, 152}, kButtonStyle, BS_DEFPUSHBUTTON, 0, u8"复制结果"},
    {"direction list", "ComboBox", {8, 131, 88, 151},
     WS_CHILD | WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST | CBS_AUTOHSCROLL,
     CBS_SORT | CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE, 0, u8"中--->英"},
    {"result box", "Edit", {8, 184, 416, 296}, kEditStyle, kEditForbidden, WS_EX_CLIENTEDGE, u8""},
    {"source box", "Edit", {8, 40, 416, 120}, kEditStyle, kEditForbidden, WS_EX_CLIENTEDGE, nullptr},
};

const char* const kListEntries[] = {
    u8"中--->英", u8"中--->日", u8"中--->法", u8"中--->俄", u8"中--->泰", u8"中--->阿拉伯",
    u8"中--->越", u8"中--->德", u8"中--->朝鲜", u8"中--->挪威", u8"中--->立陶宛",
    u8"中--->印度尼西亚", u8"英--->中", u8"日--->中", u8"法--->中", u8"俄--->中",
    u8"泰--->中", u8"阿拉伯--->中", u8"越--->中", u8"德--->中", u8"朝鲜--->中",
    u8"挪威--->中", u8"立陶宛--->中", u8"印度尼西亚--->中", u8"", u8"", u8""};

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::string Describe(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + " - " + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

class Layout : public ::testing::Test {
 protected:
  LexorinProcess program;
};

TEST_F(Layout, MainWindowIsFixedCentredAndCaptioned) {
  HWND window = program.Window();
  ASSERT_TRUE(window);
  ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024) << "tests run on a 1024x768 virtual desktop";
  ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
  EXPECT_EQ(driver::ClassName(window), "LexorinMainWindow");
  EXPECT_EQ(driver::WindowText(window), "Lexorin");
  const RECT expected = {297, 215, 297 + 430, 215 + 337};
  EXPECT_TRUE(SameRect(driver::WindowRectOf(window), expected)) << Describe(driver::WindowRectOf(window));

  const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const DWORD required = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | WS_VISIBLE;
  EXPECT_EQ(style & required, required);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_POPUP | WS_CHILD | WS_DISABLED), 0u);
  // The system adds WS_EX_WINDOWEDGE to every captioned window; nothing else is wanted.
  EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_WINDOWEDGE), 0);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);

}

TEST_F(Layout, ControlsMatchTheDescriptionInStackingOrder) {
  const std::vector<HWND> controls = program.Controls();
  ASSERT_EQ(controls.size(), std::size(kExpected));
  for (size_t i = 0; i < controls.size(); ++i) {
    const ExpectedControl& want = kExpected[i];
    HWND control = controls[i];
    SCOPED_TRACE(want.name);
    EXPECT_STRCASEEQ(driver::ClassName(control).c_str(), want.className);
    EXPECT_TRUE(SameRect(driver::ChildRect(control), want.rect)) << Describe(driver::ChildRect(control));
    const DWORD style = static_cast<DWORD>(GetWindowLongPtrA(control, GWL_STYLE));
    EXPECT_EQ(style & want.requiredStyle, want.requiredStyle) << std::hex << style;
    EXPECT_EQ(style & want.forbiddenStyle, 0u) << std::hex << style;
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrA(control, GWL_EXSTYLE)) & WS_EX_CLIENTEDGE, want.exStyle);
    if (want.textUtf8) {
      EXPECT_EQ(driver::WindowText(control), Gbk(want.textUtf8));
    }
  }
}

TEST_F(Layout, DirectionListHoldsItsEntriesAndStartsOnTheFirst) {
  HWND list = program.ControlAt("ComboBox", 8, 131);
  ASSERT_TRUE(list);
  for (int i = 0; i < static_cast<int>(std::size(kListEntries)); ++i) {
    EXPECT_EQ(program.ListEntry(list, i), Gbk(kListEntries[i])) << i;
  }
  EXPECT_EQ(program.ListEntry(list, 27), "<none>");
  EXPECT_EQ(program.ListSelection(list), 0);

  // The opened list: a list box of the process with a vertical scroll bar, its entries one
  // pixel taller than a plain list's with the same font; field and list together 160 pixels
  // high, less what the list leaves off to show whole entries only.
  SendMessageTimeoutA(list, CB_SHOWDROPDOWN, TRUE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
  HWND opened = nullptr;
  driver::WaitUntil([&] {
    for (HWND candidate = GetTopWindow(nullptr); candidate; candidate = GetWindow(candidate, GW_HWNDNEXT)) {
      DWORD owner = 0;
      GetWindowThreadProcessId(candidate, &owner);
      if (owner == program.ProcessId() && driver::ClassName(candidate) == "ComboLBox" &&
          IsWindowVisible(candidate)) {
        opened = candidate;
      }
    }
    return opened != nullptr;
  }, 2000);
  ASSERT_TRUE(opened);
  EXPECT_NE(GetWindowLongPtrA(opened, GWL_STYLE) & WS_VSCROLL, 0);
  const RECT field = driver::WindowRectOf(list);
  const RECT drop = driver::WindowRectOf(opened);

  HWND reference = CreateWindowExA(0, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL, 0, 0, 80, 160,
                                   nullptr, nullptr, nullptr, nullptr);
  SendMessageA(reference, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  COMBOBOXINFO parts = {};
  parts.cbSize = sizeof parts;
  GetComboBoxInfo(reference, &parts);
  const LRESULT standard = SendMessageA(parts.hwndList, LB_GETITEMHEIGHT, 0, 0);
  DestroyWindow(reference);
  DWORD_PTR height = 0;
  SendMessageTimeoutA(opened, LB_GETITEMHEIGHT, 0, 0, SMTO_ABORTIFHUNG, 2000, &height);
  EXPECT_EQ(static_cast<LRESULT>(height), standard + 1);
  EXPECT_LE(drop.bottom - field.top, 160);
  EXPECT_GT(drop.bottom - field.top, 160 - 2 * static_cast<int>(height));
  SendMessageTimeoutA(list, CB_SHOWDROPDOWN, FALSE, 0, SMTO_ABORTIFHUNG, 2000, nullptr);
}

TEST_F(Layout, TextBoxesStartAtTheTopWithNothingSelected) {
  HWND source = program.ControlAt("Edit", 8, 40);
  HWND result = program.ControlAt("Edit", 8, 184);
  ASSERT_TRUE(source && result);
  const std::string sample = driver::WindowText(source);
  EXPECT_EQ(sample.rfind(Gbk(u8"1、"), 0), 0u);
  EXPECT_NE(sample.find(Gbk(u8"\r\n4、")), std::string::npos);
  for (HWND box : {source, result}) {
    DWORD start = 1, end = 1;
    SendMessageTimeoutA(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                        reinterpret_cast<LPARAM>(&end), SMTO_ABORTIFHUNG, 2000, nullptr);
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    DWORD_PTR firstLine = 1, limit = 0;
    SendMessageTimeoutA(box, EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_ABORTIFHUNG, 2000, &firstLine);
    SendMessageTimeoutA(box, EM_GETLIMITTEXT, 0, 0, SMTO_ABORTIFHUNG, 2000, &limit);
    EXPECT_EQ(firstLine, 0u);
    EXPECT_GT(limit, 0x10000u) << "the text limit is lifted";
  }
}

// The executable is a GUI program carrying DEFAULT_ICON with 16, 32 and 48 pixel images
// in 16 colours.
TEST(Executable, IsAGuiProgramWithItsIcon) {
  char path[MAX_PATH];
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string exe(path);
  exe = exe.substr(0, exe.find_last_of('\\')) + "\\Lexorin.exe";
  HMODULE image = LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
  ASSERT_TRUE(image);
  HRSRC group = FindResourceA(image, "DEFAULT_ICON", MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
  ASSERT_TRUE(group);
  const BYTE* data = static_cast<const BYTE*>(LockResource(LoadResource(image, group)));
  const WORD count = *reinterpret_cast<const WORD*>(data + 4);
  std::vector<int> sizes;
  for (WORD i = 0; i < count; ++i) {
    const BYTE* entry = data + 6 + 14 * i;  // width, height, colours, reserved, planes, bits...
    sizes.push_back(entry[0]);
    EXPECT_EQ(entry[2], 16) << "colours of image " << i;
  }
  EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48}));
  FreeLibrary(image);

  HANDLE file = CreateFileA(exe.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE);
  std::vector<char> headers(4096);
  DWORD read = 0;
  ReadFile(file, headers.data(), static_cast<DWORD>(headers.size()), &read, nullptr);
  CloseHandle(file);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(headers.data());
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(headers.data() + dos->e_lfanew);
  EXPECT_EQ(nt->OptionalHeader.Subsystem, IMAGE_SUBSYSTEM_WINDOWS_GUI);
}

}  // namespace
