#!/usr/bin/env bash
# The main window opening an inventory from a PostgreSQL server, against libpq's single-row
# read of the columns it needs (id, nome, aldrich, formula in id order), in the same run:
#
#   bench/bench_server_open.sh [N ...]        (default: 100000 1000000)
#
# Starts a throwaway cluster (tests/server/with_cluster.sh), and for each N copies the
# generated inventory ($QB_BENCH_DIR/N/QBData.mdb, default /work/benchdata, made with
# qb_generate_inventory when missing) to a database of its own with
# `quillarbon-data --file COPY copy-to-server "dbname=DB" --use`, then removes the copy's
# QBData.mdb, so the folder holds only QBData.server as a lab's desk would. Then one round
# to warm the caches and five counted rounds, each a fresh process of
#   libpq  - qb_bench_server_read --libpq "dbname=DB", start to end;
#   open   - qb_bench_main_window main FOLDER (offscreen), the window's load ("load").
# Prints each as the median with [min-max] in ms, and the ratio open / libpq: of the
# medians, and the median with [min-max] of each round's own ratio.
# QB_BUILD_DIR names the build (default: build beside this folder), so an earlier build can
# be measured the same way; QB_ROUNDS the rounds.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="${QB_BUILD_DIR:-$here/../build}"
bin="$build/bin"
rounds="${QB_ROUNDS:-5}"

if [ -z "${QB_IN_CLUSTER:-}" ]; then
  export QB_IN_CLUSTER=1
  exec "$here/../tests/server/with_cluster.sh" "$0" "$@"
fi

for program in qb_bench_server_read qb_bench_main_window quillarbon-data qb_generate_inventory; do
  if [ ! -x "$bin/$program" ]; then
    echo "$bin/$program is missing: build it first" >&2
    exit 1
  fi
done

sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)
data="${QB_BENCH_DIR:-/work/benchdata}"
work="$(mktemp -d "${TMPDIR:-/tmp}/qb-server-open.XXXXXX")"
trap 'rm -rf "$work"' EXIT

now_ms() { echo "${EPOCHREALTIME/./}" | awk '{ printf "%.3f", $1 / 1000 }'; }

# median [min-max] of the numbers on stdin, one a line
stats() {
  sort -g | awk -v d="${1:-0}" '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "%.*f [%.*f-%.*f]", d, m, d, v[1], d, v[NR] }'
}
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

echo "PostgreSQL $(psql -XAtc 'SHOW server_version'), a Unix socket on this machine;" \
  "medians of $rounds fresh processes each, [min-max], ms"
for n in "${sizes[@]}"; do
  source="$data/$n/QBData.mdb"
  if [ ! -f "$source" ]; then
    mkdir -p "$data/$n"
    "$bin/qb_generate_inventory" "$n" "$source" >&2
  fi
  db="inventory_$n"
  folder="$work/$n"
  mkdir -p "$folder"
  psql -Xq -c "CREATE DATABASE $db"
  cp "$source" "$folder/QBData.mdb"
  start=$(now_ms)
  "$bin/quillarbon-data" --file "$folder/QBData.mdb" copy-to-server "dbname=$db" --use >/dev/null
  copied=$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { printf "%.0f", b - a }')
  rm "$folder/QBData.mdb"
  if [ ! -f "$folder/QBData.server" ]; then
    echo "copy-to-server --use wrote no QBData.server" >&2
    exit 1
  fi

  libpq=() open=() ratio=()
  for round in $(seq 0 "$rounds"); do
    start=$(now_ms)
    "$bin/qb_bench_server_read" --libpq "dbname=$db" >/dev/null 3>/dev/null
    read_ms=$(awk -v a="$start" -v b="$(now_ms)" 'BEGIN { print b - a }')
    # What the child does after the load (searches, a save, a delete) is not counted here,
    # and a build from before it knew a folder without the file may stop there.
    load=$( (QT_QPA_PLATFORM=offscreen "$bin/qb_bench_main_window" main "$folder" 2>/dev/null || true) |
      awk '$1 == "load" { print $2 }')
    if [ -z "$load" ]; then
      echo "the main window did not load $folder" >&2
      exit 1
    fi
    # The first round warms the server's and the system's caches.
    [ "$round" -gt 0 ] || continue
    libpq+=("$read_ms") open+=("$load")
    ratio+=("$(awk -v a="$load" -v b="$read_ms" 'BEGIN { print a / b }')")
  done
  echo
  echo "$n records (copied to the server in $copied ms)"
  echo "  libpq single-row read   $(printf '%s\n' "${libpq[@]}" | stats)"
  echo "  main window's load      $(printf '%s\n' "${open[@]}" | stats)"
  echo "  load / libpq, medians   $(awk -v a="$(printf '%s\n' "${open[@]}" | median)" \
    -v b="$(printf '%s\n' "${libpq[@]}" | median)" 'BEGIN { printf "%.2f", a / b }')"
  echo "  load / libpq, per round $(printf '%s\n' "${ratio[@]}" | stats 2)"
done
