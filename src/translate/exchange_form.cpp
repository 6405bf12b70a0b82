#include "translate/exchange_form.h"

namespace translate {
namespace {

constexpr std::string_view kScheme = "http://";
constexpr std::string_view kPath = "/v2/Http.svc/Translate";
constexpr std::string_view kApplicationId = "7A1C3E9B06D8F2A4C5B7E1D09F3A6C8E2B4D7F10";

}  // namespace

std::string BuildRequestUrl(std::string_view host, std::string_view encodedText,
                            std::string_view queryText) {
  std::string url;
  url += kScheme;
  url += host;
  url += kPath;
  url += "?appId=";
  url += kApplicationId;
  url += "&text=";
  url += encodedText;
  url += "&";
  url += queryText;
  return url;
}

}  // namespace translate
