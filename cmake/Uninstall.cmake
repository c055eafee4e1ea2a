# Removes what the last install wrote, as its record lists it (see
# AfterInstall.cmake), then the program's own folders if they are left
# empty, and renews the desktop's caches that exist there.
#   cmake -D RECORD=build/install_record.txt -P cmake/Uninstall.cmake
if(NOT EXISTS "${RECORD}")
  message(FATAL_ERROR "Nothing to uninstall: ${RECORD} does not exist (no install from this build folder)")
endif()

file(STRINGS "${RECORD}" files)
set(dataDirs)
foreach(file IN LISTS files)
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
  if(file MATCHES "^(.*)/applications/kurvix\\.desktop$")
    list(APPEND dataDirs "${CMAKE_MATCH_1}")
  endif()
endforeach()

foreach(dataDir IN LISTS dataDirs)
  foreach(dir "${dataDir}/kurvix/examples" "${dataDir}/kurvix")
    file(GLOB left "${dir}/*")
    if(IS_DIRECTORY "${dir}" AND NOT left)
      file(REMOVE_RECURSE "${dir}")
    endif()
  endforeach()
  set(DATA_DIR "${dataDir}")
  set(ONLY_EXISTING ON)
  include("${CMAKE_CURRENT_LIST_DIR}/RefreshDesktopCaches.cmake")
endforeach()
file(REMOVE "${RECORD}")
