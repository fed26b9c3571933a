#!/usr/bin/env bash
# Builds the Debian package from a configured build folder and checks it the
# way a distribution would: the desktop entry validates, lintian finds no
# errors, the package installs, and the installed program passes an
# end-to-end test. Usage: check.sh BUILD-FOLDER
set -euo pipefail
build=$1
cd "$(dirname "$0")/.."

desktop-file-validate packaging/tavrine.desktop

rm -f "$build"/tavrine_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
package=$(ls "$build"/tavrine_*.deb)
lintian --fail-on error --tag-display-limit 0 "$package"

dpkg -i "$package" >/dev/null || { DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -f && dpkg -i "$package"; }
test -x /usr/bin/TAVRINE
TAVRINE_BINARY=/usr/bin/TAVRINE "$build/tests/e2e/e2e_tests" \
  --gtest_filter='Tavrine.DeletesTheClickedLinesOnEnterAndExitsWithZero'
