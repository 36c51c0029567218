#!/usr/bin/env bash
# Builds everything and runs every test. Installs missing Debian packages first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
bash "$root/scripts/ensure-packages.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$root/build"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$root/build" --output-on-failure

# Everything once more with address and undefined-behaviour sanitizers (clang),
# which also builds the fuzz targets; each target fuzzes for a while, then the
# sanitized tests run.
sanitizers="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$sanitizers" \
  -DCMAKE_EXE_LINKER_FLAGS="$sanitizers" -DVORTALIN_FUZZ=ON
cmake --build "$root/build-asan"
export ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
bash "$root/scripts/fuzz.sh" "$root/build-asan/fuzz"
# The sanitized tests run last, so that the run closes on the test summary.
ctest --test-dir "$root/build-asan" --output-on-failure
