#include "text/ansi_text.h"

namespace text {

std::size_t FindFrom(std::string_view haystack, std::string_view needle, std::size_t from) {
  for (std::size_t pos = from; pos < haystack.size(); pos += CharLength(haystack, pos)) {
    if (haystack.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return kNotFound;
}

std::size_t FindLastChar(std::string_view s, char c) {
  std::size_t last = kNotFound;
  for (std::size_t pos = 0; pos < s.size(); pos += CharLength(s, pos)) {
    if (s[pos] == c) last = pos;
  }
  return last;
}

}  // namespace text
