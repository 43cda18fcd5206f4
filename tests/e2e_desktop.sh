#!/usr/bin/env bash
# Runs the real program on a real X display (Xvfb), clicks it with xdotool and
# checks what it leaves in its preference file.
#   e2e_desktop.sh PROGRAM basic|pro
set -uo pipefail
program=$1
mode=${2:-basic}

for tool in Xvfb xdotool xwd; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIPPED: $tool is not installed (scripts/deps.sh installs it)"
    exit 77
  fi
done

work=$(mktemp -d)
display=""
xvfb_pid=""
app_pid=""
cleanup() {
  [[ -n $app_pid ]] && kill "$app_pid" 2>/dev/null
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAILED: $*"
  [[ -f ${ini:-} ]] && { echo "INI file:"; tr '\r' '\n' <"$ini"; }
  [[ -f $work/program.log ]] && { echo "program output:"; tail -60 "$work/program.log"; }
  exit 1
}

# A free display number of our own.
first=90; [[ $mode == pro ]] && first=120
for n in $(seq "$first" $((first + 25))); do
  if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then display=":$n"; break; fi
done
[[ -n $display ]] || fail "no free X display"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start on $display: $(cat "$work/xvfb.log")"
export DISPLAY=$display
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
# The print and save dialogs propose files in the home folder.
export HOME=$work/home
mkdir -p "$HOME"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
mkdir -p "$XDG_CONFIG_HOME"
ini=$XDG_CONFIG_HOME/OxlTarnwickLanes/TarnwickLanes.ini

start_program() {
  (cd "$HOME" && exec "$program") >>"$work/program.log" 2>&1 &
  app_pid=$!
  wait_window "Tarnwick Lanes"
  window=$dialog
  # The content area sits below the menu bar: the window's extra height.
  eval "$(xdotool getwindowgeometry --shell "$window")"
  menu_height=$((HEIGHT - content_height))
}

# Clicks the middle of a control given in the window's content coordinates.
click() {
  local x=$(($1 + $3 / 2)) y=$(($2 + $4 / 2 + menu_height))
  xdotool mousemove --window "$window" "$x" "$y" click 1
  sleep 0.4
}

snapshot() { xwd -silent -id "$window" -out "$1"; }

