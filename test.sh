#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh          normal build + tests, then the sanitizer build + tests
#   ./test.sh --quick  the normal build and its tests only
set -euo pipefail
cd "$(dirname "$0")"
quick=0
[ "${1:-}" = "--quick" ] && quick=1

scripts/install-deps.sh
jobs=$(nproc)

scripts/build.sh main
ctest --test-dir build --output-on-failure -j "$jobs"

if [ $quick -eq 0 ]; then
  scripts/build.sh asan
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"
fi
echo "All tests passed."
