#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets with clang into build-fuzz/ and runs them all
# at once, each for SECONDS (default 60) on its seed corpus in
# fuzz/corpus/<target>/. New inputs go to build-fuzz/corpus/<target>/; a crash
# is written as build-fuzz/crash-<target>-* and ends that target's run. Each
# target's output is in build-fuzz/<target>.log.
set -euo pipefail
cd "$(dirname "$0")"
seconds=${1:-60}

packages=(clang libclang-rt-14-dev cmake make qt6-base-dev libexif-dev googletest libgtest-dev)
./scripts/install_packages.sh "${packages[@]}"

targets=(index_reader settings_reader name_check cp932)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f build-fuzz/CMakeCache.txt ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DFOTOBAKO_FUZZ=ON "${launcher[@]}"
fi
cmake --build build-fuzz -j2 --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-halt_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}
declare -A runs
for target in "${targets[@]}"; do
    mkdir -p "build-fuzz/corpus/$target"
    echo "== $target: $seconds s, output in build-fuzz/$target.log"
    build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -artifact_prefix="build-fuzz/crash-$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"build-fuzz/$target.log" 2>&1 &
    runs[$target]=$!
done
status=0
for target in "${targets[@]}"; do
    if wait "${runs[$target]}"; then
        echo "== $target: $(grep '^Done' "build-fuzz/$target.log" | tail -1)"
    else
        echo "== $target: FAILED, see build-fuzz/$target.log"
        status=1
    fi
done
exit $status
