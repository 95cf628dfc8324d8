#!/usr/bin/env bash
# Sets up, builds and runs Zormia on Debian 12.
#   tools/dev.sh run     build and start the simulator
#   tools/dev.sh test    build with the sanitizers and run the whole test suite
#   tools/dev.sh bench   build optimised and run the benchmarks (tools/bench.py; pass
#                        --quick for a short look, --help for the rest)
#   tools/dev.sh package build optimised and make the Debian package (build/package/*.deb)
# Missing Debian packages are installed first (through sudo when not root).
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-base-dev-tools libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-liberation2 fonts-dejavu-core
    xvfb xauth xdotool
    appstream desktop-file-utils
)

install_missing() {
    local missing=()
    [ "${1:-}" = package ] && packages+=(dpkg-dev file)
    [ "${1:-}" = bench ] && packages+=(python3)
    for p in "${packages[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    cmake -S . -B "$dir" "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
}

case "${1:-}" in
    run)
        install_missing
        build build/release -DCMAKE_BUILD_TYPE=Release -DZORMIA_TESTS=OFF -DZORMIA_BENCH=OFF
        exec build/release/bin/zormia
        ;;
    test)
        install_missing
        build build/test -DCMAKE_BUILD_TYPE=Debug -DZORMIA_SANITIZE=ON -DZORMIA_BENCH=OFF
        cd build/test
        exec ctest --output-on-failure -j "$jobs" --timeout 1200
        ;;
    bench)
        install_missing bench
        build build/bench -DCMAKE_BUILD_TYPE=Release -DZORMIA_TESTS=OFF -DZORMIA_BENCH=ON
        shift
        exec python3 tools/bench.py --build build/bench "$@"
        ;;
    package)
        install_missing package
        build build/package -DCMAKE_BUILD_TYPE=Release -DZORMIA_TESTS=OFF -DZORMIA_BENCH=OFF
        cd build/package
        cpack
        ;;
    *)
        echo "usage: tools/dev.sh run|test|bench|package" >&2
        exit 2
        ;;
esac
