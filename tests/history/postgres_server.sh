#!/usr/bin/env bash
# A throwaway PostgreSQL server for the history tests: made with initdb in a temporary folder, listening
# only on a unix socket in that folder, trusted for its own user "corvane", and gone after the tests.
#   postgres_server.sh start STATEFILE   writes the server's URL to STATEFILE (its folder on line 2)
#   postgres_server.sh stop STATEFILE    stops it and removes the folder
# Run as root, the server runs as the "postgres" user, which owns the folder.
set -euo pipefail
action=$1
state=$2

bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1 || true)
if [ -z "$bin" ] && command -v initdb >/dev/null; then bin=$(dirname "$(command -v initdb)"); fi
if [ -z "$bin" ] || [ ! -x "$bin/initdb" ]; then
  echo "PostgreSQL's initdb is not installed (Debian package postgresql): run scripts/install-deps.sh" >&2
  exit 1
fi

as_owner() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

case "$action" in
  start)
    folder=$(mktemp -d /tmp/corvane-pg.XXXXXX)
    chmod 755 "$folder"
    if [ "$(id -u)" -eq 0 ]; then chown postgres: "$folder"; fi
    as_owner "$bin/initdb" -D "$folder/data" -U corvane --auth=trust -E UTF8 --locale=C.UTF-8 >"$folder/initdb.log" 2>&1 ||
      { cat "$folder/initdb.log" >&2; exit 1; }
    as_owner "$bin/pg_ctl" -D "$folder/data" -l "$folder/server.log" -w -t 60 \
      -o "-c listen_addresses='' -c unix_socket_directories='$folder' -p 5433 -c fsync=off" start >/dev/null ||
      { cat "$folder/server.log" >&2; exit 1; }
    printf 'postgresql:///postgres?host=%s&port=5433&user=corvane\n%s\n' "$folder" "$folder" >"$state"
    ;;
  stop)
    [ -f "$state" ] || exit 0
    folder=$(sed -n 2p "$state")
    as_owner "$bin/pg_ctl" -D "$folder/data" -m immediate -w stop >/dev/null 2>&1 || true
    rm -rf "$folder" "$state"
    ;;
esac
