#!/usr/bin/env bash
# Installs what is missing, builds, and starts Ledgora 2026.
source "$(dirname "$0")/tools/build/common.sh"
install_packages
build_program
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Ledgora 2026 needs a graphical display, and none is set (DISPLAY or WAYLAND_DISPLAY)." >&2
  echo "The program is built in $BUILD_DIR/bin; start it from a desktop session." >&2
  exit 1
fi
exec "$BUILD_DIR/bin/ledgora" "$@"
