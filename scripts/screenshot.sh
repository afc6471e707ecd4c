#!/usr/bin/env bash
# Opens the editor on the demo game on a virtual display and saves a picture
# of the screen, to look at the window without a desktop:
#   bash scripts/screenshot.sh [picture.png] [build folder] [keys]
# keys, if given, are typed into the editor before the picture is taken
# (xdotool key syntax, e.g. "ctrl+l" for the players table; needs xdotool).
# Needs xvfb and ImageMagick (apt-get install xvfb xauth imagemagick); builds
# the editor and the demo game in the build folder (default build/) first.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
picture="$(realpath -m "${1:-orbek.png}")"
build="$(realpath -m "${2:-$root/build}")"
for tool in xvfb-run import; do
    command -v "$tool" > /dev/null || { echo "$tool is missing: apt-get install xvfb xauth imagemagick" >&2; exit 2; }
done

[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja -DORBEK_BUILD_TESTS=OFF
cmake --build "$build" --target orbek demo_game

# The editor runs on its own settings (no game-folder question), and the
# picture is taken once the splash has gone.
home="$(mktemp -d)"
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/config"
printf '[Orbek]\r\nICC Folder=%s\r\n' "$build/demo/ICC" > "$home/config/Orbek.INI"
HOME="$home" XDG_CONFIG_HOME="$home/config" xvfb-run -a -s '-screen 0 1280x900x24' bash -c '
    "$1" "$2" & editor=$!
    sleep 6
    if [ -n "$4" ]; then
        xdotool search --sync --onlyvisible --class orbek windowfocus --sync key $4 || true
        sleep 2
    fi
    import -window root "$3"
    kill "$editor"' _ "$build/orbek" "$build/demo/ICC/DATABASE.DB" "$picture" "${3:-}"
echo "wrote $picture"
