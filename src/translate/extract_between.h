#pragma once
// Takes the translation out of the service's answer.
#include <string>
#include <string_view>

namespace translate {

// The bytes between the first occurrence of start and the first occurrence of end after
// it; an empty text when either is missing. Both searches step over double-byte
// characters of the ANSI code page, so no match begins on a trail byte.
std::string ExtractBetween(std::string_view source, std::string_view start, std::string_view end);

}  // namespace translate
