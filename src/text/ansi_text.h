#pragma once
// Byte texts in the ANSI code page (code page 936 on the systems the program is written
// for). A lead byte (0x81 to 0xFE in code page 936) begins a two-byte character; 0x80 is
// a character of its own there (the euro sign), as is 0xFF. Every scan here steps
// over both bytes of such a character, so that a trail byte (which may be 0x5C or any
// ASCII letter in code page 936) is never taken for an ASCII character.
#include <cstddef>
#include <string_view>

namespace text {

constexpr std::size_t kNotFound = std::string_view::npos;

inline bool IsLeadByte(char c) {
  const unsigned char byte = static_cast<unsigned char>(c);
  return byte >= 0x81 && byte <= 0xFE;
}

// Bytes taken by the character at pos: 2 for a lead byte with a byte after it, else 1.
inline std::size_t CharLength(std::string_view s, std::size_t pos) {
  return (IsLeadByte(s[pos]) && pos + 1 < s.size()) ? 2 : 1;
}

// First occurrence of needle at a character boundary at or after from (from must be a
// character boundary itself); kNotFound when there is none or from is past the end.
std::size_t FindFrom(std::string_view haystack, std::string_view needle, std::size_t from = 0);

// Last occurrence of the ASCII byte c that is a character of its own, not a trail byte.
std::size_t FindLastChar(std::string_view s, char c);

}  // namespace text
