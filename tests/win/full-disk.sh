#!/usr/bin/env bash
# full-disk.sh DIR COMMAND...: runs COMMAND with KALVORIX_FULL_DISK=DIR, a
# 256 KiB tmpfs that the command fills up to stand for a full disk. Mounting
# it needs root: run by anyone else this says so and exits 77, which CTest
# counts as skipped.
set -u
dir=${1:?usage: full-disk.sh DIR COMMAND...}
shift
if [ "$(id -u)" -ne 0 ]; then
    echo "full-disk: skipped: mounting the tmpfs that stands for a full disk needs root"
    exit 77
fi
mkdir -p "$dir"
if ! mountpoint -q "$dir"; then
    mount -t tmpfs -o size=256k,mode=0777 kalvorix-full-disk "$dir" || { echo "full-disk: cannot mount a tmpfs at $dir"; exit 1; }
fi
trap 'umount "$dir" && rmdir "$dir"' EXIT
KALVORIX_FULL_DISK=$dir "$@"
