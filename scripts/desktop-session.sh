# Sourced by the scripts that use the program as a person would, on a
# virtual X display with a window manager: finding windows, opening the
# worksheet, clicking its controls and typing into its fields.
#
#   source "$(dirname "$0")/desktop-session.sh"
#   start_desktop_session "$0" "$@"     # re-runs the script inside Xvfb
#   main=$(find_window "$main_window_title"); sheet=$(open_worksheet "$main")
#   type_into Text1 7.12; click Command1

# The project's facts (title, window titles, executable), as CMake writes
# them into the build that the make targets running these scripts configure.
# shellcheck source=/dev/null
source "${DRAFTSURVEY_PRODUCT_FACTS:-$(dirname "${BASH_SOURCE[0]}")/../build/app/product-facts.sh}"
main_window_title="^${product_main_window_title//./\\.}\$"
worksheet_title="^${product_title}\$"

start_desktop_session() {  # script arguments...
  if [ -z "${DESKTOP_SESSION_READY:-}" ]; then
    exec env DESKTOP_SESSION_READY=1 "$(dirname "${BASH_SOURCE[0]}")/virtual-desktop" "$@"
  fi
  openbox >/dev/null 2>&1 &
  sleep 1
}

# The newest of `count` (1 unless given) showing windows whose title matches
# a regular expression, or a failure when fewer show.
window_now() {  # title [count]
  local id
  id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | sed -n "${2:-1}p")
  [ -n "$id" ] && echo "$id"
}

# Waits up to 90 s for window_now to find a window; prints it.
find_window() {  # title [count]
  for _ in $(seq 900); do
    window_now "$@" && return 0
    sleep 0.1
  done
  echo "no window titled '$1' came up" >&2
  return 1
}

# Opens the worksheet from the main window's menu (Alt+D, S); prints its id.
open_worksheet() {  # main window id
  xdotool windowactivate --sync "$1"
  sleep 0.5
  xdotool key --clearmodifiers alt+d
  sleep 0.5
  xdotool key s
  local sheet
  sheet=$(find_window "$worksheet_title") || return 1
  xdotool windowactivate --sync "$sheet"
  sleep 0.5
  echo "$sheet"
}

# Centres of the worksheet's fields and buttons, in pixels from its top left,
# as the program's own table gives them (ui/control_centres, which the make
# targets that run these scripts build first).
declare -A at=()
load_control_centres() {
  local tool=${DRAFTSURVEY_CONTROL_CENTRES:-$(dirname "${BASH_SOURCE[0]}")/../build/app/ui/control_centres}
  [ -x "$tool" ] || { echo "no $tool: build the target control_centres first" >&2; return 1; }
  local name x y
  while read -r name x y; do at[$name]="$x $y"; done < <("$tool")
}
load_control_centres

click() {  # control name; the worksheet's id is in $sheet
  [ -n "${at[$1]:-}" ] || { echo "no control named $1" >&2; return 1; }
  # shellcheck disable=SC2086
  xdotool mousemove --window "$sheet" ${at[$1]} click 1
  sleep 0.15
}

type_into() {  # field text
  click "$1"
  xdotool type --delay 30 -- "$2"
}
