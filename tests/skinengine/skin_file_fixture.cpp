#include "skin_file_fixture.h"

#include <cstdio>
#include <fstream>
#include <iterator>

Bytes ReadSkinFile(int number) {
  char name[32];
  std::snprintf(name, sizeof name, "/skin%02d.she", number);
  std::ifstream in(std::string(LEXORIN_SKIN_DIR) + name, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes WrapBody(const std::string& body, const Header& header) {
  Bytes file(header.magic.begin(), header.magic.end());
  const auto length = static_cast<std::uint32_t>(static_cast<std::int64_t>(body.size()) + header.lengthDelta);
  const unsigned char fields[8] = {
      static_cast<unsigned char>(header.version), static_cast<unsigned char>(header.version >> 8),
      static_cast<unsigned char>(header.reserved), static_cast<unsigned char>(header.reserved >> 8),
      static_cast<unsigned char>(length), static_cast<unsigned char>(length >> 8),
      static_cast<unsigned char>(length >> 16), static_cast<unsigned char>(length >> 24)};
  file.insert(file.end(), fields, fields + sizeof fields);
  file.insert(file.end(), body.begin(), body.end());
  return file;
}

std::string ValidBody() {
  const Bytes file = ReadSkinFile(1);
  return file.size() > 12 ? std::string(file.begin() + 12, file.end()) : std::string();
}
