#pragma once
// The form of one exchange with a V2-form translation service: the request URL and the
// markers around the translation in its answer.
#include <string>
#include <string_view>

namespace translate {

constexpr std::string_view kAnswerStartMarker =
    "<string xmlns=\"http://schemas.microsoft.com/2003/10/Serialization/\">";
constexpr std::string_view kAnswerEndMarker = "</string>";

// "http://" host "/v2/Http.svc/Translate?appId=" id "&text=" encodedText "&" queryText,
// in that order with nothing between the pieces.
std::string BuildRequestUrl(std::string_view host, std::string_view encodedText,
                            std::string_view queryText);

}  // namespace translate
