#!/usr/bin/env bash
# Builds the program and starts it. Installs missing Debian packages first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${VORTALIN_BUILD_DIR:-$root/build}"
bash "$root/scripts/ensure-packages.sh"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVORTALIN_BUILD_UI=ON
cmake --build "$build" --target vortalin
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && -z "${QT_QPA_PLATFORM:-}" ]]; then
  echo "No display to show the window on (DISPLAY and WAYLAND_DISPLAY are empty); run it under a virtual one: xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
exec "$build/app/vortalin" "$@"
