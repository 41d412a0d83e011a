#!/usr/bin/env bash
# Runs a command against a throwaway PostgreSQL cluster of its own, made in a temporary
# folder and reached only through a Unix socket there (it opens no TCP port), then stops
# and removes the cluster however the command ends. The command gets PGHOST, PGPORT,
# PGUSER and PGDATABASE (superuser postgres, database postgres) and nothing else of the
# caller's libpq settings, and QB_PG_DATA, the cluster's data folder, for a test that
# restarts the server (pg_ctl restart, as the user postgres when run as root). The role qb_password_user logs in with a password; every other
# role is trusted on the socket.
#
# Usage: with_cluster.sh COMMAND [ARGS...]   (exit 77, a skip for CTest, without a server)
# QB_PG_BINDIR names the server's bin folder; else the newest under /usr/lib/postgresql.
set -euo pipefail

bindir="${QB_PG_BINDIR:-}"
if [ -z "$bindir" ]; then
  for d in $(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V -r); do
    if [ -x "$d/postgres" ]; then bindir="$d"; break; fi
  done
fi
if [ -z "$bindir" ] || [ ! -x "$bindir/postgres" ]; then
  echo "with_cluster: no PostgreSQL server is installed (scripts/setup installs postgresql-15); skipped" >&2
  exit 77
fi

dir="$(mktemp -d "${TMPDIR:-/tmp}/qb-cluster.XXXXXX")"
server_pid=""
command_pid=""

stop_server() {
  [ -n "$server_pid" ] || return 0
  # SIGINT is the server's fast shutdown: sessions are ended, nothing is left behind.
  kill -INT "$server_pid" 2>/dev/null || true
  for _ in $(seq 100); do
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$server_pid" 2>/dev/null; then kill -KILL "$server_pid" 2>/dev/null || true; fi
  wait "$server_pid" 2>/dev/null || true
  server_pid=""
}
cleanup() {
  stop_server
  # A server a test restarted is no child of this script: pg_ctl stops it.
  if [ -f "$dir/data/postmaster.pid" ]; then
    "${as[@]}" "$bindir/pg_ctl" stop -D "$dir/data" -m immediate -w >/dev/null 2>&1 || true
  fi
  rm -rf "$dir"
}
# A signal ends the command first, then the cluster: the command runs in the background
# so that the traps run at once instead of after it.
on_signal() {
  if [ -n "$command_pid" ]; then
    kill -TERM "$command_pid" 2>/dev/null || true
    wait "$command_pid" 2>/dev/null || true
  fi
  exit "$1"
}
trap cleanup EXIT
trap 'on_signal 129' HUP
trap 'on_signal 130' INT
trap 'on_signal 143' TERM

# The server refuses to run as root; as root it runs as the postgres user. Should this
# script die without its traps (SIGKILL), the kernel kills the server and the command with
# it (only the temporary folder is then left behind).
as=(setpriv --pdeathsig KILL)
if [ "$(id -u)" -eq 0 ]; then
  chown postgres: "$dir"
  as+=(--reuid=postgres --regid=postgres --init-groups)
fi

if ! "${as[@]}" "$bindir/initdb" -D "$dir/data" -U postgres --auth=trust --no-sync -E UTF8 \
  --locale=C.UTF-8 >"$dir/initdb.log" 2>&1; then
  cat "$dir/initdb.log" >&2
  exit 1
fi
cat >"$dir/data/pg_hba.conf" <<'HBA'
local all qb_password_user scram-sha-256
local all all trust
HBA

"${as[@]}" "$bindir/postgres" -D "$dir/data" -k "$dir" -c listen_addresses='' -c fsync=off \
  -c full_page_writes=off >"$dir/server.log" 2>&1 &
server_pid=$!
ready=""
for _ in $(seq 200); do
  if "$bindir/pg_isready" -q -h "$dir" -p 5432; then ready=1; break; fi
  kill -0 "$server_pid" 2>/dev/null || break
  sleep 0.05
done
if [ -z "$ready" ]; then
  echo "with_cluster: the server did not start:" >&2
  cat "$dir/server.log" >&2
  exit 1
fi

# Only this cluster: none of the caller's libpq settings may point elsewhere.
for v in $(env | sed -n 's/^\(PG[A-Z_]*\)=.*/\1/p'); do unset "$v"; done
export PGHOST="$dir" PGPORT=5432 PGUSER=postgres PGDATABASE=postgres
export QB_PG_BINDIR="$bindir" QB_PG_DATA="$dir/data"
set +e
setpriv --pdeathsig KILL "$@" &
command_pid=$!
wait "$command_pid"
status=$?
command_pid=""
exit "$status"
