#include "ui/window_description.h"

#include <algorithm>

#include "ui/sample_text.h"

namespace ui {

// 现在时间：
constexpr char kClockCaption[] = "\xCF\xD6\xD4\xDA\xCA\xB1\xBC\xE4\xA3\xBA";
// 马上翻译
constexpr char kTranslateCaption[] = "\xC2\xED\xC9\xCF\xB7\xAD\xD2\xEB";
// 操作结果：
constexpr char kStatusCaption[] = "\xB2\xD9\xD7\xF7\xBD\xE1\xB9\xFB\xA3\xBA";
// 退出程序
constexpr char kExitCaption[] = "\xCD\xCB\xB3\xF6\xB3\xCC\xD0\xF2";
// 清空原文
constexpr char kClearCaption[] = "\xC7\xE5\xBF\xD5\xD4\xAD\xCE\xC4";
// 复制结果
constexpr char kCopyCaption[] = "\xB8\xB4\xD6\xC6\xBD\xE1\xB9\xFB";

using N = ControlName;
using K = ControlKind;

const std::array<ControlDescription, kControlCount> kControls = {{
    {N::时钟1,        K::Timer,            376,   8,  32,  32, nullptr,           false, 0},
    {N::透明标签1,    K::TransparentLabel,   8,   8, 376,  24, kClockCaption,     false, 0},
    {N::给我翻,       K::PushButton,       254, 128,  80,  24, kTranslateCaption, true,  0},
    {N::透明标签2,    K::TransparentLabel,   8, 160, 416,  25, kStatusCaption,    false, 0},
    {N::退出程序,     K::PushButton,       335, 128,  80,  24, kExitCaption,      true,  0},
    {N::清空原文,     K::PushButton,        91, 128,  80,  24, kClearCaption,     true,  0},
    {N::复制翻译结果, K::PushButton,       172, 128,  80,  24, kCopyCaption,      true,  0},
    {N::组合框1,      K::DropDownList,       8, 131,  80, 160, nullptr,           true,  0},
    {N::编辑框2,      K::TextBox,            8, 184, 408, 112, "",                true,  0},
    {N::编辑框1,      K::TextBox,            8,  40, 408,  80, kSampleText,       true,  0},
}};

const ControlDescription& Describe(ControlName name) {
  return kControls[static_cast<std::size_t>(name)];
}

std::array<ControlName, kFocusCycleLength> FocusCycle() {
  std::array<ControlDescription, kControlCount> rows = kControls;
  std::reverse(rows.begin(), rows.end());
  std::stable_sort(rows.begin(), rows.end(), [](const ControlDescription& a,
                                                const ControlDescription& b) {
    return a.tabNumber < b.tabNumber;
  });
  std::array<ControlName, kFocusCycleLength> cycle{};
  std::size_t count = 0;
  for (const ControlDescription& row : rows) {
    if (row.tabStop && count < cycle.size()) cycle[count++] = row.name;
  }
  return cycle;
}

Point CentredPosition(int screenWidth, int screenHeight, int width, int height) {
  return {(screenWidth - width) / 2, (screenHeight - height) / 2};
}

}  // namespace ui
