#!/usr/bin/env bash
# The control-tree and font tests on a machine with the font sets common desktops install
# (Noto CJK, Noto, the URW base 35), without installing them: Debian's packages are fetched,
# unpacked into a folder of the build and shown to the tests alone through a fontconfig file of
# their own that adds that folder to the system's configuration.
#   run-with-desktop-fonts.sh UI_TEST FONT_FOLDER
# Exits 77 (skipped), saying why, when the packages cannot be fetched or unpacked.
set -euo pipefail
ui_test=$1
fonts=$2
packages=(fonts-noto-cjk fonts-noto-core fonts-urw-base35)

skip() { echo "SKIPPED: $*"; exit 77; }
command -v apt-get >/dev/null || skip "no apt-get to fetch ${packages[*]}"
command -v dpkg-deb >/dev/null || skip "no dpkg-deb to unpack ${packages[*]}"

if [ ! -e "$fonts/unpacked.done" ]; then
    rm -rf "$fonts" && mkdir -p "$fonts/debs" "$fonts/root"
    (cd "$fonts/debs" && apt-get download "${packages[@]}" >"$fonts/download.log" 2>&1) ||
        skip "apt-get download ${packages[*]} failed: $(tail -n1 "$fonts/download.log")"
    for deb in "$fonts"/debs/*.deb; do dpkg-deb -x "$deb" "$fonts/root"; done
    rm -rf "$fonts/debs"
    touch "$fonts/unpacked.done"
fi

cat >"$fonts/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>
  <dir>$fonts/root/usr/share/fonts</dir>
  <include ignore_missing="yes">$fonts/root/etc/fonts/conf.d</include>
  <cachedir>$fonts/cache</cachedir>
</fontconfig>
CONF
export FONTCONFIG_FILE=$fonts/fonts.conf
export QT_QPA_PLATFORM=offscreen LC_ALL=C
# grep reads the whole list: with -q it would stop at the first match, and fc-list's broken pipe
# would fail the pipeline under pipefail.
fc-list 2>/dev/null | grep "Noto Sans CJK" >/dev/null || skip "the unpacked fonts are not found by fontconfig"
exec "$ui_test" --gtest_filter='ControlTreeTest.*:CaptionFontTest.*:LegibilityTest.*'
