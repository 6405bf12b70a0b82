#include "appearance/random_generator.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <map>

#include "appearance/skin_slot_table.h"

namespace {

using appearance::NextOutput;
using appearance::RandomGenerator;
using appearance::RandomInRange;
using appearance::SeedGenerator;

RandomGenerator SeededWith(std::uint32_t tickCount) {
  RandomGenerator generator;
  SeedGenerator(generator, tickCount);
  return generator;
}

TEST(RandomGenerator, FirstOutputAndSlotForATickCount) {
  const struct {
    std::uint32_t tickCount;
    std::uint32_t output;
    std::int32_t slot;
  } cases[] = {{0, 38, 39}, {1, 41, 42}, {1000, 3304, 1}};
  for (const auto& c : cases) {
    RandomGenerator forOutput = SeededWith(c.tickCount);
    EXPECT_EQ(NextOutput(forOutput), c.output) << c.tickCount;
    RandomGenerator forSlot = SeededWith(c.tickCount);
    EXPECT_EQ(RandomInRange(forSlot, 1, appearance::kSkinSlotCount), c.slot) << c.tickCount;
  }
}

// The state that makes the next output r: the step run backwards from r << 16.
std::uint32_t StateBeforeOutput(std::uint32_t r) {
  const std::uint32_t multiplier = 214013u;
  std::uint32_t inverse = multiplier;  // Newton's iteration for the inverse modulo 2^32
  for (int i = 0; i < 5; ++i) inverse *= 2u - multiplier * inverse;
  return ((r << 16) - 2531011u) * inverse;
}

TEST(RandomGenerator, The32768OutputsFallUnevenlyOnThe56Slots) {
  std::map<std::int32_t, int> outputsPerSlot;
  for (std::uint32_t r = 0; r <= 0x7FFF; ++r) {
    RandomGenerator generator;
    generator.state = StateBeforeOutput(r);
    RandomGenerator probe = generator;
    ASSERT_EQ(NextOutput(probe), r);
    ++outputsPerSlot[RandomInRange(generator, 1, 56)];
  }
  ASSERT_EQ(outputsPerSlot.size(), 56u);
  for (const auto& [slot, outputs] : outputsPerSlot) {
    EXPECT_EQ(outputs, slot <= 8 ? 586 : 585) << "slot " << slot;
  }
}

TEST(RandomGenerator, RandomInRangeBounds) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  // From the state seeded with tick count 0, whose first output is 38.
  const struct {
    std::int32_t low, high, result;
    bool steps;
  } cases[] = {
      {5, 5, 5, false},       {1, 56, 39, true},  {56, 1, 39, true},   // swapped bounds
      {-7, 10, 5, true},      {10, -7, 5, true},  {-3, -9, 0, false},  // negatives count as 0
      {-1, 0, 0, false},      {0, kMax, 38, true}, {kMin, kMax, 38, true},
      {kMax, kMax, kMax, false},
  };
  for (const auto& c : cases) {
    RandomGenerator generator = SeededWith(0);
    EXPECT_EQ(RandomInRange(generator, c.low, c.high), c.result) << c.low << ", " << c.high;
    EXPECT_EQ(generator.state != 0, c.steps) << c.low << ", " << c.high;
  }
}

TEST(RandomGenerator, ReseedingInTheSameMillisecondGivesAnotherSeed) {
  RandomGenerator generator;
  SeedGenerator(generator, 0);
  EXPECT_EQ(generator.state, 0u);
  SeedGenerator(generator, 0);
  EXPECT_EQ(generator.state, 100u);  // the counter grew by (0 & 0xFF) + 100
}

}  // namespace
