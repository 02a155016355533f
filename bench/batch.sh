#!/usr/bin/env bash
# A folder of 24 photos of 12 megapixels, JPEG in and out, one run each:
#  - 24 separate `quorvane-fx render light-a 3 IN OUT` processes, one after
#    the other, against `apply` of a one-step look (light-a/3) on the folder;
#  - a two-step look (light-a/3, then color/1 in orange) against the one-step;
#  - the editor's Batch window (qv_editor_batch) on the folder against apply,
#    its results compared byte for byte, and its Cancel timed.
#
#   bench/batch.sh [COUNT]
#
# The photo is the sample picture enlarged to 4000 x 3000 with a fine grain
# (bench/MakePhoto.cpp), copied COUNT times (24). Files go to /dev/shm.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_BUILD_DIR:-$repo/build/release}
count=${1:-24}
fx=$build/bin/quorvane-fx
cmake --build "$build" --target quorvane-fx qv_make_photo qv_editor_batch artwork -- -j2 >/dev/null

work=$(mktemp -d /dev/shm/qv-batch.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/in" "$work/single"
"$build/bin/qv_make_photo" "$build/bin/pic/sample.jpg" "$work/photo.jpg" 4000 3000
for i in $(seq -w 1 "$count"); do cp "$work/photo.jpg" "$work/in/photo-$i.jpg"; done
"$fx" look make "$work/one.qvlook" light-a/3
"$fx" look make "$work/two.qvlook" light-a/3 color/1#FF8000

echo "vector units: $(grep -o 'avx[^ ]*' /proc/cpuinfo | sort -u | tr '\n' ' ')"
echo "cores: $(nproc)"
timed() {  # LABEL COMMAND...: the wall time in seconds, with the load before it
  local label=$1 load start end
  shift
  load=$(cut -d' ' -f1-3 /proc/loadavg)
  start=$(date +%s.%N)
  "$@"
  end=$(date +%s.%N)
  python3 -c "print(f'{\"$label\":<44} {$end - $start:7.2f} s   load before: $load')"
  echo "$end - $start" | bc -l >"$work/t-$label"
}
separate() { for f in "$work"/in/*.jpg; do "$fx" render light-a 3 "$f" "$work/single/$(basename "$f")"; done; }

timed separate separate
timed apply-one "$fx" apply "$work/one.qvlook" "$work/in" --out "$work/one"
timed apply-two "$fx" apply "$work/two.qvlook" "$work/in" --out "$work/two"
echo "editor batch, load before: $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bin/qv_editor_batch" "$work/one.qvlook" "$work/in" "$work/editor" | tee "$work/editor.txt"
# From Start to the summary, as the window timed it (the window's own start-up left out).
sed -n 's/.* in \([0-9.]*\) s.*/\1/p' "$work/editor.txt" >"$work/t-editor"
diff -r "$work/single" "$work/one" >/dev/null && echo "apply = separate renders, byte for byte"
diff -r "$work/one" "$work/editor" >/dev/null && echo "editor batch = apply, byte for byte"
ratio() { python3 -c "print(f'$3: {$(cat "$work/t-$1") / $(cat "$work/t-$2"):.2f}x')"; }
ratio apply-one separate "apply of the one-step look / 24 separate renders"
ratio apply-two apply-one "two-step look / one-step look"
ratio editor apply-one "the editor batch / apply"
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
