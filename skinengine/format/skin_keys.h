#pragma once
// The keys a skin file must hold, each exactly once, and how each value is read.
#include <cstddef>
#include <string_view>

#include "format/skin.h"

namespace skin {

struct KeyRule {
  const char* key;
  bool (*apply)(Skin& skin, std::string_view value);  // false when the value is malformed
};

extern const KeyRule kKeys[];
extern const std::size_t kKeyCount;

}  // namespace skin
