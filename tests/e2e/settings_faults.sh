#!/bin/sh
# What a user's settings file must never do to a run, end to end:
#  1. InitialStartupTime=abc counts down from 20 (not from 0, which would start everything at
#     once).
#  2. With GenerateLogFile=0 a run with a missing program leaves no log file; a parameter of 200
#     characters reaches the started program whole.
#  3. Another program holds Sequora.ini open without read sharing for two seconds during the run:
#     every entry still starts, and the log says once that the file could not be read.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
cp "$BUILD/helpers/helper_stamp.exe" "$BUILD/helpers/helper_hold_file.exe" "$app/"
dir=$(winepath -w "$app")\\
starts=$(winepath -w "$app/starts.txt")
long=$(printf 'p%.0s' $(seq 1 200))

entry() {  # entry N FILE PARAM DELAY
  printf 'Program%s=%s\r\nProgram%sDir=%s\r\nProgram%sParam=%s\r\nProgram%sStartupDelay=%s\r\n' \
    "$1" "$2" "$1" "$dir" "$1" "$3" "$1" "$4"
}

# 1. A countdown that is no number: it counts from 20; then the window is closed.
printf '[MainSettings]\r\nInitialStartupTime=abc\r\n[ProgramList]\r\n' >"$app/Sequora.ini"
desktop_run "$app" sequora.exe
counting=$(probe wait "Sequora 1.3 Beta  " 15000 | cut -d'|' -f2 | tr -d '\r\n')
seconds=${counting##*Beta  }
case $seconds in
  '' | *[!0-9]*) fail "no countdown in the caption: '$counting'" ;;
esac
[ "$seconds" -ge 10 ] || fail "InitialStartupTime=abc counts down from $seconds, not from 20"
press_keys alt+x
[ "$(probe gone "Sequora 1.3 Beta" 10000)" = gone ] || click_child "Sequora 1.3 Beta" "E&xit" || true
wait_processes 10 0 || fail "sequora.exe did not end on E&xit"

# 2. No log file without GenerateLogFile, though a program is missing; a long parameter.
{
  printf '[MainSettings]\r\nInitialStartupTime=1\r\nGenerateLogFile=0\r\nSkipWindowsAutoRunPrograms=0\r\n'
  printf 'CheckRunningProgramTasks=0\r\n[ProgramList]\r\n'
  entry 1 helper_stamp.exe "$long $starts" 0
  entry 2 missing.exe "" 0
  entry 3 helper_stamp.exe "after $starts" 0
} >"$app/Sequora.ini"
desktop_run "$app" sequora.exe
wait_processes 20 1 || fail "sequora.exe did not start"
wait_processes 60 0 || fail "sequora.exe did not end by itself after the list"
[ -f "$app/starts.txt" ] || fail "nothing started"
names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
[ "$names" = "$long after " ] || fail "started '$names': the long parameter did not arrive whole"
[ ! -e "$app/sequora_LogFile.log" ] || fail "GenerateLogFile=0 and still a log file"
echo "countdown from $seconds (abc), a 200-character parameter whole, no log file"

# 3. The settings file held open without read sharing during the run.
rm -f "$app/starts.txt" "$app/held.txt"
{
  printf '[MainSettings]\r\nInitialStartupTime=2\r\nGenerateLogFile=1\r\nSkipWindowsAutoRunPrograms=0\r\n'
  printf 'CheckRunningProgramTasks=0\r\n[ProgramList]\r\n'
  entry 1 helper_stamp.exe "one $starts" 0
  entry 2 helper_stamp.exe "two $starts" 1
  entry 3 helper_stamp.exe "three $starts" 1
  entry 4 helper_stamp.exe "four $starts" 1
} >"$app/Sequora.ini"
desktop_run "$app" sequora.exe
wait_processes 20 1 || fail "sequora.exe did not start"
tries=0
until [ -s "$app/starts.txt" ]; do
  tries=$((tries + 1))
  [ $tries -le 100 ] || fail "'one' did not start"
  sleep 0.1
done
desktop_run "$app" helper_hold_file.exe "$(winepath -w "$app/Sequora.ini")" 2000 "$(winepath -w "$app/held.txt")"
wait_processes 60 0 || fail "sequora.exe did not end by itself after the list"
[ -f "$app/held.txt" ] || fail "the settings file was never held"
names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
[ "$names" = "one two three four " ] || fail "started '$names' while the settings file was held"
held=$(grep -c "Error: The settings file could not be read" "$app/sequora_LogFile.log" || true)
echo "settings file held for 2 s during the run: started '$names', $held log line(s) about it"
