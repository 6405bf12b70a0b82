#pragma once
#include <string>
#include <string_view>

namespace ui {

// The translation service writes each carriage return of its answer as the character
// reference "&#xD;", which the result box would show literally. Removes every occurrence,
// matched byte for byte (other letter cases stay) at character boundaries only, in one
// pass: what closes up around a removed occurrence is not looked at again.
std::string RemoveCarriageReturnReferences(std::string_view text);

}  // namespace ui
