#!/usr/bin/env bash
# Fuzzes the settings reader for the given number of seconds (60 by default), starting from the
# committed seeds, under the address and undefined-behaviour sanitizers. With a seed as well (CI
# gives one), it starts from those seeds alone and takes the same inputs in the same order on
# every machine, at most a million of them, so that what it finds belongs to the commit and can be
# replayed; without one, each run explores anew. Any crash, sanitizer report, leak, time-out or
# runaway memory use fails the run, and the input that caused it is left in build-fuzz/ (crash-*,
# leak-*, timeout-*, oom-*): add it to fuzz/corpus/settings once mended, so that the corpus replay
# test keeps it.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
# New inputs go to the build tree; the committed seeds are only read.
found=build-fuzz/corpus-settings
repeatable=()
if [ -n "${2:-}" ]; then
    repeatable=(-seed="$2" -runs=1000000)
    rm -rf "$found"
fi

cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p "$found"
build-fuzz/fuzz/fuzz_settings -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict=fuzz/settings.dict -print_final_stats=1 -artifact_prefix=build-fuzz/ \
    "${repeatable[@]}" "$found" fuzz/corpus/settings
