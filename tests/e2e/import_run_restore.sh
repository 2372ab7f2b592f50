#!/bin/sh
# Never lose an autostart item, with Wine's real registry and Startup folders, by real input:
#  1. Windows starts four programs at logon: a REG_EXPAND_SZ Run value of the user
#     ("%ProgramFiles%\..."), a Run value of the 32-bit registry view of the machine, and two
#     shortcuts of one name, in the user's and in the common Startup folder.
#  2. The import window ("All Users" ticked) takes all of them with "Add all >>" of both lists:
#     they leave Windows, the two shortcuts lie in Backup\ under two names, four entries are listed.
#  3. The next start of Sequora (the next logon) starts all four programs.
#  4. Restore mode, "Restore All >>" of both lists: the values are back with their types, the
#     shortcuts byte for byte in their folders, and the four entries are gone from the list.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
title="Sequora 1.3 Beta"
import_title="Import Windows startup Programs"
user_run='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
run32='HKLM\Software\Wow6432Node\Microsoft\Windows\CurrentVersion\Run'
run64='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
expand_value="SeqE2E Expand"
view32_value="SeqE2E 32"
link="SeqE2E Same.lnk"
programs="$WINEPREFIX/drive_c/Program Files/SeqE2E"
starts=$(winepath -w "$app/starts.txt")
expand_data="\"%ProgramFiles%\\SeqE2E\\seq-one.exe\" one $starts"
view32_data="\"C:\\Program Files\\SeqE2E\\seq-two.exe\" two $starts"

folder_of() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^    $2    REG_SZ    //p"; }
user_startup=$(winepath -u "$(folder_of 'HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' Startup)")
common_startup=$(winepath -u "$(folder_of 'HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders' 'Common Startup')")
[ -d "$user_startup" ] && [ -d "$common_startup" ] || fail "no Startup folders: '$user_startup', '$common_startup'"

# Wine starts what the Run keys and Startup folders hold when a session begins: nothing of this
# test stays there.
cleanup() {
  wine reg delete "$user_run" /v "$expand_value" /f >/dev/null 2>&1 || true
  wine reg delete "$run32" /v "$view32_value" /f >/dev/null 2>&1 || true
  rm -f "$user_startup/$link" "$common_startup/$link"
  rm -rf "$programs"
  end_wine
}
trap cleanup EXIT

write_settings() {
  printf '[MainSettings]\r\nInitialStartupTime=%s\r\nProgramDelayDefault=0\r\nSystemTray=0\r\n' "$1"
  printf 'CheckRunningProgramTasks=0\r\nSkipWindowsAutoRunPrograms=1\r\n[ProgramList]\r\n'
}
# Sets InitialStartupTime in the settings file, which keeps everything else.
countdown() {
  sed -i "s/^InitialStartupTime=.*\r\$/InitialStartupTime=$1\r/" "$app/Sequora.ini"
}
write_settings 900 >"$app/Sequora.ini"

