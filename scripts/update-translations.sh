#!/usr/bin/env bash
# Brings the translation sources translations/zemtrix_*.ts up to date with the texts in the code
# (every tr(), QCoreApplication::translate and QT_TRANSLATE_NOOP): new texts are added as
# unfinished entries for a translator to fill in, texts gone from the code are dropped, and the
# translations of unchanged texts are kept. Run it after adding or changing a user-visible text;
# the test translations_check fails while an entry is unfinished.
# Usage: update-translations.sh [TS_FILE ...]   (default: every translations/zemtrix_*.ts)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-}
if [[ -z $lupdate ]]; then
    lupdate=$(command -v lupdate || true)
    [[ -n $lupdate ]] || lupdate=/usr/lib/qt6/bin/lupdate
fi
if [[ ! -x $lupdate ]]; then
    echo "update-translations: lupdate not found (Debian: qt6-l10n-tools)" >&2
    exit 1
fi
if (($# == 0)); then set -- translations/zemtrix_*.ts; fi
# Without source locations, so that moving code about does not touch the translations.
"$lupdate" -silent -locations none -no-obsolete -I . -extensions cpp,h engine model cli ui -ts "$@"
