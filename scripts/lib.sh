# Shared by setup-and-play.sh, setup-and-test.sh and .ci/run.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
JOBS="$(nproc 2>/dev/null || echo 2)"
# The one build type of build/, shared by the play and the test commands.
BUILD_TYPE=RelWithDebInfo

# Installs whatever the package list names that is not installed yet.
install_packages() {
    local wanted missing=()
    wanted="$(grep -v '^[[:space:]]*#' "$ROOT/scripts/packages.txt" | grep -v '^[[:space:]]*$')"
    for p in $wanted; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ "${#missing[@]}" -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        local sudo=""
        [ "$(id -u)" -ne 0 ] && sudo="sudo"
        $sudo apt-get update -q
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
    fi
}

# build_tree DIR BUILD_TYPE [extra cmake arguments...]
build_tree() {
    local dir="$1" type="$2"
    shift 2
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="$type" "$@"
    cmake --build "$dir" -j "$JOBS"
}
