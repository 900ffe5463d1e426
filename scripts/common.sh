# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: the packages the program needs to build and run.
BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgl-dev
                qt6-qpa-plugins qt6-translations-l10n fonts-liberation libcups2-dev
                libglpk-dev qt6-l10n-tools qt6-tools-dev)
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)
