#!/usr/bin/env bash
# Runs every benchmark of a build: the engine and formatting micro-benchmarks, reading and
# rewriting a large settings file, reading and writing a full kept history, the history panel on
# a long history, the command-line throughput, and (when an X server can be started) the
# window's start-up and transitions.
set -euo pipefail
build=${1:-build}
here=$(cd "$(dirname "$0")" && pwd)
aggregate=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
"$build/bin/engine_bench" "${aggregate[@]}"
"$build/bin/format_bench" "${aggregate[@]}"
"$build/bin/inifile_bench"
"$build/bin/history_file_bench"
if [ -x "$build/bin/history_bench" ]; then "$build/bin/history_bench"; fi
bash "$here/cli-throughput.sh" "$build/bin/zemtrix-calc"
if [ -f "$here/startup.sh" ] && [ -x "$build/bin/zemtrix" ]; then
  bash "$here/startup.sh" "$build/bin/zemtrix"
fi
if [ -x "$build/bin/transition_bench" ] && command -v Xvfb >/dev/null; then
  bash "$here/transitions.sh" "$build"
fi
