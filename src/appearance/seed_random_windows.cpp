#include <windows.h>

#include "appearance/random_generator.h"

namespace appearance {

void SeedRandom() { SeedGenerator(ProcessGenerator(), GetTickCount()); }

}  // namespace appearance
