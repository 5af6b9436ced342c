#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the game with its data folders and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

install_packages
# The same tree and build type as the test command, so whichever runs second
# only builds what changed.
build_tree "$ROOT/build" "$BUILD_TYPE"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: start the game with  xvfb-run -a -s '-screen 0 1280x1024x24' $ROOT/build/zolmera"
    exit 0
fi
exec "$ROOT/build/zolmera"
