#!/usr/bin/env bash
# Renders the program's window in each of the 55 skins with lexorin-preview.exe under
# Wine's virtual desktop and tiles the shots into docs/gallery.png (or the path given).
# Set KEEP_SHOTS=<dir> to keep the full-size shot of each skin. Builds win64 first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${LEXORIN_BUILD_ROOT:-$root/build}
out=${1:-$root/docs/gallery.png}
if [ -z "${LEXORIN_GALLERY_DISPLAY:-}" ]; then
  "$root/scripts/build.sh" win64
  LEXORIN_GALLERY_DISPLAY=1 exec "$root/scripts/with-display.sh" "$0" "$@"
fi

tree=$build_root/win64
shots=${KEEP_SHOTS:-$(mktemp -d)}
mkdir -p "$shots"
export LEXORIN_BUILD_DIR=$tree
wine_run() { (cd "$tree/bin" && "$root/cmake/wine-run.sh" "$@"); }
wine_run cmd /c exit 2>/dev/null || true   # makes the prefix once

# The window is 430 x 337, centred on the prefix's 1024 x 768 virtual desktop.
crop=430x337+297+215
for n in $(seq -w 1 55); do
  skin="Z:${root//\//\\}\\resources\\skins\\skin$n.she"
  wine_run lexorin-preview.exe "$skin" --close-after 4000 2>/dev/null &
  sleep 2.5
  import -window root -crop "$crop" +repage "$shots/skin$n.png"
  wait
  name=$(sed -n 's/^name = //p' "$root/resources/skins/skin$n.she" | tr -d '\r')
  convert "$shots/skin$n.png" -resize 50% -set label "$n $name" "$shots/tile$n.png"
done
montage "$shots"/tile*.png -tile 7x -geometry +6+6 -font DejaVu-Sans -pointsize 13 -background '#2b2b2b' -fill '#f0f0f0' "$out"
echo "gallery: $out"
