# Sourced by the scripts that use the program as a person would, on a
# virtual X display with a window manager: finding windows, opening the
# worksheet, clicking its controls and typing into its fields.
#
#   source "$(dirname "$0")/desktop-session.sh"
#   start_desktop_session "$0" "$@"     # re-runs the script inside Xvfb
#   main=$(find_window '^Tolmar Version [0-9]+\.[0-9]+$'); sheet=$(open_worksheet "$main")
#   type_into Text1 7.12; click Command1

start_desktop_session() {  # script arguments...
  if [ -z "${DESKTOP_SESSION_READY:-}" ]; then
    exec env DESKTOP_SESSION_READY=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  fi
  openbox >/dev/null 2>&1 &
  sleep 1
}

find_window() {  # title (a regular expression); waits up to 90 s
  local id
  for _ in $(seq 900); do
    if id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) && [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
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
  sheet=$(find_window '^Draft Survey$') || return 1
  xdotool windowactivate --sync "$sheet"
  sleep 0.5
  echo "$sheet"
}

# Centres of the worksheet's fields and buttons, in pixels from its top left
# (Text27 is clicked where its caption's box reaches into it).
declare -A at=(
  [Text1]="132 17" [Text2]="132 41" [Text3]="132 65" [Text4]="132 89" [Text6]="132 145"
  [Text7]="132 169" [Text11]="132 217" [Text12]="476 17" [Text13]="476 41" [Text17]="476 145"
  [Text18]="476 169" [Text20]="476 229" [Text27]="86 433" [Text28]="476 337" [Text29]="476 361"
  [Text30]="476 385" [Text31]="476 409" [Text44]="196 484" [Text34]="60 513" [Text35]="60 537"
  [Text36]="60 561" [Text37]="196 513" [Text38]="196 537" [Text39]="196 561"
  [Command1]="208 100" [Command2]="208 196" [Command3]="208 288" [Command4]="308 40"
  [Command5]="308 104" [Command6]="308 172" [Command7]="308 260" [Command8]="208 360"
  [Command9]="308 348" [Command10]="308 432" [Command11]="480 488" [Command12]="464 528"
  [Command13]="464 552"
)

click() {  # control name; the worksheet's id is in $sheet
  # shellcheck disable=SC2086
  xdotool mousemove --window "$sheet" ${at[$1]} click 1
  sleep 0.15
}

type_into() {  # field text
  click "$1"
  xdotool type --delay 30 -- "$2"
}
