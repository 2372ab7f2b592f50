#!/bin/sh
# A second sequora.exe started while one runs ends at once and leaves the settings file and the
# log as they were; the first one keeps running.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

cp "$SRC/tests/data/DefaultSequora.ini" "$WORK/app/Sequora.ini"
printf 'earlier entry\r\n' > "$WORK/app/sequora_LogFile.log"
desktop_run "$WORK/app" sequora.exe
[ -n "$(probe wait "Sequora 1.3 Beta" 30000)" ] || fail "no main window"
wait_processes 10 1 || fail "the first instance is not running alone"

state() { (cd "$WORK/app" && ls -l --time-style=+%s.%N Sequora.ini sequora_LogFile.log && md5sum Sequora.ini sequora_LogFile.log); }
before=$(state)
desktop_run "$WORK/app" sequora.exe
sleep 2
wait_processes 15 1 || fail "the second instance did not end"
[ "$(state)" = "$before" ] || fail "the second instance changed the settings or the log"
[ -n "$(probe wait "Sequora 1.3 Beta" 1000)" ] || fail "the first instance's window went away"
echo "second instance: ended at once, files untouched"
