#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs the whole test suite twice:
# a normal build, and one under AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_packages
export QT_QPA_PLATFORM=offscreen

build_tree "$ROOT/build" "$BUILD_TYPE"
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

# The benchmarks and the long-run monkey are run by hand from the first tree;
# the sanitizer tree builds only what its tests run.
build_tree "$ROOT/build-sanitize" Debug -DZOLMERA_SANITIZE=ON -DZOLMERA_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$ROOT/scripts/lsan.supp" \
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"

# The readers of files a user can touch, fed random bytes for a bounded time.
cmake -S "$ROOT/fuzz" -B "$ROOT/build-fuzz" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ROOT/build-fuzz" -j "$JOBS"
corpus="$(mktemp -d)"
"$ROOT/build-fuzz/fuzz_letture" -max_total_time="${ZOLMERA_FUZZ_SECONDS:-30}" -rss_limit_mb=2048 -print_final_stats=1 "$corpus"
rm -rf "$corpus"
