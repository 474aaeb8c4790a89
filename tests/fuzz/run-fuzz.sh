#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the fuzz targets with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a share of a bounded time,
# seeded with the test corpus: the report reader, the CSV reader and the
# stored reminder value, the folding of names, the people --compare takes,
# the hand-over's addresses, the calendar's span and --find, the calendar
# file's writer, what the name variants read (--want, alternatives, the
# --variants file), the client book's search, and the import of a CSV of
# clients.
# Exits non-zero on any crash, leak, hang or memory blow-up; the input that
# caused it is left in the build folder.
#   tests/fuzz/run-fuzz.sh [seconds] [build folder]    (default: 30 in all, build-fuzz)
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
seconds=${1:-30}
build=${2:-$root/build-fuzz}
if ! [[ $seconds =~ ^[1-9][0-9]*$ ]]; then
    echo "usage: $0 [seconds] [build folder]" >&2
    exit 2
fi

# Only the fuzz targets and the libraries they link are built. The libraries
# get coverage instrumentation; the fuzz targets link the libFuzzer runtime.
CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DBUILD_TESTING=OFF -DVELMORA_FUZZ=ON -DVELMORA_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
targets=(fuzz_report fuzz_csv fuzz_reminder fuzz_names fuzz_compare fuzz_handover fuzz_calendar fuzz_ics
    fuzz_variants fuzz_booksearch fuzz_clientcsv)
cmake --build "$build" --target "${targets[@]}"

# The time is shared out; every target gets at least a second.
share=$(( seconds / ${#targets[@]} ))
[ "$share" -ge 1 ] || share=1
seeds=$root/tests/fuzz/seeds
for target in "${targets[@]}"; do
    # New inputs go to the first folder; the seed folders are only read.
    corpus=$build/corpus-$target
    mkdir -p "$corpus"
    case $target in
    fuzz_report) # past the 64 KiB limit, so that too-large reports are tried too
        options=(-max_len=$((64 * 1024 + 64)) "$root/tests/report/data/sound" "$root/tests/report/data/damaged") ;;
    fuzz_csv) # records over the reader's 64-byte limit are common well within 1 KiB
        options=(-max_len=1024 "$seeds/csv") ;;
    fuzz_reminder) options=("$seeds/reminder") ;;
    fuzz_names) options=(-max_len=256 "$seeds/names") ;;
    fuzz_compare) options=(-max_len=256 "$seeds/compare") ;;
    fuzz_handover) options=(-max_len=4096 "$seeds/handover") ;;
    fuzz_calendar) options=(-max_len=256 "$seeds/calendar") ;;
    fuzz_ics) options=(-max_len=512 "$seeds/ics") ;;
    fuzz_variants) options=(-max_len=4096 "$seeds/variants") ;;
    fuzz_booksearch) options=(-max_len=256 "$seeds/booksearch") ;;
    fuzz_clientcsv) options=(-max_len=4096 "$seeds/clientcsv") ;;
    esac
    echo "== $target, $share s" >&2
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$build/tests/fuzz/$target" -max_total_time="$share" -timeout=5 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$build/$target-" "$corpus" "${options[@]}"
done
