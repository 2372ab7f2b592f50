#!/bin/sh
# The startup run end to end: sequora.exe in a folder with a Sequora.ini that counts down 2 s and
# lists five programs (lib/run-list.sh): "one" (delay 0), "two" (disabled), a missing file,
# "three" (delay 3), "four" (delay 1), the helpers writing their names and start times to
# starts.txt. They must start in list order, each no earlier than its delay allows, "two" never;
# the missing file is logged; sequora.exe ends by itself.
set -eu
. "$(dirname "$0")/lib/e2e.sh"
. "$SRC/tests/e2e/lib/run-list.sh"

app=$WORK/app
cp "$BUILD/helpers/helper_stamp.exe" "$app/"
now_ms() { date +%s%3N; }
# The number after NAME in starts.txt.
start_of() { sed -n "s/^$1 \\([0-9]*\\).*/\\1/p" "$app/starts.txt"; }

rm -f "$app/starts.txt"
write_run_list "$app" 2 0
t0=$(now_ms)
desktop_run "$app" sequora.exe
wait_processes 20 1 || fail "sequora.exe did not start"
wait_processes 60 0 || fail "sequora.exe did not end by itself after the list"
t_end=$(now_ms)

[ -f "$app/starts.txt" ] || fail "no program started"
names=$(cut -d' ' -f1 "$app/starts.txt" | tr '\n' ' ')
[ "$names" = "one three four " ] || fail "started '$names', expected 'one three four '"
t_one=$(start_of one)
t_three=$(start_of three)
t_four=$(start_of four)
# A wait of delay d takes d + 1 ticks, the first of which can come early; ticks may come a few
# milliseconds early. "one": 2 s countdown, then one tick. "three": one tick for the missing file,
# then at least 3 s. "four": at least 1 s.
[ $((t_one - t0)) -ge 2900 ] || fail "'one' $((t_one - t0)) ms after the start, before countdown and tick"
[ $((t_three - t_one)) -ge 3900 ] || fail "'three' $((t_three - t_one)) ms after 'one'"
[ $((t_four - t_three)) -ge 950 ] || fail "'four' $((t_four - t_three)) ms after 'three'"
grep -qF "Error: File not found - $(winepath -w "$app")\\missing.exe" "$app/sequora_LogFile.log" ||
  fail "the missing file is not in the log"
echo "startup run: one +$((t_one - t0)) ms after the start, three +$((t_three - t_one)) ms," \
  "four +$((t_four - t_three)) ms; sequora.exe gone $((t_end - t_four)) ms after 'four'"
