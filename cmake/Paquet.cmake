# The Debian package of the installed game (cpack -G DEB, or make paquet).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudoku-lumio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debian describes its packages in English; the game itself speaks French.
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "classic Sudoku game in French, to play or to solve")
set(CPACK_PACKAGE_DESCRIPTION
    "Sudoku Lumio is a single-player Sudoku game with a French interface:
four levels, pencil marks, hints, checking, best times, saved games,
printed grids, and a creation mode in which the computer solves the
player's own grid.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(LUMIO_MAINTENEUR "L'équipe Sudoku Lumio <${LUMIO_ADRESSE_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${LUMIO_MAINTENEUR})
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMIO_PAGE_WEB})
# The libraries the program links come from dpkg-shlibdeps; its own control library is found
# in the package through the program's run path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The board's font, Qt's French dialogs, the opening of mail and web links, and Qt's Wayland
# plugin, without which a Wayland session runs the game through Xwayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue, qt6-translations-l10n, qt6-wayland, xdg-utils")
set(CPACK_STRIP_FILES ON)
# A game's program belongs in /usr/games in Debian (game/CMakeLists.txt reads this when installing).
# The package's system updates the desktop's caches itself (resources/bureau/CMakeLists.txt).
set(CPACK_CUSTOM_INSTALL_VARIABLES "LUMIO_DOSSIER_PROGRAMME=games" "LUMIO_PAQUET=1")
# CPack calls ldconfig from maintainer scripts for any library under /usr/lib, which the game's
# private library does not need, and strips binaries less than Debian does: the package is
# finished as Debian's own tools would (PaquetFinition.cmake).
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PaquetFinition.cmake)
include(CPack)

# The package's copyright and changelog, where Debian looks for them.
set(LUMIO_DOSSIER_DOC ${CMAKE_INSTALL_DATADIR}/doc/sudoku-lumio)
configure_file(${CMAKE_SOURCE_DIR}/resources/paquet/copyright.in ${CMAKE_BINARY_DIR}/paquet/copyright @ONLY)
configure_file(${CMAKE_SOURCE_DIR}/resources/paquet/changelog.in ${CMAKE_BINARY_DIR}/paquet/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/paquet/changelog.gz
  COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/paquet/changelog > ${CMAKE_BINARY_DIR}/paquet/changelog.gz
  DEPENDS ${CMAKE_BINARY_DIR}/paquet/changelog)
add_custom_target(lumio_journal ALL DEPENDS ${CMAKE_BINARY_DIR}/paquet/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/paquet/copyright ${CMAKE_BINARY_DIR}/paquet/changelog.gz
        DESTINATION ${LUMIO_DOSSIER_DOC})
# Lintian's remarks that are mistaken, for the package only.
install(CODE "if(LUMIO_PAQUET)
  file(INSTALL ${CMAKE_SOURCE_DIR}/resources/paquet/lintian-overrides
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/lintian/overrides\" RENAME sudoku-lumio)
endif()")
