# Set-up shared by the end-to-end tests (sourced by each tests/e2e/*.sh). The test's arguments are
# sequora.exe, the build folder and the source folder. Without a display the test runs again under
# Xvfb. Each test gets a scratch folder ($WORK/app holds its copy of sequora.exe), the Wine prefix
# <build>/wineprefix-e2e and a Wine desktop of its own (so windows have their frames without a
# window manager). Every Wine process of that prefix is ended when the test ends, however it ends.
EXE=$1
BUILD=$2
SRC=$3
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" sh "$0" "$@"
fi
TEST_NAME=$(basename "$0" .sh)
WORK=$BUILD/e2e/$TEST_NAME
PROBE_EXE=$BUILD/helpers/helper_windowprobe.exe
export WINEPREFIX="$BUILD/wineprefix-e2e" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
. "$SRC/tests/e2e/lib/wine-desktop.sh"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
end_wine() { wineserver -k 2>/dev/null || true; }
trap end_wine EXIT
trap 'exit 1' INT TERM

prepare_prefix
end_wine
rm -rf "$WORK"
mkdir -p "$WORK/app"
cp "$EXE" "$WORK/app/"
desktop_start "$TEST_NAME"

# Number of running sequora.exe processes.
sequora_processes() { probe processes sequora.exe | tr -d '\r\n'; }

# Waits up to $1 seconds until `sequora_processes` equals $2.
wait_processes() {
  _tries=0
  while [ "$(sequora_processes)" != "$2" ]; do
    _tries=$((_tries + 1))
    [ $_tries -le "$1" ] || return 1
    sleep 1
  done
}

# Clicks the centre of the child window whose text is $2 in the top-level window titled $1*.
click_child() {
  _rect=$(probe children "$1" | awk -F'|' -v text="$2" '$2 == text { print $3; exit }')
  [ -n "$_rect" ] || return 1
  set -- $_rect
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool mousemove --window "$_deskwin" $((($1 + $3) / 2)) $((($2 + $4) / 2)) click 1
}

# Presses keys ($1, xdotool syntax) in the Wine desktop.
press_keys() {
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool windowfocus --sync "$_deskwin" 2>/dev/null || true
  xdotool key --clearmodifiers "$1"
}
