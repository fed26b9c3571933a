#!/usr/bin/env bash
# Builds the user.reg rewrite fuzzer with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it for a bounded time, seeded with the
# registry files Wine wrote.
#
#   TAVRINE_FIXTURES      folder of seed files (default: ../shared/fixtures
#                         relative to the repository root)
#   TAVRINE_FUZZ_SECONDS  how long to fuzz (default: 60)
set -euo pipefail
cd "$(dirname "$0")/.."

fixtures=${TAVRINE_FIXTURES:-../shared/fixtures}
seconds=${TAVRINE_FUZZ_SECONDS:-60}
out=build/fuzz
mkdir -p "$out"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -Isrc fuzz/RewriteFuzzer.cpp src/store/wine/*.cpp -o "$out/rewrite_fuzzer"

# libFuzzer adds what it finds to its first corpus folder: never the seeds.
# Small inputs mutate fast, so each seed is also cut into pieces of a few
# dozen lines, each under the registry's first line.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
for file in "$fixtures"/*.reg; do
  name=$(basename "$file" .reg)
  tail -n +2 "$file" | split -l 40 - "$corpus/$name."
done
for piece in "$corpus"/*; do
  { echo "WINE REGISTRY Version 2"; cat "$piece"; } >"$piece.reg"
  rm "$piece"
done
cp "$fixtures"/*.reg "$corpus"/

"$out/rewrite_fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=20 -rss_limit_mb=2048 \
  -artifact_prefix="$out/" "$corpus"
