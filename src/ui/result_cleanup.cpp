#include "ui/result_cleanup.h"

#include "text/ansi_text.h"

namespace ui {

std::string RemoveCarriageReturnReferences(std::string_view text) {
  constexpr std::string_view kReference = "&#xD;";
  std::string cleaned;
  cleaned.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (text.compare(pos, kReference.size(), kReference) == 0) {
      pos += kReference.size();
      continue;
    }
    const std::size_t length = text::CharLength(text, pos);
    cleaned.append(text, pos, length);
    pos += length;
  }
  return cleaned;
}

}  // namespace ui
