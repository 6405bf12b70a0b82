#pragma once
// The payloads built into the executable as resources: the skin engine library and the
// 55 skin files, each the exact image of the file written from it.
#include <cstdint>

#include "app/write_bytes_to_file.h"

namespace app {

// Empty (no bytes, length 0) when the executable does not carry the payload.
ByteBlock SkinEnginePayload();
// Skin file 1 to 55.
ByteBlock SkinFilePayload(int skinFile);

}  // namespace app
