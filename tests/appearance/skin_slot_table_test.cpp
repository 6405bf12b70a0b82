#include "appearance/skin_slot_table.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using appearance::SkinSlotTable;

TEST(SkinSlotTable, SlotsNameTheirSkinFiles) {
  const struct {
    int slot, skinFile;
  } cases[] = {
      {1, 1}, {37, 37}, {39, 39}, {40, 37}, {41, 40}, {56, 55},  // slot 40 reuses file 37
      {0, 0}, {57, 0},  {-1, 0},                                 // outside the table
  };
  for (const auto& c : cases) EXPECT_EQ(SkinSlotTable(c.slot), c.skinFile) << "slot " << c.slot;
}

TEST(SkinSlotTable, EveryFileIsUsedOnceExceptFileThirtySevenTwice) {
  std::map<int, int> slotsPerFile;
  for (int slot = 1; slot <= appearance::kSkinSlotCount; ++slot) ++slotsPerFile[SkinSlotTable(slot)];
  ASSERT_EQ(slotsPerFile.size(), static_cast<size_t>(appearance::kSkinFileCount));
  EXPECT_EQ(slotsPerFile.begin()->first, 1);
  EXPECT_EQ(slotsPerFile.rbegin()->first, 55);
  for (const auto& [file, slots] : slotsPerFile) EXPECT_EQ(slots, file == 37 ? 2 : 1) << "file " << file;
}

}  // namespace
