#!/bin/sh
# The import window driven by real input (xdotool clicks and keys), with a Run value of the
# current user in Wine's registry and a countdown long enough that nothing starts:
#  1. "&Import..." opens the window over the main window; its countdown stands still meanwhile.
#  2. A click on the value's row, Alt+P and "5" in the start position, a click on "Add >": the
#     value is gone from the registry, entry 5 of Sequora.ini holds its program (1 to 3 are
#     taken, 4 is free) and a backup record names it.
#  3. Alt+S switches to restore mode; a click on the record's row and on "Restore >": the value is
#     back with its data and type, entry 5 is free again and the record is cleared.
#  4. Esc closes the window and the countdown goes on.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
title="Sequora 1.3 Beta"
import_title="Import Windows startup Programs"
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
value="SeqE2E Import"
data='"C:\windows\system32\winver.exe" /seq-e2e'

# Wine starts what the Run key holds when a session begins: nothing of this test stays there.
cleanup() {
  wine reg delete "$run_key" /v "$value" /f >/dev/null 2>&1 || true
  end_wine
}
trap cleanup EXIT

{
  printf '[MainSettings]\r\nInitialStartupTime=900\r\nSystemTray=0\r\nSkipWindowsAutoRunPrograms=0\r\n'
  printf '[ProgramList]\r\n'
  for n in 1 2 3; do printf 'Program%s=notepad.exe\r\nProgram%sDir=C:\\windows\\\r\n' "$n" "$n"; done
} >"$app/Sequora.ini"
wine reg add "$run_key" /v "$value" /t REG_SZ /d "$data" /f >/dev/null 2>&1 || fail "could not write the Run value"

ini_has() { tr -d '\r' <"$app/Sequora.ini" | grep -qxF "$1"; }
# The value as `wine reg query` shows it: "TYPE    DATA", empty when it is not there.
run_value() {
  wine reg query "$run_key" /v "$value" 2>/dev/null | tr -d '\r' |
    awk -v name="$value" 'index($0, "    " name "    ") == 1 { sub("^    " name "    ", ""); sub("    ", " "); print; exit }'
}
# Waits up to 10 s until the command $@ succeeds.
eventually() {
  _tries=0
  until "$@"; do
    _tries=$((_tries + 1))
    [ $_tries -le 50 ] || return 1
    sleep 0.2
  done
}
value_is() { [ "$(run_value)" = "$1" ]; }
caption() { probe wait "$title" 1000 | cut -d'|' -f2 | tr -d '\r\n'; }
# Whether the import window shows a child with class $1 and text $2.
import_shows() {
  probe children "$import_title" | awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t && $4 == 1 { found = 1 } END { exit !found }'
}
# Clicks the child of the import window with class $1 and text $2 that is shown, the uppermost
# of them (the registry's, above the Startup folder's), at $3 pixels from its left and top edges
# (its centre without $3).
click_in_import() {
  _rect=$(probe children "$import_title" |
    awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t && $4 == 1 { split($3, r, " "); if (top == "" || r[2] < top) { top = r[2]; rect = $3 } } END { print rect }')
  [ -n "$_rect" ] || return 1
  set -- $_rect "${3:-}"
  if [ -n "$5" ]; then _x=$(($1 + $5)); _y=$(($2 + $5)); else _x=$((($1 + $3) / 2)); _y=$((($2 + $4) / 2)); fi
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool mousemove --window "$_deskwin" "$_x" "$_y" click 1
}
# The registry pair's right list (the value paths, or the recorded paths): the uppermost list
# box but one, left to right. A click 8 pixels into it hits its first row.
click_first_registry_row() {
  _rect=$(probe children "$import_title" | awk -F'|' '$1 == "ListBox" && $4 == 1 { print $3 }' |
    sort -n -k2,2 -k1,1 | sed -n 2p)
  [ -n "$_rect" ] || return 1
  set -- $_rect
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool mousemove --window "$_deskwin" $(($1 + 8)) $(($2 + 8)) click 1
}

desktop_run "$app" sequora.exe
[ -n "$(probe wait "$title" 30000)" ] || fail "no main window"
sleep 2

# 1. The import button; the countdown holds while the window is open.
click_child "$title" "&Import..." || fail "no import button"
[ -n "$(probe wait "$import_title" 20000)" ] || fail "the import button opened no import window"
sleep 1
held=$(caption)
sleep 3
[ "$(caption)" = "$held" ] || fail "the countdown went on behind the import window: '$held', then '$(caption)'"

# 2. The value's row, the start position 5 by its Alt key, "Add >".
click_first_registry_row || fail "no registry list"
press_keys alt+p
press_keys 5
sleep 0.5
probe children "$import_title" | grep -q '^Edit|5|' || fail "Alt+P and 5 did not set the start position"
click_in_import Button "Add >" || fail "no Add button"
eventually value_is "" || fail "the Run value is still in the registry: $(run_value)"
eventually ini_has "Program5=winver.exe" || fail "entry 5 does not hold the program: $(tr -d '\r' <"$app/Sequora.ini" | grep '^Program5')"
ini_has 'Program5Dir=C:\windows\system32\' || fail "entry 5 has not the program's folder"
ini_has "Program5Param=/seq-e2e" || fail "entry 5 has not the program's parameters"
! tr -d '\r' <"$app/Sequora.ini" | grep -q '^Program4=.' || fail "entry 4 was filled"
ini_has "Registry1Backup=HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\$value" ||
  fail "no backup record: $(tr -d '\r' <"$app/Sequora.ini" | grep '^Registry1')"
echo "imported at position 5: the value left the registry, entry 5 holds it, a record keeps it"

# 3. Restore mode by its Alt key; the record's row, "Restore >".
press_keys alt+s
eventually import_shows Static "Restore the original Windows Startup Settings" ||
  fail "Alt+S did not switch to restore mode"
click_first_registry_row || fail "no registry list in restore mode"
click_in_import Button "Restore >" || fail "no Restore button"
eventually value_is "REG_SZ $data" || fail "the Run value did not come back as it was: '$(run_value)'"
program5() { tr -d '\r' <"$app/Sequora.ini" | grep '^Program5=' | sed 's/^Program5= *//'; }
no_program5() { [ -z "$(program5)" ]; }
eventually no_program5 || fail "entry 5 still holds '$(program5)'"
! tr -d '\r' <"$app/Sequora.ini" | grep -q "^Registry1Backup=." || fail "the record was not cleared"
echo "restored: the value is back as REG_SZ with its data, entry 5 is free, the record cleared"

# 4. Esc closes the window; the countdown goes on.
press_keys Escape
[ "$(probe gone "$import_title" 10000)" = gone ] || fail "Esc did not close the import window"
sleep 3
[ "$(caption)" != "$held" ] || fail "the countdown did not go on after the import window closed"
click_child "$title" "E&xit" || fail "no E&xit button"
wait_processes 10 0 || fail "sequora.exe still runs"
echo "import window: imported at position 5 and restored by clicks and keys"
