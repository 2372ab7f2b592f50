# Shared by the end-to-end tests and scripts/screenshots (sourced, not run): sequora.exe and the
# window probe in one Wine virtual desktop on an X display.
#   prepare_prefix            makes $WINEPREFIX on first use, with Wine's "Light" visual style on
#                             (the look of current Windows rather than the classic one) and Wine's
#                             own fonts (Tahoma, Marlett for the caption buttons) in its Fonts
#                             folder, where Debian's Wine finds them
#   desktop_start NAME        names the desktop that the following calls use
#   desktop_run DIR EXE...    starts EXE in DIR inside the desktop, in the background
#   probe COMMAND TITLE ...   runs the window probe in the desktop and prints its answer
#                             (empty when it found nothing); waits at most 30 s for it
# Needs: WINEPREFIX set and made, DISPLAY set, PROBE_EXE (helper_windowprobe.exe), WORK (scratch).

prepare_prefix() {
  [ -f "$WINEPREFIX/.sequora-ready" ] && return 0
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1
  wineserver -w
  cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  _key='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
  wine reg add "$_key" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
  wine reg add "$_key" /v DllName /t REG_SZ /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
  wine reg add "$_key" /v ColorName /t REG_SZ /d NormalColor /f >/dev/null 2>&1
  wine reg add "$_key" /v SizeName /t REG_SZ /d NormalSize /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/.sequora-ready"
}

desktop_start() {
  DESKTOP="explorer /desktop=$1,1280x1024"
}

desktop_run() {
  ( cd "$1" && shift && exec wine $DESKTOP "$@" >/dev/null 2>&1 ) &
}

probe() {
  _answer="$WORK/probe-answer.txt"
  rm -f "$_answer"
  # explorer hands the program to a running desktop and returns at once, but becomes the desktop
  # itself (and stays) when it is the first: run it in the background and wait for the answer.
  _probe=$(winepath -w "$PROBE_EXE" 2>/dev/null)
  _file=$(winepath -w "$_answer" 2>/dev/null)
  ( exec wine $DESKTOP "$_probe" "$_file" "$@" >/dev/null 2>&1 ) &
  _waited=0
  while [ ! -f "$_answer" ] && [ $_waited -lt 300 ]; do
    sleep 0.1
    _waited=$((_waited + 1))
  done
  cat "$_answer" 2>/dev/null || true
}
