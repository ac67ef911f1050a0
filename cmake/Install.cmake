# SPDX-License-Identifier: GPL-3.0-or-later
# Where the program, its menu entry, icon, metadata and example catalogues go on install, and
# the Debian package that carries them.
include(GNUInstallDirs)

set(MERKBOLD_APP_ID de.zelmerkbold.Merkbold)
set(MERKBOLD_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS zel-merkbold RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MERKBOLD_DESKTOP_DIR}/${MERKBOLD_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MERKBOLD_DESKTOP_DIR}/${MERKBOLD_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/zel-merkbold.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${MERKBOLD_APP_ID}.svg)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zel-merkbold/kataloge
        FILES_MATCHING PATTERN "*.TXT")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zel-merkbold)
set(CPACK_PACKAGE_VENDOR "ZEL-Merkbold-Projekt")
set(CPACK_PACKAGE_CONTACT "ZEL-Merkbold-Projekt <zel-merkbold@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Lernkärtchen-Quiz für Schulkinder")
set(CPACK_PACKAGE_INSTALL_DIRECTORY zel-merkbold)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
# The Qt libraries and CLD2 (libcld2-0) come from the binary's own links; the plugins, the SVG
# icons, the Arial-compatible print font and the speech engine with its voices (German, and the
# languages a side of a catalogue is read in) are loaded at run time and named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation2, \
qt6-speech-speechd-plugin, speech-dispatcher-espeak-ng, espeak-ng-data")
include(CPack)
