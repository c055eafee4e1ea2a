# Renews the caches the desktop reads after the menu entry, the file type or
# the icon changed under DATA_DIR (an installed share folder). After a
# removal (ONLY_EXISTING) only caches that exist are renewed, so that an
# uninstall leaves no new files behind. The icon cache is never created: a
# theme folder without one is scanned directly. A missing tool is skipped.
if(NOT DATA_DIR)
  message(FATAL_ERROR "RefreshDesktopCaches: DATA_DIR is not set")
endif()

find_program(updateMime update-mime-database)
if(updateMime AND IS_DIRECTORY "${DATA_DIR}/mime/packages"
   AND (NOT ONLY_EXISTING OR EXISTS "${DATA_DIR}/mime/mime.cache"))
  execute_process(COMMAND "${updateMime}" "${DATA_DIR}/mime")
endif()

find_program(updateDesktop update-desktop-database)
if(updateDesktop AND IS_DIRECTORY "${DATA_DIR}/applications"
   AND (NOT ONLY_EXISTING OR EXISTS "${DATA_DIR}/applications/mimeinfo.cache"))
  execute_process(COMMAND "${updateDesktop}" -q "${DATA_DIR}/applications")
endif()

find_program(updateIcons gtk-update-icon-cache)
if(updateIcons AND EXISTS "${DATA_DIR}/icons/hicolor/icon-theme.cache")
  execute_process(COMMAND "${updateIcons}" -q -t -f "${DATA_DIR}/icons/hicolor")
endif()
