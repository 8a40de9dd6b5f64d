# What `cmake --install` puts where, and the Debian package made from it
# (scripts/package.sh runs cpack -G DEB).
#
#   bin/tarnbeck                    the launcher (scripts/tarnbeck-launcher.sh)
#   bin/tarnbeck-cli                the command-line tool
#   lib/tarnbeck/tarnbeck           the windowed program, started by the launcher
#   lib/tarnbeck/libtarnbeck-shared.so
#                                   the core, the window kit and the windows,
#                                   shared by the program and the module
#   lib/tarnbeck/tarnbeck-extras.so printing and the progress chart, which the
#                                   program loads from beside the shared library
#   share/tarnbeck/sample.vxc       the starter course list
#   share/applications/tarnbeck.desktop, share/icons/hicolor/.../tarnbeck.*
#   share/man/man1/tarnbeck.1, tarnbeck-cli.1
include(GNUInstallDirs)

install(TARGETS tarnbeck-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The manual pages carry the version from project(VERSION).
foreach(page tarnbeck-cli tarnbeck)
  configure_file(docs/man/${page}.1.in ${PROJECT_BINARY_DIR}/man/${page}.1 @ONLY)
endforeach()
install(FILES ${PROJECT_BINARY_DIR}/man/tarnbeck-cli.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(TARNBECK_GUI)
  # The program works on the files of the folder it is started in, so the menu
  # entry and the command `tarnbeck` run the launcher, which chooses and
  # prepares the data folder and starts the program there. The launcher finds
  # the program and the starter course list relative to itself
  # (../lib/tarnbeck/tarnbeck, ../share/tarnbeck/sample.vxc); hence the fixed
  # lib/tarnbeck, which unlike CMAKE_INSTALL_LIBDIR (lib/<multiarch> on
  # Debian) is the same under every prefix.
  if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
    message(FATAL_ERROR "the launcher expects bin/ and share/ under the prefix; "
      "CMAKE_INSTALL_BINDIR is ${CMAKE_INSTALL_BINDIR}, CMAKE_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}")
  endif()
  # All three in one private folder; each finds the shared library in its
  # own folder through RUNPATH $ORIGIN.
  set_target_properties(tarnbeck tarnbeck_shared tarnbeck-extras PROPERTIES INSTALL_RPATH "$ORIGIN")
  install(TARGETS tarnbeck RUNTIME DESTINATION lib/tarnbeck)
  install(TARGETS tarnbeck_shared tarnbeck-extras LIBRARY DESTINATION lib/tarnbeck)
  install(PROGRAMS scripts/tarnbeck-launcher.sh DESTINATION ${CMAKE_INSTALL_BINDIR}
    RENAME tarnbeck)
  install(FILES resources/sample.vxc DESTINATION ${CMAKE_INSTALL_DATADIR}/tarnbeck)
  install(FILES resources/desktop/tarnbeck.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/desktop/tarnbeck.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES resources/desktop/tarnbeck-256.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME tarnbeck.png)
  install(FILES ${PROJECT_BINARY_DIR}/man/tarnbeck.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The Debian package. Its dependencies are the shared libraries the binaries
# link (found by dpkg-shlibdeps), the fonts the reports are set in, and the Qt
# platform plugins, which the Qt libraries only recommend.
set(CPACK_PACKAGE_NAME tarnbeck)
set(CPACK_PACKAGE_VENDOR "Tarnbeck")
set(CPACK_PACKAGE_CONTACT "Seed 30c89f11 maintainers <maintainers@users.noreply.c-seed-30c89f11.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "keeps golf scores and works out handicaps")
set(CPACK_PACKAGE_DESCRIPTION "Tarnbeck keeps golf scores for a group of golfers and works out their
handicaps: exact handicap indexes, course handicaps and predicted scores,
from rounds typed hole by hole. All data lives in small text files in one
data folder, ~/Tarnbeck unless another is named.
.
The package holds the windowed program, started from the menu or as
tarnbeck, and tarnbeck-cli, which reads the same data folder for look-ups,
CSV exports and report files.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private library the program and the module link is in the package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
