# The Debian package: cpack -G DEB in a build configured with the prefix /usr (the "deb"
# preset; ./build.sh deb does it all) writes quotara_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quotara)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quotara developers")
set(CPACK_PACKAGE_CONTACT "Quotara developers <quotara@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries come from the programs; Qt's platform plugins and the fonts the windows are
# drawn in are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stock market trading game")
# CPack makes the synopsis of the summary and indents the paragraphs as Debian wants them.
set(CPACK_PACKAGE_DESCRIPTION [=[Quotara is a single-player stock market trading game. It is 1 January
1999 on the London market: you have a sum of money and the shares of
twenty listed companies. Each trading day you buy and sell shares, watch
your portfolio, the world news and the economy, then end the day: the
indices move, every price moves with the market, with the news of its
sector and with a bit of luck.

Play one of fifteen levels, each with its starting money, target and
deadline, winning gold bars that unlock the later levels, or free play
with no end. The package also holds quotara-sim, a headless simulator of
the game's market for balancing news files.]=])
include(CPack)
