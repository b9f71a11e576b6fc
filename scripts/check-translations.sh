#!/usr/bin/env bash
# Every translation complete and in step with the sources (run after test.sh,
# which configures the build folder "build"):
#  1. lupdate, run over the sources as the build runs it, changes no .ts file:
#     no source text is missing from a translation, none is left over;
#  2. lrelease finds every text of every language finished and translated;
#  3. every language has its own user guide, not a copy of the English one.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/deps.sh
fixturo_install_deps
build="${1:-build}"
lrelease=/usr/lib/qt6/bin/lrelease
status=0

cmake --build "$build" --target update_translations >/dev/null
if ! git diff --quiet -- translations; then
    echo "check-translations: the translations are not in step with the sources" >&2
    echo "(cmake --build $build --target update_translations, then translate what it adds):" >&2
    git diff --stat -- translations >&2
    status=1
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for ts in translations/fixturo_*.ts; do
    language="$(basename "$ts" .ts)"
    language="${language#fixturo_}"
    report="$("$lrelease" "$ts" -qm "$work/$language.qm" 2>&1)"
    if ! grep -q ' finished and 0 unfinished)' <<<"$report" || grep -qiE 'untranslated|ignored' <<<"$report"; then
        echo "check-translations: $ts is not complete:" >&2
        echo "$report" >&2
        status=1
    fi
    guide="resources/guide/userguide_$language.html"
    if [ ! -s "$guide" ] || cmp -s "$guide" resources/guide/userguide.html; then
        echo "check-translations: $guide is missing or not translated" >&2
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "translations: complete and in step ($(ls translations/fixturo_*.ts | wc -l) languages)"
exit "$status"
