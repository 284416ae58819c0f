# Sourced by scripts that take Windows programs down a user's road under
# Wine, on the virtual desktop of desktop-session.sh: runs started in the
# background and their windows, keys sent to a window until it shows them,
# the registry, and Windows paths. Every helper hands its result back on
# standard output or as its status; none sets a variable for its caller.
# WINEPREFIX names the prefix in use; $work is the caller's scratch folder.
#
#   source "$root/scripts/wine-desktop.sh"
#   window=$(start_window setup "^$product_title Setup" wine_run "$installer")
#   send_keys "$window" alt+n; code=$(run_ended setup)

say() { echo "${0##*/}: $*"; }

# Ends the script. A picture of the screen goes beside $failure_picture (in
# xwd's format, which ImageMagick's convert turns into a PNG), and the
# report names the windows, the Wine processes and what Wine said last.
fail() {
  xwd -root -silent -out "$failure_picture" 2>/dev/null || true
  {
    echo "${0##*/}: FAILED: $*"
    echo "windows showing:"
    xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | sed 's/^/  /' || true
    echo "Wine processes and the window manager:"
    pgrep -a -f -i 'wine|[.]exe|openbox' | sed 's/^/  /' || true
    echo "Wine's errors from the last run started:"
    tail -n 40 "$(ls -t "$work"/*.log 2>/dev/null | head -n 1)" 2>/dev/null | sed 's/^/  /' || true
  } >&2
  exit 1
}

wine_run() { "$(dirname "${BASH_SOURCE[0]}")/wine-run" "$@"; }

# Every Windows process of the prefix ended and the Wine server gone, so
# that the registry is written out and a query starts a server that reads
# it whole. A server still shutting down can answer a query with nothing.
settle() { wineserver --wait >/dev/null 2>&1 || true; }

# Makes $WINEPREFIX and lets it settle before anything is timed against it:
# wineboot returns while the prefix's set-up still runs in the background.
boot_prefix() {
  wine_run wineboot --init >/dev/null 2>&1 || true
  settle
}

# `reg query` in a settled prefix: what reg printed, and its status.
reg_query() {  # key [reg options...]
  settle
  wine_run reg query "$@" </dev/null 2>&1
}

windows_path() {  # Unix path
  wine_run winepath -w "$1" 2>/dev/null | tr -d '\r'
}

# The Unix path of a folder Wine knows by its variable, such as LOCALAPPDATA.
windows_folder() {  # variable name
  local path
  path=$(wine_run cmd /c echo "%$1%" </dev/null 2>/dev/null | tr -d '\r')
  wine_run winepath -u "$path" 2>/dev/null
}

# A command line exactly as given, through a batch file: /D= and _?= must
# stand last and unquoted, which Wine's own quoting of an argument would
# undo. Its status is the command's exit code.
run_line() {  # command line
  printf '%s\r\nexit /b %%ERRORLEVEL%%\r\n' "$1" >"$WINEPREFIX/drive_c/run-line.bat"
  wine_run cmd /c 'C:\run-line.bat' </dev/null >/dev/null 2>&1
}

# Starts a command in the background as the run `name` and prints the
# window whose title matches, once it shows (up to 90 s); run_ended gives
# the run's exit code. (A run may end before its window shows: `start` of
# a shortcut hands the program over to the shell.) The first window after a prefix's Wine server
# starts makes Wine start its desktop process, which it waits 10 s for; on
# a loaded machine that can pass, and the program then runs on with no
# display driver and never shows a window ("The explorer process failed to
# start"). Such a start is ended and made again.
start_window() {  # name title command...
  local name=$1 title=$2 attempt
  shift 2
  for attempt in 1 2 3; do
    rm -f "$work/$name.code"
    (
      status=0
      WINEDEBUG=err+all,fixme-all "$@" || status=$?
      echo "$status" >"$work/$name.code"
    ) >"$work/$name.log" 2>&1 &
    for _ in $(seq 900); do
      window_now "$title" && return 0
      grep -q nodrv_CreateWindow "$work/$name.log" && break
      sleep 0.1
    done
    grep -q nodrv_CreateWindow "$work/$name.log" || return 1
    say "Wine's desktop process came up too late for start $attempt; starting again" >&2
    wineserver -k
    settle
  done
  return 1
}

# Waits up to 30 s for the run `name` to end; prints its exit code.
run_ended() {  # name
  for _ in $(seq 300); do
    run_has_ended "$1" && { cat "$work/$1.code"; return 0; }
    sleep 0.1
  done
  return 1
}

run_has_ended() { [ -s "$work/$1.code" ]; }  # name

# What a window shows, as a hash; the same for every window that is gone.
# xwd reads the picture without holding the X display, as ImageMagick's
# import does.
picture() {  # window
  { xwd -silent -id "$1" 2>/dev/null || true; } | sha256sum
}

# Waits up to 10 s until a window's picture holds still for half a second;
# prints it.
still_picture() {  # window
  local now last
  now=$(picture "$1")
  for _ in $(seq 20); do
    sleep 0.5
    last=$now
    now=$(picture "$1")
    [ "$now" = "$last" ] && break
  done
  echo "$now"
}

# Makes a window the active one; Wine does not always take the first
# activation. A window that is gone fails at once.
activate() {  # window
  for _ in $(seq 20); do
    xwd -silent -id "$1" >/dev/null 2>&1 || return 1
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    sleep 0.3
    if [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; then return 0; fi
  done
}

# Keys to a window, then a wait until its picture has changed and holds
# still. A key that comes while an installer replaces a page is lost, so
# keys that changed nothing in 10 s are sent again: they are access keys,
# which do nothing on a page without their button, or Escape to a box.
send_keys() {  # window key...
  local window=$1 before
  shift
  activate "$window" || fail "no window left to send $* to"
  before=$(still_picture "$window")
  for _ in 1 2 3; do
    xdotool key --clearmodifiers "$@"
    for _ in $(seq 100); do
      sleep 0.1
      [ "$(picture "$window")" != "$before" ] && { still_picture "$window" >/dev/null; return 0; }
    done
    say "$* changed nothing in 10 s; sending again"
    activate "$window" || return 0  # gone: the keys were taken late
  done
  fail "$* changed nothing in the window '$(xdotool getwindowname "$window" 2>/dev/null)'"
}

# Presses an installer's Finish until the run `name` has ended. The finish
# page comes on its own once the files are in, and a key sent as it comes
# is lost.
press_finish() {  # window, run name
  for _ in 1 2 3; do
    run_has_ended "$2" && return 0
    xwd -silent -id "$1" >/dev/null 2>&1 || break
    send_keys "$1" alt+f
  done
  run_ended "$2" >/dev/null || fail "Finish did not end the installer"
}
