#!/usr/bin/env bash
# The install tree as a desktop sees it. CTest runs one step per test:
#   dist_test.sh install BUILD PREFIX      installs the build under PREFIX (a fresh folder)
#   dist_test.sh files PREFIX LIST         the installed files are exactly those in LIST
#   dist_test.sh desktop PREFIX            the menu entry passes desktop-file-validate
#   dist_test.sh metainfo PREFIX           the AppStream file passes appstreamcli, with the tree
#   dist_test.sh mime PREFIX FIXTURE       a .qdl file is a Corvane project to GIO, opened by Corvane
#   dist_test.sh folder PREFIX FIXTURE     the installed program keeps its files in the user's folder
#   dist_test.sh package BUILD LIST DEPENDS  cpack -G DEB makes a package of the files in LIST, which
#                                          depends on exactly the packages in DEPENDS
set -euo pipefail
step=$1
id=io.github.corvane.Corvane

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A home of its own, so that nothing of the user's desktop takes part.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data XDG_CACHE_HOME=$scratch/cache
export XDG_RUNTIME_DIR=$scratch/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

case $step in
install)
  build=$2 prefix=$3
  rm -rf "$prefix"
  cmake --install "$build" --prefix "$prefix" >/dev/null
  ;;

files)
  prefix=$2 list=$3
  diff -u "$list" <(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "installed files differ from $list"
  ;;

desktop)
  prefix=$2
  out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" 2>&1) || fail "$out"
  echo "$out"
  # Hints are advice; errors and warnings are not.
  if grep -Eq ': (error|warning):' <<<"$out"; then fail "desktop entry"; fi
  # Except this one: without a main category, menus file the program under "Other".
  if grep -q 'registered main category' <<<"$out"; then fail "desktop entry: no main category"; fi
  ;;

metainfo)
  prefix=$2
  appstreamcli validate --no-net --explain "$prefix/share/metainfo/$id.metainfo.xml"
  # The whole tree: the entry the metainfo launches and its icon are there.
  appstreamcli validate-tree --no-net "$prefix"
  ;;

mime)
  prefix=$2 fixture=$3
  # What the package's triggers do on a real system, on a copy of the installed tree. A desktop
  # offers only programs it finds on the path.
  cp -r "$prefix/share" "$scratch/share"
  export XDG_DATA_DIRS=$scratch/share:/usr/share PATH=$prefix/bin:$PATH
  update-mime-database "$scratch/share/mime"
  update-desktop-database "$scratch/share/applications"
  for name in pump.qdl PUMP.QDL; do
    cp "$fixture" "$scratch/$name"
    info=$(gio info -a standard::content-type,standard::icon "$scratch/$name")
    grep -q 'standard::content-type: application/x-corvane-project$' <<<"$info" || fail "$name: $info"
    grep -q 'standard::icon: application-x-corvane-project,' <<<"$info" || fail "$name: $info"
  done
  apps=$(gio mime application/x-corvane-project)
  grep -q "^Default application for .*: $id.desktop$" <<<"$apps" || fail "$apps"
  ;;

folder)
  prefix=$2 fixture=$3
  cp "$fixture" "$scratch/job.qdl"
  settings=$XDG_DATA_HOME/Corvane/Corvane/Corvane.ini
  QT_QPA_PLATFORM=offscreen "$prefix/bin/corvane" --no-about "$scratch/job.qdl" &
  program=$!
  for _ in $(seq 100); do
    if [ -s "$settings" ]; then break; fi
    sleep 0.1
  done
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  [ -s "$settings" ] || fail "no settings in the user's data folder $XDG_DATA_HOME"
  grep -aqF "$scratch/job.qdl" "$settings" || fail "the project named on the command line is not in the recent list"
  [ "$(ls -A "$prefix/bin")" = "$(printf 'corvane\ncorvane-cli')" ] ||
    fail "the program wrote into its own folder: $(ls -A "$prefix/bin" | tr '\n' ' ')"
  ;;

package)
  build=$2 list=$3 depends=$4
  # As `cpack -G DEB` in the build folder makes it, but into a folder of its own.
  out=$(cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/deb" 2>&1) || fail "cpack: $out"
  debs=("$scratch"/deb/corvane_*.deb)
  [ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "no package made: $out"
  deb=${debs[0]}
  # What dpkg-shlibdeps found for the programs, names without versions: the libraries they link,
  # which on Debian 12 bring Qt's platforms with them; never a build tool or a -dev package.
  diff -u "$depends" <(dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/(.*)//; s/[[:space:]]//g' |
    grep . | LC_ALL=C sort) || fail "Depends: $(dpkg-deb -f "$deb" Depends)"
  # The files of the install, under /usr, owned by root.
  contents=$(dpkg-deb -c "$deb")
  diff -u <(sed 's|^|usr/|' "$list") <(awk '$1 !~ /^d/ {print $6}' <<<"$contents" | sed 's|^\./||' |
    LC_ALL=C sort) || fail "the package's files differ from $list"
  awk '$2 != "root/root" {bad = 1; print} END {exit bad}' <<<"$contents" || fail "files not owned by root"
  ;;

*)
  fail "unknown step $step"
  ;;
esac
