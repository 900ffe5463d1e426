#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vornak's Debian packages with debhelper (debian/) from the files of this checkout
# and writes them to dist/: the program (vornak_VERSION_ARCH.deb), its debugging symbols
# (vornak-dbgsym_VERSION_ARCH.deb) and the source package (.dsc, .tar.xz), with the
# .buildinfo and .changes that list them.
# Usage: scripts/package.sh [WORK-DIR]   (default: build-package)
# dpkg-buildpackage writes its packages beside the source tree, so the build runs on a
# copy of the sources in WORK-DIR/vornak-VERSION.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" dpkg-dev debhelper git
# The Build-Depends of debian/control, by package name (debhelper provides debhelper-compat).
mapfile -t build_depends < <(
    awk '/^Build-Depends:/ { sub(/^Build-Depends:/, ""); f = 1; print; next }
         f && /^[ \t]/ { print; next } { f = 0 }' "$ROOT/debian/control" |
        tr ',' '\n' | sed 's/([^)]*)//; s/[[:space:]]//g' | grep -vx -e '' -e debhelper-compat)
bash "$ROOT/scripts/deps.sh" "${build_depends[@]}"

work=$(realpath -m "${1:-$ROOT/build-package}")
version=$(dpkg-parsechangelog -l "$ROOT/debian/changelog" -S Version)
source_dir=$work/vornak-$version
rm -rf "$work"
mkdir -p "$source_dir"
# The checkout's files as git sees them (edits and new files included, build trees and
# dist/ left out), each with a fresh time stamp: dpkg clamps every time stamp to the
# changelog's date, so the packages do not depend on when the files were checked out.
git -C "$ROOT" ls-files -z --cached --others --exclude-standard |
    tar -C "$ROOT" --null -T - --ignore-failed-read -cf - | tar -x -m --no-same-permissions -C "$source_dir"
# The source tarball records every mode: 755 for folders and programs, 644 for the rest,
# whatever the checkout's or this shell's umask.
find "$source_dir" -type d -exec chmod 755 {} +
find "$source_dir" -type f -perm /111 -exec chmod 755 {} +
find "$source_dir" -type f ! -perm /111 -exec chmod 644 {} +

log=$work/build.log
echo "Building the Debian packages (log: $log)" >&2
if ! (cd "$source_dir" && dpkg-buildpackage -us -uc -j"$JOBS") >"$log" 2>&1; then
    tail -n 30 "$log" >&2
    echo "package.sh: dpkg-buildpackage failed; the whole log is $log" >&2
    exit 1
fi

mkdir -p "$ROOT/dist"
for file in "$work"/vornak*_"$version"*; do
    mv "$file" "$ROOT/dist/"
    echo "$ROOT/dist/$(basename "$file")"
done
