#!/usr/bin/env bash
# Builds Vornak in release mode and writes its Debian package to dist/:
# dist/vornak_VERSION_ARCH.deb, its dependencies computed by dpkg-shlibdeps.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}" dpkg-dev file

build=$ROOT/build-package
# Debian's hardening flags (fortify, stack protector, PIE, relro, bindnow); only the two
# programs and what they install are built, no tests.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
export DEB_CXXFLAGS_MAINT_STRIP=-g # the programs are stripped: no debug information to build
cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVORNAK_TESTS=OFF \
    -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    -DCPACK_DEBIAN_PACKAGE_ARCHITECTURE="$(dpkg --print-architecture)" >/dev/null
cmake --build "$build" -j "$JOBS"
(cd "$build" && cpack -G DEB -B "$build/cpack" >/dev/null)

mkdir -p "$ROOT/dist"
deb=$(basename "$(ls "$build"/cpack/vornak_*.deb)")
mv "$build/cpack/$deb" "$ROOT/dist/$deb"
echo "$ROOT/dist/$deb"
