#pragma once
// Code-page conversions of the translation client (Win32).
#include <string>

namespace translate {

// The text up to its first zero byte read as code page 936, whatever the system's ANSI
// code page is; invalid sequences become the platform's substitute character.
std::wstring TextToUtf16(const std::string& text);

std::string Utf16ToUtf8(const std::wstring& utf16);

// The UTF-16 text up to its first NUL in the system's ANSI code page; characters the code
// page lacks become the platform's best fit or default character.
std::string Utf16ToAnsi(const wchar_t* utf16);

// The request's text value: the UTF-8 bytes of the code page 936 text, percent-encoded.
std::string EncodeQueryText(const std::string& text);

}  // namespace translate
