#include "answer_text.h"

namespace service {

std::string EscapeXmlContent(std::string_view content) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string escaped;
  escaped.reserve(content.size());
  for (char c : content) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if (c == '&') {
      escaped += "&amp;";
    } else if (c == '<') {
      escaped += "&lt;";
    } else if (c == '>') {
      escaped += "&gt;";
    } else if (byte < 0x20 && c != '\t' && c != '\n') {
      escaped += "&#x";
      if (byte >= 0x10) escaped += kHexDigits[byte >> 4];
      escaped += kHexDigits[byte & 0x0F];
      escaped += ';';
    } else {
      escaped += c;
    }
  }
  return escaped;
}

std::string V2Answer(std::string_view content) {
  std::string answer = "<string xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">";
  answer += EscapeXmlContent(content);
  answer += "</string>";
  return answer;
}

std::string SampleTranslation(std::string_view from, std::string_view to, std::string_view text) {
  std::string sample = "[sample answer ";
  sample += from.empty() ? std::string_view("auto") : from;
  sample += "\xE2\x86\x92";  // → (U+2192), in UTF-8
  sample += to;
  sample += "] ";
  sample += text;
  return sample;
}

std::string ArgumentExceptionPage(std::string_view parameter, std::string_view message) {
  std::string page =
      "<html><head><title>Argument Exception</title></head><body>"
      "<h1>Argument Exception</h1><p>Method: Translate()</p><p>Parameter: ";
  page += EscapeXmlContent(parameter);
  page += "</p><p>Message: ";
  page += EscapeXmlContent(message);
  page += "</p></body></html>";
  return page;
}

}  // namespace service
