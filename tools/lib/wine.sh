# Shell functions that run Windows programs under a private Wine prefix on a private Xvfb.
# Source it, then: wine_session_start BUILD_DIR; wine_exec EXE ARGS...; wine_session_stop.

# The 64-bit loader starts 64-bit programs itself and hands 32-bit ones to Debian's 32-bit loader
# (/usr/lib/wine/wine, from wine32:i386), in the same 64-bit prefix: both builds run through $WINE.
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
WINE_XVFB_PID=
WINE32_LOADER=/usr/lib/wine/wine

# Answers true when this machine executes the 32-bit Wine loader itself. Some virtual machines
# refuse 32-bit programs ("Exec format error"); running them through a user-mode emulator
# registered with binfmt_misc works but starts each Wine process in about a minute, too slow for
# the test suite, so an emulated loader does not count. Says why on stderr when it answers false.
wine32_runs() {
  local entry
  if [ ! -x "$WINE32_LOADER" ]; then
    echo "$WINE32_LOADER is missing (wine32:i386, installed by tools/setup)" >&2
    return 1
  fi
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] || continue
    if grep -q '^enabled' "$entry" 2>/dev/null &&
      grep -q '^magic 7f454c4601010100000000000000000002000300' "$entry" 2>/dev/null; then
      echo "32-bit programs run here only through an emulator ($entry)" >&2
      return 1
    fi
  done
  if ! "$WINE32_LOADER" --version >/dev/null 2>&1; then
    echo "this machine cannot execute 32-bit programs ($WINE32_LOADER: $("$WINE32_LOADER" --version 2>&1 | head -1))" >&2
    return 1
  fi
}

# The prefix lives in the build tree and is initialised once; the registry keys put every Wine
# window inside Wine's own virtual desktop, so no window manager is needed and destroying a
# minimised window does not stall. A crash never waits in a dialog: the debugger writes where it
# happened to the program's error output and the program ends at once.
# Every program runs with Wine's heap checking (freed blocks are filled and heap errors raised),
# so a use-after-free or an overrun crashes the 64-bit run too; VARNOC_WINEDEBUG overrides it.
# VARNOC_DPI=N (other than 96) gives a prefix of its own whose screen has N DPI (LogPixels), so a
# run at another display scale never changes the one the tests run in; its screen has as many more
# pixels, like a display of the same size and a finer grain.
WINE_PREFIX_VERSION=2
wine_screen_size() {
  local dpi=${VARNOC_DPI:-96}
  echo "$((1280 * dpi / 96))x$((1024 * dpi / 96))"
}
wine_prefix_init() {
  local dpi=${VARNOC_DPI:-96} name=wineprefix
  [ "$dpi" = 96 ] || name=wineprefix-dpi$dpi
  export WINEPREFIX="$1/$name" WINEDEBUG=${VARNOC_WINEDEBUG:--all,warn+heap} WINEARCH=win64
  # No runtime or browser-engine installers: nothing here needs them and they would block.
  export WINEDLLOVERRIDES="mscoree=;mshtml="
  if [ "$(cat "$WINEPREFIX/.varnoc-ready" 2>/dev/null)" = "$WINE_PREFIX_VERSION" ]; then
    wine_fonts_link
    return 0
  fi
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  DISPLAY= "$WINE" wineboot -i >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$(wine_screen_size)" /f >/dev/null 2>&1
  "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
  "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null 2>&1
  if [ "$dpi" != 96 ]; then
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  fi
  "$WINESERVER" -w
  wine_fonts_link
  echo "$WINE_PREFIX_VERSION" >"$WINEPREFIX/.varnoc-ready"
}

# Wine's own fonts (the symbols of the caption buttons, the dialog font) go into the prefix's font
# folder: this Wine does not look for them where the distribution installs them, and without them
# the close box shows a letter and dialogs fall back to another font.
wine_fonts_link() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" f
  [ -d /usr/share/wine/fonts ] && [ -d "$fonts" ] || return 0
  for f in /usr/share/wine/fonts/*; do
    [ -e "$fonts/${f##*/}" ] || ln -s "$f" "$fonts/"
  done
}

# Starts an Xvfb of our own (a free display number chosen by the server) and a persistent
# wineserver for the prefix, so every program after the first starts warm.
wine_session_start() {
  wine_prefix_init "$1"
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$(wine_screen_size)x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  WINE_XVFB_PID=$!
  local num
  read -r num <"$fifo"
  rm -f "$fifo"
  export DISPLAY=":$num"
  "$WINESERVER" -p
  # Starting the desktop once up front keeps its cost out of the first program's time.
  "$WINE" cmd /c exit >/dev/null 2>&1
}

wine_session_stop() {
  "$WINESERVER" -k >/dev/null 2>&1
  "$WINESERVER" -w >/dev/null 2>&1
  if [ -n "$WINE_XVFB_PID" ]; then
    kill "$WINE_XVFB_PID" 2>/dev/null
    wait "$WINE_XVFB_PID" 2>/dev/null
    WINE_XVFB_PID=
  fi
}

# Runs a Windows program and returns its exit status.
wine_exec() {
  "$WINE" "$@"
}
