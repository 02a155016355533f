#!/usr/bin/env bash
# Whole-process time and peak memory of every full-size recipe (the 150 of
# every category but Line, which the editor does not render at full size)
# on a 24 megapixel photo, JPEG in and JPEG out: best of RUNS runs each.
# Given several renderers (an older build and a newer one), it runs them
# in turns, recipe by recipe, so that a change in the machine's load falls
# on all of them alike, and prints their ratios.
#
#   bench/recipes.sh [--runs N] [--only CATEGORY,...] [--bmp] [FX...]
#
# Given several renderers, it also checks that they write the same bytes
# (the last column). --bmp writes BMP instead of JPEG, which takes the
# whole-picture path.
# FX defaults to build/release/bin/quorvane-fx. The photo is the sample
# picture enlarged to 6000 x 4000 with a fine grain (bench/MakePhoto.cpp),
# made once into build/recipes-bench/photo-6000x4000.jpg by qv_make_photo
# of build/release (or of QV_BUILD_DIR). Outputs go to /dev/shm. Peak
# memory is GNU time's maximum resident size (installed when missing), in
# MB of a million bytes.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_BUILD_DIR:-$repo/build/release}
runs=2
only=
ext=jpg
fxs=()
while (($#)); do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --only) only=$2; shift 2 ;;
    --bmp) ext=bmp; shift ;;
    *) fxs+=("$1"); shift ;;
  esac
done
((${#fxs[@]})) || fxs=("$build/bin/quorvane-fx")

if [ ! -x /usr/bin/time ]; then
  sudo_=; [ "$(id -u)" = 0 ] || sudo_=sudo
  DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends time >/dev/null
fi

work=$repo/build/recipes-bench
mkdir -p "$work"
photo=$work/photo-6000x4000.jpg
if [ ! -s "$photo" ]; then
  cmake --build "$build" --target qv_make_photo artwork >/dev/null
  "$build/bin/qv_make_photo" "$build/bin/pic/sample.jpg" "$photo" 6000 4000
fi
out=$(mktemp -d /dev/shm/qv-recipes.XXXXXX)
trap 'rm -rf "$out"' EXIT
cp "$photo" "$out/in.jpg"

echo "vector units: $(grep -o 'avx[^ ]*' /proc/cpuinfo | sort -u | tr '\n' ' ')"
echo "cores: $(nproc)   load before: $(cut -d' ' -f1-3 /proc/loadavg)"
python3 - "$runs" "$out" "$only" "$ext" "${fxs[@]}" <<'PY'
import filecmp, subprocess, sys, time
runs, out, only, ext, fxs = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4], sys.argv[5:]
picture_mb = 6000 * 4000 * 3 / 1e6
listed = subprocess.run([fxs[0], "list"], capture_output=True, text=True, check=True).stdout
names = [line.split()[1] for line in listed.splitlines()[1:]]
names = [n for n in names if n != "line" and (not only or n in only.split(","))]

def once(fx, name, n):
    command = ["/usr/bin/time", "-f", "%M", fx, "render", name, str(n), f"{out}/in.jpg",
               f"{out}/out-{fxs.index(fx)}.{ext}"]
    start = time.perf_counter()
    done = subprocess.run(command, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    seconds = time.perf_counter() - start
    if done.returncode:
        sys.exit(f"{fx} render {name} {n} failed: {done.stderr.strip()}")
    return seconds, int(done.stderr.strip().splitlines()[-1]) * 1024 / 1e6

head = f"{'recipe':12}" + "".join(f" {'s':>6} {'MB':>5}" for _ in fxs)
if len(fxs) > 1:
    head += "".join(f" {'t/t1':>5}" for _ in fxs[1:]) + "  bytes"
labels = "  ".join(f"[{i + 1}] {fx}" for i, fx in enumerate(fxs))
print(labels)
print(head)
best = {}
differ = 0
once(fxs[0], names[0], 1)  # warms the caches
for name in names:
    for n in range(1, 11):
        results = {fx: [] for fx in fxs}
        for _ in range(runs):
            for fx in fxs:
                results[fx].append(once(fx, name, n))
        row = f"{name + ' ' + str(n):12}"
        for fx in fxs:
            seconds = min(r[0] for r in results[fx])
            peak = min(r[1] for r in results[fx])
            best.setdefault(fx, []).append((seconds, peak, f"{name} {n}"))
            row += f" {seconds:6.3f} {peak:5.0f}"
        first = best[fxs[0]][-1][0]
        row += "".join(f" {best[fx][-1][0] / first:5.2f}" for fx in fxs[1:])
        if len(fxs) > 1:
            same = all(filecmp.cmp(f"{out}/out-0.{ext}", f"{out}/out-{i}.{ext}", shallow=False)
                       for i in range(1, len(fxs)))
            differ += not same
            row += "  same" if same else "  DIFFERENT"
        print(row, flush=True)

print()
if len(fxs) > 1:
    print(f"outputs: {'all the same bytes' if not differ else f'{differ} recipes DIFFER'}")
print(f"picture: {picture_mb:.0f} MB at 24 bits; memory bar 2 x picture + 40 = {2 * picture_mb + 40:.0f} MB")
for i, fx in enumerate(fxs):
    rows = best[fx]
    light = [s for s, _, what in rows if what == "light-a 3"]
    slowest = max(rows)
    fattest = max(rows, key=lambda r: r[1])
    ratio = f" = {slowest[0] / light[0]:.2f} x light-a 3" if light else ""
    print(f"[{i + 1}] light-a 3 {light[0] if light else 0:.3f} s; slowest {slowest[2]} "
          f"{slowest[0]:.3f} s{ratio}; largest peak {fattest[2]} {fattest[1]:.0f} MB")
PY
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
