#pragma once
// The skin in use and the GDI objects made from it. One skin per process, set by the
// attaching thread.
#include <windows.h>

#include "format/skin.h"

namespace engine {

bool HasSkin();
const skin::Skin& ActiveSkin();
void SetActiveSkin(const skin::Skin& skin);

// Brushes answered to WM_CTLCOLOR*; they live as long as the skin.
HBRUSH EditBrush();
HBRUSH ListBrush();
HBRUSH ClientBrush();

// The font of title bars, made once from the system's non-client metrics.
HFONT CaptionFont();

}  // namespace engine
