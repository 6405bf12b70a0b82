#include "translate/extract_between.h"

#include "text/ansi_text.h"

namespace translate {

std::string ExtractBetween(std::string_view source, std::string_view start, std::string_view end) {
  const std::size_t startPos = text::FindFrom(source, start);
  if (startPos == text::kNotFound) return std::string();
  const std::size_t contentPos = startPos + start.size();
  const std::size_t endPos = text::FindFrom(source, end, contentPos);
  if (endPos == text::kNotFound) return std::string();
  return std::string(source.substr(contentPos, endPos - contentPos));
}

}  // namespace translate
