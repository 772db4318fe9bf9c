#!/usr/bin/env bash
# Fails when a C++ source differs from the house format in .clang-format.
# Usage: check-format.sh [SOURCE_DIR]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"
if ! command -v clang-format >/dev/null; then
    echo "check-format: clang-format is not installed (make test installs it)" >&2
    exit 1
fi
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t files < <(git ls-files -- '*.cpp' '*.h')
else
    mapfile -t files < <(find engine model ui cli tests bench -name '*.cpp' -o -name '*.h' | sort)
fi
clang-format --dry-run --Werror "${files[@]}"
echo "check-format: ${#files[@]} files follow .clang-format"
