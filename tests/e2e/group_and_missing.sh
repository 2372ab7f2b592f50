#!/bin/sh
# A run as a user meets it: a list with a confirmation group of two programs and a missing file,
# nobody answering the question. The confirmation window is on top of the main window from its
# first appearance (its area shows its own content: its buttons read back, its pixels apart from
# what lies behind it once it has gone); the missing program's row shows the warning picture, and
# its tool tip says why; the confirmation goes once both programs of its group have started; the
# balloon at the end counts the program that could not be started; Sequora ends by itself.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
cp "$BUILD/helpers/helper_stamp.exe" "$app/"
dir=$(winepath -w "$app")\\
starts=$(winepath -w "$app/starts.txt")
printf '%s\r\n' '[MainSettings]' 'InitialStartupTime=15' 'ProgramDelayDefault=0' 'SystemTray=0' \
  'CheckRunningProgramTasks=0' 'SkipWindowsAutoRunPrograms=0' 'GenerateLogFile=1' '[ProgramList]' \
  'Program1=helper_stamp.exe' "Program1Dir=$dir" "Program1Param=one $starts" 'Program1ConfirmMessageBoxNr=1' \
  'Program2=helper_stamp.exe' "Program2Dir=$dir" "Program2Param=two $starts" 'Program2ConfirmMessageBoxNr=1' \
  'Program3=missing.exe' "Program3Dir=$dir" \
  'Program4=helper_stamp.exe' "Program4Dir=$dir" "Program4Param=three $starts" >"$app/Sequora.ini"

# The Wine desktop's X window (there once the first program runs in it).
deskwin() { xdotool search --name "$TEST_NAME - Wine desktop" | head -1; }
# shot NAME AREA: the desktop's pixels of AREA (WxH+X+Y) as $WORK/NAME.png.
shot() { import -window "$(deskwin)" -crop "$2" +repage "$WORK/$1.png"; }
# Pixels of two pictures that differ by more than 2 % in colour.
differ() { compare -metric AE -fuzz 2% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 | cut -d' ' -f1; }
# Pixels of a picture within 15 % of the warning picture's amber.
amber() {
  convert "$WORK/$1.png" -fuzz 15% -fill black +opaque 'rgb(232,160,20)' -fill white -opaque 'rgb(232,160,20)' \
    -format '%[fx:round(mean*w*h)]' info:
}

desktop_run "$app" sequora.exe

# The confirmation window, from its first appearance: what the screen shows where it lies.
set -- $(probe wait "1 - Start?" 30000 | cut -d'|' -f1)
[ $# -eq 4 ] || fail "no confirmation window"
confirm_area="$(($3 - $1))x$(($4 - $2))+$1+$2"
pixels=$((($3 - $1) * ($4 - $2)))
shot first "$confirm_area"
[ -n "$(probe wait "Sequora 1.3" 10000)" ] || fail "no main window"
sleep 1
shot screen "$confirm_area"
buttons=$(probe children "1 - Start?" | awk -F'|' '$1 == "Button" { printf "%s,", $2 }')
case $buttons in
  *'&Run all,&Skip all,&Defaults,'*) ;;
  *) fail "the confirmation window's buttons read back as '$buttons'" ;;
esac
xdotool windowraise "$(xdotool search --name '^1 - Start\?' | head -1)"
sleep 1
shot own "$confirm_area"

# The missing program's row (the third) in the row list: its state picture is the warning, the
# rows above it show none, and the tool tip of the picture names the missing file.
set -- $(probe children "Sequora 1.3" | awk -F'|' '$1 == "SequoraRowList" { print $3; exit }')
[ $# -eq 4 ] || fail "no row list in the main window"
row=$((620 * 96 / 1440))  # a row's height at 96 DPI
shot missing_row "120x${row}+$1+$(($2 + 2 * row))"
shot other_rows "120x$((2 * row))+$1+$2"
[ "$(amber missing_row)" -gt 40 ] || fail "the missing program's row shows no warning picture (pictures in $WORK)"
[ "$(amber other_rows)" -lt 5 ] || fail "rows of programs that are there show the warning"
# The tip text as the probe reads it from the visible tool tips; waits up to $1 tries.
tips() {
  _tries=0
  until probe tops tooltips_class32 | grep -q "$2"; do
    _tries=$((_tries + 1))
    [ $_tries -le "$1" ] || return 1
    sleep 0.5
  done
  probe tops tooltips_class32 | grep "$2" | head -1 | cut -d'|' -f1
}
picture_x=$(($1 + 1240 / 15))
picture_y=$(($2 + (2 * 620 + 300) / 15))
xdotool mousemove --window "$(deskwin)" $((picture_x - 3)) "$picture_y" sleep 0.3 mousemove --window "$(deskwin)" \
  "$picture_x" "$picture_y"
tip=$(tips 10 "Program file not found") || fail "no tool tip on the warning picture"
xdotool mousemove --window "$(deskwin)" 5 5
case $tip in
  *"$(winepath -w "$app")\\missing.exe"*) ;;
  *) fail "the warning's tool tip says '$tip'" ;;
esac

# Once both programs of the group have started, the question is moot and the window goes; its
# place then shows what lay behind it.
[ "$(probe gone "1 - Start?" 40000)" = gone ] || fail "the confirmation window stayed after its group started"
shot behind "$confirm_area"
first=$(differ first own)
own=$(differ screen own)
behind=$(differ own behind)
[ $((behind * 100)) -gt $((pixels * 20)) ] ||
  fail "the confirmation window's place looks the same without it ($behind of $pixels pixels differ)"
# The seconds label (about 2 % of the window) counts on between the pictures.
[ $((own * 100)) -lt $((pixels * 4)) ] ||
  fail "the screen does not show the confirmation window: $own of $pixels pixels differ (pictures in $WORK)"
[ $((first * 100)) -lt $((pixels * 6)) ] ||
  fail "at its first appearance the confirmation window was not on top: $first of $pixels pixels differ"

# The end: a balloon counts what could not be started, then Sequora ends by itself.
balloon=$(tips 60 "Startup list done") || fail "no balloon at the end of the run"
case $balloon in
  *"1 program could not be started"*) ;;
  *) fail "no end-of-run balloon saying what could not be started ('$balloon')" ;;
esac
wait_processes 30 0 || fail "sequora.exe did not end by itself"
names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
[ "$names" = "one two three " ] || fail "started '$names', expected 'one two three '"
echo "group and missing file: confirmation on top ($first and $own of $pixels pixels differ from its own" \
  "content, $behind without it), warning shown and tipped, balloon: $(echo "$balloon" | tr '\n' ' ')"
