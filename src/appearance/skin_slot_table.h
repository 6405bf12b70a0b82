#pragma once

namespace appearance {

constexpr int kSkinSlotCount = 56;
constexpr int kSkinFileCount = 55;

// The skin file (1 to 55) that a slot (1 to 56) uses; 0 for a number outside the table.
// Slot 40 reuses skin file 37, so that file is drawn twice as often as the others.
int SkinSlotTable(int slot);

}  // namespace appearance
