#pragma once

namespace ui {

// The text the source box 编辑框1 shows at start (code page 936).
extern const char kSampleText[];

}  // namespace ui
