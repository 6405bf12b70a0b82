#pragma once
// Which windows the engine restyles, and the thread hook that finds new ones.
#include <windows.h>

#include "format/skin.h"

namespace engine {

// Makes `skin` the active skin and restyles every window of the calling thread, now and
// created later. False (and nothing changed) when the thread hook cannot be installed
// or another thread attached first.
bool AttachToThread(const skin::Skin& skin);

}  // namespace engine
