#!/bin/sh
# Every kind of entry starts once, in order, with its delay, or the log says why: sequora.exe runs
# a list of a program with blanks in its folder and name, quoted and followed by a parameter in
# its program text (a planted my.exe, what an unquoted command line would run instead, must not);
# a program in %windir%; a .cmd script in a quoted folder; a .lnk shortcut; pad.exe while a
# program called xpad.exe runs with a window ("Detect running Instance" is on); a missing
# program; and a last program. Each existing one is a copy of helper_stamp (directly, through
# the script or the shortcut) that writes its name and start time to starts.txt.
#
# Prints each start's deviation from its due time: the run's timer ticks once a second, and an
# entry with delay d is started d + 1 ticks after the one before (the missing one takes its
# ticks too). The ticks' phase is taken from the start that came soonest after its tick, so the
# deviations show how late each start came, process start-up included.
set -eu
. "$(dirname "$0")/lib/e2e.sh"

app=$WORK/app
now_ms() { date +%s%3N; }
start_of() { sed -n "s/^$1 \\([0-9]*\\).*/\\1/p" "$app/starts.txt"; }

windir_stamp=$WINEPREFIX/drive_c/windows/sequora_e2e_stamp.exe
trap 'rm -f "$windir_stamp"; end_wine' EXIT

stamp=$BUILD/helpers/helper_stamp.exe
mkdir -p "$app/my tools" "$app/cmd dir" "$app/running"
cp "$stamp" "$app/helper_stamp.exe"
cp "$stamp" "$app/my tools/stamp one.exe"
cp "$stamp" "$app/my.exe"
cp "$stamp" "$app/pad.exe"
cp "$stamp" "$windir_stamp"
cp "$BUILD/helpers/helper_window.exe" "$app/running/xpad.exe"

W=$(winepath -w "$app")
starts=$(winepath -w "$app/starts.txt")
printf '@"%s\\helper_stamp.exe" cmd "%s"\r\n' "$W" "$starts" >"$app/cmd dir/go.cmd"
wine "$BUILD/helpers/helper_makelnk.exe" "$W\\stamp.lnk" "$W\\helper_stamp.exe" "lnk $starts" "$W" ||
  fail "could not make the shortcut"

# ini KEY=VALUE...: the settings file, one line each (values as they stand, "%" and all).
{
  for line in '[MainSettings]' InitialStartupTime=2 ProgramDelayDefault=0 SystemTray=0 \
    CheckRunningProgramTasks=1 SkipWindowsAutoRunPrograms=0 GenerateLogFile=1 '[ProgramList]' \
    'Program1="stamp one.exe" quoted' "Program1Dir=$W\\my tools\\" "Program1Param=$starts" Program1StartupDelay=0 \
    Program2=sequora_e2e_stamp.exe 'Program2Dir=%windir%\' "Program2Param=windir $starts" Program2StartupDelay=1 \
    Program3=go.cmd "Program3Dir=\"$W\\cmd dir\"\\" Program3StartupDelay=0 \
    Program4=stamp.lnk "Program4Dir=$W\\" Program4StartupDelay=1 \
    Program5=pad.exe "Program5Dir=$W\\" "Program5Param=pad $starts" Program5StartupDelay=0 \
    Program6=missing.exe "Program6Dir=$W\\" Program6StartupDelay=0 \
    Program7=helper_stamp.exe "Program7Dir=$W\\" "Program7Param=last $starts" Program7StartupDelay=1; do
    printf '%s\r\n' "$line"
  done
} >"$app/Sequora.ini"

# xpad.exe runs with a titled window before the list starts.
desktop_run "$app/running" xpad.exe 120 "Xpad window"
[ -n "$(probe wait "Xpad window" 30000)" ] || fail "xpad.exe shows no window"

t0=$(now_ms)
desktop_run "$app" sequora.exe
wait_processes 20 1 || fail "sequora.exe did not start"
wait_processes 60 0 || fail "sequora.exe did not end by itself after the list"

[ -f "$app/starts.txt" ] || fail "no program started"
names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
[ "$names" = "quoted windir cmd lnk pad last " ] ||
  fail "started '$names', expected 'quoted windir cmd lnk pad last '"

log=$app/sequora_LogFile.log
grep -qF "Error: File not found - $W\\missing.exe" "$log" || fail "the missing program is not in the log"
[ "$(grep -c 'Error\|Not started' "$log")" = 1 ] || fail "the log holds more than the missing program: $(cat "$log")"

# Due ticks after the run began: quoted 1, windir 3, cmd 4, lnk 6, pad 7, (missing 8), last 10.
t_first=$(start_of quoted)
[ $((t_first - t0)) -ge 2900 ] ||
  fail "the first start came $((t_first - t0)) ms after sequora.exe, before countdown and tick"
report=""
previous_tick=1
previous_t=$t_first
for entry in quoted:1 windir:3 cmd:4 lnk:6 pad:7 last:10; do
  name=${entry%:*}
  tick=${entry#*:}
  t=$(start_of "$name")
  # Never before its delay allows: d + 1 ticks, the first of which may come early.
  [ "$name" = quoted ] || [ $((t - previous_t)) -ge $(((tick - previous_tick - 1) * 1000 - 50)) ] ||
    fail "'$name' came $((t - previous_t)) ms after the start before it"
  offsets="${offsets:-} $name:$((t - t_first - (tick - 1) * 1000))"
  previous_tick=$tick
  previous_t=$t
done
least=$(for o in $offsets; do echo "${o#*:}"; done | sort -n | head -1)
worst=0
worst_started=0
for o in $offsets; do
  deviation=$((${o#*:} - least))
  [ $deviation -le $worst ] || worst=$deviation
  # The script's stamp comes from a program that cmd.exe starts after its own start-up.
  [ "${o%:*}" = cmd ] || [ $deviation -le $worst_started ] || worst_started=$deviation
  report="$report ${o%:*} +${deviation}"
done
echo "launch list: every kind started once in order; deviation from the due tick (ms):$report"
echo "launch list: worst deviation $worst ms; $worst_started ms without the script, whose stamp waits for cmd.exe"
