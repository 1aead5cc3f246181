#!/usr/bin/env bash
# Installs what is missing, builds Corvane in build/, and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"

./scripts/install-deps.sh

# CI sets CORVANE_WERROR=ON: a warning is then an error.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_WERROR="${CORVANE_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" "$@"
