#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, then builds and runs the whole test suite twice:
# a normal build, and one under AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_packages
export QT_QPA_PLATFORM=offscreen

build_tree "$ROOT/build" RelWithDebInfo
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

build_tree "$ROOT/build-sanitize" Debug -DZOLMERA_SANITIZE=ON
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
LSAN_OPTIONS=suppressions="$ROOT/scripts/lsan.supp" \
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"
