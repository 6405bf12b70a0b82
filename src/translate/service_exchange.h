#pragma once
// The exchange behind TranslateText, with the service host as a parameter so tests can
// also aim it at a port where nothing listens.
#include <string>
#include <string_view>

#include "translate/direction_table.h"

namespace translate {

std::string ExchangeWithService(std::string_view host, const std::string& sourceText,
                                DirectionCode code);

}  // namespace translate
