#pragma once
// The request's text value: every byte written as "%" and two uppercase hex digits,
// letters and digits included, so no byte of the source can end the parameter.
#include <string>
#include <string_view>

namespace translate {

std::string PercentEncodeBytes(std::string_view bytes);

}  // namespace translate
