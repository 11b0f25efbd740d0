# Sourced by the tests that drive the real program: a virtual screen with a window manager
# (without one no window can be maximised), and small helpers to wait for named windows.
# Needs: $work (a temporary folder), $shots (where a failure screenshot goes), $screen (WxHxD).

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
    if ! command -v "$tool" >/dev/null; then
      echo "SKIP: $tool is not installed"
      exit 77
    fi
  done
}

# Polls a command until it succeeds, for at most $1 seconds.
wait_for() {
  local seconds=$1
  shift
  local deadline=$((SECONDS + seconds))
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.2
  done
}

start_x_session() {
  # Another test's server may take or drop the same display number at the same moment: then
  # this one is not ours, and the whole start is tried again on another number.
  local attempt
  for attempt in 1 2 3; do
    try_x_session && return 0
  done
  fail "no virtual screen with a window manager: $(cat "$work/xvfb.log" "$work/openbox.log")"
}

try_x_session() {
  # A display no one else uses: tests may run side by side, so when another Xvfb takes the
  # same number first, this one dies and the next number is tried.
  local number xvfb_pid
  for number in $(shuf -i 100-399 -n 40); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] && continue
    Xvfb ":$number" -screen 0 "$screen" -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$number"
    if wait_for 10 xdotool getdisplaygeometry >/dev/null 2>&1 && kill -0 "$xvfb_pid" 2>/dev/null; then
      pids+=("$xvfb_pid")
      break
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=
  done
  [ -n "$xvfb_pid" ] || return 1
  openbox >"$work/openbox.log" 2>&1 &
  pids+=($!)
  wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
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
