#include "translate/direction_table.h"

namespace translate {
namespace {

struct Direction {
  DirectionCode code;
  const char* queryText;
};

// Codes 15 and 16 are the direction list's two Indonesian entries ("id" is the service's
// code for Indonesian). Every direction has simplified Chinese on one side.
constexpr Direction kDirections[] = {
    {0, "from=&to=zh-CHS"},
    {1, "from=en&to=zh-CHS"},
    {2, "from=zh-CHS&to=en"},
    {3, "from=ja&to=zh-CHS"},
    {4, "from=zh-CHS&to=ja"},
    {5, "from=zh-CHS&to=fr"},
    {6, "from=fr&to=zh-CHS"},
    {7, "from=zh-CHS&to=ru"},
    {8, "from=ru&to=zh-CHS"},
    {9, "from=zh-CHS&to=de"},
    {10, "from=de&to=zh-CHS"},
    {11, "from=zh-CHS&to=vi"},
    {12, "from=vi&to=zh-CHS"},
    {13, "from=zh-CHS&to=th"},
    {14, "from=th&to=zh-CHS"},
    {15, "from=zh-CHS&to=id"},
    {16, "from=id&to=zh-CHS"},
    {17, "from=zh-CHS&to=ar"},
    {18, "from=ar&to=zh-CHS"},
    {19, "from=zh-CHS&to=ko"},
    {20, "from=ko&to=zh-CHS"},
    {21, "from=zh-CHS&to=lt"},
    {22, "from=lt&to=zh-CHS"},
    {23, "from=zh-CHS&to=no"},
    {24, "from=no&to=zh-CHS"},
    {25, "from=zh-CHS&to=zh-CHT"},
    {26, "from=zh-CHT&to=zh-CHS"},
    {27, "from=zh-CHS&to=fa"},
    {28, "from=fa&to=zh-CHS"},
};

}  // namespace

std::string DirectionQueryText(DirectionCode code) {
  for (const Direction& direction : kDirections) {
    if (direction.code == code) return direction.queryText;
  }
  return std::string();
}

}  // namespace translate
