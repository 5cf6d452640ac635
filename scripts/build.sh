#!/usr/bin/env bash
# scripts/build.sh DIR [cmake options...]: configures (once) and builds into DIR.
set -euo pipefail
dir=$1
shift
cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
cmake --build "$dir" -j "$(nproc)"
