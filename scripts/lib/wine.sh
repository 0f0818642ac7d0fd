# Sourced by the scripts: the project's Wine prefix and the 64-bit loader that runs
# the win64 build in it. Override the prefix with FEE_WINEPREFIX.

export WINEPREFIX="${FEE_WINEPREFIX:-${HOME}/.wine-feescreens}"
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer dialogs: the screens need neither.
export WINEDLLOVERRIDES="mscoree,mshtml="

fee_find_wine() {
  local loader server
  for loader in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
    [[ -n "$loader" && -x "$loader" ]] && break
  done
  for server in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver \
      "$(command -v wineserver64 || true)" "$(command -v wineserver || true)"; do
    [[ -n "$server" && -x "$server" ]] && break
  done
  if [[ ! -x "$loader" || ! -x "$server" ]]; then
    echo "wine: no 64-bit Wine loader found (install wine64)" >&2
    return 1
  fi
  export WINELOADER="$loader" WINESERVER="$server"
}

# The prefix's settings:
# - the Chinese UI fonts the screens and message boxes ask for, all drawn with
#   WenQuanYi Micro Hei so that captions show as text rather than boxes;
# - a virtual desktop: Wine's windows live inside one X window, so showing and
#   hiding a top-level window does not wait for a window manager (Xvfb has none;
#   each wait costs two seconds).
fee_prefix_registry() {
  local face
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1280x1024"\r\n\r\n'
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  for face in "宋体" "SimSun" "新宋体" "NSimSun" "黑体" "SimHei" "仿宋" "FangSong" "楷体" "KaiTi" \
      "微软雅黑" "Microsoft YaHei" "MS Shell Dlg" "MS Shell Dlg 2" "Tahoma" "MS Sans Serif" \
      "Arial Unicode MS"; do
    printf '"%s"="WenQuanYi Micro Hei"\r\n' "$face"
  done
}

# Creates the prefix once and (re)applies its settings when they change.
fee_wine_prefix() {
  fee_find_wine || return 1
  local reg stamp="$WINEPREFIX/.feescreens-settings"
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "wine: creating prefix $WINEPREFIX"
    "$WINELOADER" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    [[ -f "$WINEPREFIX/system.reg" ]] || { echo "wine: wineboot failed" >&2; return 1; }
  fi
  reg="$(fee_prefix_registry)"
  if [[ ! -f "$stamp" || "$(cat "$stamp")" != "$reg" ]]; then
    echo "wine: settings: Chinese UI fonts to WenQuanYi Micro Hei, virtual desktop 1280x1024"
    # regedit reads UTF-16 files with a byte order mark whatever the locale.
    { printf '\xff\xfe'; printf '%s' "$reg" | iconv -f UTF-8 -t UTF-16LE; } \
      >"$WINEPREFIX/drive_c/feescreens-settings.reg"
    "$WINELOADER" regedit /S 'C:\feescreens-settings.reg' >/dev/null 2>&1
    "$WINESERVER" -w
    printf '%s' "$reg" >"$stamp"
  fi
}
