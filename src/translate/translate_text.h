#pragma once
// The translation client's one entry point, called by the translate button's handler.
#include <string>

#include "translate/direction_table.h"

namespace translate {

// Sends sourceText (code page 936) in one synchronous GET to the translation service and
// returns the text between the answer's markers, in the system's ANSI code page. Every
// failure (a code without a direction, no request object, no answer, no markers) gives
// an empty text and shows nothing. Call it on a thread initialised for COM.
std::string TranslateText(const std::string& sourceText, DirectionCode code);

}  // namespace translate
