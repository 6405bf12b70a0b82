#include "app/app_state.h"

namespace app {

ApplicationState& AppState() {
  static ApplicationState state;
  return state;
}

}  // namespace app
