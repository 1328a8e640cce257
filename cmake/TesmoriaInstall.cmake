# Installing the game the way Linux games are packaged:
#   PREFIX/bin/tesmoria and the tools beside it,
#   PREFIX/share/tesmoria/ the read-only game data (gfx/, sfx/, the packs),
#   the launcher, metainfo, icons, manual pages and licences (assets/desktop).
# An installed game reads its data from share/tesmoria and writes the
# player's files under $XDG_DATA_HOME/tesmoria (platform/game_folders.h).
# `cpack -G DEB` in the build folder turns the same layout into a package.

install(TARGETS tesmoria ${TESMORIA_INSTALLED_TOOLS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

set(TESMORIA_DATADIR ${CMAKE_INSTALL_DATADIR}/tesmoria)
install(FILES ${GAME_DIR}/data1.dat ${GAME_DIR}/data2.dat DESTINATION ${TESMORIA_DATADIR})
install(DIRECTORY ${GAME_DIR}/gfx DESTINATION ${TESMORIA_DATADIR}
        FILES_MATCHING PATTERN "*.png" PATTERN "*.jpg")
# The sounds ship compressed; the first start converts them into the
# player's folder.
install(DIRECTORY ${GAME_DIR}/sfx DESTINATION ${TESMORIA_DATADIR} FILES_MATCHING PATTERN "*.ogg")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tesmoria)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tesmoria developers")
set(CPACK_PACKAGE_CONTACT "Tesmoria developers <tesmoria@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "light puzzle among the tombs of ancient Egypt")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Each room is a grid of sandstone cells: emitters send coloured light along\n\
rows and columns, and the player slides mirrors, gems, crates and\n\
sarcophagi and turns mirrors until light of the right colour reaches every\n\
exit glyph. A campaign under a sun timer, player profiles, high scores and\n\
a level editor are included.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The library packages the programs link against, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)
