#pragma once

namespace appearance {

// Draws one of the 56 skin slots, writes its skin file to the temporary directory as
// "1.she" and attaches it through the skin engine. Called once, while the main window
// is being created and before it is first shown.
void ApplyRandomSkin();

}  // namespace appearance
