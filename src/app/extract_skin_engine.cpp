#include "app/extract_skin_engine.h"

namespace app {

void ExtractSkinEngine() {}

}  // namespace app
