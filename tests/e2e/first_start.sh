#!/bin/sh
# First start in an empty folder: sequora.exe writes the default Sequora.ini byte for byte, offers
# the import window first (closed with Esc, or a click on "&Close" when the key does not arrive),
# then shows its main window counting down from the start, and ends on "E&xit" (Alt+X; a click on
# the button when the keys do not arrive).
set -eu
. "$(dirname "$0")/lib/e2e.sh"

desktop_run "$WORK/app" sequora.exe
[ -n "$(probe wait "Import Windows startup Programs" 30000)" ] || fail "no import window at the first start"
press_keys Escape
if [ "$(probe gone "Import Windows startup Programs" 5000)" != gone ]; then
  click_child "Import Windows startup Programs" "&Close" || fail "no &Close button"
  [ "$(probe gone "Import Windows startup Programs" 10000)" = gone ] || fail "the import window stays"
fi
[ -n "$(probe wait "Sequora 1.3 Beta" 30000)" ] || fail "no main window"
cmp "$WORK/app/Sequora.ini" "$SRC/tests/data/DefaultSequora.ini" || fail "Sequora.ini is not the default file"
[ -d "$WORK/app/Icons" ] || fail "no Icons folder"

# From the third tick on the caption ends in the seconds left; the big label shows them too.
counting=$(probe wait "Sequora 1.3 Beta  " 15000 | cut -d'|' -f2 | tr -d '\r\n')
seconds=${counting##*Beta  }
case $seconds in
  '' | *[!0-9]*) fail "no countdown in the caption: '$counting'" ;;
esac
probe children "Sequora 1.3 Beta" | grep -q '^Static|[0-9][0-9]*|' || fail "no countdown label"

press_keys alt+x
if [ "$(probe gone "Sequora 1.3 Beta" 10000)" = gone ]; then
  how="Alt+X"
else
  click_child "Sequora 1.3 Beta" "E&xit" || fail "no E&xit button"
  [ "$(probe gone "Sequora 1.3 Beta" 10000)" = gone ] || fail "E&xit did not end the program"
  how="a click on E&xit"
fi
wait_processes 10 0 || fail "sequora.exe still runs"
echo "first start: default Sequora.ini, countdown at $seconds s, ended by $how"
