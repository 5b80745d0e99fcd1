# Shared set-up for the test and run commands: install what is missing,
# configure and build. Sourced, not run.

VANTORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
VANTORA_JOBS=$(nproc 2>/dev/null || echo 2)

# Compiler cache keyed on paths relative to the checkout, so a fresh clone
# in another folder reuses what an earlier build compiled.
export CCACHE_BASEDIR="$VANTORA_ROOT"
export CCACHE_NOHASHDIR=true

VANTORA_PACKAGES=(
  cmake g++ make ninja-build ccache pkg-config
  qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libgl-dev
  postgresql postgresql-client libpq-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  sqlite3 xvfb xauth x11-apps imagemagick poppler-utils
  fonts-dejavu-core fonts-dejavu-extra
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=()
  for p in "${VANTORA_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
  fi
}

# build_tree <dir> [cmake options...]
build_tree() {
  local dir=$1
  shift
  cmake -S "$VANTORA_ROOT" -B "$VANTORA_ROOT/$dir" -G Ninja "$@"
  cmake --build "$VANTORA_ROOT/$dir" -j "$VANTORA_JOBS"
}
