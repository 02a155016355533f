# Sourced by the scripts that try Quorvane on a Debian 12 that has never
# seen it (scripts/package-test --fresh, scripts/fresh-test): a root made by
# debootstrap from the mirror this machine's apt uses, with its /proc and
# /dev, removed again on exit. The caller sets `name` (its own name, for
# what it says); the root is in $root.
#   debian_root PREFIX [PACKAGE,...]   bootstraps bookworm (minbase, with
#                                      the packages given) into a new
#                                      /tmp/PREFIX.XXXXXX and mounts it
# shellcheck shell=bash

debian_root_cleanup() {
  local m
  for m in dev/shm dev/pts dev proc; do
    mountpoint -q "$root/$m" || continue
    umount "$root/$m" 2>/dev/null || umount -l "$root/$m" 2>/dev/null || true
  done
  # Never into the machine's own /dev: a root still mounted on stays.
  if mountpoint -q "$root/dev" || mountpoint -q "$root/proc"; then
    echo "$name: $root is still mounted on; left in place" >&2
  else
    rm -rf --one-file-system "$root"
  fi
}

debian_root() {
  local mirror
  mirror=$(sed -n 's/^URIs: *//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null | head -1)
  mirror=${mirror:-http://deb.debian.org/debian}
  root=$(mktemp -d "/tmp/$1.XXXXXX")
  chmod 755 "$root"  # apt's own user reads its lists there
  trap debian_root_cleanup EXIT
  echo "$name: debootstrap bookworm from $mirror"
  debootstrap --variant=minbase ${2:+--include=$2} bookworm "$root" "$mirror" >/dev/null
  [[ -f /etc/apt/sources.list.d/debian.sources ]] &&
    cp /etc/apt/sources.list.d/debian.sources "$root/etc/apt/sources.list.d/" &&
    : >"$root/etc/apt/sources.list"
  cp /etc/resolv.conf "$root/etc/resolv.conf"
  mount -t proc proc "$root/proc"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs tmpfs "$root/dev/shm"
}
