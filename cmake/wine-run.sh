#!/bin/sh
# Runs a Windows program under Wine in the given scratch prefix.
# Usage: wine-run.sh PREFIX program.exe [args...]
prefix="$1"; shift
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono/Gecko download prompts in a fresh prefix.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$prefix/system.reg" ]; then
  mkdir -p "$prefix"
  # Tests run in parallel: only one of them creates the prefix.
  flock "$prefix.lock" sh -c '[ -f "$WINEPREFIX/system.reg" ] || { wineboot -i >/dev/null 2>&1; wineserver -w; }'
fi
exec wine "$@"
