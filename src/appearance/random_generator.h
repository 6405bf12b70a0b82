#pragma once
// The pseudo-random generator that picks the skin: state x 214013 + 2531011 modulo 2^32,
// each step yielding bits 16 to 30 of the new state (0 to 32767).
#include <cstdint>

namespace appearance {

struct RandomGenerator {
  std::uint32_t state = 0;
  // Added to the tick count when seeding, so seeds taken in the same millisecond differ.
  std::uint32_t seedingCounter = 0;
};

void SeedGenerator(RandomGenerator& generator, std::uint32_t tickCount);

// Steps the generator once; 0 to 32767.
std::uint32_t NextOutput(RandomGenerator& generator);

// A number from the smaller to the larger bound, both inclusive; a negative bound counts
// as 0. Equal bounds give that bound without stepping the generator.
std::int32_t RandomInRange(RandomGenerator& generator, std::int32_t low, std::int32_t high);

// The same on the process's own generator, which belongs to the user-interface thread.
RandomGenerator& ProcessGenerator();
std::int32_t RandomInRange(std::int32_t low, std::int32_t high);

// Seeds the process's generator from the tick count.
void SeedRandom();

}  // namespace appearance
