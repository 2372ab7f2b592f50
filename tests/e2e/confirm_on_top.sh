#!/bin/sh
# The group confirmation window opens during loading, before the main window shows, and stays on
# top of it: the screen shows the confirmation window's own content where it lies. Three pictures
# of its place: as the screen shows it, with its window raised on the X side (its own content),
# and with the main window raised over it (what covers it otherwise). The first must equal the
# second (up to the seconds it mirrors) and differ from the third.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

printf '%s\r\n' '[MainSettings]' 'InitialStartupTime=90' 'SystemTray=0' '[ProgramList]' \
  'Program1=notepad.exe' 'Program1Dir=C:\windows\' 'Program1StartupDelay=5' 'Program1ConfirmMessageBoxNr=1' \
  'Program2=winver.exe' 'Program2Dir=C:\windows\system32\' 'Program2StartupDelay=3' \
  'Program2ConfirmMessageBoxNr=1' >"$WORK/app/Sequora.ini"
desktop_run "$WORK/app" sequora.exe
[ -n "$(probe wait "1 - Start?" 30000)" ] || fail "no confirmation window"
[ -n "$(probe wait "Sequora 1.3" 10000)" ] || fail "no main window"
sleep 2  # both painted

set -- $(probe wait "1 - Start?" 1000 | cut -d'|' -f1)
area="$(($3 - $1))x$(($4 - $2))+$1+$2"
deskwin=$(xdotool search --name "$TEST_NAME - Wine desktop" | head -1)
shot() { import -window "$deskwin" -crop "$area" +repage "$WORK/$1.png"; }
x_window() { xdotool search --name "^$1" | head -1; }

shot screen
xdotool windowraise "$(x_window '1 - Start\?')"
sleep 1
shot own
xdotool windowraise "$(x_window 'Sequora 1.3')"
sleep 1
shot covered

# Pixels that differ by more than 2 % in colour; the area's size for the proportions.
differ() { compare -metric AE -fuzz 2% "$WORK/$1.png" "$WORK/$2.png" null: 2>&1 | cut -d' ' -f1; }
pixels=$(( ($3 - $1) * ($4 - $2) ))
own=$(differ screen own)
covered=$(differ own covered)
# The seconds label (about 2 % of the window) counts on between the pictures.
[ $((covered * 100)) -gt $((pixels * 20)) ] ||
  fail "the main window does not cover the confirmation window's place ($covered of $pixels pixels differ)"
[ $((own * 100)) -lt $((pixels * 4)) ] ||
  fail "the screen does not show the confirmation window: $own of $pixels pixels differ from its own content" \
    "(pictures in $WORK)"
echo "confirmation on top: $own of $pixels pixels differ from its own content, $covered when covered"
