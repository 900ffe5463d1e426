# SPDX-License-Identifier: GPL-3.0-or-later
# Finds GLPK, the GNU Linear Programming Kit (Debian: libglpk-dev), and defines the
# imported target GLPK::GLPK. GLPK ships no CMake package of its own.
find_path(GLPK_INCLUDE_DIR glpk.h)
find_library(GLPK_LIBRARY NAMES glpk)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(GLPK
    REQUIRED_VARS GLPK_LIBRARY GLPK_INCLUDE_DIR
    REASON_FAILURE_MESSAGE "the formula needs GLPK's C library and header: install libglpk-dev")

if(GLPK_FOUND AND NOT TARGET GLPK::GLPK)
    add_library(GLPK::GLPK UNKNOWN IMPORTED)
    set_target_properties(GLPK::GLPK PROPERTIES
        IMPORTED_LOCATION "${GLPK_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${GLPK_INCLUDE_DIR}")
endif()
mark_as_advanced(GLPK_INCLUDE_DIR GLPK_LIBRARY)
