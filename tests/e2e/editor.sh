#!/bin/sh
# The entry editor driven by real input (xdotool keys and clicks on the window), with a countdown
# long enough that nothing starts:
#  1. Without the mouse: F2 opens the editor, Alt+O and Down reach entry 3, Alt+T and a pasted
#     command line with blanks and parameters, Enter saves: the file holds it, the row shows it,
#     and the entry got its program's icon file.
#  2. Tab to the move-up button, Space twice: the entry is number 1, the keys and the files in
#     Icons\ followed it.
#  3. A change, then a click on another row answered No: nothing written.
#  4. Entry 2 into group 2, saved; group 2 named "Tools" through its button: the group list and
#     the confirmation test show the name.
#  5. "Add new" with a program already listed, answered No: nothing written. Esc closes the panel.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
title="Sequora 1.3 Beta"
mkdir -p "$app/My Tools" "$app/Icons"
cp "$BUILD/helpers/helper_stamp.exe" "$BUILD/helpers/helper_window.exe" "$app/"
# A program with an icon, in a folder with a blank: Wine's Notepad.
cp "$WINEPREFIX/drive_c/windows/notepad.exe" "$app/My Tools/note pad.exe"

dir=$(winepath -w "$app")\\
{
  printf '[MainSettings]\r\nInitialStartupTime=900\r\nSystemTray=0\r\nProgramDelayDefault=2\r\n[ProgramList]\r\n'
  printf 'Program1=helper_stamp.exe\r\nProgram1Dir=%s\r\n' "$dir"
  printf 'Program2=helper_window.exe\r\nProgram2Dir=%s\r\n' "$dir"
} >"$app/Sequora.ini"
convert -size 32x32 xc:red "BMP3:$app/Icons/Icon1.bmp"
convert -size 32x32 xc:blue "BMP3:$app/Icons/Icon2.bmp"
sum() { md5sum "$1" 2>/dev/null | cut -d' ' -f1; }
red=$(sum "$app/Icons/Icon1.bmp")
blue=$(sum "$app/Icons/Icon2.bmp")

has() { tr -d '\r' <"$app/Sequora.ini" | grep -qxF "$1"; }
children() { probe children "$title"; }
# The text of the row list (its selected row), and whether a child with class $1 and text $2 shows.
row_text() { children | awk -F'|' '$1 == "SequoraRowList" { print $2; exit }'; }
shows() { children | awk -F'|' -v c="$1" -v t="$2" '$1 == c && $2 == t && $4 == 1 { found = 1 } END { exit !found }'; }
# Waits until `shows` $1 $2 holds (up to 10 s).
wait_shows() {
  _tries=0
  until shows "$1" "$2"; do
    _tries=$((_tries + 1))
    [ $_tries -le 50 ] || return 1
    sleep 0.2
  done
}
type_text() {
  _deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
  xdotool type --clearmodifiers --delay 30 "$1"
}

desktop_run "$app" sequora.exe
[ -n "$(probe wait "$title" 30000)" ] || fail "no main window"
sleep 1

# 1. Keyboard only: F2, Alt+O, Down, Down, Alt+T, the command line, Enter.
press_keys F2
wait_shows Edit helper_stamp.exe || fail "F2 did not open the editor on entry 1"
press_keys alt+o
press_keys Down
press_keys Down
wait_shows Edit 3 || fail "Down in the number field did not reach entry 3"
press_keys alt+t
pasted="\"${dir}My Tools\\note pad.exe\" /min --name \"a b\""
type_text "$pasted"
press_keys Return
tries=0
until has "Program3=note pad.exe"; do
  tries=$((tries + 1))
  [ $tries -le 50 ] || fail "Enter did not save the pasted command line: $(tr -d '\r' <"$app/Sequora.ini" | grep Program3)"
  sleep 0.2
done
has "Program3Dir=${dir}My Tools\\" || fail "the folder was not stored"
has 'Program3Param=/min --name "a b"' || fail "the parameters were not stored"
[ "$(row_text)" = "${dir}My Tools\\ note pad.exe" ] || fail "the row shows '$(row_text)'"
[ -f "$app/Icons/Icon3.bmp" ] || fail "no icon file for the saved entry"
own=$(sum "$app/Icons/Icon3.bmp")
echo "pasted into entry 3 and saved with Enter: the file, the row and Icons\\Icon3.bmp hold it"

