#!/usr/bin/env bash
# Builds optimised, runs every benchmark and prints one table: each figure
# beside its baseline, ratio first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh test
command -v python3 >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq python3

build=build/bench
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target TAVRINE listing_benchmark store_benchmark peak_memory generate_user_reg

work=$(mktemp -d /var/tmp/tavrine-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/empty" "$work/fresh" "$work/large"
cp ../shared/fixtures/fresh-prefix.user.reg "$work/fresh/user.reg"
"$build/bench/generate_user_reg" $((64 << 20)) 200 "$work/large/user.reg"

TAVRINE_BENCH_DIR=$work "$build/bench/store_benchmark" --benchmark_format=json >"$work/store.json"
"$build/bench/listing_benchmark" --benchmark_format=json >"$work/listing.json"
cp "$work/large/user.reg" "$work/large/original.reg"
"$build/bench/peak_memory" "$work/large/user.reg" "$work/empty/user.reg" >"$work/memory.json"
cp "$work/large/original.reg" "$work/large/user.reg"
bash bench/startup.sh "$build/src/TAVRINE" "$work/fresh" "$work/large" >"$work/startup.json"

python3 bench/table.py "$work"
