// The engine's one entry point.
#include <windows.h>

#include <vector>

#include "engine/restyle.h"
#include "format/skin_parser.h"

namespace {

// The whole file, when it is a regular file of at most the format's size limit.
bool ReadSkinFile(const char* path, std::vector<unsigned char>& bytes) {
  if (!path || !*path) return false;
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  bool ok = false;
  LARGE_INTEGER size;
  // Devices and pipes ("CON", "\\.\pipe\...") could block a read for ever.
  if (GetFileType(file) == FILE_TYPE_DISK && GetFileSizeEx(file, &size) && size.QuadPart >= 0 &&
      size.QuadPart <= static_cast<LONGLONG>(skin::kMaxFileSize)) {
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    ok = bytes.empty() || (ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) &&
                           read == bytes.size());
  }
  CloseHandle(file);
  return ok;
}

}  // namespace

// Applies the skin file at `skinPath` to every window of the calling thread, now and
// later. The password is not used: skin files are not encrypted. Returns 1 when the
// skin was applied; 0, with nothing changed, when the file cannot be read or is not a
// valid skin file.
extern "C" int __stdcall SkinH_AttachEx(const char* skinPath, const char* password) {
  static_cast<void>(password);
  std::vector<unsigned char> bytes;
  if (!ReadSkinFile(skinPath, bytes)) return 0;
  skin::Skin parsed;
  if (skin::ParseSkin(bytes.data(), bytes.size(), parsed).status != skin::ParseStatus::Ok) return 0;
  return engine::AttachToThread(parsed) ? 1 : 0;
}
