#!/bin/sh
# The settings panel and the notification icon's menu, driven by real input (xdotool): open the
# panel ("&Settings"), type 45 into the countdown field, tick "Systemtray Icon", "&Save"; the file
# holds both. The next start goes behind its icon and counts down from 45; a right click on the
# icon opens its menu, a click on "&Pause" pauses the run, one on "E&xit" of a second menu ends
# Sequora, and the icon goes with it.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
printf '%s\r\n' '[MainSettings]' 'InitialStartupTime=600' 'SystemTray=0' 'StartMinimized=0' \
  'CheckRunningProgramTasks=0' 'SkipWindowsAutoRunPrograms=0' '[ProgramList]' >"$app/Sequora.ini"
title="Sequora 1.3 Beta"

desktop_run "$app" sequora.exe
[ -n "$(probe wait "$title" 30000)" ] || fail "no main window"

# ---- The settings panel ---------------------------------------------------------------------
click_child "$title" "&Settings" || fail "no &Settings button"
# The countdown field is the panel's upper text box (another process cannot read an edit's text).
field=$(probe children "$title" | awk -F'|' '$1 == "Edit" && $4 == 1 { print $3 }' | sort -n -k2 | head -1)
[ -n "$field" ] || fail "the settings panel shows no countdown field"
set -- $field
deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
xdotool mousemove --window "$deskwin" $((($1 + $3) / 2)) $((($2 + $4) / 2)) click 1
press_keys End
for _ in 1 2 3 4; do press_keys BackSpace; done
xdotool type --delay 50 45
click_child "$title" "Systemtray Icon" || fail "no Systemtray Icon box"
sleep 0.5
click_child "$title" "&Save" || fail "no &Save button: nothing changed?"
sleep 1
grep -q '^InitialStartupTime=45' "$app/Sequora.ini" || fail "the file does not hold InitialStartupTime=45"
grep -q '^SystemTray=1' "$app/Sequora.ini" || fail "the file does not hold SystemTray=1"
click_child "$title" "E&xit" || fail "no E&xit button"
wait_processes 20 0 || fail "sequora.exe did not end on E&xit"

# ---- The next start: behind the icon, from 45 ----------------------------------------------------
desktop_run "$app" sequora.exe
_tries=0
until [ -n "$(probe title "$title" | tr -d '\r\n')" ]; do
  _tries=$((_tries + 1))
  [ $_tries -le 30 ] || fail "sequora.exe did not start again"
  sleep 0.5
done
sleep 1
[ -z "$(probe wait "$title" 500)" ] || fail "the main window is shown, not hidden behind its icon"
# From the third tick on the caption ends in the seconds left.
_tries=0
until caption=$(probe title "$title  " | tr -d '\r\n') && [ -n "$caption" ]; do
  _tries=$((_tries + 1))
  [ $_tries -le 30 ] || fail "the hidden window's caption shows no countdown"
  sleep 0.5
done
seconds=${caption##*Beta  }
case $seconds in
  4[0-5] | 3[0-9]) ;;
  *) fail "the hidden window does not count down from 45: '$caption'" ;;
esac

# ---- The icon's menu by real clicks --------------------------------------------------------------
# Wine's desktop draws the icons into its taskbar (Shell_TrayWnd) from the right end, each
# GetSystemMetrics(SM_CXSMICON) + 4 pixels wide (20 at 96 DPI): Sequora's is the only one.
taskbar=$(probe classrect Shell_TrayWnd | cut -d'|' -f1)
[ -n "$taskbar" ] || fail "no taskbar in the Wine desktop"
set -- $taskbar
desktop_xy="$(($3 - 10)) $((($2 + $4) / 2))"
# menu_choice N: right-click the icon, wait for its menu, click item N (1 "&Show", 2 "&Pause",
# 3 "Start &next now", 4 "S&kip next", then a line, 5 "E&xit"). Keys typed into the Wine desktop
# do not reach a context menu there, so the item is clicked: Wine draws the menu with a 3-pixel
# border, five items of one height and a 9-pixel separator line between item 4 and item 5.
menu_choice() {
  xdotool mousemove --window "$deskwin" $desktop_xy click 3
  _tries=0
  until [ "$(probe class '#32768' | cut -d'|' -f1 | tr -d '\r\n')" = 1 ]; do
    _tries=$((_tries + 1))
    [ $_tries -le 20 ] || return 1
    sleep 0.25
  done
  set -- "$1" $(probe classrect '#32768' | cut -d'|' -f1)
  _item=$((($5 - $3 - 6 - 9) / 5))
  _y=$(($3 + 3 + ($1 - 1) * _item + _item / 2))
  [ "$1" -lt 5 ] || _y=$((_y + 9))
  xdotool mousemove --window "$deskwin" $((($2 + $4) / 2)) $_y
  sleep 0.3
  xdotool click 1
}
menu_choice 2 || fail "no menu on a right click of the icon"
sleep 1
caption=$(probe title "$title" | tr -d '\r\n')
case $caption in
  "Pause - "*) ;;
  *) fail "\"&Pause\" did not pause the run: '$caption'" ;;
esac
sleep 2
[ "$(probe title "$title" | tr -d '\r\n')" = "$caption" ] || fail "the countdown goes on while paused"

menu_choice 5 || fail "no menu on the second right click"
wait_processes 20 0 || fail "\"E&xit\" from the icon's menu did not end sequora.exe"
# The icon went with it: a right click there opens nothing any more.
xdotool mousemove --window "$deskwin" $desktop_xy click 3
sleep 1
[ "$(probe class '#32768' | cut -d'|' -f1 | tr -d '\r\n')" != 1 ] || fail "an icon is left in the tray"
echo "settings and tray: 45 and SystemTray=1 saved; next start behind the icon at $seconds s;" \
  "paused ('$caption') and ended from the icon's menu by real clicks"
