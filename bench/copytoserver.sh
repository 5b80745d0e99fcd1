#!/usr/bin/env bash
# Copies the rows of a facility's store files into a server database that
# holds the tables of a facility (as vantora-setup creates them), for the
# benchmarks' large facility:
#
#   copytoserver.sh FOLDER URI
#
# Nothing is done when the server holds at least as many members and
# workouts as the files (the benchmarks add their own). Else each table of
# the files that the server has is emptied and filled with the files' rows,
# hidden keys included, through psql's \copy; the key counters are then
# moved past the copied keys and the tables analysed.
set -euo pipefail

folder=${1:?usage: copytoserver.sh FOLDER URI}
uri=${2:?usage: copytoserver.sh FOLDER URI}
SQLITE3=${SQLITE3:-sqlite3}
PSQL=${PSQL:-psql}

on_server() {
  "$PSQL" -X -q -At -v ON_ERROR_STOP=1 "$uri" "$@"
}

copied=yes
for table in Members Workouts; do
  files=$("$SQLITE3" "$folder/members.mdb" "SELECT COUNT(*) FROM $table")
  if [ "$(on_server -c "SELECT COUNT(*) FROM \"$table\"")" -lt "$files" ]; then
    copied=no
  fi
done
[ "$copied" = no ] || exit 0

for store in members center chkin reports; do
  file="$folder/$store.mdb"
  tables=$("$SQLITE3" "$file" \
    "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'")
  for table in $tables; do
    if [ "$(on_server -c "SELECT to_regclass('\"$table\"') IS NOT NULL")" != t ]; then
      continue
    fi
    columns=$("$SQLITE3" "$file" \
      "SELECT group_concat('\"' || name || '\"', ',') FROM pragma_table_info('$table')")
    start=$(date +%s)
    on_server -c "TRUNCATE \"$table\""
    "$SQLITE3" -csv "$file" "SELECT $columns FROM \"$table\"" |
      on_server -c "\\copy \"$table\" ($columns) FROM STDIN WITH (FORMAT csv)"
    on_server -c "SELECT setval(pg_get_serial_sequence('\"$table\"', '_key'),
                                GREATEST(COALESCE(MAX(_key), 0), 1)) FROM \"$table\"" >/dev/null
    echo "$table: $(on_server -c "SELECT COUNT(*) FROM \"$table\"") rows in $(($(date +%s) - start)) s"
  done
done
on_server -c "ANALYZE"
