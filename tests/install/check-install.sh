#!/usr/bin/env bash
# Usage: check-install.sh BUILD_DIR EXPECTED_FILES
# Installs BUILD_DIR into a temporary prefix; the installed files must be exactly those listed
# in EXPECTED_FILES, the desktop entry and the metainfo must pass their validators, the manual
# pages must format without warnings (where man is installed) and the installed command-line
# calculator must run.
# Exits 77 (skipped) when a validator is missing: Debian packages desktop-file-utils, appstream.
set -euo pipefail

build=$1
expected=$2
app_id=com.orvelmont.Zemtrix

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (Debian packages desktop-file-utils and appstream)"
        exit 77
    fi
done

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$prefix.list"
trap 'rm -rf "$prefix" "$prefix.list"' EXIT
if ! diff -u <(LC_ALL=C sort "$expected") "$prefix.list"; then
    echo "error: the installed files differ from $expected (- expected, + installed)" >&2
    exit 1
fi

desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net --explain "$prefix/share/metainfo/$app_id.metainfo.xml"
appstreamcli validate-tree --no-net "$prefix" # the metainfo finds its desktop entry and icon

if command -v man >/dev/null; then
    for page in "$prefix"/share/man/man1/*.1.gz; do
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
        if [ -n "$warnings" ]; then
            echo "error: $page: $warnings" >&2
            exit 1
        fi
    done
fi

[ "$("$prefix/bin/zemtrix-calc" '1+2*3')" = 7 ] || { echo "error: the installed zemtrix-calc does not run" >&2; exit 1; }
echo "installed and validated: $(wc -l <"$prefix.list") files"
