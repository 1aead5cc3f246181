#!/usr/bin/env bash
# Installs the Debian 12 packages Corvane needs to build, test, package and run.
# Only what is missing is installed; a machine that has everything is left alone.
# Run it as root, or as a user who may use sudo.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libqt6svg6-dev libgl-dev
  libqcustomplot-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-14 libclang-rt-14-dev clang-format
  qt6-qpa-plugins libqt6printsupport6 libqt6test6
  fonts-dejavu-core fonts-liberation2
  xvfb xauth
  poppler-utils
  # The machine history: Qt's SQLite and PostgreSQL drivers, and a PostgreSQL server for its tests.
  libqt6sql6-sqlite libqt6sql6-psql postgresql
  desktop-file-utils appstream shared-mime-info libglib2.0-bin
  # cpack -G DEB: dpkg-shlibdeps finds the package's dependencies, among the files that file(1)
  # says are programs.
  dpkg-dev file
  librsvg2-bin xdg-utils
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Run $0 as root, or install sudo and try again." >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "Installing missing packages: ${missing[*]}"
# Through env, because sudo does not pass the caller's environment on: apt must not stop to ask
# questions in the middle of a build.
as_root+=(env DEBIAN_FRONTEND=noninteractive)
"${as_root[@]}" apt-get update -qq
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
