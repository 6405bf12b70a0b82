#include "translate/percent_encoding.h"

namespace translate {

std::string PercentEncodeBytes(std::string_view bytes) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (char c : bytes) {
    const unsigned char byte = static_cast<unsigned char>(c);
    encoded += '%';
    encoded += kHexDigits[byte >> 4];
    encoded += kHexDigits[byte & 0x0F];
  }
  return encoded;
}

}  // namespace translate
