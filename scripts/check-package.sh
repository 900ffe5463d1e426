#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages twice and checks them from outside, the way Debian's tools
# see them: the file list, the build flags, the separate debugging symbols, compression
# and time stamps, the licence, lintian, the menu entry and the file types it claims,
# the AppStream metainfo, the icon, the unpacked programs against the build tree's
# vornak-cli, and that the second build gives the same bytes as the first.
# Usage: scripts/check-package.sh [BUILD-TREE-VORNAK-CLI]   (default: build-test's)
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" lintian desktop-file-utils appstream man-db librsvg2-bin imagemagick \
    libglib2.0-bin binutils xz-utils
reference_cli=${1:-$ROOT/build-test/src/app/vornak-cli}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# The package's version is the changelog's; the program's is CMake's. They must agree.
changelog=$ROOT/debian/changelog
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
cmake_version=$(sed -n 's/^project(Vornak VERSION \([0-9.]*\).*/\1/p' "$ROOT/CMakeLists.txt")
[[ "$version" == "$cmake_version" ]] ||
    fail "debian/changelog says $version, CMakeLists.txt says $cmake_version"
released=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)

id=org.vornak.Vornak
arch=$(dpkg --print-architecture)
dist=$ROOT/dist
deb=$dist/vornak_${version}_$arch.deb
dbgsym=$dist/vornak-dbgsym_${version}_$arch.deb
products=("$deb" "$dbgsym" "$dist/vornak_$version.dsc" "$dist/vornak_$version.tar.xz")
rm -f "${products[@]}"
bash "$ROOT/scripts/package.sh" >/dev/null
for file in "${products[@]}"; do
    [[ -f "$file" ]] || { echo "FAIL: $file was not written"; exit 1; }
done
first_build=$(cd "$dist" && sha256sum "${products[@]##*/}")

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
expected=(usr/bin/vornak usr/bin/vornak-cli usr/share/applications/$id.desktop
          usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg
          usr/share/man/man1/vornak.1.gz usr/share/man/man1/vornak-cli.1.gz
          usr/share/man/it/man1/vornak.1.gz usr/share/man/it/man1/vornak-cli.1.gz
          usr/share/doc/vornak/copyright usr/share/doc/vornak/changelog.gz)
for size in 16 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
    grep -qx "\./$file" <<<"$listing" || fail "the package lacks /$file"
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
unpacked=$scratch/root
dpkg-deb -x "$deb" "$unpacked"
dpkg-deb -x "$dbgsym" "$scratch/dbgsym"

# debhelper's doing: xz, time stamps clamped to the changelog's date, programs stripped
# with their symbols in vornak-dbgsym under their build ids, Debian's -O2 (CMake's build
# type None; its Release type would add -O3).
for package in "$deb" "$dbgsym"; do
    [[ "$(ar t "$package" | tr '\n' ' ')" == "debian-binary control.tar.xz data.tar.xz " ]] ||
        fail "$(basename "$package") is not compressed with xz"
done
[[ -z "$(find "$unpacked" -newermt "@$released")" &&
   "$(stat -c %Y "$unpacked/usr/bin/vornak")" == "$released" ]] ||
    fail "the files' time stamps are not the changelog's date ($released)"
for program in vornak vornak-cli; do
    binary=$unpacked/usr/bin/$program
    # Whole outputs before grep -q, which stops reading at its first match: under
    # pipefail the writer's broken pipe would fail the check, or hide a fault.
    sections=$(readelf -S "$binary")
    grep -qE '\.symtab|\.debug_info' <<<"$sections" && fail "$program is not stripped"
    build_id=$(readelf -n "$binary" 2>/dev/null | sed -n 's/.*Build ID: //p')
    [[ -n "$build_id" && -f "$scratch/dbgsym/usr/lib/debug/.build-id/${build_id:0:2}/${build_id:2}.debug" ]] ||
        fail "vornak-dbgsym lacks the symbols of $program (build id '$build_id')"
done
producers=$(find "$scratch/dbgsym" -name '*.debug' -exec readelf -z -p .debug_str {} + 2>/dev/null |
            grep -o 'GNU C++[^]]*' | sort -u)
[[ -n "$producers" ]] || fail "vornak-dbgsym names no compiler run"
grep -v -- ' -O2 ' <<<"$producers" && fail "compiled without Debian's -O2"
grep -- '-O3' <<<"$producers" && fail "compiled with -O3"

suggests=$(dpkg-deb -f "$deb" Suggests)
grep -qw cups <<<"$suggests" || fail "the package does not suggest cups"

