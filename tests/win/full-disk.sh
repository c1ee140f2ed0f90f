#!/usr/bin/env bash
# full-disk.sh mount|unmount DIR: a 256 KiB tmpfs at DIR for the tests of a
# full disk (needs the right to mount, as root).
set -eu
case $1 in
    mount)
        mkdir -p "$2"
        mountpoint -q "$2" || mount -t tmpfs -o size=256k,mode=0777 kalvorix-full-disk "$2"
        ;;
    unmount)
        if mountpoint -q "$2"; then umount "$2"; fi
        rmdir "$2" 2>/dev/null || true
        ;;
esac
