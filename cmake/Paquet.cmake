# The Debian package of the installed game (cpack -G DEB, or make paquet).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sudoku-lumio)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Le Sudoku classique, à jouer ou à résoudre")
set(CPACK_PACKAGE_DESCRIPTION
    "Sudoku Lumio est un jeu de Sudoku pour une personne, en français : quatre niveaux, notes au
crayon, indices, vérification, meilleurs temps, parties enregistrées, impression de grilles
et un mode création où l'ordinateur résout la grille du joueur.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "L'équipe Sudoku Lumio <${LUMIO_ADRESSE_CONTACT}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${LUMIO_PAGE_WEB})
# The libraries the program links come from dpkg-shlibdeps; its own control library is found
# in the package through the program's run path.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The board's font, Qt's French dialogs and the opening of mail and web links.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-comic-neue, qt6-translations-l10n, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
