# The Debian package (make package) and the removal of an install (make
# uninstall). The package holds what `make install` installs, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kurvix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Kurvix maintainers <kurvix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "enter, transform and plot X/Y measurement data")
# The summary is the synopsis line; this is the text below it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "\
Kurvix keeps up to nine numbered X/Y data sets of at most 10000 points,
edited in a grid, transformed (arithmetic, logarithm, smoothing, spike
filter, derivative, integral and more), fitted with a regression line and
plotted on labelled axes in a graphic window that is also a small pixel
editor. It reads its own KWT files, plain X/Y text and CSV files and Vexon
files. Examples are installed in /usr/share/kurvix/examples.")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

execute_process(COMMAND dpkg --print-architecture
                OUTPUT_VARIABLE CPACK_DEBIAN_PACKAGE_ARCHITECTURE OUTPUT_STRIP_TRAILING_WHITESPACE
                RESULT_VARIABLE dpkgFailed)
if(dpkgFailed)
  message(WARNING "dpkg --print-architecture failed: make package needs dpkg")
endif()

# The libraries come from dpkg-shlibdeps on the installed program; the fonts
# are found at run time by name, so no library link shows them: the plot's
# "arial" is matched by Liberation Sans, the windows use DejaVu.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core")
# The packages whose triggers renew the menu, MIME and icon caches.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "desktop-file-utils, shared-mime-info, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# The package's staging install is neither recorded for uninstall nor does
# it refresh caches (cmake/AfterInstall.cmake).
set(CPACK_CUSTOM_INSTALL_VARIABLES KURVIX_STAGING=ON)

# The top-level Makefile builds before it installs or packages; without this
# every package build would first walk the whole tree (tests, benchmarks) to
# see that it is up to date.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

include(CPack)

# The last install rule: every other rule has run when it does.
install(CODE "
  set(KURVIX_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(KURVIX_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
  include(\"${CMAKE_CURRENT_LIST_DIR}/AfterInstall.cmake\")")

add_custom_target(uninstall
                  COMMAND ${CMAKE_COMMAND} -D RECORD=${CMAKE_BINARY_DIR}/install_record.txt
                          -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
                  COMMENT "Removing the installed files")
