#!/usr/bin/env bash
# Sets up, builds and runs Zormia on Debian 12.
#   tools/dev.sh run     build and start the simulator
#   tools/dev.sh test    build with the sanitizers and run the whole test suite, after
#                        a bounded run of the fuzz targets (build/fuzz, clang)
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
    [ "${1:-}" = test ] && packages+=(clang-14 libclang-rt-14-dev)
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

# The readers of outside input (the counter store's file, exercise scripts) under
# libFuzzer, each for ZORMIA_FUZZ_SECONDS (60) at once, from the seed corpora in
# tests/fuzz/corpus. A crash stops the test run; its input is kept in
# build/fuzz/artifacts/ and replays with build/fuzz/bin/TARGET_fuzz FILE.
fuzz() {
    local seconds=${ZORMIA_FUZZ_SECONDS:-60}
    build build/fuzz -DCMAKE_CXX_COMPILER=clang++-14 -DZORMIA_FUZZ=ON
    mkdir -p build/fuzz/artifacts
    local targets=(reg_file script_line) pids=() failed=0
    for t in "${targets[@]}"; do
        mkdir -p "build/fuzz/corpus/$t"
        build/fuzz/bin/"${t}"_fuzz -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix=build/fuzz/artifacts/ "build/fuzz/corpus/$t" "tests/fuzz/corpus/$t" \
            >"build/fuzz/$t.log" 2>&1 &
        pids+=($!)
    done
    for i in "${!pids[@]}"; do
        if wait "${pids[$i]}"; then
            echo "fuzz ${targets[$i]}: $(grep -o 'number_of_executed_units: [0-9]*' \
                "build/fuzz/${targets[$i]}.log" | grep -o '[0-9]*') inputs in ${seconds} s, no fault"
        else
            tail -n 60 "build/fuzz/${targets[$i]}.log"
            failed=1
        fi
    done
    return "$failed"
}

case "${1:-}" in
    run)
        install_missing
        build build/release -DCMAKE_BUILD_TYPE=Release -DZORMIA_TESTS=OFF -DZORMIA_BENCH=OFF
        exec build/release/bin/zormia
        ;;
    test)
        install_missing test
        build build/test -DCMAKE_BUILD_TYPE=Debug -DZORMIA_SANITIZE=ON -DZORMIA_BENCH=OFF
        fuzz
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
