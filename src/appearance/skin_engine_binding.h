#pragma once

namespace appearance {

// Calls the skin engine's SkinH_AttachEx(skinPath, password), binding it on the first
// call: hrttp.dll is loaded from the executable's directory by its full path, never
// through the system's library search, and joins the bound-library list. When it cannot
// be loaded or lacks the entry, the fatal error report ends the process.
int AttachSkin(const char* skinPath, const char* password);

}  // namespace appearance
