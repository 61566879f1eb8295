# Helpers of the whole-program runs under Xvfb (tools/*.sh source this on the
# inside of netns-run). Needs $out (the screenshot folder); wait_log reads the
# simulated processor's code log named by $sim_log.

failures=0
check() {  # check WHAT COMMAND...: prints ok/FAILED and counts failures
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}
wait_log() {  # wait_log CODE SECONDS: the processor received CODE (two hex digits)
  for _ in $(seq 1 $(($2 * 10))); do grep -qx "$1" "$sim_log" 2>/dev/null && return 0; sleep 0.1; done
  return 1
}
wait_until() {  # wait_until SECONDS COMMAND...: polls COMMAND until it succeeds
  local tries=$(($1 * 10)); shift
  for _ in $(seq 1 "$tries"); do "$@" && return 0; sleep 0.1; done
  "$@"
}
has_size() { [ "$(stat -c %s "$1" 2>/dev/null)" = "$2" ]; }  # has_size FILE BYTES
wait_size() { wait_until "${3:-30}" has_size "$1" "$2"; }  # wait_size FILE BYTES [SECONDS]
gone() { ! window "$1" >/dev/null; }  # gone TITLE: no visible window has that title
wait_gone() { wait_until "${2:-10}" gone "$1"; }  # wait_gone TITLE [SECONDS]
window() {  # the visible window whose title is exactly $1
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
    [ "$(xdotool getwindowname "$w")" = "$1" ] && { echo "$w"; return 0; }
  done
  return 1
}
wait_window() {  # wait_window TITLE: up to 10 s; lists the windows shown when it gives up
  for _ in $(seq 1 100); do window "$1" && return 0; sleep 0.1; done
  echo "no window '$1'; shown:" >&2
  for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do echo "  '$(xdotool getwindowname "$w")'" >&2; done
  return 1
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.6; }  # click WINDOW X Y
same_box() {  # same_box SHOT1 SHOT2 X0 Y0 X1 Y1: the box of the two PNGs in $out holds the same pixels
  python3 "$(dirname "${BASH_SOURCE[0]}")/pngbox.py" "$out/$1.png" "$out/$2.png" "$3" "$4" "$5" "$6"
}
not() { ! "$@"; }  # for check: the command fails
start_demo() {  # start_demo DSPEDIT: starts the editor (pid in $editor), closes the
  # connect window with Demo once its scan is over, and puts the main window
  # (id in $main) at the screen's top-left corner.
  "$1" 2>/dev/null &
  editor=$!
  local connect
  connect=$(wait_window Connect) || return 1
  for _ in $(seq 1 60); do
    window Connect >/dev/null || break
    click "$connect" 281 116
  done
  main=$(xdotool search --onlyvisible --name 'VELMORA' | head -1)
  xdotool windowmove "$main" 0 0
  sleep 0.5
}
