# Shared by run.sh and test.sh: install what is missing, configure once, build.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config mold
  qt6-base-dev libgl-dev libpcre2-dev libjpeg62-turbo-dev zlib1g-dev
  libgtest-dev googletest libbenchmark-dev
  fonts-liberation fonts-dejavu-core fonts-urw-base35 poppler-utils
)

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    as_root apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Builds the given targets, the program alone without any.
build_program() {
  local top
  top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
  BUILD_DIR="${LEDGORA_BUILD_DIR:-$top/build}"
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$top" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$BUILD_DIR" --parallel "$(nproc)" --target all "$@"
}
