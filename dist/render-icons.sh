#!/usr/bin/env bash
# Renders the PNG sizes of the icon theme from the hand-drawn SVGs in icons/. The renderings are
# kept in the source tree (the build needs no SVG renderer); run this after changing a drawing and
# commit what it writes. Needs rsvg-convert (librsvg2-bin). The 16 px size has drawings of its own,
# fitted to whole pixels.
set -euo pipefail
cd "$(dirname "$0")/icons"

render() {  # name context
  local name=$1 context=$2 size source
  for size in 16 24 32 48 64 128 256; do
    source=$name.svg
    if [ "$size" -eq 16 ]; then source=$name-16.svg; fi
    mkdir -p "hicolor/${size}x${size}/$context"
    rsvg-convert --width "$size" --height "$size" "$source" -o "hicolor/${size}x${size}/$context/$name.png"
  done
}

render corvane apps
render application-x-corvane-project mimetypes
