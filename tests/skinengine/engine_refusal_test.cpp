// Under Wine, in a process where no skin is ever accepted: every unreadable or malformed
// file makes SkinH_AttachEx return 0 and leaves the program's window exactly as it was.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "format/skin_parser.h"
#include "skin_file_fixture.h"
#include "ui/main_window.h"

namespace {

std::string TempDirectory() {
  char path[MAX_PATH];
  const DWORD length = GetTempPathA(MAX_PATH, path);
  std::string dir = length > 0 && length < MAX_PATH ? std::string(path, length) : std::string(".\\");
  dir += "skin-refusal\\";
  CreateDirectoryA(dir.c_str(), nullptr);
  return dir;
}

std::string WriteFile(const std::string& dir, const char* name, const Bytes& bytes) {
  const std::string path = dir + name;
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
  return path;
}

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

struct WindowState {
  std::vector<LONG_PTR> procedures;  // the window's and each control's
  std::vector<HANDLE> records;       // the engine's per-window property
};

BOOL CALLBACK AddProcedure(HWND control, LPARAM data) {
  auto* state = reinterpret_cast<WindowState*>(data);
  state->procedures.push_back(GetWindowLongPtrA(control, GWLP_WNDPROC));
  state->records.push_back(GetPropA(control, "LexorinSkinRecord"));
  return TRUE;
}

WindowState StateOf(HWND window) {
  WindowState state;
  AddProcedure(window, reinterpret_cast<LPARAM>(&state));
  EnumChildWindows(window, AddProcedure, reinterpret_cast<LPARAM>(&state));
  return state;
}

TEST(EngineRefusal, BadFilesReturnZeroAndChangeNothing) {
  const AttachFunction attach = LoadEngineBesideExecutable();
  ASSERT_NE(attach, nullptr);
  HWND window = ui::CreateMainWindow();
  ASSERT_NE(window, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  PumpMessages();

  const WindowState before = StateOf(window);
  const Layout layoutBefore = TakeLayout(window);
  const COLORREF backgroundBefore = ErasedPixel(window, 0, 0);

  const std::string dir = TempDirectory();
  const std::string body = ValidBody();
  ASSERT_FALSE(body.empty());
  Header version2;
  version2.version = 2;
  std::string oversized = body;
  while (oversized.size() + skin::kHeaderSize <= skin::kMaxFileSize) oversized += "# padding\n";
  Bytes truncated = WrapBody(body);
  truncated.resize(truncated.size() / 2);
  std::string missingKey = body.substr(0, body.rfind("list.text"));

  const std::string paths[] = {
      dir + "does-not-exist.she",
      dir,  // a directory
      "CON",
      WriteFile(dir, "empty.she", {}),
      WriteFile(dir, "header-only.she", WrapBody("")),
      WriteFile(dir, "truncated.she", truncated),
      WriteFile(dir, "version2.she", WrapBody(body, version2)),
      WriteFile(dir, "oversized.she", WrapBody(oversized)),
      WriteFile(dir, "missing-key.she", WrapBody(missingKey)),
      WriteFile(dir, "bad-colour.she", WrapBody(body + "edit.text = #XYZXYZ\n")),
  };
  for (const std::string& path : paths) EXPECT_EQ(attach(path.c_str(), ""), 0) << path;
  EXPECT_EQ(attach(nullptr, nullptr), 0);
  EXPECT_EQ(attach("", ""), 0);
  PumpMessages();

  const WindowState after = StateOf(window);
  EXPECT_EQ(after.procedures, before.procedures) << "a window was subclassed";
  for (HANDLE record : after.records) EXPECT_EQ(record, nullptr);
  EXPECT_TRUE(TakeLayout(window) == layoutBefore);
  EXPECT_EQ(ErasedPixel(window, 0, 0), backgroundBefore);
  EXPECT_EQ(backgroundBefore, GetSysColor(COLOR_BTNFACE));

  // No hook either: a window made now keeps its own procedure.
  WNDCLASSA probeClass = {};
  probeClass.lpfnWndProc = ProbeProc;
  probeClass.hInstance = GetModuleHandleA(nullptr);
  probeClass.lpszClassName = "SkinRefusalProbe";
  ASSERT_NE(RegisterClassA(&probeClass), 0);
  HWND probe = CreateWindowExA(0, "SkinRefusalProbe", "probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                               nullptr, probeClass.hInstance, nullptr);
  ASSERT_NE(probe, nullptr);
  EXPECT_EQ(GetWindowLongPtrA(probe, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(ProbeProc));
  DestroyWindow(probe);
  DestroyWindow(window);
}

}  // namespace
