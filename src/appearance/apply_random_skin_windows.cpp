#include "appearance/apply_random_skin.h"

#include <string>

#include "app/payload_store.h"
#include "app/write_bytes_to_file.h"
#include "appearance/random_generator.h"
#include "appearance/skin_engine_binding.h"
#include "appearance/skin_file_path.h"
#include "appearance/skin_slot_table.h"

namespace appearance {

void ApplyRandomSkin() {
  SeedRandom();
  const int slot = RandomInRange(1, kSkinSlotCount);
  const std::string path = SkinFilePath();
  // When the file cannot be written, the engine meets whatever an earlier run left there.
  // A missing payload writes nothing rather than empty that file.
  const app::ByteBlock skin = app::SkinFilePayload(SkinSlotTable(slot));
  if (skin.length > 0) app::WriteBytesToFile(path.c_str(), {skin});
  AttachSkin(path.c_str(), "");
}

}  // namespace appearance
