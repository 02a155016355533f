#!/usr/bin/env bash
# Whole-process timings (several runs each, minimum and median) of one
# full-size light-map render, JPEG in and JPEG out, against the same
# pipeline in libvips and ImageMagick and against the codec floors: djpeg
# piped into cjpeg -quality 90 (the floor), djpeg alone, and cjpeg alone
# from a PPM already in memory, on a 12 and a 24 megapixel photo; then the
# peak memory of every program at 24 megapixels, and of a render that needs
# the whole picture. Every output goes to /dev/shm, so no disk is timed.
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
out=$(mktemp -d /dev/shm/qv-compare.XXXXXX)
trap 'rm -rf "$out"' EXIT
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
  cp "$work/photo-$size.jpg" "$out/photo-$size.jpg"
  djpeg -outfile "$out/photo-$size.ppm" "$out/photo-$size.jpg"
done

# The programs take turns, run after run, so that a change in the machine's
# load falls on all of them alike.
cat >"$work/commands.txt" <<COMMANDS
quorvane-fx	'$fx' render light-a 3 '{photo}' '$out/out-qv.jpg'
codec floor, piped	djpeg '{photo}' | cjpeg -quality 90 >'$out/out-pipe.jpg'
djpeg alone	djpeg -outfile '$out/out-djpeg.ppm' '{photo}'
cjpeg alone	cjpeg -quality 90 -outfile '$out/out-cjpeg.jpg' '{ppm}'
libvips	'$work/vips_pipeline' '{photo}' '$asset' '$out/out-vips.jpg'
ImageMagick	${im[*]} '{photo}' \\( '$asset' -sample {w}x{h}! \\) -compose screen -composite -quality 90 -sampling-factor 2x2 '$out/out-im.jpg'
COMMANDS

# A recipe that needs the whole picture (an art effect), for its peak memory.
printf 'whole-picture render (art 1)\t%s\n' "'$fx' render art 1 '{photo}' '$out/out-art.jpg'" >"$work/memory.txt"

python3 - "$runs" "$work" "$out" <<'PY'
import re, statistics, subprocess, sys, time
runs, work, out = int(sys.argv[1]), sys.argv[2], sys.argv[3]
commands = [line.rstrip("\n").split("\t", 1) for line in open(f"{work}/commands.txt")]
print(f"{'picture':9} {'program':20} {'min ms':>8} {'median ms':>10} {'ours/this (median)':>19} {'(min)':>6}")
for w, h in ((4000, 3000), (6000, 4000)):
    photo, ppm = f"{out}/photo-{w}x{h}.jpg", f"{out}/photo-{w}x{h}.ppm"
    times = {name: [] for name, _ in commands}
    for run in range(runs + 1):  # the first round only warms the caches
        for name, template in commands:
            command = (template.replace("{photo}", photo).replace("{ppm}", ppm)
                       .replace("{w}", str(w)).replace("{h}", str(h)))
            start = time.perf_counter()
            subprocess.run(["bash", "-c", command], check=True, stdout=subprocess.DEVNULL)
            if run:
                times[name].append(time.perf_counter() - start)
    ours = times["quorvane-fx"]
    for name, t in times.items():
        print(f"{w}x{h:<4} {name:20} {min(t)*1e3:8.0f} {statistics.median(t)*1e3:10.0f} "
              f"{statistics.median(ours)/statistics.median(t):19.2f} {min(ours)/min(t):6.2f}")

# Peak memory of each program at 24 megapixels against the picture's 24-bit
# size (for the pipe, its larger process).
picture = 6000 * 4000 * 3
photo, ppm = f"{out}/photo-6000x4000.jpg", f"{out}/photo-6000x4000.ppm"
memory = commands + [line.rstrip("\n").split("\t", 1) for line in open(f"{work}/memory.txt")]
print(f"\n{'peak memory at 6000x4000':30} {'MB':>6} {'x 24-bit picture':>17}")
for name, template in memory:
    command = (template.replace("{photo}", photo).replace("{ppm}", ppm)
               .replace("{w}", "6000").replace("{h}", "4000"))
    # The shell's figure is the largest of the processes it waited for.
    run = subprocess.run(["/usr/bin/time", "-v", "bash", "-c", command],
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
    kb = int(re.findall(r"Maximum resident set size \(kbytes\): (\d+)", run.stderr)[-1])
    print(f"{name:30} {kb/1024:6.0f} {kb*1024/picture:17.2f}")
PY