# Waits for a window called $1 to show and to take the keyboard.
wait_window() {
  local w=""
  for _ in $(seq 300); do
    w=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
    [[ -n $w ]] && break
    sleep 0.1
  done
  [[ -n $w ]] || fail "the window \"$1\" did not appear"
  sleep 0.5
  xdotool windowfocus --sync "$w" 2>/dev/null
  dialog=$w
}
# Waits up to $2 tenths of a second for the window called $1 to go.
gone_within() {
  for _ in $(seq "$2"); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
wait_gone() { gone_within "$1" 300 || fail "the window \"$1\" did not close"; }
# Answers the dialog called $1 with the key $2. On a busy machine a key can
# reach the dialog before it takes the keyboard, so it is pressed again
# while the dialog stays.
answer() {
  wait_window "$1"
  for _ in 1 2 3 4 5; do
    xdotool key "$2"
    gone_within "$1" 60 && return 0
    xdotool windowfocus --sync "$dialog" 2>/dev/null
  done
  fail "the window \"$1\" did not close"
}
wait_file() {
  for _ in $(seq 300); do
    compgen -G "$1" >/dev/null && return 0
    sleep 0.1
  done
  fail "no file $1 was written"
}

# Chooses the item that is $1 places below the first of the File menu.
menu_item() {
  xdotool windowfocus --sync "$window"
  sleep 0.3
  xdotool key alt+f
  sleep 0.7
  for _ in $(seq "$1"); do xdotool key Down; sleep 0.1; done
  xdotool key Return
}

# Print with the real page-setup and print dialogs, both confirmed with
# Return: on a machine without printers the job goes into ~/print.pdf.
print_to_pdf() {
  rm -f "$HOME/print.pdf"
  click "$@"
  answer "Page Setup" Return
  answer "Print" Return
  wait_file "$HOME/print.pdf"
}

# Nothing the program does in normal use writes to its output.
check_quiet() {
  if [[ -s $work/program.log ]]; then
    echo "FAILED: the program wrote to its output:"
    cat "$work/program.log"
    exit 1
  fi
}

wait_exit() {
  local status
  for _ in $(seq 300); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      wait "$app_pid"; status=$?
      app_pid=""
      [[ $status -eq 0 ]] || fail "the program ended with status $status"
      return 0
    fi
    sleep 0.1
  done
  fail "the program did not end after Quit"
}

ini_value() { tr '\r' '\n' <"$ini" | awk -v s="[$1]" -v k="$2=" '$0==s{f=1;next} /^\[/{f=0} f&&index($0,k)==1{print substr($0,length(k)+1)}'; }

if [[ $mode == basic ]]; then
  content_height=776
  start_program
  snapshot "$work/before.xwd"
  click 665 154 60 80          # Harder
  # On a busy machine the new maze may take a moment to show.
  changed=""
  for _ in $(seq 50); do
    snapshot "$work/after.xwd"
    cmp -s "$work/before.xwd" "$work/after.xwd" || { changed=1; break; }
    sleep 0.2
  done
  [[ -n $changed ]] || fail "Harder did not change the maze"
  print_to_pdf 593 480 132 132 # Print
  click 593 624 132 132        # Quit
  wait_exit
  [[ -f $ini ]] || fail "no preference file was written"
  [[ $(ini_value Basic Difficulty) == 23 ]] || fail "Difficulty is not 23"
  [[ $(ini_value Basic Icon) == 0 ]] || fail "Icon is not 0"

  # The next start restores difficulty 23: quitting at once writes it back.
  start_program
  click 593 624 132 132
  wait_exit
  [[ $(ini_value Basic Difficulty) == 23 ]] || fail "the second run did not start at difficulty 23"
  check_quiet
  echo "simple window: Harder, Print, Quit and the stored difficulty work, and the program says nothing"
else
  mkdir -p "$(dirname "$ini")"
  printf '[Startup]\rBasicPro=1\r' >"$ini"
  content_height=803
  start_program
  snapshot "$work/maze.xwd"
  click 635 347 100 100        # Solve
  solved=""
  for _ in $(seq 150); do
    sleep 0.2
    snapshot "$work/now.xwd"
    # Once the path is drawn the picture stops changing.
    if [[ -f $work/last.xwd ]] && cmp -s "$work/now.xwd" "$work/last.xwd" && ! cmp -s "$work/now.xwd" "$work/maze.xwd"; then
      solved=1; break
    fi
    cp "$work/now.xwd" "$work/last.xwd"
  done
  [[ -n $solved ]] || fail "the search did not finish with a path"
  click 635 459 100 100        # Save, into the folder the dialog proposes
  answer "Save As" Return
  wait_file "$HOME/New Maze *.png"
  click 619 314 132 14         # the colour swatch; the colour dialog is cancelled
  answer "Select Color" Escape
  menu_item 0                  # File > About...
  answer "About Tarnwick Lanes" Return
  menu_item 1                  # File > Preferences...
  wait_window "Preferences"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  xdotool mousemove $((X + 168 + 60)) $((Y + HEIGHT - 217 + 175 + 11)) click 1   # Save and Close
  wait_gone "Preferences"
  print_to_pdf 635 571 100 100 # Print
  click 691 154 60 80          # Door
  click 635 683 100 100        # Quit
  wait_exit
  for key in Width Height LineLength Icon Door; do
    [[ -n $(ini_value Pro "$key") ]] || fail "section Pro lacks $key"
  done
  [[ $(ini_value Pro Width) == 25 && $(ini_value Pro Height) == 17 ]] || fail "Width/Height are not 25/17"
  [[ $(ini_value All PrintLimit) == 3 ]] || fail "Preferences did not store the print limit"
  check_quiet
  echo "advanced window: Solve, Save, colour, About, Preferences, Print, Door, Quit and section Pro work, and the program says nothing"
fi
echo "1 passed, 0 failed"
