#pragma once
// Reads a skin file: the 12-byte header, then key = value lines (docs/skin-format.md).
// Every fault of the input is reported, never trusted: nothing is read past `size`.
#include <cstddef>

#include "format/skin.h"

namespace skin {

constexpr std::size_t kHeaderSize = 12;
constexpr unsigned kFormatVersion = 1;
// Larger files are refused before they are read: ours are about 1.5 KB.
constexpr std::size_t kMaxFileSize = 64 * 1024;
constexpr std::size_t kMaxLineLength = 200;
constexpr std::size_t kMaxNameLength = 40;

enum class ParseStatus {
  Ok,
  TooShort,            // fewer bytes than the header
  TooLarge,            // over kMaxFileSize
  BadMagic,            // does not begin with ".SHE"
  UnsupportedVersion,  // a version this engine does not read
  BadHeader,           // reserved bytes not zero
  LengthMismatch,      // body length in the header differs from the bytes present
  BadCharacter,        // a byte outside printable ASCII, tab, CR, LF
  LineTooLong,
  BadLine,             // neither blank, comment nor key = value
  UnknownKey,
  DuplicateKey,
  BadValue,
  MissingKey,
};

struct ParseResult {
  ParseStatus status;
  std::size_t line;  // 1-based body line of the fault; 0 when it is not on a line
};

// Parses `size` bytes at `data`; `out` is written only when the result is Ok.
ParseResult ParseSkin(const unsigned char* data, std::size_t size, Skin& out);

}  // namespace skin
