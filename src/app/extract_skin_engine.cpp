#include "app/extract_skin_engine.h"

#include "app/executable_path.h"
#include "app/payload_store.h"
#include "app/skin_engine_location.h"
#include "app/write_bytes_to_file.h"

namespace app {

void ExtractSkinEngine() {
  // Rewritten at every start; a copy in use by another running copy stays as it is.
  // An executable without the payload leaves an existing library alone rather than
  // emptying it.
  const ByteBlock payload = SkinEnginePayload();
  if (payload.length == 0) return;
  const std::string path = SkinEngineLibraryPath(GetRunDirectory());
  WriteBytesToFile(path.c_str(), {payload});
}

}  // namespace app
