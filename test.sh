#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
source "$(dirname "$0")/tools/build/common.sh"
install_packages
build_program ledgora_tests ledgora_benchmarks
cd "$BUILD_DIR"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 300
