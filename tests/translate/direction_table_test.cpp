#include "translate/direction_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using translate::DirectionCode;
using translate::DirectionQueryText;

TEST(DirectionTable, EveryCodeHasItsRow) {
  const struct {
    DirectionCode code;
    const char* queryText;
  } rows[] = {
      {0, "from=&to=zh-CHS"},        {1, "from=en&to=zh-CHS"},      {2, "from=zh-CHS&to=en"},
      {3, "from=ja&to=zh-CHS"},      {4, "from=zh-CHS&to=ja"},      {5, "from=zh-CHS&to=fr"},
      {6, "from=fr&to=zh-CHS"},      {7, "from=zh-CHS&to=ru"},      {8, "from=ru&to=zh-CHS"},
      {9, "from=zh-CHS&to=de"},      {10, "from=de&to=zh-CHS"},     {11, "from=zh-CHS&to=vi"},
      {12, "from=vi&to=zh-CHS"},     {13, "from=zh-CHS&to=th"},     {14, "from=th&to=zh-CHS"},
      {15, "from=zh-CHS&to=id"},     {16, "from=id&to=zh-CHS"},     {17, "from=zh-CHS&to=ar"},
      {18, "from=ar&to=zh-CHS"},     {19, "from=zh-CHS&to=ko"},     {20, "from=ko&to=zh-CHS"},
      {21, "from=zh-CHS&to=lt"},     {22, "from=lt&to=zh-CHS"},     {23, "from=zh-CHS&to=no"},
      {24, "from=no&to=zh-CHS"},     {25, "from=zh-CHS&to=zh-CHT"}, {26, "from=zh-CHT&to=zh-CHS"},
      {27, "from=zh-CHS&to=fa"},     {28, "from=fa&to=zh-CHS"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(DirectionQueryText(row.code), row.queryText) << "code " << row.code;
  }
}

TEST(DirectionTable, CodesWithoutARowGiveNothing) {
  for (DirectionCode code : {-1, 29, 100, INT32_MIN, INT32_MAX}) {
    EXPECT_EQ(DirectionQueryText(code), "") << "code " << code;
  }
}

}  // namespace
