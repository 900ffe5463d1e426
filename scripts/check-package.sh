#!/usr/bin/env bash
# Builds the Debian package and checks it from outside, the way Debian's tools see it:
# its file list, the menu entry, the AppStream metainfo, lintian, the icon, and the
# unpacked programs against the build tree's vornak-cli.
# Usage: scripts/check-package.sh [BUILD-TREE-VORNAK-CLI]   (default: build-test's)
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" lintian desktop-file-utils appstream man-db librsvg2-bin imagemagick
reference_cli=${1:-$ROOT/build-test/src/app/vornak-cli}

version=$(sed -n 's/^project(Vornak VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
id=org.vornak.Vornak
deb=$ROOT/dist/vornak_${version}_$(dpkg --print-architecture).deb
bash "$ROOT/scripts/package.sh" >/dev/null
[[ -f "$deb" ]] || { echo "FAIL: $deb was not written"; exit 1; }

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(usr/bin/vornak usr/bin/vornak-cli usr/share/applications/$id.desktop
          usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg
          usr/share/man/man1/vornak.1.gz usr/share/man/man1/vornak-cli.1.gz
          usr/share/doc/vornak/copyright usr/share/doc/vornak/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    grep -qx "\./$file" <<<"$listing" || fail "the package lacks /$file"
done

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"

# Hints may stay (none today); errors and warnings may not.
report=$(desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $report"
grep -E ': (error|warning):' <<<"$report" && fail "desktop-file-validate warns"

# Pedantic notes may stay: the id keeps the application's capital, as desktop ids do.
report=$(appstreamcli validate --no-net --no-color "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli: $report"
grep -E '^[EW]:' <<<"$report" && fail "appstreamcli warns"

# Information tags may stay (listed in the README); errors and warnings may not.
lintian --fail-on error,warning "$deb" 2>/dev/null || fail "lintian"

# The SVG icon and the PNGs are one drawing: rendered as a desktop renders SVG, it
# matches the 256 px picture (antialiasing aside).
icons=$unpacked/usr/share/icons/hicolor
rsvg-convert -w 256 -h 256 "$icons/scalable/apps/$id.svg" -o "$unpacked/svg.png"
# (compare exits 1 when the pictures differ at all; the measure is what counts.)
difference=$({ compare -metric RMSE "$icons/256x256/apps/$id.png" "$unpacked/svg.png" null: 2>&1 || true; } |
             tr -d '()' | awk '{print $2}')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' || fail "SVG and PNG icons differ (RMSE $difference)"

for program in vornak vornak-cli; do
    out=$("$unpacked/usr/bin/$program" --version) || true
    [[ "$out" == "$program $version" ]] || fail "$program --version printed '$out'"
done
MANWIDTH=80 man --warnings -l "$unpacked/usr/share/man/man1/vornak-cli.1.gz" 2>&1 >/dev/null |
    grep . && fail "man vornak-cli warns"

recipe=$ROOT/tests/data/ricetta_uova.txt
packaged=$(QT_QPA_PLATFORM=offscreen "$unpacked/usr/bin/vornak-cli" calc "$recipe") || fail "packaged calc"
built=$(QT_QPA_PLATFORM=offscreen "$reference_cli" calc "$recipe") || fail "build-tree calc"
[[ -n "$packaged" && "$packaged" == "$built" ]] || fail "packaged calc printed '$packaged', build tree '$built'"

[[ $failures -eq 0 ]] || exit 1
echo "package $deb: all checks passed"
