# Sourced by the scripts that drive the real editor under a virtual display
# as a user would (scripts/check-*): a 1280 x 1024 Xvfb with openbox, a home
# of the run's own, and the steps a user takes, by xdotool. The editor is
# the build of scripts/run (build/release). Screenshots go to $shots.
# shellcheck shell=bash
scripts/setup release >/dev/null
missing=()
for tool in Xvfb:xvfb openbox:openbox xdotool:xdotool import:imagemagick; do
  command -v "${tool%%:*}" >/dev/null || missing+=("${tool#*:}")
done
if ((${#missing[@]})); then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

bin=$PWD/build/release/bin
work=$(mktemp -d)
shots=${1:-$work/shots}
mkdir -p "$shots" "$work/home" "$work/run"
chmod 700 "$work/run"
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_STATE_HOME=$work/home/.local/state
export XDG_CACHE_HOME=$work/home/.cache XDG_DATA_HOME=$work/home/.local/share XDG_RUNTIME_DIR=$work/run
display=:$((90 + RANDOM % 100))
export DISPLAY=$display
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
editor=
cleanup() {
  if [ -n "$editor" ]; then
    kill "$editor" 2>/dev/null || true
    wait "$editor" 2>/dev/null || true
  fi
  kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"/home "$work"/run
}
trap cleanup EXIT
sleep 1
openbox >/dev/null 2>&1 &

fail() { echo "$(basename "$0"): $*" >&2; exit 1; }
shot() { import -window root "$shots/$1.png"; }
# Waits for a window titled exactly $1 and prints its id.
window() {
  for _ in $(seq 100); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | tail -n 1) || true
    [ -n "$id" ] && { echo "$id"; return; }
    sleep 0.1
  done
  fail "no window \"$1\""
}
main() { window "$1"; }
# Clicks at x, y of a window's client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
keys() { xdotool windowactivate --sync "$1" key "${@:2}"; sleep 0.5; }
start() {
  "$bin/quorvane" "$@" >>"$work/editor.log" 2>&1 &
  editor=$!
  sleep 2
}
# The main window laid out for a 1280 x 1024 screen: the category column at
# the left (one button per 28 pixels from 28).
category() { click "$W" 61 $((28 + 28 * ($1 - 1) + 12)); sleep 1; }
# A chosen category puts the focus on its first thumbnail, and the digits 1
# to 9 and 0 open thumbnails 1 to 10 wherever the strip has laid them out.
thumbnail() {
  sleep 1
  keys "$W" $(($1 % 10))
  sleep 2
}
save_bmp() {
  keys "$W" ctrl+s
  local dialog
  dialog=$(window "Save As")
  # The name, then the type list (typing B picks the BMP entry).
  xdotool windowactivate --sync "$dialog" key alt+n ctrl+a type "$1"
  xdotool key Tab b Return
  sleep 2
  [ -f "$1.bmp" ] || fail "nothing was saved as $1.bmp"
}

