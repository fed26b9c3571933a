#!/usr/bin/env bash
# Time from starting TAVRINE to its window being shown, under Xvfb, on the
# given prefixes: startup.sh TAVRINE PREFIX... Prints one JSON object with
# the median of several starts per prefix, in milliseconds.
set -euo pipefail
binary=$1
shift
runs=7

display=:$((200 + RANDOM % 500))
while [[ -e /tmp/.X11-unix/X${display#:} ]]; do display=:$((200 + RANDOM % 500)); done
Xvfb "$display" -screen 0 1024x768x24 -noreset >/dev/null 2>&1 &
xvfb=$!
scratch=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$scratch"' EXIT
export DISPLAY=$display HOME=$scratch XDG_RUNTIME_DIR=$scratch
chmod 700 "$scratch"
until xdotool getdisplaygeometry >/dev/null 2>&1; do sleep 0.05; done

now_ms() { echo $(($(date +%s%N) / 1000000)); }

printf '{'
first=1
for prefix in "$@"; do
  times=()
  for ((run = 0; run < runs; run++)); do
    start=$(now_ms)
    WINEPREFIX=$prefix "$binary" &
    pid=$!
    until xdotool search --onlyvisible --name '^AVRINE$' >/dev/null 2>&1; do :; done
    times+=($(($(now_ms) - start)))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  done
  median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$((runs / 2 + 1))p")
  ((first)) || printf ', '
  first=0
  printf '"%s": %s' "$(basename "$prefix")" "$median"
done
printf '}\n'
