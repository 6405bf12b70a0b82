#include "ui/handlers.h"

#include "app/window_list.h"
#include "appearance/apply_random_skin.h"
#include "translate/translate_text.h"
#include "ui/clipboard.h"
#include "ui/control_text.h"
#include "ui/controls.h"
#include "ui/direction_entries.h"
#include "ui/result_cleanup.h"
#include "ui/status_texts.h"

namespace ui {
namespace {

constexpr DWORD kWaitBeforeTranslatingMs = 50;

void SetStatus(const std::string& status) { WriteText(ControlName::透明标签2, status); }

}  // namespace

void OnWindowCreated() {
  appearance::ApplyRandomSkin();
  SetStatus(kStatusDirectionChosenFirst);
}

void OnDirectionSelected() {
  SetStatus(kStatusDirectionChosen + ListEntryText(ListSelection()));
}

void OnTranslateClicked() {
  bool directionChosenWithSource = false;
  for (int position = 0; position < static_cast<int>(kDirectionEntryCount); ++position) {
    if (ListSelection() != position) continue;
    Sleep(kWaitBeforeTranslatingMs);
    const std::string source = ReadText(ControlName::编辑框1);
    WriteText(ControlName::编辑框2,
              translate::TranslateText(source, kDirectionEntries[position].directionCode));
    directionChosenWithSource = !source.empty();
  }

  WriteText(ControlName::编辑框2, RemoveCarriageReturnReferences(ReadText(ControlName::编辑框2)));

  if (!ReadText(ControlName::编辑框2).empty()) {
    SetStatus(kStatusTranslated);
  } else if (ReadText(ControlName::编辑框1).empty()) {
    SetStatus(kStatusSourceEmpty);
  } else if (directionChosenWithSource) {
    // A text was sent and nothing came back: say so rather than leave an earlier
    // "translated" message standing.
    SetStatus(kStatusTranslationFailed);
  }
}

void OnCopyResultClicked() {
  if (ReadText(ControlName::编辑框2).empty()) {
    SetStatus(kStatusNothingToCopy);
    return;
  }
  HWND window = GetParent(ControlWindow(ControlName::复制翻译结果));
  const bool copied = CopyTextToClipboard(window, ReadText(ControlName::编辑框2));
  SetStatus(copied ? kStatusCopied : kStatusClipboardUnavailable);
}

void OnClearSourceClicked() {
  WriteText(ControlName::编辑框1, "");
  SetStatus(kStatusSourceCleared);
}

void OnExitClicked(HWND window) { app::RequestDestroy(window); }

void OnClockTimer() {}

}  // namespace ui
