#!/usr/bin/env bash
# Installs what the build needs, builds everything and runs every test, the
# store-bound ones also against a throwaway PostgreSQL server; then builds
# the libraries with AddressSanitizer and UndefinedBehaviorSanitizer and runs
# their tests again. Any failure or sanitizer report fails the run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages

build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTORA_BUILD_BENCH=ON

# The test server lives until this script ends, however it ends; so does
# the folder standing in for the programs' local data (kiosk journals,
# printed-request notes), which tests must not leave in the home folder.
server_state=$(mktemp /tmp/vantora-testserver.XXXXXX)
rm -f "$server_state"
export XDG_DATA_HOME
XDG_DATA_HOME=$(mktemp -d /tmp/vantora-testdata.XXXXXX)
trap '"$VANTORA_ROOT/scripts/testserver.sh" stop "$server_state"; rm -rf "$XDG_DATA_HOME"' EXIT
server_env=$("$VANTORA_ROOT/scripts/testserver.sh" start "$server_state")
eval "$server_env"
export VANTORA_REQUIRE_SERVER=1
ctest --test-dir "$VANTORA_ROOT/build" --output-on-failure -j "$VANTORA_JOBS"
"$VANTORA_ROOT/scripts/testserver.sh" stop "$server_state"

build_tree build-asan -DCMAKE_BUILD_TYPE=Debug -DVANTORA_SANITIZE=ON -DVANTORA_BUILD_GUI=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions=$VANTORA_ROOT/scripts/lsan.supp:print_suppressions=0 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$VANTORA_ROOT/build-asan" --output-on-failure -j "$VANTORA_JOBS" -L lib

echo "All tests passed."
