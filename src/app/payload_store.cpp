#include "app/payload_store.h"

#include <windows.h>

#include "app/payload_ids.h"

namespace app {
namespace {

ByteBlock PayloadResource(int id) {
  // The executable's own module, also when this code is linked into a library.
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(module, resource);
  const DWORD length = SizeofResource(module, resource);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes || length == 0) return {};
  return {bytes, length};
}

}  // namespace

ByteBlock SkinEnginePayload() { return PayloadResource(LEXORIN_PAYLOAD_SKIN_ENGINE); }

ByteBlock SkinFilePayload(int skinFile) {
  if (skinFile < 1 || skinFile > LEXORIN_PAYLOAD_SKIN_FILE_COUNT) return {};
  return PayloadResource(LEXORIN_PAYLOAD_SKIN_FILE_BASE + skinFile);
}

}  // namespace app
