#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test:
# the full build (core, CLI, editor; GUI tests headless), then the core and
# CLI tests again under AddressSanitizer and UndefinedBehaviorSanitizer,
# then the Debian package (built, inspected, its orbek-cli run), then the
# core and CLI cross-built for Windows and tested under Wine, then the fuzz
# targets (clang): kept crash inputs, then a minute of fuzzing per target
# from a fresh seed corpus.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

jobs=$(nproc 2>/dev/null || echo 2)
export QT_QPA_PLATFORM=offscreen

echo "== Build and test (all targets)"
cmake -S . -B build-test -G Ninja -DORBEK_WERROR=ON -DORBEK_BUILD_TESTS=ON
cmake --build build-test -j "$jobs"
ctest --test-dir build-test --output-on-failure -j "$jobs" --timeout 600

echo "== Core and CLI tests under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORBEK_BUILD_GUI=OFF -DORBEK_SANITIZE=ON -DORBEK_WERROR=ON
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== Debian package"
bash scripts/test-package.sh build-test

echo "== Windows build (MinGW-w64) tested under Wine"
bash scripts/test-windows.sh

echo "== Fuzz targets (clang, libFuzzer + AddressSanitizer + UndefinedBehaviorSanitizer), one minute each"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DORBEK_BUILD_FUZZ=ON -DORBEK_BUILD_GUI=OFF -DORBEK_BUILD_TESTS=OFF
cmake --build build-fuzz -j "$jobs" --target orbek_fuzz_load orbek_fuzz_roundtrip make_seed_corpus
ctest --test-dir build-fuzz/fuzz --output-on-failure
rm -rf build-fuzz/seeds
build-fuzz/fuzz/make_seed_corpus build-fuzz/seeds
for target in load roundtrip; do
    mkdir -p "build-fuzz/corpus/$target" "build-fuzz/artifacts/$target"
    # libFuzzer exits non-zero on a crash, leak, timeout or sanitizer report.
    "build-fuzz/fuzz/orbek_fuzz_$target" "build-fuzz/corpus/$target" "build-fuzz/seeds/$target" \
        -max_total_time=60 -timeout=2 -rss_limit_mb=2048 \
        -artifact_prefix="build-fuzz/artifacts/$target/" -print_final_stats=1
done

echo "== All stages passed (build and tests, sanitizers, package, Windows, fuzzing)"
echo "stages: 5 passed, 0 failed"
