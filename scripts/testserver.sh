#!/usr/bin/env bash
# A throwaway PostgreSQL server for the tests.
#
#   testserver.sh start [STATE_FILE]   prints "export VANTORA_TEST_SERVER=<uri>"
#   testserver.sh stop  [STATE_FILE]
#
# start makes a temporary data folder and socket folder, creates a cluster
# whose superuser is "vantora" with trust authentication on the Unix socket
# only, and starts the server listening on that socket alone (no TCP), with
# fsync off: the data is thrown away anyway. The folders go to memory
# (/dev/shm) where it has room, else to /tmp. Run as root, the server runs as
# the "postgres" system user, since the server refuses to run as root.
# The URI and the folders go to STATE_FILE (default
# /tmp/vantora-testserver-<uid>.env), where stop finds them; stop ends the
# server and removes both folders. `eval "$(testserver.sh start)"` sets the
# variable in the calling shell.
set -euo pipefail

command=${1:-}
state=${2:-/tmp/vantora-testserver-$(id -u).env}

# The folder of the server programs, of the newest installed version.
pg_bin() {
  local dir
  dir=$(find /usr/lib/postgresql -mindepth 3 -maxdepth 3 -path '*/bin/initdb' -printf '%h\n' \
    2>/dev/null | sort -V | tail -n 1)
  if [ -z "$dir" ] && command -v initdb >/dev/null 2>&1; then
    dir=$(dirname "$(command -v initdb)")
  fi
  if [ -z "$dir" ]; then
    echo "Error: no PostgreSQL server programs (initdb) found; install postgresql." >&2
    exit 1
  fi
  echo "$dir"
}

# Runs a command as the server's user.
as_server_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

stop_server() {
  [ -f "$state" ] || return 0
  local VANTORA_TEST_SERVER_DIR=""
  # shellcheck disable=SC1090
  source "$state"
  if [ -n "$VANTORA_TEST_SERVER_DIR" ] && [ -d "$VANTORA_TEST_SERVER_DIR/data" ]; then
    as_server_user "$(pg_bin)/pg_ctl" stop -D "$VANTORA_TEST_SERVER_DIR/data" -m immediate -s \
      >/dev/null 2>&1 || true
  fi
  case "$VANTORA_TEST_SERVER_DIR" in
    /tmp/vantora-pg.* | /dev/shm/vantora-pg.*) rm -rf -- "$VANTORA_TEST_SERVER_DIR" ;;
  esac
  rm -f -- "$state"
}

start_server() {
  if [ -f "$state" ]; then
    echo "Error: a test server is already recorded in $state; run '$0 stop' first." >&2
    exit 1
  fi
  local bin base parent=/tmp
  bin=$(pg_bin)
  # A gigabyte of memory is plenty for the scratch databases of the tests.
  if [ -d /dev/shm ] && [ -w /dev/shm ] &&
    [ "$(df -Pk /dev/shm | awk 'NR == 2 { print $4 }')" -gt 1048576 ]; then
    parent=/dev/shm
  fi
  base=$(mktemp -d "$parent/vantora-pg.XXXXXX")
  mkdir "$base/data" "$base/socket"
  if [ "$(id -u)" -eq 0 ]; then
    chown -R postgres: "$base"
  fi
  chmod 700 "$base/data"
  chmod 755 "$base"

  printf 'VANTORA_TEST_SERVER=%q\nVANTORA_TEST_SERVER_DIR=%q\n' \
    "postgresql://vantora@/postgres?host=$base/socket" "$base" >"$state"

  if ! as_server_user "$bin/initdb" -D "$base/data" -U vantora -E UTF8 --locale=C.UTF-8 \
    --auth-local=trust --auth-host=reject --no-sync >"$base/initdb.log" 2>&1; then
    cat "$base/initdb.log" >&2
    stop_server
    echo "Error: initdb failed." >&2
    exit 1
  fi
  cat >>"$base/data/postgresql.conf" <<EOF
listen_addresses = ''
unix_socket_directories = '$base/socket'
max_connections = 200
fsync = off
synchronous_commit = off
full_page_writes = off
shared_buffers = 128MB
max_wal_size = 1GB
checkpoint_timeout = 30min
EOF

  if ! as_server_user "$bin/pg_ctl" start -D "$base/data" -l "$base/server.log" -w -t 60 -s; then
    cat "$base/server.log" >&2 || true
    stop_server
    echo "Error: the test server did not start." >&2
    exit 1
  fi
  local tries=0
  until "$bin/pg_isready" -q -h "$base/socket" -U vantora -d postgres; do
    tries=$((tries + 1))
    if [ "$tries" -ge 100 ]; then
      stop_server
      echo "Error: the test server does not answer." >&2
      exit 1
    fi
    sleep 0.1
  done
  echo "export VANTORA_TEST_SERVER='postgresql://vantora@/postgres?host=$base/socket'"
}

case "$command" in
  start) start_server ;;
  stop) stop_server ;;
  *)
    echo "Usage: $0 start|stop [STATE_FILE]" >&2
    exit 2
    ;;
esac
