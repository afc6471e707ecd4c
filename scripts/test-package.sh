#!/usr/bin/env bash
# Builds the Debian package in a configured build folder and checks it: its
# files, its Depends field, the extracted orbek-cli on the demo game, and the
# desktop entry. Exits non-zero on the first failure.
#   bash scripts/test-package.sh <build folder>
set -euo pipefail

fail() {
    echo "test-package: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: $0 <configured build folder>"
build=$(cd "$1" && pwd) || fail "no build folder $1"
[ -f "$build/CPackConfig.cmake" ] || fail "$build is not configured by the project's CMake (no CPackConfig.cmake)"
command -v desktop-file-validate >/dev/null || fail "desktop-file-validate missing: run scripts/install-deps.sh"

version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] || fail "no CPACK_PACKAGE_VERSION in $build/CPackConfig.cmake"
deb="$build/orbek_${version}_$(dpkg --print-architecture).deb"

echo "== Building $(basename "$deb")"
# cpack packs what is built (with Ninja it builds nothing itself): bring the
# installed programs and the demo game up to date first.
cmake --build "$build" --target orbek orbek-cli demo_game
rm -f "$deb"
(cd "$build" && cpack -G DEB)
[ -f "$deb" ] || fail "cpack did not write $deb"

echo "== Contents"
# Exactly the installed files: the programs, the desktop entry and the icons;
# anything more (tests, the demo game) is a stray install rule.
expected="./usr/bin/orbek
./usr/bin/orbek-cli
./usr/share/applications/orbek.desktop"
for size in 16 24 32 48 64 128 256; do
    expected+=$'\n'"./usr/share/icons/hicolor/${size}x${size}/apps/orbek.png"
done
expected+=$'\n'"./usr/share/icons/hicolor/scalable/apps/orbek.svg"
actual=$(dpkg-deb -c "$deb" | awk '$1 ~ /^-/ { print $6 }' | sort)
if [ "$actual" != "$(sort <<<"$expected")" ]; then
    diff <(sort <<<"$expected") <(echo "$actual") >&2 || true
    fail "the package's files differ from the expected ones (< expected, > packaged)"
fi

echo "== Control fields"
[ "$(dpkg-deb -f "$deb" Package)" = orbek ] || fail "Package is not orbek"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is not $version"
for field in Maintainer Description Section Homepage; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "empty $field field"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for package in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins libc6; do
    grep -Eq "(^|, )$package( |,|$)" <<<"$depends" || fail "Depends does not name $package"
done

echo "== Extracted programs"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
dpkg-deb -x "$deb" "$tmp"
for program in orbek orbek-cli; do
    if ldd "$tmp/usr/bin/$program" | grep 'not found' >&2; then
        fail "$program needs a library that is not installed"
    fi
    if readelf -S "$tmp/usr/bin/$program" | grep -q '\.debug_info'; then
        fail "$program is not stripped"
    fi
done
cli="$tmp/usr/bin/orbek-cli"
[ "$("$cli" --version)" = "orbek-cli $version" ] || fail "orbek-cli --version does not print orbek-cli $version"
demo="$build/demo/ICC/DATABASE.DB"
[ -f "$demo" ] || fail "no demo game at $demo"
info=$("$cli" info "$demo") || fail "orbek-cli info failed on the demo game"
[ -n "$info" ] || fail "orbek-cli info printed nothing"
"$cli" validate "$demo" >/dev/null || fail "orbek-cli validate failed on the demo game"

echo "== Desktop entry"
desktop-file-validate "$tmp/usr/share/applications/orbek.desktop" || fail "desktop-file-validate refused orbek.desktop"

echo "== Package $(basename "$deb") passed"
