#pragma once
// The bodies this service answers with, in the V2 answer form.
#include <string>
#include <string_view>

namespace service {

constexpr std::string_view kXmlContentType = "application/xml; charset=utf-8";
constexpr std::string_view kHtmlContentType = "text/html; charset=utf-8";

// content as the character data of a V2 "string" element: "&", "<" and ">" escaped,
// and control characters (carriage return among them) as "&#xD;"-style references.
std::string EscapeXmlContent(std::string_view content);

// The V2 answer document holding content (UTF-8) as its translation.
std::string V2Answer(std::string_view content);

// What the service answers in its default mode: plainly a sample, never a translation.
std::string SampleTranslation(std::string_view from, std::string_view to, std::string_view text);

// The HTML error page of a refused request.
std::string ArgumentExceptionPage(std::string_view parameter, std::string_view message);

}  // namespace service
