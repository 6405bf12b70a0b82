#include "ui/handlers.h"

#include "app/window_list.h"
#include "appearance/apply_random_skin.h"
#include "ui/controls.h"
#include "ui/status_texts.h"

namespace ui {
namespace {

void SetStatus(const char* status) { SetWindowTextA(ControlWindow(ControlName::透明标签2), status); }

}  // namespace

void OnWindowCreated(HWND) {
  appearance::ApplyRandomSkin();
  SetStatus(kStatusDirectionChosenFirst);
}

void OnDirectionSelected() {}

void OnTranslateClicked() {}

void OnCopyResultClicked() {}

void OnClearSourceClicked() {}

void OnExitClicked(HWND window) { app::RequestDestroy(window); }

void OnClockTimer() {}

}  // namespace ui
