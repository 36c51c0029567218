#!/usr/bin/env bash
# Runs each libFuzzer target for a bounded time from its seed corpus.
# Usage: fuzz.sh <directory holding the fuzz targets> [seconds per target]
# A finding stops with a non-zero exit and leaves the input in build-fuzz-findings/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
targets="$1"
seconds="${2:-${VORTALIN_FUZZ_SECONDS:-15}}"
findings="$root/build-fuzz-findings"
mkdir -p "$findings"
for corpus in "$root"/fuzz/corpus/*/; do
  name="$(basename "$corpus")"
  # New inputs go to a scratch directory (the first one named), never into the repository.
  scratch="$(mktemp -d)"
  echo "== fuzzing ${name} for ${seconds} s"
  if ! "$targets/${name}_fuzzer" -max_total_time="$seconds" -max_len=4096 -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/${name}-" \
      "$scratch" "$corpus"; then
    rm -rf "$scratch"
    echo "fuzz target ${name} found an input that breaks it: see $findings/." >&2
    echo "Mend the fault, then add the input to fuzz/corpus/${name}/ as a regression case." >&2
    exit 1
  fi
  rm -rf "$scratch"
done
