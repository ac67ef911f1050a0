# SPDX-License-Identifier: GPL-3.0-or-later
# Google's Compact Language Detector 2 as Debian ships it (libcld2-dev), as the target CLD2::CLD2.
#
# Debian splits it in two: libcld2 holds the code with the small tables (83 languages, no Latin),
# libcld2_full only the full tables (160 languages). Linked first, the full tables take the place
# of the small ones, as their symbols are found first. The program calls nothing in libcld2_full
# itself, so the linker must be told to keep it, or it would drop it silently and Latin with it.
find_path(CLD2_INCLUDE_DIR cld2/public/compact_lang_det.h)
find_library(CLD2_LIBRARY cld2)
find_library(CLD2_FULL_LIBRARY cld2_full)

include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(CLD2
  REQUIRED_VARS CLD2_INCLUDE_DIR CLD2_LIBRARY CLD2_FULL_LIBRARY
  REASON_FAILURE_MESSAGE "install libcld2-dev (scripts/install-deps does)")

if(CLD2_FOUND AND NOT TARGET CLD2::CLD2)
  add_library(CLD2::CLD2 INTERFACE IMPORTED)
  set_target_properties(CLD2::CLD2 PROPERTIES
    INTERFACE_INCLUDE_DIRECTORIES "${CLD2_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES
      "-Wl,--push-state,--no-as-needed;${CLD2_FULL_LIBRARY};-Wl,--pop-state;${CLD2_LIBRARY}")
endif()
mark_as_advanced(CLD2_INCLUDE_DIR CLD2_LIBRARY CLD2_FULL_LIBRARY)
