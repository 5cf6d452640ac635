#!/usr/bin/env bash
# scripts/build.sh KIND [targets...]: configures and builds one of the
# project's build directories. Every command that uses a directory goes
# through here, so each directory has exactly one configuration and a second
# command only rebuilds what changed.
#   main   build/       warnings are errors (CI and players alike)
#   asan   build-asan/  AddressSanitizer and UndefinedBehaviorSanitizer
# Without targets everything is built.
set -euo pipefail
kind=$1
shift
case "$kind" in
  main) dir=build; options=(-DZT_WERROR=ON) ;;
  asan) dir=build-asan; options=(-DZT_WERROR=ON -DZT_SANITIZE=ON -DZT_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug) ;;
  *) echo "scripts/build.sh: unknown build kind '$kind' (main or asan)" >&2; exit 2 ;;
esac
cmake -S . -B "$dir" -G Ninja "${options[@]}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
