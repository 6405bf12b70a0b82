#pragma once
// The entries of the direction list 组合框1: 24 directions, each with the code the
// translation client knows it by, followed by three entries with empty text that select
// no translation.
#include <cstddef>

#include "translate/direction_table.h"

namespace ui {

struct DirectionEntry {
  const char* text;  // code page 936
  translate::DirectionCode directionCode;
};

constexpr std::size_t kDirectionEntryCount = 24;
constexpr std::size_t kEmptyEntryCount = 3;
constexpr std::size_t kListEntryCount = kDirectionEntryCount + kEmptyEntryCount;

extern const DirectionEntry kDirectionEntries[kDirectionEntryCount];

}  // namespace ui
