#include "format/skin_parser.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "format/skin_keys.h"

namespace skin {
namespace {

constexpr unsigned char kMagic[4] = {'.', 'S', 'H', 'E'};

unsigned ReadU16(const unsigned char* p) { return p[0] | (p[1] << 8u); }

std::size_t ReadU32(const unsigned char* p) {
  return static_cast<std::size_t>(p[0]) | (static_cast<std::size_t>(p[1]) << 8) |
         (static_cast<std::size_t>(p[2]) << 16) | (static_cast<std::size_t>(p[3]) << 24);
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

bool IsKeyCharacter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' || c == '_';
}

ParseStatus CheckHeader(const unsigned char* data, std::size_t size) {
  if (size > kMaxFileSize) return ParseStatus::TooLarge;
  if (!data || size < kHeaderSize) return ParseStatus::TooShort;
  for (std::size_t i = 0; i < sizeof kMagic; ++i) {
    if (data[i] != kMagic[i]) return ParseStatus::BadMagic;
  }
  if (ReadU16(data + 4) != kFormatVersion) return ParseStatus::UnsupportedVersion;
  if (ReadU16(data + 6) != 0) return ParseStatus::BadHeader;
  if (ReadU32(data + 8) != size - kHeaderSize) return ParseStatus::LengthMismatch;
  return ParseStatus::Ok;
}

ParseStatus CheckCharacters(std::string_view body) {
  for (char c : body) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte < 0x20 || byte > 0x7E) && c != '\t' && c != '\r' && c != '\n') {
      return ParseStatus::BadCharacter;
    }
  }
  return ParseStatus::Ok;
}

class BodyReader {
 public:
  explicit BodyReader(Skin& skin) : skin_(skin), seen_(kKeyCount, false) {}

  ParseStatus Line(std::string_view line) {
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.size() > kMaxLineLength) return ParseStatus::LineTooLong;
    line = Trim(line);
    if (line.empty() || line.front() == '#') return ParseStatus::Ok;

    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return ParseStatus::BadLine;
    const std::string_view key = Trim(line.substr(0, equals));
    const std::string_view value = Trim(line.substr(equals + 1));
    if (key.empty()) return ParseStatus::BadLine;
    for (char c : key) {
      if (!IsKeyCharacter(c)) return ParseStatus::BadLine;
    }
    for (std::size_t i = 0; i < kKeyCount; ++i) {
      if (key != kKeys[i].key) continue;
      if (seen_[i]) return ParseStatus::DuplicateKey;
      seen_[i] = true;
      return kKeys[i].apply(skin_, value) ? ParseStatus::Ok : ParseStatus::BadValue;
    }
    return ParseStatus::UnknownKey;
  }

  bool AllKeysSeen() const { return std::all_of(seen_.begin(), seen_.end(), [](bool seen) { return seen; }); }

 private:
  Skin& skin_;
  std::vector<bool> seen_;
};

}  // namespace

ParseResult ParseSkin(const unsigned char* data, std::size_t size, Skin& out) {
  ParseStatus status = CheckHeader(data, size);
  if (status != ParseStatus::Ok) return {status, 0};

  const std::string_view body(reinterpret_cast<const char*>(data + kHeaderSize), size - kHeaderSize);
  status = CheckCharacters(body);
  if (status != ParseStatus::Ok) return {status, 0};

  Skin skin{};
  BodyReader reader(skin);
  std::size_t lineNumber = 0;
  std::size_t start = 0;
  while (start <= body.size()) {
    ++lineNumber;
    std::size_t end = body.find('\n', start);
    if (end == std::string_view::npos) end = body.size();
    status = reader.Line(body.substr(start, end - start));
    if (status != ParseStatus::Ok) return {status, lineNumber};
    start = end + 1;
  }
  if (!reader.AllKeysSeen()) return {ParseStatus::MissingKey, 0};
  out = skin;
  return {ParseStatus::Ok, 0};
}

}  // namespace skin
