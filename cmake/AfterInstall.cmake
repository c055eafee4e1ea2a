# Runs at the end of an install (an install(CODE) rule of the top level).
#
# Unless the install fills a staging folder for a package or a test
# (KURVIX_STAGING), it records every file it wrote, with DESTDIR in front,
# so that Uninstall.cmake removes exactly those; CMake's own manifest is
# rewritten by every package build and so cannot serve. KURVIX_INSTALL_RECORD
# names the record (default: install_record.txt in the build folder).
#
# A direct install (no DESTDIR) then refreshes the caches the desktop reads,
# so the menu entry, the file type and the icon show at once. The Debian
# package leaves this to dpkg's triggers.
if(KURVIX_STAGING)
  return()
endif()

set(record "${KURVIX_INSTALL_RECORD}")
if(NOT record)
  set(record "${KURVIX_BINARY_DIR}/install_record.txt")
endif()
set(lines "")
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  string(APPEND lines "$ENV{DESTDIR}${file}\n")
endforeach()
file(WRITE "${record}" "${lines}")

if("$ENV{DESTDIR}" STREQUAL "")
  set(DATA_DIR "${CMAKE_INSTALL_PREFIX}/${KURVIX_DATADIR}")
  include("${CMAKE_CURRENT_LIST_DIR}/RefreshDesktopCaches.cmake")
endif()
