// What the program writes at start (the engine library beside it, the chosen skin file in
// its TEMP) and how it binds the engine: only from its own folder, with the fatal error
// report when that copy cannot be loaded.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "driver.h"
#include "support/file_names.h"
#include "support/gbk.h"

namespace {

using driver::LexorinProcess;
using driver::StartOptions;

std::string Content(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Plant(const std::string& path, const std::string& content) {
  std::ofstream(path, std::ios::binary) << content;
}

std::string BesideThisTest(const std::string& name) {
  char path[MAX_PATH];
  const std::string self(path, GetModuleFileNameA(nullptr, path, sizeof path));
  return self.substr(0, self.find_last_of('\\') + 1) + name;
}

// The 55 skin files carried by Lexorin.exe (resources 201 to 255, RCDATA).
std::vector<std::string> SkinPayloadsOf(const std::string& executable) {
  std::vector<std::string> skins;
  HMODULE module = LoadLibraryExA(executable.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return skins;
  for (int id = 201; id <= 255; ++id) {
    HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
    const char* bytes = loaded ? static_cast<const char*>(LockResource(loaded)) : nullptr;
    if (bytes) skins.emplace_back(bytes, SizeofResource(module, resource));
  }
  FreeLibrary(module);
  return skins;
}

// Which file a path names (its file index) and when it was last written: a file that was
// replaced has another index.
std::string FileIdentity(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return "<cannot open>";
  BY_HANDLE_FILE_INFORMATION info = {};
  GetFileInformationByHandle(file, &info);
  CloseHandle(file);
  return std::to_string(info.nFileIndexHigh) + ":" + std::to_string(info.nFileIndexLow) + "@" +
         std::to_string(info.ftLastWriteTime.dwHighDateTime) + ":" +
         std::to_string(info.ftLastWriteTime.dwLowDateTime);
}

void Close(const LexorinProcess& program) { PostMessageA(program.Window(), WM_CLOSE, 0, 0); }

TEST(SkinStart, EngineBesideTheProgramAndSkinFileInTempAreWritten) {
  const std::string engine = Content(BesideThisTest("hrttp.dll"));
  ASSERT_GT(engine.size(), 0u);
  const std::vector<std::string> skins = SkinPayloadsOf(BesideThisTest("Lexorin.exe"));
  ASSERT_EQ(skins.size(), 55u);
  const struct {
    const char* name;
    std::string planted;  // empty: no earlier file
  } cases[] = {
      {"no earlier file", ""},
      {"longer earlier file", engine + std::string(5000, 'L')},
      {"shorter earlier file", "MZ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartOptions options;
    options.prepare = [&c](const std::string& app) {
      if (!c.planted.empty()) Plant(app + "\\hrttp.dll", c.planted);
    };
    LexorinProcess program(options);
    ASSERT_TRUE(program.Window());
    EXPECT_TRUE(Content(program.AppDirectory() + "\\hrttp.dll") == engine);
    const std::string skin = Content(program.TempDirectory() + "\\1.she");
    EXPECT_NE(std::find(skins.begin(), skins.end(), skin), skins.end()) << skin.size() << " bytes";
    // No temporary file is left beside either.
    EXPECT_EQ(FileNames(program.AppDirectory()), (std::set<std::string>{"Lexorin.exe", "hrttp.dll"}));
    EXPECT_EQ(FileNames(program.TempDirectory()), std::set<std::string>{"1.she"});
    Close(program);
    EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0));
    // Both files stay after the end.
    EXPECT_TRUE(Content(program.AppDirectory() + "\\hrttp.dll") == engine);
    EXPECT_EQ(Content(program.TempDirectory() + "\\1.she"), skin);
  }
}

TEST(SkinStart, SecondCopyCannotRewriteTheLoadedEngineAndStillStarts) {
  LexorinProcess first;
  ASSERT_TRUE(first.Window());
  const std::string library = first.AppDirectory() + "\\hrttp.dll";
  const std::string before = FileIdentity(library);

  StartOptions options;
  options.shareFoldersWith = &first;
  LexorinProcess second(options);
  ASSERT_TRUE(second.Window());
  EXPECT_NE(second.Window(), first.Window());
  EXPECT_EQ(FileIdentity(library), before) << "the library in use was replaced";
  EXPECT_TRUE(Content(library) == Content(BesideThisTest("hrttp.dll")));
  EXPECT_EQ(FileNames(first.AppDirectory()), (std::set<std::string>{"Lexorin.exe", "hrttp.dll"}));
  EXPECT_TRUE(first.IsRunning());

  Close(second);
  EXPECT_EQ(second.WaitForExit(), std::optional<DWORD>(0));
  Close(first);
  EXPECT_EQ(first.WaitForExit(), std::optional<DWORD>(0));
}

// The error box names the library and its entry; closing it ends the program with -1,
// its window never shown.
void ExpectFatalBindingReport(const LexorinProcess& program) {
  HWND box = program.WaitForMessageBox();
  ASSERT_TRUE(box) << "no error box";
  const std::string text = driver::MessageBoxText(box);
  EXPECT_NE(text.find(Gbk(u8"运行时错误")), std::string::npos) << text;
  EXPECT_NE(text.find("hrttp.dll"), std::string::npos) << text;
  EXPECT_NE(text.find("SkinH_AttachEx"), std::string::npos) << text;
  EXPECT_FALSE(program.MainWindowShown());
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(program.WaitForExit(), std::optional<DWORD>(0xFFFFFFFF));
}

void PlantReadOnly(const std::string& path, const std::string& content) {
  Plant(path, content);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

TEST(SkinStart, EngineThatCannotBeBoundEndsTheProgramWithTheFatalReport) {
  const struct {
    const char* name;
    void (*plant)(const std::string& library);
  } cases[] = {
      {"a directory in its place", [](const std::string& l) { CreateDirectoryA(l.c_str(), nullptr); }},
      {"a read-only file that is no library", [](const std::string& l) { PlantReadOnly(l, "not a library"); }},
      {"a read-only library without the entry",
       [](const std::string& l) { PlantReadOnly(l, Content(BesideThisTest("fatal_child.exe"))); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StartOptions options;
    options.waitForWindow = false;
    options.prepare = [&c](const std::string& app) { c.plant(app + "\\hrttp.dll"); };
    LexorinProcess program(options);
    ExpectFatalBindingReport(program);
  }
}

TEST(SkinStart, LibraryOnTheSearchPathIsNotLoaded) {
  // A working engine in a directory on PATH, while the copy beside the program is a
  // library for another processor, which the system's search steps over: the program
  // must not fall back to the search.
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  const std::string searched = std::string(temp) + "lexorin-search-" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(searched.c_str(), nullptr);
  const std::string planted = searched + "\\hrttp.dll";
  ASSERT_TRUE(CopyFileA(BesideThisTest("hrttp.dll").c_str(), planted.c_str(), FALSE));
  const std::string foreign = Content(BesideThisTest("x86_library.dll"));
  ASSERT_FALSE(foreign.empty());
  {
    StartOptions options;
    options.waitForWindow = false;
    options.pathPrefix = searched;
    options.prepare = [&foreign](const std::string& app) { PlantReadOnly(app + "\\hrttp.dll", foreign); };
    LexorinProcess program(options);
    ExpectFatalBindingReport(program);
  }
  DeleteFileA(planted.c_str());
  RemoveDirectoryA(searched.c_str());
}

}  // namespace
