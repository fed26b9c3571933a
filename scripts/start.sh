#!/usr/bin/env bash
# Builds the tool and starts it on the current Wine prefix ($WINEPREFIX, else
# ~/.wine).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh run
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build build/release -j"$(nproc)" --target TAVRINE
exec build/release/src/TAVRINE