# Whether the import window shows a child with class $1 and text $2.
import_shows() {
  probe children "$import_title" | awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t && $4 == 1 { found = 1 } END { exit !found }'
}
# Clicks the shown child of the import window with class $1 and text $2: the uppermost of them
# (the registry's), or with $3 = lower the lowermost (the Startup folder's).
click_in_import() {
  _rect=$(probe children "$import_title" | awk -F'|' -v c="$1" -v t="$2" -v low="${3:-}" '
    $1 == c && $2 == t && $4 == 1 {
      split($3, r, " ")
      if (top == "" || (low == "" && r[2] < top) || (low != "" && r[2] > top)) { top = r[2]; rect = $3 }
    }
    END { print rect }')
  [ -n "$_rect" ] || return 1
  set -- $_rect
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool mousemove --window "$_deskwin" $((($1 + $3) / 2)) $((($2 + $4) / 2)) click 1
}
# Answers the message box titled $1 with Enter (its default button: OK, Yes); prints its text.
answer() {
  [ -n "$(probe wait "$1" 15000)" ] || fail "no message box \"$1\""
  probe children "$1" | tr -d '\r'
  press_keys Return
  [ "$(probe gone "$1" 10000)" = gone ] || fail "the message box \"$1\" stays"
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
open_import_window() {
  desktop_run "$app" sequora.exe
  [ -n "$(probe wait "$title" 30000)" ] || fail "no main window"
  sleep 1
  click_child "$title" "&Import..." || fail "no import button"
  [ -n "$(probe wait "$import_title" 20000)" ] || fail "no import window"
  sleep 1
}
close_sequora() {
  press_keys Escape
  [ "$(probe gone "$import_title" 10000)" = gone ] || fail "Esc did not close the import window"
  click_child "$title" "E&xit" || fail "no E&xit button"
  wait_processes 10 0 || fail "sequora.exe still runs"
}
# The value $2 of key $1 as "TYPE DATA"; empty when it is not there.
value_of() {
  wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
    awk -v name="$2" 'index($0, "    " name "    ") == 1 { sub("^    " name "    ", ""); sub("    ", " "); print; exit }'
}
# The programs a question lists (the message box's text), in order.
programs_in() { printf '%s\n' "$1" | grep -o '[A-Za-z0-9_-]*\.exe' | tr '\n' ' '; }
listed() { tr -d '\r' <"$app/Sequora.ini" | grep -c '^Program[0-9]*=seq-' || true; }

# 1. What Windows starts: the desktop runs first, so that no session start of Wine sees the items.
probe processes sequora.exe >/dev/null
mkdir -p "$programs"
for name in one two three four; do cp "$BUILD/helpers/helper_stamp.exe" "$programs/seq-$name.exe"; done
wine reg add "$user_run" /v "$expand_value" /t REG_EXPAND_SZ /d "$expand_data" /f >/dev/null 2>&1 ||
  fail "could not write the expandable value"
wine reg add "$run32" /v "$view32_value" /t REG_SZ /d "$view32_data" /f >/dev/null 2>&1 ||
  fail "could not write the 32-bit view's value"
makelnk() { wine "$BUILD/helpers/helper_makelnk.exe" "$(winepath -w "$1")" "$2" "$3" >/dev/null 2>&1; }
makelnk "$user_startup/$link" 'C:\Program Files\SeqE2E\seq-three.exe' "three $starts" || fail "no user shortcut"
makelnk "$common_startup/$link" 'C:\Program Files\SeqE2E\seq-four.exe' "four $starts" || fail "no common shortcut"
cp "$user_startup/$link" "$WORK/user.lnk"
cp "$common_startup/$link" "$WORK/common.lnk"
expand_before=$(value_of "$user_run" "$expand_value")
view32_before=$(value_of "$run32" "$view32_value")
[ "$expand_before" = "REG_EXPAND_SZ $expand_data" ] || fail "the expandable value reads '$expand_before'"

# 2. Import all, the machine's items included.
open_import_window
click_child "$import_title" "&All Users" || fail "no All Users box"
answer "Warning!" >/dev/null
sleep 1
click_in_import Button "Add all >>" || fail "no Add all button for the registry"
asked=$(answer "Import and remove from Registry?")
[ "$(programs_in "$asked")" = "seq-one.exe seq-two.exe " ] || fail "the registry list is not our two values"
answer "Succsessfully added" >/dev/null
sleep 1
click_in_import Button "Add all >>" lower || fail "no Add all button for the Startup folders"
asked=$(answer "Import all AutoRun Shortcuts?")
[ "$(programs_in "$asked")" = "seq-three.exe seq-four.exe " ] || fail "the shortcut list is not our two shortcuts"
answer "Succsessfully added" >/dev/null
close_sequora
[ -z "$(value_of "$user_run" "$expand_value")" ] || fail "the expandable value is still in the registry"
[ -z "$(value_of "$run32" "$view32_value")" ] || fail "the 32-bit view's value is still in the registry"
[ ! -e "$user_startup/$link" ] && [ ! -e "$common_startup/$link" ] || fail "a shortcut is still in its Startup folder"
cmp -s "$app/Backup/$link" "$WORK/user.lnk" || fail "no backup of the user's shortcut"
cmp -s "$app/Backup/SeqE2E Same (2).lnk" "$WORK/common.lnk" || fail "no backup of the common shortcut under a name of its own"
[ "$(listed)" = 4 ] || fail "the list holds $(listed) of the four programs"
echo "imported: two values and two same-named shortcuts out of Windows, four entries listed"

# 3. The next start: Sequora starts all four and ends.
countdown 2
rm -f "$app/starts.txt"
desktop_run "$app" sequora.exe
tries=0
until [ "$(cat "$app/starts.txt" 2>/dev/null | wc -l)" -ge 4 ]; do
  tries=$((tries + 1))
  [ $tries -le 120 ] || fail "the run started only: $(cut -d' ' -f1 "$app/starts.txt" 2>/dev/null | tr '\r\n' '  ')"
  sleep 0.5
done
started=$(cut -d' ' -f1 "$app/starts.txt" | sort | tr '\n' ' ')
[ "$started" = "four one three two " ] || fail "the run started: $started"
wait_processes 40 0 || fail "sequora.exe did not end after its run"
echo "the next run started all four: $started"

# 4. Restore all of both lists.
countdown 900
open_import_window
press_keys alt+s
eventually import_shows Static "Restore the original Windows Startup Settings" || fail "Alt+S did not switch to restore mode"
click_in_import Button "Restore All >>" || fail "no Restore All button for the registry"
answer "Restore values?" >/dev/null
answer "Succsessfully restored" >/dev/null
sleep 1
click_in_import Button "Restore All >>" lower || fail "no Restore All button for the Startup folders"
answer "Restore AutoStart Shortcuts?" >/dev/null
answer "Finished!" >/dev/null
close_sequora
[ "$(value_of "$user_run" "$expand_value")" = "$expand_before" ] ||
  fail "the expandable value came back as '$(value_of "$user_run" "$expand_value")'"
[ "$(value_of "$run32" "$view32_value")" = "$view32_before" ] ||
  fail "the 32-bit view's value came back as '$(value_of "$run32" "$view32_value")'"
[ -z "$(value_of "$run64" "$view32_value")" ] || fail "the 32-bit view's value came back in the 64-bit view"
cmp -s "$user_startup/$link" "$WORK/user.lnk" || fail "the user's shortcut did not come back as it was"
cmp -s "$common_startup/$link" "$WORK/common.lnk" || fail "the common shortcut did not come back as it was"
[ -z "$(ls -A "$app/Backup")" ] || fail "Backup\\ still holds: $(ls "$app/Backup")"
[ "$(listed)" = 0 ] || fail "the list still holds $(listed) of the programs"
echo "restored: values with their types (REG_EXPAND_SZ, REG_SZ in the 32-bit view), shortcuts byte for byte"
