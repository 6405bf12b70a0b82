#pragma once
// Reading a translation request from its raw request target, as a V2-form service does.
#include <optional>
#include <string>
#include <string_view>

namespace service {

// "%XX" sequences turned into bytes and "+" into a space; nullopt when a "%" is not
// followed by two hex digits.
std::optional<std::string> PercentDecode(std::string_view encoded);

// The language codes this service accepts in "from" and "to".
bool IsKnownLanguage(std::string_view code);

struct TranslateRequest {
  std::string text;  // UTF-8
  std::string from;  // empty: the source language is not given
  std::string to;
};

struct RequestCheck {
  std::optional<TranslateRequest> request;
  std::string parameter;  // on failure: the parameter at fault
  std::string message;    // on failure: why the request was refused
};

// Checks a raw request target such as "/v2/Http.svc/Translate?appId=..&text=..&to=en".
// Refused: another path, a malformed percent-encoding, a text that is not UTF-8, no "to",
// or a language code the service does not know.
RequestCheck CheckTranslateTarget(std::string_view target);

}  // namespace service
