#include "translate/translate_text.h"

#include "translate/service_exchange.h"

#ifndef LEXORIN_SERVICE_HOST
#error "LEXORIN_SERVICE_HOST must name the translation service host"
#endif

namespace translate {

std::string TranslateText(const std::string& sourceText, DirectionCode code) {
  return ExchangeWithService(LEXORIN_SERVICE_HOST, sourceText, code);
}

}  // namespace translate
