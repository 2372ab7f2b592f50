#!/bin/sh
# The startup run end to end: sequora.exe in a folder with a Sequora.ini that counts down 2 s and
# lists five programs (lib/run-list.sh): "one" (delay 0), "two" (disabled), a missing file,
# "three" (delay 3), "four" (delay 1), the helpers writing their names and start times to
# starts.txt. They must start in list order, each no earlier than its delay allows, "two" never;
# the missing file is logged; sequora.exe ends by itself. Then the same with SystemTray=1: the
# window stays hidden behind its notification icon, and at the end no icon is shown.
set -eu
. "$(dirname "$0")/lib/e2e.sh"
. "$SRC/tests/e2e/lib/run-list.sh"

app=$WORK/app
cp "$BUILD/helpers/helper_stamp.exe" "$app/"
now_ms() { date +%s%3N; }
# The number after NAME in starts.txt.
start_of() { sed -n "s/^$1 \\([0-9]*\\).*/\\1/p" "$app/starts.txt"; }

# run_list TRAY [CHECK_DURING]: one whole run with SystemTray=TRAY; CHECK_DURING runs while the
# countdown is on. Sets t0 (ms, before the start) and t_end (ms, once it has ended).
run_list() {
  rm -f "$app/starts.txt" "$app/sequora_LogFile.log"
  write_run_list "$app" 2 "$1"
  t0=$(now_ms)
  desktop_run "$app" sequora.exe
  wait_processes 20 1 || fail "sequora.exe did not start"
  [ -z "${2:-}" ] || $2
  wait_processes 60 0 || fail "sequora.exe did not end by itself after the list"
  t_end=$(now_ms)
}

# check_run LABEL: order, gaps and log of the run just made.
check_run() {
  [ -f "$app/starts.txt" ] || fail "$1: no program started"
  names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
  [ "$names" = "one three four " ] || fail "$1: started '$names', expected 'one three four '"
  t_one=$(start_of one)
  t_three=$(start_of three)
  t_four=$(start_of four)
  # A wait of delay d takes d + 1 ticks, the first of which can come early; ticks may come a few
  # milliseconds early. "one": 2 s countdown, then one tick. "three": one tick for the missing
  # file, then at least 3 s. "four": at least 1 s.
  [ $((t_one - t0)) -ge 2900 ] || fail "$1: 'one' $((t_one - t0)) ms after the start, before countdown and tick"
  [ $((t_three - t_one)) -ge 3900 ] || fail "$1: 'three' $((t_three - t_one)) ms after 'one'"
  [ $((t_four - t_three)) -ge 950 ] || fail "$1: 'four' $((t_four - t_three)) ms after 'three'"
  grep -qF "Error: File not found - $(winepath -w "$app")\\missing.exe" "$app/sequora_LogFile.log" ||
    fail "$1: the missing file is not in the log"
  echo "$1: one +$((t_one - t0)) ms after the start, three +$((t_three - t_one)) ms," \
    "four +$((t_four - t_three)) ms; sequora.exe gone $((t_end - t_four)) ms after 'four'"
}

run_list 0
check_run "startup run"

# Wine shows the icons in a tray window of its own (class Shell_TrayWnd), one visible child per
# icon, and hides it when it holds none.
tray() { probe class Shell_TrayWnd | tr -d '\r\n'; }
icon_shown() { case $(tray) in 1\|[1-9]*) return 0 ;; esac; return 1; }
icon_shown_window_hidden() {
  _tries=0
  until icon_shown; do
    _tries=$((_tries + 1))
    [ $_tries -le 20 ] || fail "tray: no notification icon during the countdown ($(tray))"
    sleep 0.2
  done
  sleep 0.5  # the load handler shows the window, then hides it behind the icon
  [ -z "$(probe wait "Sequora 1.3" 500)" ] || fail "tray: the main window is shown"
}
run_list 1 icon_shown_window_hidden
check_run "with notification icon"
# Wine also drops the icons of a program that has ended, so this shows what the user sees rather
# than proving the removal; the removal itself is tested on the fake notification area.
case $(tray) in '' | 0\|* | 1\|0) ;; *) fail "tray: an icon is left ($(tray))" ;; esac
