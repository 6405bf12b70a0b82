#include "translate_request.h"

#include <array>

namespace service {
namespace {

constexpr std::string_view kTranslatePath = "/v2/Http.svc/Translate";

constexpr std::array<std::string_view, 15> kLanguages = {
    "zh-CHS", "zh-CHT", "en", "ja", "fr", "ru", "de", "vi",
    "th",     "ar",     "ko", "lt", "no", "fa", "id",
};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Length of the UTF-8 sequence starting with lead, or 0 for a byte that cannot start one.
std::size_t Utf8SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

bool IsUtf8(std::string_view bytes) {
  for (std::size_t pos = 0; pos < bytes.size();) {
    const unsigned char lead = static_cast<unsigned char>(bytes[pos]);
    const std::size_t length = Utf8SequenceLength(lead);
    if (length == 0 || bytes.size() - pos < length) return false;
    for (std::size_t i = 1; i < length; ++i) {
      if ((static_cast<unsigned char>(bytes[pos + i]) & 0xC0) != 0x80) return false;
    }
    if (length > 1) {
      const unsigned char second = static_cast<unsigned char>(bytes[pos + 1]);
      // Overlong forms, UTF-16 surrogates and code points above U+10FFFF.
      if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second > 0x9F) ||
          (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second > 0x8F)) {
        return false;
      }
    }
    pos += length;
  }
  return true;
}

RequestCheck Refuse(std::string parameter, std::string message) {
  RequestCheck check;
  check.parameter = std::move(parameter);
  check.message = std::move(message);
  return check;
}

}  // namespace

std::optional<std::string> PercentDecode(std::string_view encoded) {
  std::string decoded;
  decoded.reserve(encoded.size());
  for (std::size_t pos = 0; pos < encoded.size(); ++pos) {
    const char c = encoded[pos];
    if (c == '+') {
      decoded += ' ';
    } else if (c != '%') {
      decoded += c;
    } else {
      if (encoded.size() - pos < 3) return std::nullopt;
      const int high = HexValue(encoded[pos + 1]);
      const int low = HexValue(encoded[pos + 2]);
      if (high < 0 || low < 0) return std::nullopt;
      decoded += static_cast<char>(high * 16 + low);
      pos += 2;
    }
  }
  return decoded;
}

bool IsKnownLanguage(std::string_view code) {
  for (std::string_view language : kLanguages) {
    if (language == code) return true;
  }
  return false;
}

RequestCheck CheckTranslateTarget(std::string_view target) {
  const std::size_t queryStart = target.find('?');
  const std::string_view path = target.substr(0, queryStart);
  if (path != kTranslatePath) return Refuse("path", "no such method: " + std::string(path));
  std::string_view query =
      queryStart == std::string_view::npos ? std::string_view() : target.substr(queryStart + 1);

  TranslateRequest request;
  bool hasTo = false;
  while (!query.empty()) {
    const std::size_t ampersand = query.find('&');
    const std::string_view pair = query.substr(0, ampersand);
    query = ampersand == std::string_view::npos ? std::string_view() : query.substr(ampersand + 1);
    const std::size_t equals = pair.find('=');
    const std::string_view key = pair.substr(0, equals);
    const std::optional<std::string> value =
        PercentDecode(equals == std::string_view::npos ? std::string_view() : pair.substr(equals + 1));
    if (!value) return Refuse(std::string(key), "malformed percent-encoding");
    if (key == "text") {
      if (!IsUtf8(*value)) return Refuse("text", "the text is not UTF-8");
      request.text = *value;
    } else if (key == "from") {
      request.from = *value;
    } else if (key == "to") {
      request.to = *value;
      hasTo = true;
    }
  }
  if (!hasTo) return Refuse("to", "the target language is missing");
  if (!IsKnownLanguage(request.to)) return Refuse("to", "'" + request.to + "' is not a supported language");
  if (!request.from.empty() && !IsKnownLanguage(request.from)) {
    return Refuse("from", "'" + request.from + "' is not a supported language");
  }
  RequestCheck check;
  check.request = std::move(request);
  return check;
}

}  // namespace service
