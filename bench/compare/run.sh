#!/usr/bin/env bash
# Whole-process timings (several runs each, minimum and median) of one full-size light-map render, JPEG in and JPEG
# out, against the same pipeline in libvips and ImageMagick and against the
# codec floor (djpeg and cjpeg -quality 90), on a 12 and a 24 megapixel
# photo; then the peak memory of the 24 megapixel render.
#
#   bench/compare/run.sh [RUNS]        (default 10 runs of each, after a warm-up)
#
# Builds quorvane-fx in build/compare (or uses the build folder named by
# QV_BUILD_DIR), installs the peers from Debian's packages when they are
# missing, and keeps its pictures in build/compare/work.
set -euo pipefail

runs=${1:-10}
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$repo/build/compare/work
build=${QV_BUILD_DIR:-$repo/build/compare}
mkdir -p "$work"

need=()
command -v vips >/dev/null || need+=(libvips-tools)
pkg-config --exists vips 2>/dev/null || need+=(libvips-dev pkg-config)
command -v convert-im6.q16 >/dev/null || command -v magick >/dev/null || need+=(imagemagick)
command -v djpeg >/dev/null || need+=(libjpeg-turbo-progs)
[ -x /usr/bin/time ] || need+=(time)
command -v cc >/dev/null || need+=(gcc)
if [ ${#need[@]} -gt 0 ]; then
  echo "installing ${need[*]}" >&2
  sudo_=; [ "$(id -u)" = 0 ] || sudo_=sudo
  $sudo_ apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
# ImageMagick 7 calls itself magick; Debian 12 ships 6, whose convert is
# called by its full name so that no other convert on the path stands in.
if command -v magick >/dev/null; then im=(magick); else im=(convert-im6.q16); fi

if [ -z "${QV_BUILD_DIR:-}" ]; then
  cmake -S "$repo" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQV_BUILD_TESTS=OFF \
    -DQV_BUILD_BENCH=OFF -DQV_BUILD_GUI=OFF >/dev/null
fi
cmake --build "$build" --target quorvane-fx artwork >/dev/null
fx=$build/bin/quorvane-fx
# shellcheck disable=SC2046  # the flags are meant to split
cc -O2 -o "$work/vips_pipeline" "$repo/bench/compare/vips_pipeline.c" $(pkg-config --cflags --libs vips)

# The asset as a plain JPEG for the peers: the renderer puts the fixed JFIF
# head over the first 16 bytes of the stored file, and so do we.
asset=$work/asset.jpg
{ printf '\377\330\377\340\000\020JFIF\000\001\021\000\000\001'; tail -c +17 "$build/bin/pic/lightA/3.ssl"; } >"$asset"

# Photo-like pictures (fractal plasma: gradients and fine detail), made once.
for size in 4000x3000 6000x4000; do
  [ -s "$work/photo-$size.jpg" ] || "${im[@]}" -seed 7 -size "$size" plasma:fractal -quality 92 "$work/photo-$size.jpg"
done

# The programs take turns, run after run, so that a change in the machine's
# load falls on all of them alike.
cat >"$work/commands.txt" <<COMMANDS
quorvane-fx	'$fx' render light-a 3 '{photo}' '$work/out-qv.jpg'
libvips	'$work/vips_pipeline' '{photo}' '$asset' '$work/out-vips.jpg'
ImageMagick	${im[*]} '{photo}' \\( '$asset' -sample {w}x{h}! \\) -compose screen -composite -quality 90 -sampling-factor 2x2 '$work/out-im.jpg'
codec floor	djpeg -outfile '$work/floor.ppm' '{photo}' && cjpeg -quality 90 -outfile '$work/out-floor.jpg' '$work/floor.ppm'
codec floor, piped	djpeg '{photo}' | cjpeg -quality 90 >'$work/out-pipe.jpg'
COMMANDS

# Peak memory of the 24 megapixel render against the picture's 24-bit size.
mem=$( { /usr/bin/time -v "$fx" render light-a 3 "$work/photo-6000x4000.jpg" "$work/out-qv.jpg" >/dev/null; } 2>&1 |
  awk -F': ' '/Maximum resident set size/ {print $2}')

python3 - "$mem" "$runs" "$work" <<'PY'
import statistics, subprocess, sys, time
mem_kb, runs, work = int(sys.argv[1]), int(sys.argv[2]), sys.argv[3]
commands = [line.rstrip("\n").split("\t", 1) for line in open(f"{work}/commands.txt")]
print(f"{'picture':9} {'program':20} {'min ms':>8} {'median ms':>10} {'ours/this (median)':>19} {'(min)':>6}")
for w, h in ((4000, 3000), (6000, 4000)):
    photo = f"{work}/photo-{w}x{h}.jpg"
    times = {name: [] for name, _ in commands}
    for run in range(runs + 1):  # the first round only warms the caches
        for name, template in commands:
            command = template.replace("{photo}", photo).replace("{w}", str(w)).replace("{h}", str(h))
            start = time.perf_counter()
            subprocess.run(["bash", "-c", command], check=True, stdout=subprocess.DEVNULL)
            if run:
                times[name].append(time.perf_counter() - start)
    ours = times["quorvane-fx"]
    for name, t in times.items():
        print(f"{w}x{h:<4} {name:20} {min(t)*1e3:8.0f} {statistics.median(t)*1e3:10.0f} "
              f"{statistics.median(ours)/statistics.median(t):19.2f} {min(ours)/min(t):6.2f}")
    for floor in ("codec floor", "codec floor, piped"):
        beyond = 1 - statistics.median(times[floor]) / statistics.median(ours)
        print(f"{w}x{h:<4} time beyond the {floor}: {beyond*100:.0f} % of ours (medians)")
picture = 6000 * 4000 * 3
print(f"\npeak memory, 24 MP render: {mem_kb/1024:.0f} MB = {mem_kb*1024/picture:.2f} x the 24-bit picture")
PY
