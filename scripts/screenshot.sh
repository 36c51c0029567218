#!/usr/bin/env bash
# Renews docs/main-window.png, the README's picture of the main window after
# decoding a sample fragment, with the program's own code (no display needed).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORTALIN_BUILD_DIR:-$root/build}"
bash "$root/scripts/ensure-packages.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTALIN_BUILD_UI=ON
cmake --build "$build" --target vortalin_screenshot
mkdir -p "$root/docs"
QT_QPA_PLATFORM=offscreen "$build/tests/ui/vortalin_screenshot" "$root/docs/main-window.png"
echo "Wrote docs/main-window.png"