# 2. Tab from the number field to the move-up button (previous, next, up), Space twice.
press_keys alt+o
press_keys Tab
press_keys Tab
press_keys Tab
press_keys space
sleep 0.5
press_keys space
tries=0
until has "Program1=note pad.exe"; do
  tries=$((tries + 1))
  [ $tries -le 50 ] || fail "two moves up did not make it entry 1"
  sleep 0.2
done
has "Program1Param=/min --name \"a b\"" || fail "its parameters did not move with it"
has "Program2=helper_stamp.exe" && has "Program3=helper_window.exe" || fail "the others did not move down"
[ "$(sum "$app/Icons/Icon1.bmp")" = "$own" ] || fail "Icon1.bmp is not the moved entry's icon"
[ "$(sum "$app/Icons/Icon2.bmp")" = "$red" ] || fail "Icon2.bmp is not the old entry 1's icon"
[ "$(sum "$app/Icons/Icon3.bmp")" = "$blue" ] || fail "Icon3.bmp is not the old entry 2's icon"
[ -z "$(ls "$app/Icons" | grep -v '^Icon[123]\.bmp$')" ] || fail "left over in Icons: $(ls "$app/Icons")"
echo "moved up twice: the keys and Icons\\ followed"

# 3. A change, then another row: No writes nothing.
before=$(sum "$app/Sequora.ini")
press_keys alt+r
press_keys End
type_text " -extra"
list=$(children | awk -F'|' '$1 == "SequoraRowList" { print $3; exit }')
set -- $list
deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
xdotool mousemove --window "$deskwin" $((($1 + $3) / 2)) $(($2 + 20 + 41)) click 1  # entry 2's row
[ -n "$(probe wait "Save Changes?" 10000)" ] || fail "switching from a changed entry did not ask"
press_keys n
[ "$(probe gone "Save Changes?" 10000)" = gone ] || fail "the question stayed"
wait_shows Edit helper_stamp.exe || fail "the editor did not go on to entry 2"
[ "$(sum "$app/Sequora.ini")" = "$before" ] || fail "No still wrote the file"
echo "switched away from a changed entry, answered No: nothing written"

# 4. Entry 2 into group 2 (Alt+C ticks, Tab, Down twice picks it), Enter saves; then the name.
press_keys alt+c
press_keys Tab
press_keys Down
press_keys Down
press_keys Return
tries=0
until has "Program2ConfirmMessageBoxNr=2"; do
  tries=$((tries + 1))
  [ $tries -le 50 ] || fail "entry 2 was not saved in group 2"
  sleep 0.2
done
press_keys alt+g
[ -n "$(probe wait "Group-Name" 10000)" ] || fail "the name button asked nothing"
press_keys ctrl+a
type_text "Tools"
press_keys Return
[ -n "$(probe wait "Run test?" 10000)" ] || fail "no test offered"
press_keys Return
[ -n "$(probe wait "Tools - Start?" 10000)" ] || fail "the confirmation test does not show the name"
has "ConfirmGroup2Name=Tools" || fail "the name was not stored"
shows ComboBox Tools || fail "the group list does not show the name"
echo "group 2 named Tools: the file, the group list and the confirmation test show it"
click_child "Tools - Start?" "&Defaults" || fail "no Defaults button in the test window"
[ "$(probe gone "Tools - Start?" 10000)" = gone ] || fail "the test window stayed"

# 5. A program already listed, added again and declined; Esc closes the panel.
click_child "$title" "Add &new..." || fail "no Add button"
[ -n "$(probe wait "Add program" 10000)" ] || fail "Add asked nothing"
before=$(sum "$app/Sequora.ini")
type_text "${dir}helper_window.exe"
press_keys Return
[ -n "$(probe wait "Program already in list!" 10000)" ] || fail "no duplicate question"
press_keys n
[ "$(probe gone "Program already in list!" 10000)" = gone ] || fail "the question stayed"
[ "$(sum "$app/Sequora.ini")" = "$before" ] || fail "a declined duplicate was written"
press_keys Escape
tries=0
while shows Edit "Add path here"; do
  tries=$((tries + 1))
  [ $tries -le 25 ] || fail "Esc did not close the editor"
  sleep 0.2
done
echo "a listed program added again and declined: nothing written; Esc closed the editor"

press_keys alt+x
[ "$(probe gone "$title" 10000)" = gone ] || click_child "$title" "E&xit" || true
wait_processes 10 0 || fail "sequora.exe did not end"
