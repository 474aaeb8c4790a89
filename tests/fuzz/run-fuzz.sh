#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the report reader's fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it for a bounded time, seeded with the
# test corpus. Exits non-zero on any crash, leak, hang or memory blow-up; the
# input that caused it is left in the build folder.
#   tests/fuzz/run-fuzz.sh [seconds] [build folder]    (default: 30, build-fuzz)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-30}
build=${2:-$root/build-fuzz}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds] [build folder]" >&2
    exit 2
fi

# Only the fuzz target and the libraries it links are built. The libraries get
# coverage instrumentation; the fuzz target links the libFuzzer runtime.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
cmake --build "$build" --target fuzz_report

# New inputs go to the first folder; the seed folders are only read.
corpus=$build/fuzz-corpus
mkdir -p "$corpus"
seeds=$root/tests/report/data
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    "$build/tests/fuzz/fuzz_report" -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/" "$corpus" "$seeds/sound" "$seeds/damaged"
