#!/usr/bin/env bash
# Usage: check-package.sh BUILD_DIR EXPECTED_FILES
# Packs BUILD_DIR as it stands into a Debian package with CPack (nothing is rebuilt), checks its
# control fields, unpacks it into a temporary root, compares the files under /usr with
# EXPECTED_FILES and runs the unpacked programs as they are, without a library path.
# Exits 77 (skipped) when a packaging tool is missing: Debian packages cmake, dpkg-dev.
set -euo pipefail

build=$1
expected=$2

for tool in cpack dpkg-deb dpkg-shlibdeps readelf; do
    if ! command -v "$tool" >/dev/null; then
        echo "skipped: $tool is missing (Debian packages cmake, dpkg, dpkg-dev and binutils)"
        exit 77
    fi
done

fail() {
    echo "error: $*" >&2
    exit 1
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    fail "cpack failed"
fi
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = zemtrix ] || fail "Package: $(field Package)"
[ "$(field Section)" = math ] || fail "Section: $(field Section)"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Homepage)" = "https://www.orvelmont.com/zemtrix/" ] || fail "Homepage: $(field Homepage)"
description=$(field Description)
[ "$(wc -l <<<"$description")" -gt 3 ] || fail "no long description"
[ "$(sed -n 2p <<<"$description" | sed 's/^ //')" != "$(head -n 1 <<<"$description")" ] ||
    fail "the long description repeats the synopsis"
depends=$(field Depends)
# From dpkg-shlibdeps (the linked libraries) and the platform plugins Qt loads at run time.
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
        fail "Depends lacks $package: $depends"
done
[[ "$(field Recommends)" == *qt6-translations-l10n* ]] || fail "Recommends: $(field Recommends)"

root=$work/root
dpkg-deb --extract "$deb" "$root"
(cd "$root/usr" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"
if ! diff -u <(LC_ALL=C sort "$expected") "$work/files"; then
    fail "the packaged files under /usr differ from $expected (- expected, + packaged)"
fi
[ -z "$(cd "$root" && find . -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"

copyright=$root/usr/share/doc/zemtrix/copyright
head -n 1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright file is not in the machine-readable format"
for paragraph in 'License: GPL-3+' 'License: OFL-1.1' ' SIL OPEN FONT LICENSE Version 1.1 - 26 February 2007'; do
    grep -qxF "$paragraph" "$copyright" || fail "the copyright file lacks \"$paragraph\""
done

for program in zemtrix zemtrix-calc; do
    binary=$root/usr/bin/$program
    ! readelf --dynamic "$binary" | grep -qE 'R(UN)?PATH' || fail "$program carries a library path"
    ! readelf --section-headers "$binary" | grep -q '\.debug_' || fail "$program is not stripped"
    # Without a display: --version must not need one.
    version=$(env -u LD_LIBRARY_PATH -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$binary" --version)
    [[ "$version" == "$program (Zemtrix) "* && "$version" == *GPL-3.0-or-later* ]] ||
        fail "$program --version: $version"
done
[ "$(env -u LD_LIBRARY_PATH "$root/usr/bin/zemtrix-calc" '1+2*3')" = 7 ] ||
    fail "the unpacked zemtrix-calc does not compute 1+2*3"
# The translations travel inside the programs.
env -u LD_LIBRARY_PATH LANGUAGE=de "$root/usr/bin/zemtrix-calc" --help | grep -q '^Aufruf: ' ||
    fail "the unpacked zemtrix-calc --help is not German under LANGUAGE=de"
echo "packaged and checked: $(basename "$deb"), $(wc -l <"$work/files") files; Depends: $depends"
