#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for the given number of seconds each.
# New corpus entries go to tests/fuzz/corpus-work/<name>; crashes to tests/fuzz/crashes/.
set -euo pipefail
build=${1:-build-fuzz}
seconds=${2:-120}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$here/crashes"
for bin in "$build"/bin/fuzz_*; do
  name=${bin##*/fuzz_}
  work="$here/corpus-work/$name"
  mkdir -p "$work" "$here/corpus/$name"
  echo "== fuzzing $name for ${seconds}s"
  "$bin" -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$here/crashes/$name-" "$work" "$here/corpus/$name"
done
