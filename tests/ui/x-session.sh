# Sourced by the tests that drive the real program: a virtual screen with a window manager
# (without one no window can be maximised), and small helpers to wait for named windows.
# Needs $shots (where screenshots go, a failure's too); makes $work, a temporary folder removed
# at exit; the virtual screen is $screen (WxHxD), 1280x800x24 unless set.

screen=${screen:-1280x800x24}
work=$(mktemp -d)
mkdir -p "$shots"
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*"
  import -display "$DISPLAY" -window root "$shots/failure.png" 2>/dev/null || true
  exit 1
}

skip_unless_tools() {
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null && continue
    echo "SKIP: $tool is not installed"
    exit 77
  done
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

# Tests may run side by side: when another server takes the same display number first, or
# drops it before our window manager reaches it, the start is tried again on another number.
start_x_session() {
  local attempt number server manager
  for attempt in $(seq 40); do
    number=$(shuf -i 100-399 -n 1)
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    export DISPLAY=":$number"
    Xvfb "$DISPLAY" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    server=$!
    pids+=("$server")
    manager=
    if wait_for 10 xdotool getdisplaygeometry >/dev/null 2>&1 && kill -0 "$server" 2>/dev/null; then
      openbox >"$work/openbox.log" 2>&1 &
      manager=$!
      pids+=("$manager")
      wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' && return 0
    fi
    kill "$server" ${manager:+"$manager"} 2>/dev/null || true
  done
  fail "no virtual screen with a window manager: $(cat "$work/xvfb.log" "$work/openbox.log")"
}

# The desktop's accessibility bus and registry, through which a screen reader reads the program
# (the caller runs under its own D-Bus session).
start_accessibility_bus() {
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/bus.log" 2>&1 &
  pids+=("$!")
  wait_for 10 sh -c 'dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress >/dev/null 2>&1' || fail "the accessibility bus did not start"
  /usr/libexec/at-spi2-registryd >"$work/registry.log" 2>&1 &
  pids+=("$!")
}

# xdotool matches names ignoring case, and the message boxes ("La VORBIA 2002") differ from
# the table ("La Vorbia 2002") only in case: compare the name exactly.
window_named() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
    if [ "$(xdotool getwindowname "$id")" = "$1" ]; then
      echo "$id"
      return 0
    fi
  done
  return 1
}

no_window_named() { ! window_named "$1" >/dev/null; }

# Types a new name through the options dialog, opened with a click on the human's name panel
# along the bottom edge of the table window $1, and closes it with Enter.
rename_through_options() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y + HEIGHT - 15)) click 1
  wait_for 10 window_named "La VORBIA - Opzioni" >/dev/null ||
    fail "no options dialog after a click on the name panel"
  xdotool windowactivate --sync "$(window_named "La VORBIA - Opzioni")"
  xdotool type --delay 50 "$2"
  xdotool key --clearmodifiers Return
  wait_for 5 no_window_named "La VORBIA - Opzioni" || fail "Enter did not close the options dialog"
}

# Ctrl+F4 on the table window $1 must end the program $2 with status 0.
end_with_ctrl_f4() {
  local status=0
  xdotool windowactivate --sync "$1"
  xdotool key --clearmodifiers ctrl+F4
  wait_for 10 sh -c "! kill -0 $2 2>/dev/null" || fail "Ctrl+F4 did not end the program"
  wait "$2" || status=$?
  [ "$status" -eq 0 ] || fail "the program ended with status $status"
}
