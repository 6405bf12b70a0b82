// libFuzzer entry: any bytes must parse or be refused without a fault, a refusal must
// leave the caller's skin untouched, and an accepted skin must hold in-range values.
#include <cstdint>
#include <cstdlib>

#include "format/skin_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  skin::Skin parsed{};
  parsed.name = "untouched";
  const skin::ParseResult result = skin::ParseSkin(data, size, parsed);
  if (result.status != skin::ParseStatus::Ok) {
    if (parsed.name != "untouched") std::abort();
    return 0;
  }
  if (parsed.name.empty() || parsed.name.size() > skin::kMaxNameLength) std::abort();
  if (parsed.buttonRadius < 0 || parsed.buttonRadius > 12) std::abort();
  return 0;
}
