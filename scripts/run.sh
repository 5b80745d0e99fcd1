#!/usr/bin/env bash
# Installs what the build needs, builds everything and starts the desk
# program on a demo facility.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install_packages
build_tree build -DCMAKE_BUILD_TYPE=RelWithDebInfo

echo "Vantora is built in $VANTORA_ROOT/build."
echo "The desk program Vantora will be started here on a demo facility once it is built;"
echo "until then there is no program to start."
