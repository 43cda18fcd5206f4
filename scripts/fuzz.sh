#!/usr/bin/env bash
# Builds the preference-store fuzz target with clang in build-fuzz/ and runs it
# for a short while: scripts/fuzz.sh [seconds, default 60] [more libFuzzer flags].
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build_dir=build-fuzz
CC=clang CXX=clang++ cmake -S . -B "$build_dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
  -DTARNWICK_FUZZ=ON -DTARNWICK_TESTS=OFF -DTARNWICK_BENCH=OFF >/dev/null
cmake --build "$build_dir" -j"$(nproc)" --target fuzz_prefs

# A few seeds in the file's own format and in hand-edited shapes.
corpus="$build_dir/fuzz-corpus/prefs"
mkdir -p "$corpus"
printf '[Startup]\rBasicPro=0\r[All]\rPrintLimit=3\r[Basic]\rDifficulty=18\rIcon=0\r' >"$corpus/seed-written"
printf '[Basic]\nDifficulty=18\n\n; note\n[Pro]\r\nWidth=40\r\nIcon=7' >"$corpus/seed-edited"
printf '[Basic]\r[Pro]\rIcon=[x=1\rBigIcon=2\r' >"$corpus/seed-odd"

"$build_dir/tests/fuzz/fuzz_prefs" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -dict=tests/fuzz/prefs.dict "$@" "$corpus"
