#include "engine/skin_state.h"

#include "engine/painting.h"

namespace engine {
namespace {

skin::Skin activeSkin{};
bool hasSkin = false;
HBRUSH editBrush = nullptr, listBrush = nullptr, clientBrush = nullptr;
HFONT captionFont = nullptr;

void Replace(HBRUSH& brush, skin::Rgb colour) {
  HBRUSH fresh = CreateSolidBrush(ToColorRef(colour));
  if (!fresh) return;  // keep the old brush: a null answer to WM_CTLCOLOR* draws nothing
  if (brush) DeleteObject(brush);
  brush = fresh;
}

}  // namespace

bool HasSkin() { return hasSkin; }

const skin::Skin& ActiveSkin() { return activeSkin; }

void SetActiveSkin(const skin::Skin& skin) {
  activeSkin = skin;
  hasSkin = true;
  Replace(editBrush, skin.editBackground);
  Replace(listBrush, skin.listBackground);
  Replace(clientBrush, skin.client.first);
}

HBRUSH EditBrush() { return editBrush; }
HBRUSH ListBrush() { return listBrush; }
HBRUSH ClientBrush() { return clientBrush; }

HFONT CaptionFont() {
  if (captionFont) return captionFont;
  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    captionFont = CreateFontIndirectA(&metrics.lfCaptionFont);
  }
  if (!captionFont) captionFont = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  return captionFont;
}

}  // namespace engine
