#!/usr/bin/env bash
# Installs the Debian packages a build needs, asking apt only for those that
# are missing. Usage: install-packages.sh run|test
set -euo pipefail

packages=(cmake g++ make qt6-base-dev fonts-ipafont-gothic)
if [[ "${1:-run}" == test ]]; then
  packages+=(googletest libgtest-dev libbenchmark-dev clang libclang-rt-14-dev xvfb xdotool libx11-dev
    desktop-file-utils lintian dpkg-dev file)
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
