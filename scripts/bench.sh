#!/usr/bin/env bash
# Installs what is missing, builds an optimised tree, and runs the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build-release -DCMAKE_BUILD_TYPE=Release -DTARNWICK_TESTS=OFF
exec build-release/bench/tarnwick-bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
