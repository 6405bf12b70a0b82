#include "appearance/random_generator.h"

#include <algorithm>
#include <cstdint>

namespace appearance {
namespace {

constexpr std::int64_t kLargestSpan = 2147483646;

}  // namespace

void SeedGenerator(RandomGenerator& generator, std::uint32_t tickCount) {
  const std::uint32_t seed = tickCount + generator.seedingCounter;
  generator.seedingCounter += (seed & 0xFFu) + 100u;
  generator.state = seed;
}

std::uint32_t NextOutput(RandomGenerator& generator) {
  generator.state = generator.state * 214013u + 2531011u;
  return (generator.state >> 16) & 0x7FFFu;
}

std::int32_t RandomInRange(RandomGenerator& generator, std::int32_t low, std::int32_t high) {
  const std::int64_t a = std::max<std::int32_t>(low, 0);
  const std::int64_t b = std::max<std::int32_t>(high, 0);
  const std::int64_t lo = std::min(a, b);
  const std::int64_t hi = std::max(a, b);
  if (lo == hi) return static_cast<std::int32_t>(lo);
  const std::int64_t span = std::min(hi - lo, kLargestSpan);
  return static_cast<std::int32_t>(lo + NextOutput(generator) % (span + 1));
}

RandomGenerator& ProcessGenerator() {
  static RandomGenerator generator;
  return generator;
}

std::int32_t RandomInRange(std::int32_t low, std::int32_t high) {
  return RandomInRange(ProcessGenerator(), low, high);
}

}  // namespace appearance
