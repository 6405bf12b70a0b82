#include "appearance/skin_engine_binding.h"

#include <windows.h>

#include <string>

#include "app/app_state.h"
#include "app/executable_path.h"
#include "app/fatal_error.h"
#include "app/skin_engine_location.h"

namespace appearance {
namespace {

using AttachEntry = int(__stdcall*)(const char* skinPath, const char* password);

AttachEntry BindAttachEntry() {
  const std::string path = app::SkinEngineLibraryPath(app::GetRunDirectory());
  HMODULE library = LoadLibraryA(path.c_str());
  if (!library) app::ReportFatalError({app::FatalCause::SkinEngineBinding});
  FARPROC entry = GetProcAddress(library, app::kSkinEngineEntryName);
  if (!entry) {
    FreeLibrary(library);
    app::ReportFatalError({app::FatalCause::SkinEngineBinding});
  }
  app::AppState().boundLibraries.push_back(library);
  return reinterpret_cast<AttachEntry>(reinterpret_cast<void*>(entry));
}

}  // namespace

int AttachSkin(const char* skinPath, const char* password) {
  static const AttachEntry attach = BindAttachEntry();
  return attach(skinPath, password);
}

}  // namespace appearance
