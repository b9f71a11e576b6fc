#!/usr/bin/env bash
# Checks Fixturo as an installed program (run as root, as CI does):
#  1. builds it (build-install), installs it into a temporary DESTDIR and
#     validates the desktop entry, the AppStream metadata and the icons;
#  2. makes the Debian package, checks its contents and its dependencies
#     (found by dpkg-shlibdeps) and runs lintian, failing on errors;
#  3. installs the package with apt-get and, as the unprivileged user
#     "nobody" under Xvfb, types a result into the installed program: the
#     results file must land in that user's data folder, and a second run must
#     read it back (its own save keeps the first result), speaking German;
#  4. removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" -ne 0 ]; then
    echo "check-install: run as root (it installs a package and switches users)" >&2
    exit 1
fi
source scripts/deps.sh
fixturo_install_deps desktop-file-utils appstream lintian dpkg-dev fakeroot xdotool

build="${FIXTURO_INSTALL_BUILD_DIR:-build-install}"
work="$(mktemp -d)"
chmod 755 "$work"
installed=""
cleanup() {
    if [ -n "$installed" ]; then
        apt-get remove -y -qq -o DPkg::Lock::Timeout=300 fixturo >/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "check-install: $*" >&2
    exit 1
}

echo "== build and install into a DESTDIR"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIXTURO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j"$(nproc)"
root="$work/root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
app_id=org.example.fixturo
desktop-file-validate "$root/usr/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml"
[ -s "$root/usr/share/icons/hicolor/scalable/apps/fixturo.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    png="$root/usr/share/icons/hicolor/${size}x${size}/apps/fixturo.png"
    [ "$(identify -format '%m %wx%h' "$png")" = "PNG ${size}x${size}" ] || fail "icon $png"
done

echo "== Debian package"
rm -f "$build"/fixturo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(realpath "$build"/fixturo_*.deb)"
dpkg-deb -f "$deb"
contents="$(dpkg-deb -c "$deb" | awk '{print $6}')"
for path in usr/bin/fixturo "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
    usr/share/icons/hicolor/scalable/apps/fixturo.svg usr/share/icons/hicolor/256x256/apps/fixturo.png \
    usr/share/icons/hicolor/16x16/apps/fixturo.png usr/share/doc/fixturo/copyright \
    usr/share/doc/fixturo/changelog.Debian.gz usr/share/man/man1/fixturo.1.gz \
    usr/share/fixturo/translations/fixturo_de.qm usr/share/fixturo/translations/fixturo_el.qm; do
    grep -qx "\./$path" <<<"$contents" || fail "the package lacks $path"
done
grep -q 'Panayiotis Lipiridis' "$root/usr/share/doc/fixturo/copyright" || fail "no flag licence notice"
depends="$(dpkg-deb -f "$deb" Depends)"
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6svg6; do
    tr ',' '\n' <<<"$depends" | awk '{print $1}' | grep -qxF "$lib" || fail "Depends lacks $lib: $depends"
done
lintian_out="$(lintian "$deb" 2>/dev/null || true)"
[ -n "$lintian_out" ] && echo "$lintian_out"
if grep -q '^E:' <<<"$lintian_out"; then
    fail "lintian reports errors"
fi

echo "== install the package, run it as an unprivileged user"
apt_get() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@"; }
installed=yes
apt_get install "$deb" >/dev/null
[ -x /usr/bin/fixturo ] || fail "apt-get did not install /usr/bin/fixturo"

home="$work/home"
mkdir -p "$home" "$work/run"
chown nobody "$home" "$work/run"
chmod 700 "$work/run"
results="$home/.local/share/fixturo/results.txt"
# Drives one run: clicks schedule line MATCH, types GOALS1 and GOALS2 into the
# result dialog (its title starts with TITLE and the match number), presses OK,
# and waits until the results file holds EXPECTED.
cat >"$work/drive.sh" <<'EOF'
set -euo pipefail
title="$1" match="$2" goals1="$3" goals2="$4" expected="$5" results="$6"
fixturo &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
main="$(timeout 30 xdotool search --sync --onlyvisible --name '^Fixturo$' | head -1)"
eval "$(xdotool getwindowgeometry --shell "$main")"
# The client area is 12540 x 7260 twips (836 x 484 pixels) under the menu bar;
# schedule line n is at (7560, 840 + 240 (n - 1)) twips, 195 high.
[ "$WIDTH" -eq 836 ] || { echo "unexpected window width $WIDTH" >&2; exit 1; }
top=$((HEIGHT - 484))
xdotool mousemove --window "$main" 540 $((top + (840 + 240 * (match - 1)) / 15 + 6)) click 1
dialog="$(timeout 30 xdotool search --sync --onlyvisible --name "^$title$match " | head -1)"
xdotool windowfocus "$dialog"
# Goal boxes at (1440, 3675) and (1440, 4275) twips, 390 square; OK at (1320, 5280).
xdotool mousemove --window "$dialog" 109 258 click 1 type "$goals1"
xdotool mousemove --window "$dialog" 109 298 click 1 type "$goals2"
xdotool mousemove --window "$dialog" 116 365 click 1
for _ in $(seq 100); do
    if [ -f "$results" ] && head -c "${#expected}" "$results" | grep -qxF "$expected"; then
        exit 0
    fi
    sleep 0.2
done
echo "the results file does not start with $expected" >&2
[ -f "$results" ] && cat "$results" >&2
exit 1
EOF
run_as_nobody() {
    local language="$1"
    shift
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$work/run" LANGUAGE="$language" \
        QT_ENABLE_HIGHDPI_SCALING=0 QT_SCALE_FACTOR=1 QT_QPA_PLATFORM=xcb \
        timeout 120 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$work/drive.sh" "$@" "$results"
}
# The second run speaks German (its result window is "Spiel 2  Gruppe A"), from
# the installed translation, and stores the same bytes.
run_as_nobody en "Match #" 1 2 1 "2,1|,|"
run_as_nobody de "Spiel " 2 3 0 "2,1|3,0|"
[ ! -e /usr/bin/results.txt ] || fail "results written beside the installed program"
echo "results kept in the user's data folder and read back: $(head -c 40 "$results")..."

echo "== remove the package"
apt_get remove fixturo >/dev/null
installed=""
[ ! -e /usr/bin/fixturo ] || fail "apt-get remove left /usr/bin/fixturo"
echo "install: all checks passed"
