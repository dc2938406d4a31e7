#!/usr/bin/env bash
# Builds the core libraries (platform with its report engine, components, client, payroll) and
# their tests with AddressSanitizer and UndefinedBehaviorSanitizer in a build folder of their own,
# and runs those tests. A sanitizer report ends the test that made it with an error, so any report
# fails the run.
source "$(dirname "$0")/common.sh"
install_packages

top="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
SANITIZED_DIR="${LEDGORA_SANITIZED_BUILD_DIR:-$top/build-sanitized}"
if [ ! -f "$SANITIZED_DIR/build.ninja" ]; then
  cmake -S "$top" -B "$SANITIZED_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DLEDGORA_SANITIZE=ON
fi
# The tests of the core folders, with the data files they read beside them.
cmake --build "$SANITIZED_DIR" --parallel "$(nproc)" \
  --target test_platform test_report test_components test_client test_payroll federal_table visual_styles

cd "$SANITIZED_DIR"
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$top/tools/build/lsan-suppressions.txt:print_suppressions=0"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" --timeout 600 \
  -R '^(platform|report|components|client|payroll)\.'
