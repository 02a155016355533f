#!/usr/bin/env bash
# The README's recipe for many machines, taken from the README itself and
# run with GNU parallel against this machine alone (--sshlogin 2/:): its
# results are those of one apply of the whole tree, byte for byte; a run
# that lost results (a machine gone) is resumed by the same command, which
# keeps what is there; the README's check finds every result as its
# manifest says, and finds a result that was changed.
set -euo pipefail
fx=$(realpath "$1") readme=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A code block of the README after its marker line.
block() { awk -v mark="<!-- $1 -->" '$0 == mark {f = 1; next} f && /^```sh/ {g = 1; next} g && /^```/ {exit} g' "$readme"; }
recipe=$(block many-machines)
check=$(block many-machines-check)
[[ -n $recipe && -n $check ]] || { echo "the README has no recipe"; exit 1; }
# This machine alone, and the folder of this test.
local_only() { sed -e 's|--sshlogin [^ ]*|--sshlogin 2/:|' -e "s|/shared/holiday|$work|g"; }
recipe=$(local_only <<<"$recipe")
check=$(local_only <<<"$check")

mkdir -p "$work/bin" "$work/photos/2026/beach" "$work/web"
ln -s "$fx" "$work/bin/quorvane-fx"
export PATH="$work/bin:$PATH"
sample=$(dirname "$fx")/pic/sample.jpg
quorvane-fx convert "$sample" "$work/photos/a.jpg"
quorvane-fx filter invert "$sample" "$work/photos/b.png"
quorvane-fx filter mosaic 4 "$sample" "$work/photos/2026/c.jpg"
quorvane-fx render light-b 2 "$sample" "$work/photos/2026/beach/d.jpg"
quorvane-fx render color 3 "$sample" "$work/photos/2026/beach/e.JPG"
quorvane-fx look make "$work/warm.qvlook" light-a/2@80 color/1#FF8000
quorvane-fx apply "$work/warm.qvlook" "$work/photos" --recursive --out "$work/one"

run() { (eval "$1"); }
run "$recipe"
for f in a.jpg b.png 2026/c.jpg 2026/beach/d.jpg 2026/beach/e.JPG; do
  cmp "$work/one/$f" "$work/web/$f"
done
manifest=$(ls "$work"/web/manifest-*.jsonl)
[[ $(grep -c '"status":"ok"' "$manifest") == 5 ]]

# A machine lost with its results: the same command makes only those again.
rm "$work/web/b.png" "$work/web/2026/beach/d.jpg"
run "$recipe"
[[ $(grep -c '"status":"skipped"' "$manifest") == 3 && $(grep -c '"status":"ok"' "$manifest") == 7 ]]
cmp "$work/one/b.png" "$work/web/b.png"
cmp "$work/one/2026/beach/d.jpg" "$work/web/2026/beach/d.jpg"
[[ -z $(find "$work/web" -name '.*') ]]

# The check passes, and fails for a result that is not what was written.
run "$check"
printf 'x' >>"$work/web/2026/c.jpg"
if run "$check" >/dev/null 2>&1; then echo "the check missed a changed result"; exit 1; fi
echo "many machines: recipe, resume and check as the README says"
