#pragma once
// The fixed description of MainWindow's controls. Table order is stacking order: a row
// lies on top of every row below it where they overlap.
#include <array>
#include <cstddef>

namespace ui {

enum class ControlName {
  时钟1,
  透明标签1,
  给我翻,
  透明标签2,
  退出程序,
  清空原文,
  复制翻译结果,
  组合框1,
  编辑框2,
  编辑框1,
};

enum class ControlKind { Timer, TransparentLabel, PushButton, DropDownList, TextBox };

struct ControlDescription {
  ControlName name;
  ControlKind kind;
  int left, top, width, height;  // client coordinates; the list's height is its created height
  const char* text;              // code page 936; nullptr when the control has none
  bool tabStop;
  int tabNumber;
};

inline constexpr std::size_t kControlCount = 10;
extern const std::array<ControlDescription, kControlCount> kControls;

const ControlDescription& Describe(ControlName name);

// The controls that Tab visits, in order: by tab number, and for equal numbers from the
// last row of the table towards the first.
inline constexpr std::size_t kFocusCycleLength = 7;
std::array<ControlName, kFocusCycleLength> FocusCycle();

// Main window settings.
inline constexpr char kWindowCaption[] = "Lexorin";
inline constexpr int kWindowWidth = 430;
inline constexpr int kWindowHeight = 337;
inline constexpr unsigned kClockPeriodMs = 1000;
inline constexpr int kDirectionListClosedHeight = 20;

// Where a window of the given outer size is centred on a screen: rounding towards zero.
struct Point { int x, y; };
Point CentredPosition(int screenWidth, int screenHeight, int width, int height);

}  // namespace ui
