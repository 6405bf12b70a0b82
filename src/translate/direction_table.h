#pragma once
// The translation directions the client knows: a direction code names the source and
// target language of one request.
#include <cstdint>
#include <string>

namespace translate {

using DirectionCode = std::int32_t;

// The query text for code ("from=<source>&to=<target>", appended to the request URL as it
// is), or an empty text for a code without an entry.
std::string DirectionQueryText(DirectionCode code);

}  // namespace translate