# The licence: GPL-3.0-or-later, named alike in the copyright file, the metainfo and the
# notice at the root of the sources.
grep -qx 'License: GPL-3+' "$unpacked/usr/share/doc/vornak/copyright" &&
    grep -q /usr/share/common-licenses/GPL-3 "$unpacked/usr/share/doc/vornak/copyright" ||
    fail "the copyright file does not grant GPL-3+"
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$unpacked/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's project_license is not GPL-3.0-or-later"
copying=$(tar -xOJf "$dist/vornak_$version.tar.xz" "vornak-$version/COPYING")
grep -q GPL-3.0-or-later <<<"$copying" || fail "the source package's COPYING does not name GPL-3.0-or-later"
# Every C++ file of the source package says its licence on its first line.
sources=$(mktemp -d)
tar -xJf "$dist/vornak_$version.tar.xz" -C "$sources"
unlicensed=$(find "$sources" -name '*.cpp' -o -name '*.h' -o -name '*.h.in' | while read -r file; do
    head -n 1 "$file" | grep -qx '// SPDX-License-Identifier: GPL-3.0-or-later' || echo "${file#"$sources"/}"
done)
# The packaging templates carry it within their first two lines: the metainfo its own
# CC0-1.0 (its metadata_license), the menu entry and the manual pages the program's.
for template in "$sources"/vornak-"$version"/packaging/*.in; do
    licence=GPL-3.0-or-later
    [[ $template == *.metainfo.xml.in ]] && licence=CC0-1.0
    head -n 2 "$template" | grep -q "SPDX-License-Identifier: $licence\b" ||
        unlicensed+=" ${template#"$sources"/} ($licence)"
done
rm -rf "$sources"
[[ -z "$unlicensed" ]] || fail "source files without the SPDX licence line: $unlicensed"
# The metainfo has a stanza of its own in the copyright file, under CC0-1.0.
awk '/^Files: .*vornak\.metainfo\.xml\.in/ { f = 1 } f && /^License: CC0-1.0$/ { found = 1 } /^$/ { f = 0 }
     END { exit !found }' "$unpacked/usr/share/doc/vornak/copyright" ||
    fail "the copyright file gives the metainfo no CC0-1.0 stanza"
grep -q "<metadata_license>CC0-1.0</metadata_license>" "$unpacked/usr/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo's metadata_license is not CC0-1.0"
grep -q "<release version=\"$version\" date=\"$(date -u -d "@$released" +%F)\"" \
    "$unpacked/usr/share/metainfo/$id.metainfo.xml" || fail "the metainfo's release is not the changelog's"

# Every tag lintian reports, information and pedantic ones included, counts.
report=$(lintian -I --pedantic "$deb" "$dist/vornak_$version.dsc" 2>/dev/null) || true
[[ -z "$report" ]] || fail "lintian: $report"

# Hints may stay (none today); errors and warnings may not.
report=$(desktop-file-validate "$unpacked/usr/share/applications/$id.desktop" 2>&1) ||
    fail "desktop-file-validate: $report"
grep -E ': (error|warning):' <<<"$report" && fail "desktop-file-validate warns"

# Pedantic notes may stay: the id keeps the application's capital, as desktop ids do.
report=$(appstreamcli validate --no-net --no-color "$unpacked/usr/share/metainfo/$id.metainfo.xml" 2>&1) ||
    fail "appstreamcli: $report"
grep -E '^[EW]:' <<<"$report" && fail "appstreamcli warns"

# Installed beside a text editor whose entry sorts after Vornak's, on a desktop without a
# mimeapps.list, Vornak must not become the program for text files. (Its entry counts only
# when its TryExec, vornak, is on the PATH.)
applications=$scratch/xdg/data/applications
mkdir -p "$applications" "$scratch/xdg/config" "$scratch/xdg/home"
cp "$unpacked/usr/share/applications/$id.desktop" "$applications/"
printf '%s\n' '[Desktop Entry]' Type=Application Name=Editor 'Exec=true %f' 'MimeType=text/plain;' \
    >"$applications/zz-editor.desktop"
update-desktop-database "$applications" # GIO finds programs by type in its mimeinfo.cache
answer=$(env -i PATH="$unpacked/usr/bin:/usr/bin:/bin" HOME="$scratch/xdg/home" \
    XDG_DATA_HOME="$scratch/xdg/home" XDG_DATA_DIRS="$scratch/xdg/data" \
    XDG_CONFIG_HOME="$scratch/xdg/config" XDG_CONFIG_DIRS="$scratch/xdg/config" gio mime text/plain 2>&1)
grep -q 'text/plain.*: zz-editor.desktop' <<<"$answer" && ! grep -q "$id" <<<"$answer" ||
    fail "gio mime text/plain answered: $answer"

# The icon: one drawing as PNGs and SVG (the SVG, rendered as a desktop renders it,
# matches the 256 px picture, antialiasing aside), wholly inside its box: the outermost
# rows and columns of every picture are fully transparent.
icons=$unpacked/usr/share/icons/hicolor
rsvg-convert -w 256 -h 256 "$icons/scalable/apps/$id.svg" -o "$scratch/svg.png"
# (compare exits 1 when the pictures differ at all; the measure is what counts.)
difference=$({ compare -metric RMSE "$icons/256x256/apps/$id.png" "$scratch/svg.png" null: 2>&1 || true; } |
             tr -d '()' | awk '{print $2}')
awk -v d="$difference" 'BEGIN { exit !(d < 0.02) }' || fail "SVG and PNG icons differ (RMSE $difference)"
for picture in "$icons"/*x*/apps/$id.png "$scratch/svg.png"; do
    # %@: the box of the pixels that are not fully transparent, as WxH+X+Y.
    convert "$picture" -format '%w %h %@' info: | tr 'x+' '  ' |
        awk '{ exit !($5 >= 1 && $6 >= 1 && $5 + $3 <= $1 - 1 && $6 + $4 <= $2 - 1) }' ||
        fail "the icon touches the edge of $picture"
done

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

# Reproducible: a second build of the same sources, in another folder and with a umask
# that leaves new files group-writable, gives the same bytes.
(umask 002 && bash "$ROOT/scripts/package.sh" "$ROOT/build-package-again" >/dev/null)
second_build=$(cd "$dist" && sha256sum "${products[@]##*/}")
[[ "$second_build" == "$first_build" ]] ||
    fail "two builds differ:"$'\n'"$(diff <(echo "$first_build") <(echo "$second_build"))"

[[ $failures -eq 0 ]] || exit 1
echo "packages in $dist: all checks passed; built twice, the same sha256sums:"
echo "$first_build"
