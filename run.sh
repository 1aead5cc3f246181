#!/usr/bin/env bash
# Installs what is missing, builds Corvane in build/, and starts the desktop program.
# Without a display it says so and shows the default project's results on the terminal.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)"

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/app/corvane "$@"
fi

echo "No display found (DISPLAY is not set): showing the default project's results instead."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
./build/cli/corvane-cli new "$tmp/Corvane.qdl" >/dev/null
./build/cli/corvane-cli calc "$tmp/Corvane.qdl"
