# The five-entry startup list of the run tests (sourced, not run): tests/e2e/run_list.sh and
# scripts/run-cpu. Needs helper_stamp.exe copied into the folder.
#   write_run_list DIR COUNTDOWN TRAY   writes DIR/Sequora.ini: InitialStartupTime=COUNTDOWN,
#       SystemTray=TRAY and the entries "one" (delay 0), "two" (disabled), missing.exe (delay 0),
#       "three" (delay 3), "four" (delay 1); each helper appends "NAME MS" to DIR/starts.txt.
write_run_list() {
  _dir=$(winepath -w "$1")\\
  _starts=$(winepath -w "$1/starts.txt")
  {
    printf '[MainSettings]\r\nInitialStartupTime=%s\r\nProgramDelayDefault=0\r\nSystemTray=%s\r\n' "$2" "$3"
    printf 'CheckRunningProgramTasks=0\r\nSkipWindowsAutoRunPrograms=1\r\nGenerateLogFile=1\r\n[ProgramList]\r\n'
    _entry 1 helper_stamp.exe "one $_starts" 0 0
    _entry 2 helper_stamp.exe "two $_starts" 0 1
    _entry 3 missing.exe "" 0 0
    _entry 4 helper_stamp.exe "three $_starts" 3 0
    _entry 5 helper_stamp.exe "four $_starts" 1 0
  } >"$1/Sequora.ini"
}

# _entry N FILE PARAM DELAY DISABLED
_entry() {
  printf 'Program%s=%s\r\nProgram%sDir=%s\r\nProgram%sParam=%s\r\n' "$1" "$2" "$1" "$_dir" "$1" "$3"
  printf 'Program%sStartupDelay=%s\r\nProgram%sDisabled=%s\r\n' "$1" "$4" "$1" "$5"
}
