#pragma once

namespace app {

// Writes the skin engine library beside the executable; the outcome is not looked at.
void ExtractSkinEngine();

}  // namespace app
