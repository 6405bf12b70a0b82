#include "app/write_bytes_to_file.h"

#include <windows.h>

#include <string>

namespace app {
namespace {

bool WriteBlocks(HANDLE file, const std::vector<ByteBlock>& blocks) {
  for (const ByteBlock& block : blocks) {
    if (block.length == 0) continue;
    if (!block.bytes || block.length > MAXDWORD) return false;
    DWORD written = 0;
    if (!WriteFile(file, block.bytes, static_cast<DWORD>(block.length), &written, nullptr) ||
        written != block.length) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool WriteBytesToFile(const char* path, const std::vector<ByteBlock>& blocks) {
  if (!path || !*path) return false;
  // Windows refuses to replace a read-only file, Wine's rename does not: refuse it here.
  const DWORD attributes = GetFileAttributesA(path);
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
  // Beside the target, so the replacement is a rename on the same volume; named after
  // the process, so two copies starting together never write the same temporary file.
  const std::string temporary = std::string(path) + "." + std::to_string(GetCurrentProcessId()) + ".tmp";
  HANDLE file = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const bool written = WriteBlocks(file, blocks);
  const bool closed = CloseHandle(file) != 0;
  if (written && closed && MoveFileExA(temporary.c_str(), path, MOVEFILE_REPLACE_EXISTING)) return true;
  DeleteFileA(temporary.c_str());
  return false;
}

}  // namespace app
