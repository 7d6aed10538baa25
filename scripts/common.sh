# Shared by run.sh and test.sh: install what is missing, configure and build.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ZORVEL_BUILD_DIR:-$ROOT/build}"
# The program folder: the installed program, and beside it the roster, backups, log and settings.
ZORVEL_HOME="${ZORVEL_HOME:-$HOME/ZorvelList}"
PACKAGES=(cmake g++ make pkg-config qt6-base-dev libicu-dev libxlsxwriter-dev libgtest-dev
          fonts-ipafont-gothic xvfb xauth poppler-utils desktop-file-utils
          fcitx5 fcitx5-mozc fcitx5-frontend-qt6 xdotool dbus xdg-utils unzip
          libreoffice-calc-nogui clang libclang-rt-14-dev)

as_root() {
    if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$p")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -q
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
    fi
}

build() {
    if [ ! -f "$BUILD/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    cmake --build "$BUILD" -j"$(nproc)"
}
