#!/usr/bin/env bash
# Installs what is missing, builds, and starts Zintor 2.
#   ./run.sh              play (needs an X display)
#   ./run.sh --demo DIR   play a scripted game off-screen, screenshots into DIR
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh main zintor2
exec build/app/zintor2 "$@"
