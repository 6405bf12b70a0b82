#include "translate/text_conversion.h"

#include <windows.h>

#include <climits>

#include "translate/percent_encoding.h"

namespace translate {
namespace {

// The source box holds code page 936 text on the systems the program is written for; the
// service expects UTF-8 whatever code page the machine runs with.
constexpr UINT kSourceCodePage = 936;

// The conversion functions count in int; a longer text is not converted at all.
bool FitsConversion(std::size_t length) { return length <= static_cast<std::size_t>(INT_MAX / 4); }

std::string WideToMultiByte(UINT codePage, const wchar_t* wide, std::size_t length) {
  if (length == 0 || !FitsConversion(length)) return std::string();
  const int units = static_cast<int>(length);
  const int bytes = WideCharToMultiByte(codePage, 0, wide, units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return std::string();
  std::string out(static_cast<std::size_t>(bytes), '\0');
  const int written =
      WideCharToMultiByte(codePage, 0, wide, units, &out[0], bytes, nullptr, nullptr);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

}  // namespace

std::wstring TextToUtf16(const std::string& text) {
  // Counted up to the first zero byte, without it: the result holds no terminator.
  const std::size_t textLength = std::char_traits<char>::length(text.c_str());
  if (textLength == 0 || !FitsConversion(textLength)) return std::wstring();
  const int length = static_cast<int>(textLength);
  const int units = MultiByteToWideChar(kSourceCodePage, 0, text.c_str(), length, nullptr, 0);
  if (units <= 0) return std::wstring();
  std::wstring out(static_cast<std::size_t>(units), L'\0');
  const int written =
      MultiByteToWideChar(kSourceCodePage, 0, text.c_str(), length, &out[0], units);
  out.resize(written > 0 ? static_cast<std::size_t>(written) : 0);
  return out;
}

std::string Utf16ToUtf8(const std::wstring& utf16) {
  return WideToMultiByte(CP_UTF8, utf16.c_str(), utf16.size());
}

std::string Utf16ToAnsi(const wchar_t* utf16) {
  if (utf16 == nullptr) return std::string();
  return WideToMultiByte(CP_ACP, utf16, std::char_traits<wchar_t>::length(utf16));
}

std::string EncodeQueryText(const std::string& text) {
  return PercentEncodeBytes(Utf16ToUtf8(TextToUtf16(text)));
}

}  // namespace translate
