#!/usr/bin/env bash
# Screenshot of the X display (e.g. Wine's virtual desktop under Xvfb) as PNG.
# Usage: tools/win/screenshot.sh OUT.png [WINDOW_TITLE]
# With a title, only the first X window whose name is exactly that is taken.
set -euo pipefail

out=${1:?usage: screenshot.sh OUT.png [WINDOW_TITLE]}
title=${2:-}
: "${DISPLAY:?DISPLAY is not set (source tools/win/wine-env.sh first)}"

win=root
if [ -n "$title" ]; then
  # xdotool takes a regex: escape it so the title matches literally.
  re=$(printf '%s' "$title" | sed 's/[][\.*^$+?(){}|/]/\\&/g')
  win=$(xdotool search --onlyvisible --name "^$re\$" | head -n1) || true
  [ -n "$win" ] || { echo "screenshot: no visible window named '$title'" >&2; exit 1; }
fi
mkdir -p "$(dirname "$out")"
import -window "$win" "png:$out"
