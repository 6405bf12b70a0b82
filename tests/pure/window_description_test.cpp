#include "ui/window_description.h"

#include <gtest/gtest.h>

#include <string>

#include "support/gbk.h"
#include "ui/direction_entries.h"
#include "ui/sample_text.h"

namespace {

using ui::ControlName;

TEST(WindowDescription, FocusCycleRunsFromTheLastRowUp) {
  const std::array<ControlName, ui::kFocusCycleLength> expected = {
      ControlName::编辑框1, ControlName::编辑框2, ControlName::组合框1,
      ControlName::复制翻译结果, ControlName::清空原文, ControlName::退出程序,
      ControlName::给我翻};
  EXPECT_EQ(ui::FocusCycle(), expected);
}

TEST(WindowDescription, RowsAreFoundByName) {
  for (const ui::ControlDescription& row : ui::kControls) {
    EXPECT_EQ(&ui::Describe(row.name), &row);
  }
}

TEST(WindowDescription, CentresByRoundingTowardsZero) {
  const struct { int w, h, x, y; } cases[] = {
      {1024, 768, 297, 215}, {1920, 1080, 745, 371}, {431, 338, 0, 0}, {400, 300, -15, -18}};
  for (const auto& c : cases) {
    const ui::Point p = ui::CentredPosition(c.w, c.h, ui::kWindowWidth, ui::kWindowHeight);
    EXPECT_EQ(p.x, c.x) << c.w;
    EXPECT_EQ(p.y, c.y) << c.h;
  }
}

TEST(WindowDescription, DirectionEntriesAreCodePage936) {
  const char* expected[ui::kDirectionEntryCount] = {
      u8"中--->英", u8"中--->日", u8"中--->法", u8"中--->俄", u8"中--->泰", u8"中--->阿拉伯",
      u8"中--->越", u8"中--->德", u8"中--->朝鲜", u8"中--->挪威", u8"中--->立陶宛",
      u8"中--->印度尼西亚", u8"英--->中", u8"日--->中", u8"法--->中", u8"俄--->中",
      u8"泰--->中", u8"阿拉伯--->中", u8"越--->中", u8"德--->中", u8"朝鲜--->中",
      u8"挪威--->中", u8"立陶宛--->中", u8"印度尼西亚--->中"};
  for (std::size_t i = 0; i < ui::kDirectionEntryCount; ++i) {
    EXPECT_EQ(ui::kDirectionEntries[i].text, Gbk(expected[i])) << i;
  }
  EXPECT_EQ(std::string(ui::kDirectionEntries[0].text), "\xD6\xD0\x2D\x2D\x2D\x3E\xD3\xA2");
}

TEST(WindowDescription, SampleTextHasTheShapeOfFourNumberedJokes) {
  const std::string sample = ui::kSampleText;
  std::size_t lineBreaks = 0;
  for (std::size_t at = sample.find("\r\n"); at != std::string::npos; at = sample.find("\r\n", at + 2)) {
    ++lineBreaks;
  }
  EXPECT_EQ(lineBreaks, 9u);
  EXPECT_NE(sample.substr(sample.size() - 2), "\r\n");
  EXPECT_EQ(sample.find(Gbk(u8"1、")), 0u);
  std::size_t last = 0;
  for (const char* number : {u8"\r\n2、", u8"\r\n3、", u8"\r\n4、"}) {
    const std::size_t at = sample.find(Gbk(number));
    ASSERT_NE(at, std::string::npos) << number;
    EXPECT_GT(at, last);
    last = at;
  }
  EXPECT_NE(sample.find(Gbk(u8"老师：")), std::string::npos);
  EXPECT_NE(sample.find(Gbk(u8"学生：")), std::string::npos);
}

}  // namespace
