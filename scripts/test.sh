#!/usr/bin/env bash
# Builds everything and runs every test: once as shipped (warnings are
# errors), once under AddressSanitizer and UndefinedBehaviorSanitizer, then
# the fuzz targets for a bounded time; last the Debian package is built,
# checked, installed and its program tested.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh test

jobs=$(nproc)
run_suite() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVRINE_WERROR=ON "$@" >/dev/null
  cmake --build "$dir" -j"$jobs"
  ctest --test-dir "$dir" -j"$jobs" --output-on-failure
}

run_suite build/test
run_suite build/sanitize -DTAVRINE_SANITIZE=ON
if [[ -f fuzz/run.sh ]]; then
  bash fuzz/run.sh
fi
bash packaging/check.sh build/test
