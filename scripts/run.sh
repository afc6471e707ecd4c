#!/usr/bin/env bash
# Builds the editor and opens it on the bundled demo game:
#   bash scripts/run.sh
# Installs what is missing (Debian 12), builds into build/ and starts
# build/orbek build/demo/ICC/DATABASE.DB.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DORBEK_BUILD_TESTS=OFF
cmake --build build --target orbek demo_game

game="build/demo/ICC/DATABASE.DB"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    cat >&2 <<MESSAGE

The editor is built, but there is no display to show its window on
(neither DISPLAY nor WAYLAND_DISPLAY is set).

Start it from a desktop session:
    build/orbek $game
or on a virtual display (package xvfb):
    xvfb-run -a -s '-screen 0 1280x900x24' build/orbek $game
or forward the window over SSH with "ssh -X" and run this script again.
MESSAGE
    exit 2
fi

exec build/orbek "$game"
