#!/bin/bash
# Shows a window with every gadget kind under Wine and saves it as BUILD_DIR/gui_win32_screenshot.png:
#   tests/gui_win32/screenshot.sh BUILD_DIR   (a configured Windows build tree)
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
cmake --build "$build" --target gui_win32_screenshot -j2 >/dev/null
. "$here/../../tools/lib/wine.sh"
wine_session_start "$build"
marker="$build/gui_win32_screenshot.where"
png="$build/gui_win32_screenshot.png"
rm -f "$marker" "$png"
# Wine takes a path of its own: the build tree is reachable through the Z: drive.
wine_exec "$build/tests/gui_win32_screenshot.exe" "Z:${marker//\//\\}" &
prog=$!
trap 'rm -f "$marker"; wait $prog 2>/dev/null; wine_session_stop' EXIT
for _ in $(seq 1 300); do
  [ -s "$marker" ] && break
  sleep 0.1
done
read -r x y w h <"$marker"
# Wine's desktop window fills the display from its top-left corner, so window and display
# coordinates agree.
import -window root -crop "${w}x${h}+${x}+${y}" "$png"
echo "$png"
